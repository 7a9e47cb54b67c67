#include "AlbumsWindowFixture.h"

#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailImageData.h"
#include "albums/ImageResizeSettings.h"
#include "albums/ThumbnailView.h"
#include "albums/TwImageChooser.h"
#include "albums/TwinImages.h"
#include "albums/TwinSaveProgress.h"
#include "albums/TwinimageLink.h"
#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"

#include <QDir>
#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

void AlbumsWindowTest::SetUp()
{
    WindowTest::SetUp();
    ImageResizeSettings::Instance() = ImageResizeSettings();
    m_store = std::make_unique<SettingsStore>(TempPath(u"settings.ini"_s));
    m_gallery = new FflashMovie;
    AppState::CurrentGallery = m_gallery;
    m_chooser = new TwImageChooser(nullptr, m_store.get());
    m_progress = new TwinSaveProgress;
    m_link = new TwinimageLink;
    TwinImages::Dialogs dialogs;
    dialogs.chooser = m_chooser;
    dialogs.progress = m_progress;
    dialogs.link = m_link;
    // As the main window does it: the window is made with the document, then New adds its album.
    m_window = new TwinImages(m_gallery, dialogs);
    {
        UpdatingPanelsGuard building;
        m_gallery->ResetAsNewGallery();
    }
    m_gallery->SetModified(false);
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window));
}

void AlbumsWindowTest::TearDown()
{
    delete m_window;
    delete m_link;
    delete m_progress;
    delete m_chooser;
    AppState::CurrentGallery = nullptr;
    delete m_gallery;
    m_store.reset();
    ImageResizeSettings::Instance() = ImageResizeSettings();
    WindowTest::TearDown();
}

QString AlbumsWindowTest::MakePhoto(const QString &name, int width, int height, QColor color)
{
    const QString path = TempPath(u"photos/"_s + name);
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    EXPECT_TRUE(picture.save(path)) << qPrintable(path);
    return path;
}

FThummnailCatagory *AlbumsWindowTest::FirstAlbum() const
{
    return m_gallery->ThumbnailStrip()->Albums().value(0);
}

FThummnailCatagory *AlbumsWindowTest::AddAlbum()
{
    m_window->AddAlbumExecute();
    return m_gallery->ThumbnailStrip()->Albums().last();
}

QList<FThummnailImageData *> AlbumsWindowTest::AddPhotos(FThummnailCatagory *album, int count, const QString &prefix)
{
    QList<FThummnailImageData *> images;
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan};
    for (int i = 0; i < count; ++i)
        images.append(album->AddImage(MakePhoto(prefix + QString::number(i + 1) + u".png"_s, 200, 150, colours[i % 6])));
    return images;
}

void AlbumsWindowTest::Click(FThummnailImageData *image, bool shift)
{
    ThumbnailView *view = m_window->ViewOf(image);
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(view, Qt::LeftButton, shift ? Qt::ShiftModifier : Qt::NoModifier, QPoint(50, 50));
}
