#pragma once

#include "ImageProcessor.h"
#include "StyledComponent.h"

#include <QList>

class AlbumPhoto;
class AlbumMenuStyle;
class ImportProgress;

// How AddImages takes its list of files.
struct AddImagesOptions
{
    // Where the progress calls go; nullptr: ImportProgress::current().
    ImportProgress *progress = nullptr;
    // The add-images flow: setTotal(number of paths) first, then before each path
    // cancelled() (a cancel stops the run there) and Step(). Off for a gallery being opened.
    bool addFlow = true;
    // The paths are the entries of a folder listing ("Add a Folder"): entries whose lower-cased
    // extension is not ".jpg", ".jpeg", ".gif", ".bmp", ".png" or ".tif" are counted, not added.
    bool folderEntries = false;
    // A file that exists but cannot be decoded: false, it is not added (the user adds photos);
    // true, it stays in the album with names but without files, as a missing file does (a
    // gallery being opened). Either way it is listed in AddImagesResult::undecodable.
    bool keepUndecodable = false;
};

struct AddImagesResult
{
    QList<AlbumPhoto *> added; // in the order of the paths
    QList<ImportFailure> undecodable;   // ImportFailure::Message makes the one message for them
    bool cancelled = false;
};

// One photo album: its tile in the album menu (cover, name, description) and its images.
class Album : public StyledComponent
{
    Q_OBJECT
public:
    explicit Album(GalleryDocument *document, QObject *owner = nullptr);
    ~Album() override;

    QString name() const { return m_name; }
    QString description() const { return m_description; }
    QString coverPath() const { return m_coverPath; }
    QString coverFileName() const { return m_coverFileName; }
    const QImage &coverPicture() const { return m_coverPicture; }
    QString linkId() const { return m_linkId; }
    void setLinkId(const QString &id);
    const QList<AlbumPhoto *> &images() const { return m_images; }

    // Tile layout (tile coordinates) and the thumbnails panel of the Photo Albums window.
    QRect coverBox() const { return m_coverBox; }
    QRect nameLabel() const { return m_nameLabel; }
    QRect descriptionLabel() const { return m_descriptionLabel; }
    QFont labelFont(bool bold) const;
    int thumbnailsPanelWidth() const { return m_thumbnailsPanelWidth; }
    int thumbnailsPanelHeight() const { return m_thumbnailsPanelHeight; }

    void setName(const QString &text);
    void setDescription(const QString &text);
    void setCover(const QString &path);
    void refreshCover();

    AlbumPhoto *addImage(const QString &path);
    // AddImage for many files at once: the photos are decoded and scaled on worker threads (one
    // per core) while the window thread keeps running its events, and the images are added in
    // the order of paths with exactly the names, files and progress calls that AddImage one by
    // one would give.
    AddImagesResult addImages(const QStringList &paths, const AddImagesOptions &options = {});
    // An image known by its names alone: no picture is read and no working file made.
    AlbumPhoto *addNamedImage(const QString &sourcePath, const QString &bigName, const QString &thumbName);
    // The extensions that the Add a Folder flow imports.
    static bool isFolderPictureEntry(const QString &name);
    // Takes an image out of the album (the caller owns it afterwards).
    AlbumPhoto *takeImage(AlbumPhoto *image);
    void deleteImage(AlbumPhoto *image);
    void moveImage(int from, int to);
    // Selects an image as a click on its thumbnail does; extend keeps the others (Shift).
    void selectImage(AlbumPhoto *image, bool extend);
    QList<AlbumPhoto *> selectedImages() const;

    void layoutThumbnails();
    void layoutTile();

    QString writeImagesXml() const;
    QString writeMenuEntryXml(int number) const;
    QStringList imageFileNames() const override;
    void copyImagesTo(const QString &folder) const;

signals:
    void imagesChanged();
    void imageSelectionChanged();

protected:
    void sizeChanged() override { layoutTile(); }

private:
    bool isFirstAlbum() const;
    // AddImage after the import: cover, first caption, thumbnail layout, selection, modified.
    void finishAddedImage(AlbumPhoto *image);
    void markDocumentModified();

    QString m_name;
    QString m_description;
    QString m_coverPath;
    QString m_coverFileName;
    QImage m_coverPicture;
    QString m_linkId;
    QList<AlbumPhoto *> m_images;
    QRect m_coverBox;
    QRect m_nameLabel;
    QRect m_descriptionLabel;
    int m_thumbnailsPanelWidth = 2;
    int m_thumbnailsPanelHeight = 0;
};
