#pragma once

#include "GalleryDocument.h"

#include <QDomElement>

class StyledComponent;
class GalleryButton;

// Rebuilds a fresh gallery from its gallery file through the same setters the panels use.
class GalleryXmlReader
{
public:
    GalleryXmlReader(GalleryDocument &gallery, PhotoLoading photos) : m_gallery(gallery), m_photos(photos) {}

    GalleryLoadReport load(const QString &path);

private:
    void readDocument(const QString &path, GalleryLoadReport &report);
    void applyGallery(const QDomElement &e);
    void applyStripHeader(const QDomElement &e);
    void applyCellStyle(const QDomElement &e);
    void applyImageDisplay(const QDomElement &e);
    void applyThumbnailer(const QDomElement &e, GalleryLoadReport &report);
    void applyCatagories(const QDomElement &e);
    void applyButton(const QDomElement &e);
    void applyGeometry(StyledComponent *c, const QDomElement &e);
    // The background settings, under names that start with prefix ("bkdobk", "bkfillclr", ...).
    void applyBackground(StyledComponent *c, const QDomElement &e, bool withMask,
                         const QString &prefix = QString());
    void applyPicture(StyledComponent *c, const QDomElement &e, const QString &name);
    void finish();

    // Attribute readers: a colour that is missing or empty leaves the property alone; one
    // that is not a number throws ConvertError.
    static bool flag(const QDomElement &e, const QString &name);
    static int intAttribute(const QDomElement &e, const QString &name, int fallback);
    template <typename Setter> static void color(const QDomElement &e, const QString &name, Setter set);
    QString resolve(const QString &value) const;

    GalleryDocument &m_gallery;
    PhotoLoading m_photos;
};
