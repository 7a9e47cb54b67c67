#include "windows/WindowTestSupport.h"

#include "AlbumWindowsHost.h"
#include "Album.h"
#include "PhotoAlbumsWindow.h"
#include "MainWindow.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"

#include <QAction>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

TEST_F(WindowTest, CreateEditAlbumShowsThePhotoAlbumsWindowOfTheCurrentGallery)
{
    MainWindow main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    AlbumWindowsHost *host = AlbumWindowsHost::of(&main);
    ASSERT_NE(host, nullptr);
    QPointer<PhotoAlbumsWindow> window = host->albumsWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->gallery(), main.gallery());
    EXPECT_FALSE(window->isVisible());
    // The new gallery's album is the window's current one.
    EXPECT_EQ(window->currentAlbum(), main.gallery()->thumbnailStrip()->albums().value(0));

    main.actionAlbums()->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), u"Photo Albums"_s);

    // A new gallery gets a window of its own; the old one goes with its gallery.
    window->close();
    main.newGallery();
    EXPECT_TRUE(window.isNull());
    ASSERT_NE(host->albumsWindow(), nullptr);
    EXPECT_EQ(host->albumsWindow()->gallery(), main.gallery());
}
