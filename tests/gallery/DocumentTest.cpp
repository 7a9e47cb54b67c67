#include "AlbumMenuStyle.h"
#include "Album.h"
#include "AlbumPhoto.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "AppFolders.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class Document : public ::testing::Test
{
protected:
    TestAppFolder m_app;
};

TEST_F(Document, DefaultLayout)
{
    GalleryDocument g;
    EXPECT_EQ(g.bounds(), QRect(0, 0, 500, 462));
    EXPECT_FALSE(g.movable());
    EXPECT_TRUE(g.resizable());
    ASSERT_EQ(g.Components().size(), 5);
    EXPECT_EQ(g.Components()[0], g.imageDisplay());
    EXPECT_EQ(g.Components()[1], g.playButton());
    EXPECT_EQ(g.Components()[2], g.soundsButton());
    EXPECT_EQ(g.Components()[3], g.albumsButton());
    EXPECT_EQ(g.Components()[4], g.thumbnailStrip());
    EXPECT_EQ(g.imageDisplay()->bounds(), QRect(10, 10, 480, 360));
    EXPECT_EQ(g.playButton()->bounds(), QRect(462, 375, 25, 25));
    EXPECT_EQ(g.soundsButton()->bounds(), QRect(462, 405, 25, 25));
    EXPECT_EQ(g.albumsButton()->bounds(), QRect(462, 432, 25, 25));
    EXPECT_EQ(g.thumbnailStrip()->bounds(), QRect(10, 375, 450, 80));
    for (GalleryButton *b : {g.playButton(), g.soundsButton(), g.albumsButton()}) {
        EXPECT_FALSE(b->solidFill() || b->gradientFill() || b->pictureFill());
        EXPECT_TRUE(b->toggle());
        EXPECT_TRUE(b->showThrough());
        EXPECT_TRUE(b->borderSolid());
        EXPECT_FALSE(b->showBorder());
    }
    EXPECT_TRUE(g.thumbnailStrip()->albums().isEmpty());
    EXPECT_FALSE(g.modified());
}

TEST_F(Document, NewGalleryHasOneAlbumAndNothingToSave)
{
    GalleryDocument g;
    g.resetAsNewGallery();
    ASSERT_EQ(g.thumbnailStrip()->albums().size(), 1);
    const Album *album = g.thumbnailStrip()->albums().first();
    EXPECT_EQ(album->name(), u"My Images"_s);
    EXPECT_EQ(album->description(), u"Put the description of your images here."_s);
    EXPECT_EQ(album->bounds().size(), QSize(200, 75));
    EXPECT_EQ(g.selectedObject(), nullptr);
    EXPECT_EQ(g.imageDisplay()->height(), 360);
    EXPECT_FALSE(g.modified());
}

TEST_F(Document, BackgroundFlagsExcludeEachOther)
{
    GalleryDocument g;
    g.setBackgroundGradient(true);
    EXPECT_FALSE(g.backgroundSolid());
    EXPECT_FALSE(g.backgroundImageOn());
    g.setBackgroundGradient(false);
    EXPECT_FALSE(g.backgroundSolid() || g.backgroundGradient() || g.backgroundImageOn());
    g.setBackgroundImageOn(true);
    g.setBackgroundSolid(true);
    EXPECT_TRUE(g.backgroundSolid());
    EXPECT_FALSE(g.backgroundImageOn());
    EXPECT_TRUE(g.modified());
}

TEST_F(Document, SoundsGetCleanedUniqueWorkingCopies)
{
    GalleryDocument first;
    EXPECT_EQ(first.backgroundSoundName(), u"butteryloop1.mp3"_s);
    EXPECT_EQ(first.mouseOverSoundName(), u"default.mp3"_s);
    EXPECT_EQ(first.backgroundSoundWorkPath(), AppFolders::tempFolder() + u"butteryloop1.mp3"_s);
    EXPECT_TRUE(QFileInfo(first.backgroundSoundWorkPath()).isFile());

    GalleryDocument second; // the first gallery's copies are still there
    EXPECT_EQ(second.backgroundSoundName(), u"butteryloop1(2).mp3"_s);
    EXPECT_EQ(second.mouseOverSoundName(), u"default(2).mp3"_s);

    const QString song = writeFile(m_app.path(u"music/My Song.MP3"_s), "ID3");
    second.setBackgroundSound(song);
    EXPECT_EQ(second.backgroundSoundName(), u"my_song.MP3"_s);
    EXPECT_EQ(readFile(AppFolders::tempFolder() + u"my_song.MP3"_s), QByteArray("ID3"));

    second.setMouseOverSound(m_app.path(u"music/Gone & Lost.mp3"_s)); // missing: named, not copied
    EXPECT_EQ(second.mouseOverSoundName(), u"gone__lost.mp3"_s);
    EXPECT_FALSE(QFileInfo::exists(second.mouseOverSoundWorkPath()));
}

TEST_F(Document, FileIdentity)
{
    GalleryDocument g;
    g.setBaseNameFromFileName(u"my.gallery.xml"_s);
    EXPECT_EQ(g.baseName(), u"my"_s);
    g.setBaseNameFromFileName(u" we?b:site "_s);
    EXPECT_EQ(g.baseName(), u"website"_s);

    g.setFolderFromPath(u"  /home/me/gal?lery "_s);
    EXPECT_EQ(g.getFolder(), u"/home/me/gallery/"_s);
    const QString longest = u"/"_s + QString(257, u'a'); // 259 with the slash added
    g.setFolderFromPath(longest);
    EXPECT_EQ(g.getFolder(), QString(longest + u'/'));
    g.setFolderFromPath(longest + u'b'); // 260 characters: refused
    EXPECT_EQ(g.getFolder(), QString(longest + u'/'));
}

TEST_F(Document, ResizingTheGalleryLeavesTheComponentsAlone)
{
    GalleryDocument g;
    QSignalSpy properties(&g, &GalleryDocument::galleryPropertiesChanged);
    const QRect display = g.imageDisplay()->bounds();
    g.setWidth(300);
    EXPECT_EQ(g.lastWidth(), 300);
    EXPECT_TRUE(g.modified());
    EXPECT_EQ(properties.count(), 1);
    EXPECT_EQ(g.imageDisplay()->bounds(), display);
    g.clearModified();
    g.setLeft(40); // moving is no size change
    EXPECT_FALSE(g.modified());
}

TEST_F(Document, Selection)
{
    GalleryDocument g;
    QSignalSpy selection(&g, &GalleryDocument::selectionChanged);
    QSignalSpy focus(&g, &GalleryDocument::focusRequested);
    g.select(g.playButton(), true);
    EXPECT_EQ(g.selectedObject(), g.playButton());
    EXPECT_TRUE(g.playButton()->selected());
    EXPECT_EQ(focus.count(), 1);
    g.select(g.thumbnailStrip(), true);
    EXPECT_FALSE(g.playButton()->selected());
    EXPECT_TRUE(g.thumbnailStrip()->selected());
    g.select(g.thumbnailStrip(), false);
    EXPECT_EQ(g.selectedObject(), nullptr);
    EXPECT_FALSE(g.thumbnailStrip()->selected());
    g.select(g.soundsButton(), true);
    g.select(nullptr, true);
    EXPECT_EQ(g.selectedObject(), nullptr);
    EXPECT_FALSE(g.soundsButton()->selected());
    EXPECT_EQ(selection.count(), 5);
    EXPECT_EQ(selection.last().first().value<CanvasObject *>(), nullptr);
}

TEST_F(Document, AlbumsAndImages)
{
    GalleryDocument g;
    g.resetAsNewGallery();
    ThumbnailStrip *strip = g.thumbnailStrip();
    Album *first = strip->albums().first();
    Album *second = strip->addAlbum(u"Trips"_s);
    EXPECT_TRUE(g.modified());
    EXPECT_EQ(strip->selectedAlbum(), second);
    EXPECT_FALSE(first->selected());

    AlbumPhoto *a = first->addImage(m_app.path(u"Photos/My Photo.JPG"_s));
    AlbumPhoto *b = first->addImage(m_app.path(u"Photos/holiday.2007.png"_s));
    AlbumPhoto *c = second->addImage(m_app.path(u"Photos/a&b.gif"_s));
    EXPECT_EQ(a->bigFileName(), u"my_photo.jpg"_s);
    EXPECT_EQ(a->thumbFileName(), u"my_photo_s.jpg"_s);
    EXPECT_EQ(b->bigFileName(), u"holiday.jpg"_s);
    EXPECT_EQ(c->bigFileName(), u"ab.jpg"_s);
    EXPECT_EQ(a->caption(), u"Enter your image caption here"_s); // first image of the first album only
    EXPECT_TRUE(b->caption().isEmpty());
    EXPECT_TRUE(c->caption().isEmpty());
    EXPECT_EQ(first->coverFileName(), u"my_photo_s.jpg"_s);
    EXPECT_EQ(a->viewLeft(), 2);
    EXPECT_EQ(b->viewLeft(), 104);
    EXPECT_EQ(first->thumbnailsPanelWidth(), 206);
    EXPECT_TRUE(b->selected());
    EXPECT_FALSE(a->selected());

    first->selectImage(a, true); // Shift adds to the selection
    EXPECT_EQ(first->selectedImages().size(), 2);

    first->deleteImage(a);
    first->deleteImage(b);
    EXPECT_EQ(first->thumbnailsPanelWidth(), 2);
    first->refreshCover();
    EXPECT_TRUE(first->coverFileName().isEmpty());

    strip->selectAlbum(second);
    strip->deleteSelectedAlbum();
    ASSERT_EQ(strip->albums().size(), 1);
    EXPECT_EQ(strip->albums().first(), first);
    strip->deleteSelectedAlbum(); // nothing selected any more
    EXPECT_EQ(strip->albums().size(), 1);
}

TEST_F(Document, AlbumStyleIsAppliedToEveryAlbum)
{
    GalleryDocument g;
    g.resetAsNewGallery();
    AlbumMenuStyle *style = g.menuStyle();
    style->setGradientFill(true);
    EXPECT_FALSE(style->backgroundOn());
    style->setGradientFill(false);
    EXPECT_FALSE(style->backgroundOn());
    style->setBackgroundOn(true);
    style->setBorderColor(Colors::Red);
    style->setTileWidth(120);
    g.thumbnailStrip()->applyAlbumStyle();
    const Album *album = g.thumbnailStrip()->albums().first();
    EXPECT_TRUE(album->solidFill());
    EXPECT_EQ(album->borderColor(), Colors::Red);
    EXPECT_EQ(album->width(), 120);
    EXPECT_EQ(album->coverBox(), QRect(10, 10, 50, 38));
    EXPECT_EQ(album->nameLabel().left(), 70);
}

TEST(menuSize, RowsColumnsAndTheCap)
{
    AlbumMenuStyle style(nullptr);
    struct Case { int canvas, display, albums, w, h; };
    const Case cases[] = {
        {500, 360, 1, 232, 95},
        {500, 360, 2, 442, 95},
        {500, 360, 3, 442, 180},
        {500, 360, 5, 442, 265},
        {500, 200, 5, 442, 200},  // capped at the display height
        {900, 360, 2, 862, 95},   // four columns, one row
        {150, 360, 3, 22, 95},    // no column fits
        {500, 360, 0, 442, 10},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(style.menuSize(c.canvas, c.display, c.albums), QSize(c.w, c.h))
            << c.canvas << " " << c.albums;
    }
    style.setTileWidth(-10); // a zero step must not divide by zero
    EXPECT_EQ(style.menuSize(500, 360, 2).width(), 22);
}
