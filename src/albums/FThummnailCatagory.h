#pragma once

#include "components/FflashComponentBaseClass.h"

#include <QList>

class FThummnailImageData;
class FCatagoryMenuStyle;

// One photo album: its tile in the album menu (cover, name, description) and its images.
class FThummnailCatagory : public FflashComponentBaseClass
{
    Q_OBJECT
public:
    explicit FThummnailCatagory(FflashMovie *document, QObject *owner = nullptr);
    ~FThummnailCatagory() override;

    QString name() const { return m_name; }
    QString description() const { return m_description; }
    QString coverPath() const { return m_coverPath; }
    QString coverFileName() const { return m_coverFileName; }
    const QImage &coverPicture() const { return m_coverPicture; }
    QString linkId() const { return m_linkId; }
    void SetLinkId(const QString &id) { m_linkId = id; }
    const QList<FThummnailImageData *> &images() const { return m_images; }

    // Tile layout (tile coordinates) and the thumbnails panel of the Photo Albums window.
    QRect coverBox() const { return m_coverBox; }
    QRect nameLabel() const { return m_nameLabel; }
    QRect descriptionLabel() const { return m_descriptionLabel; }
    QFont labelFont(bool bold) const;
    int thumbnailsPanelWidth() const { return m_thumbnailsPanelWidth; }
    int thumbnailsPanelHeight() const { return m_thumbnailsPanelHeight; }

    void SetName(const QString &text);
    void SetDescription(const QString &text);
    void SetCover(const QString &path);
    void RefreshCover();

    FThummnailImageData *AddImage(const QString &path);
    // Takes an image out of the album (the caller owns it afterwards).
    FThummnailImageData *TakeImage(FThummnailImageData *image);
    void DeleteImage(FThummnailImageData *image);
    void MoveImage(int from, int to);
    // Selects an image as a click on its thumbnail does; extend keeps the others (Shift).
    void SelectImage(FThummnailImageData *image, bool extend);
    QList<FThummnailImageData *> SelectedImages() const;

    void LayoutThumbnails();
    void LayoutTile();

    QString WriteImagesXml() const;
    QString WriteMenuEntryXml(int number) const;
    void CollectFiles() override;
    void CopyImagesTo(const QString &folder) const;

signals:
    void ImagesChanged();
    void ImageSelectionChanged();

protected:
    void SizeChanged() override { LayoutTile(); }

private:
    bool IsFirstAlbum() const;
    void MarkDocumentModified();

    QString m_name;
    QString m_description;
    QString m_coverPath;
    QString m_coverFileName;
    QImage m_coverPicture;
    QString m_linkId;
    QList<FThummnailImageData *> m_images;
    QRect m_coverBox;
    QRect m_nameLabel;
    QRect m_descriptionLabel;
    int m_thumbnailsPanelWidth = 2;
    int m_thumbnailsPanelHeight = 0;
};
