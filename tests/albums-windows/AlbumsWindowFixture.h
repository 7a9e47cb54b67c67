#pragma once

#include "SettingsStore.h"
#include "windows/WindowTestSupport.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <memory>

class GalleryDocument;
class Album;
class AlbumPhoto;
class AddImagesDialog;
class PhotoAlbumsWindow;
class ImportProgressDialog;
class PhotoLinkDialog;

// A gallery as New makes it, with the Photo Albums window and its dialogs, shown offscreen.
class AlbumsWindowTest : public WindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A picture written at run time; the extension names its format.
    QString makePhoto(const QString &name, int width = 320, int height = 240, QColor color = Qt::darkCyan);
    Album *firstAlbum() const;
    Album *addAlbum();
    // Adds photos to an album as the model does, one by one.
    QList<AlbumPhoto *> addPhotos(Album *album, int count, const QString &prefix = QStringLiteral("p"));
    void click(AlbumPhoto *image, bool shift = false);

    GalleryDocument *m_gallery = nullptr;
    std::unique_ptr<SettingsStore> m_store;
    AddImagesDialog *m_chooser = nullptr;
    ImportProgressDialog *m_progress = nullptr;
    PhotoLinkDialog *m_link = nullptr;
    PhotoAlbumsWindow *m_window = nullptr;
};
