#pragma once

#include "FflashMovie.h"

#include <QDomElement>

class FflashComponentBaseClass;
class FflashButtonClass;

// Rebuilds a fresh gallery from its gallery file through the same setters the panels use.
class GalleryLoader
{
public:
    GalleryLoader(FflashMovie &gallery, PhotoLoading photos) : m_gallery(gallery), m_photos(photos) {}

    GalleryLoadReport Load(const QString &path);

private:
    void ReadDocument(const QString &path, GalleryLoadReport &report);
    void ApplyGallery(const QDomElement &e);
    void ApplyStripHeader(const QDomElement &e);
    void ApplyCellStyle(const QDomElement &e);
    void ApplyImageDisplay(const QDomElement &e);
    void ApplyThumbnailer(const QDomElement &e, GalleryLoadReport &report);
    void ApplyCatagories(const QDomElement &e);
    void ApplyButton(const QDomElement &e);
    void ApplyGeometry(FflashComponentBaseClass *c, const QDomElement &e);
    // The background settings, under names that start with prefix ("bkdobk", "bkfillclr", ...).
    void ApplyBackground(FflashComponentBaseClass *c, const QDomElement &e, bool withMask,
                         const QString &prefix = QString());
    void ApplyPicture(FflashComponentBaseClass *c, const QDomElement &e, const QString &name);
    void Finish();

    // Attribute readers: a colour that is missing or empty leaves the property alone; one
    // that is not a number throws ConvertError.
    static bool Flag(const QDomElement &e, const QString &name);
    static int Int(const QDomElement &e, const QString &name, int fallback);
    template <typename Setter> static void Color(const QDomElement &e, const QString &name, Setter set);
    QString Resolve(const QString &value) const;

    FflashMovie &m_gallery;
    PhotoLoading m_photos;
};
