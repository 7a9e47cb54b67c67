#include "AlbumsWindowFixture.h"

#include "Album.h"
#include "AlbumPhoto.h"
#include "ImageResizeSettings.h"
#include "ThumbnailView.h"
#include "AddImagesDialog.h"
#include "PhotoAlbumsWindow.h"
#include "ImportProgressDialog.h"
#include "PhotoLinkDialog.h"
#include "SettingsStore.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"

#include <QDir>
#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

void AlbumsWindowTest::SetUp()
{
    WindowTest::SetUp();
    ImageResizeSettings::instance() = ImageResizeSettings();
    m_store = std::make_unique<SettingsStore>(tempPath(u"settings.ini"_s));
    m_gallery = new GalleryDocument;
    m_chooser = new AddImagesDialog(nullptr, m_store.get());
    m_progress = new ImportProgressDialog;
    m_link = new PhotoLinkDialog;
    PhotoAlbumsWindow::Dialogs dialogs;
    dialogs.chooser = m_chooser;
    dialogs.progress = m_progress;
    dialogs.link = m_link;
    // As the main window does it: the window is made with the document, then New adds its album.
    m_window = new PhotoAlbumsWindow(m_gallery, dialogs);
    m_gallery->resetAsNewGallery();
    m_gallery->setModified(false);
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window));
}

void AlbumsWindowTest::TearDown()
{
    delete m_window;
    delete m_link;
    delete m_progress;
    delete m_chooser;
    delete m_gallery;
    m_store.reset();
    ImageResizeSettings::instance() = ImageResizeSettings();
    WindowTest::TearDown();
}

QString AlbumsWindowTest::makePhoto(const QString &name, int width, int height, QColor color)
{
    const QString path = tempPath(u"photos/"_s + name);
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    EXPECT_TRUE(picture.save(path)) << qPrintable(path);
    return path;
}

Album *AlbumsWindowTest::firstAlbum() const
{
    return m_gallery->thumbnailStrip()->albums().value(0);
}

Album *AlbumsWindowTest::addAlbum()
{
    m_window->addAlbum();
    return m_gallery->thumbnailStrip()->albums().last();
}

QList<AlbumPhoto *> AlbumsWindowTest::addPhotos(Album *album, int count, const QString &prefix)
{
    QList<AlbumPhoto *> images;
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan};
    for (int i = 0; i < count; ++i)
        images.append(album->addImage(makePhoto(prefix + QString::number(i + 1) + u".png"_s, 200, 150, colours[i % 6])));
    return images;
}

void AlbumsWindowTest::click(AlbumPhoto *image, bool shift)
{
    ThumbnailView *view = m_window->viewOf(image);
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(view, Qt::LeftButton, shift ? Qt::ShiftModifier : Qt::NoModifier, QPoint(50, 50));
}
