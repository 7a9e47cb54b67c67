#include "windows/WindowTestSupport.h"

#include "albums/AlbumWindowsHost.h"
#include "albums/FThummnailCatagory.h"
#include "albums/TwinImages.h"
#include "app/TwMain.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"

#include <QAction>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

TEST_F(WindowTest, CreateEditAlbumShowsThePhotoAlbumsWindowOfTheCurrentGallery)
{
    TwMain main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    AlbumWindowsHost *host = AlbumWindowsHost::Of(&main);
    ASSERT_NE(host, nullptr);
    QPointer<TwinImages> window = host->AlbumsWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Gallery(), main.Gallery());
    EXPECT_FALSE(window->isVisible());
    // The new gallery's album is the window's current one.
    EXPECT_EQ(window->CurrentAlbum(), main.Gallery()->ThumbnailStrip()->Albums().value(0));

    main.ActionAlbums()->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), u"Photo Albums"_s);

    // A new gallery gets a window of its own; the old one goes with its gallery.
    window->close();
    main.actionNewExecute();
    EXPECT_TRUE(window.isNull());
    ASSERT_NE(host->AlbumsWindow(), nullptr);
    EXPECT_EQ(host->AlbumsWindow()->Gallery(), main.Gallery());
}
