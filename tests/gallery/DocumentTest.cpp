#include "albums/FCatagoryMenuStyle.h"
#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailImageData.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "app/AppFolders.h"
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
    FflashMovie g;
    EXPECT_EQ(g.Bounds(), QRect(0, 0, 500, 462));
    EXPECT_FALSE(g.Movable());
    EXPECT_TRUE(g.Resizable());
    ASSERT_EQ(g.Components().size(), 5);
    EXPECT_EQ(g.Components()[0], g.ImageDisplay());
    EXPECT_EQ(g.Components()[1], g.PlayButton());
    EXPECT_EQ(g.Components()[2], g.SoundsButton());
    EXPECT_EQ(g.Components()[3], g.AlbumsButton());
    EXPECT_EQ(g.Components()[4], g.ThumbnailStrip());
    EXPECT_EQ(g.ImageDisplay()->Bounds(), QRect(10, 10, 480, 360));
    EXPECT_EQ(g.PlayButton()->Bounds(), QRect(462, 375, 25, 25));
    EXPECT_EQ(g.SoundsButton()->Bounds(), QRect(462, 405, 25, 25));
    EXPECT_EQ(g.AlbumsButton()->Bounds(), QRect(462, 432, 25, 25));
    EXPECT_EQ(g.ThumbnailStrip()->Bounds(), QRect(10, 375, 450, 80));
    for (FflashButtonClass *b : {g.PlayButton(), g.SoundsButton(), g.AlbumsButton()}) {
        EXPECT_FALSE(b->SolidFill() || b->GradientFill() || b->PictureFill());
        EXPECT_TRUE(b->Toggle());
        EXPECT_TRUE(b->ShowThrough());
        EXPECT_TRUE(b->BorderSolid());
        EXPECT_FALSE(b->ShowBorder());
    }
    EXPECT_TRUE(g.ThumbnailStrip()->Albums().isEmpty());
    EXPECT_FALSE(g.Modified());
}

TEST_F(Document, NewGalleryHasOneAlbumAndNothingToSave)
{
    FflashMovie g;
    g.ResetAsNewGallery();
    ASSERT_EQ(g.ThumbnailStrip()->Albums().size(), 1);
    const FThummnailCatagory *album = g.ThumbnailStrip()->Albums().first();
    EXPECT_EQ(album->name(), u"My Images"_s);
    EXPECT_EQ(album->description(), u"Put the description of your images here."_s);
    EXPECT_EQ(album->Bounds().size(), QSize(200, 75));
    EXPECT_EQ(g.SelectedObject(), nullptr);
    EXPECT_EQ(g.ImageDisplay()->Height(), 360);
    EXPECT_FALSE(g.Modified());
}

TEST_F(Document, BackgroundFlagsExcludeEachOther)
{
    FflashMovie g;
    g.SetBackgroundGradient(true);
    EXPECT_FALSE(g.BackgroundSolid());
    EXPECT_FALSE(g.BackgroundImageOn());
    g.SetBackgroundGradient(false);
    EXPECT_FALSE(g.BackgroundSolid() || g.BackgroundGradient() || g.BackgroundImageOn());
    g.SetBackgroundImageOn(true);
    g.SetBackgroundSolid(true);
    EXPECT_TRUE(g.BackgroundSolid());
    EXPECT_FALSE(g.BackgroundImageOn());
    EXPECT_TRUE(g.Modified());
}

TEST_F(Document, SoundsGetCleanedUniqueWorkingCopies)
{
    FflashMovie first;
    EXPECT_EQ(first.BackgroundSoundName(), u"butteryloop1.mp3"_s);
    EXPECT_EQ(first.MouseOverSoundName(), u"default.mp3"_s);
    EXPECT_EQ(first.BackgroundSoundWorkPath(), AppFolders::TempFolder() + u"butteryloop1.mp3"_s);
    EXPECT_TRUE(QFileInfo(first.BackgroundSoundWorkPath()).isFile());

    FflashMovie second; // the first gallery's copies are still there
    EXPECT_EQ(second.BackgroundSoundName(), u"butteryloop1(2).mp3"_s);
    EXPECT_EQ(second.MouseOverSoundName(), u"default(2).mp3"_s);

    const QString song = WriteFile(m_app.Path(u"music/My Song.MP3"_s), "ID3");
    second.SetBackgroundSound(song);
    EXPECT_EQ(second.BackgroundSoundName(), u"my_song.MP3"_s);
    EXPECT_EQ(ReadFile(AppFolders::TempFolder() + u"my_song.MP3"_s), QByteArray("ID3"));

    second.SetMouseOverSound(m_app.Path(u"music/Gone & Lost.mp3"_s)); // missing: named, not copied
    EXPECT_EQ(second.MouseOverSoundName(), u"gone__lost.mp3"_s);
    EXPECT_FALSE(QFileInfo::exists(second.MouseOverSoundWorkPath()));
}

TEST_F(Document, FileIdentity)
{
    FflashMovie g;
    g.SetBaseNameFromFileName(u"my.gallery.xml"_s);
    EXPECT_EQ(g.BaseName(), u"my"_s);
    g.SetBaseNameFromFileName(u" we?b:site "_s);
    EXPECT_EQ(g.BaseName(), u"website"_s);

    g.SetFolderFromPath(u"  /home/me/gal?lery "_s);
    EXPECT_EQ(g.GetFolder(), u"/home/me/gallery/"_s);
    const QString longest = u"/"_s + QString(257, u'a'); // 259 with the slash added
    g.SetFolderFromPath(longest);
    EXPECT_EQ(g.GetFolder(), QString(longest + u'/'));
    g.SetFolderFromPath(longest + u'b'); // 260 characters: refused
    EXPECT_EQ(g.GetFolder(), QString(longest + u'/'));
}

TEST_F(Document, ResizingTheGalleryLeavesTheComponentsAlone)
{
    FflashMovie g;
    QSignalSpy properties(&g, &FflashMovie::GalleryPropertiesChanged);
    const QRect display = g.ImageDisplay()->Bounds();
    g.SetWidth(300);
    EXPECT_EQ(g.LastWidth(), 300);
    EXPECT_TRUE(g.Modified());
    EXPECT_EQ(properties.count(), 1);
    EXPECT_EQ(g.ImageDisplay()->Bounds(), display);
    g.ClearModified();
    g.SetLeft(40); // moving is no size change
    EXPECT_FALSE(g.Modified());
}

TEST_F(Document, Selection)
{
    FflashMovie g;
    QSignalSpy selection(&g, &FflashMovie::SelectionChanged);
    QSignalSpy focus(&g, &FflashMovie::FocusRequested);
    g.Select(g.PlayButton(), true);
    EXPECT_EQ(g.SelectedObject(), g.PlayButton());
    EXPECT_TRUE(g.PlayButton()->Selected());
    EXPECT_EQ(focus.count(), 1);
    g.Select(g.ThumbnailStrip(), true);
    EXPECT_FALSE(g.PlayButton()->Selected());
    EXPECT_TRUE(g.ThumbnailStrip()->Selected());
    g.Select(g.ThumbnailStrip(), false);
    EXPECT_EQ(g.SelectedObject(), nullptr);
    EXPECT_FALSE(g.ThumbnailStrip()->Selected());
    g.Select(g.SoundsButton(), true);
    g.Select(nullptr, true);
    EXPECT_EQ(g.SelectedObject(), nullptr);
    EXPECT_FALSE(g.SoundsButton()->Selected());
    EXPECT_EQ(selection.count(), 5);
    EXPECT_EQ(selection.last().first().value<FflashObjectBaseClass *>(), nullptr);
}

TEST_F(Document, AlbumsAndImages)
{
    FflashMovie g;
    g.ResetAsNewGallery();
    FflashThumbnailerClass *strip = g.ThumbnailStrip();
    FThummnailCatagory *first = strip->Albums().first();
    FThummnailCatagory *second = strip->AddAlbum(u"Trips"_s);
    EXPECT_TRUE(g.Modified());
    EXPECT_EQ(strip->SelectedAlbum(), second);
    EXPECT_FALSE(first->Selected());

    FThummnailImageData *a = first->AddImage(m_app.Path(u"Photos/My Photo.JPG"_s));
    FThummnailImageData *b = first->AddImage(m_app.Path(u"Photos/holiday.2007.png"_s));
    FThummnailImageData *c = second->AddImage(m_app.Path(u"Photos/a&b.gif"_s));
    EXPECT_EQ(a->bigFileName, u"my_photo.jpg"_s);
    EXPECT_EQ(a->thumbFileName, u"my_photo_s.jpg"_s);
    EXPECT_EQ(b->bigFileName, u"holiday.jpg"_s);
    EXPECT_EQ(c->bigFileName, u"ab.jpg"_s);
    EXPECT_EQ(a->caption, u"Enter your image caption here"_s); // first image of the first album only
    EXPECT_TRUE(b->caption.isEmpty());
    EXPECT_TRUE(c->caption.isEmpty());
    EXPECT_EQ(first->coverFileName(), u"my_photo_s.jpg"_s);
    EXPECT_EQ(a->viewLeft, 2);
    EXPECT_EQ(b->viewLeft, 104);
    EXPECT_EQ(first->thumbnailsPanelWidth(), 206);
    EXPECT_TRUE(b->selected);
    EXPECT_FALSE(a->selected);

    first->SelectImage(a, true); // Shift adds to the selection
    EXPECT_EQ(first->SelectedImages().size(), 2);

    first->DeleteImage(a);
    first->DeleteImage(b);
    EXPECT_EQ(first->thumbnailsPanelWidth(), 2);
    first->RefreshCover();
    EXPECT_TRUE(first->coverFileName().isEmpty());

    strip->SelectAlbum(second);
    strip->DeleteSelectedAlbum();
    ASSERT_EQ(strip->Albums().size(), 1);
    EXPECT_EQ(strip->Albums().first(), first);
    strip->DeleteSelectedAlbum(); // nothing selected any more
    EXPECT_EQ(strip->Albums().size(), 1);
}

TEST_F(Document, AlbumStyleIsAppliedToEveryAlbum)
{
    FflashMovie g;
    g.ResetAsNewGallery();
    FCatagoryMenuStyle *style = g.MenuStyle();
    style->SetCatDoGradient(true);
    EXPECT_FALSE(style->catdobk);
    style->SetCatDoGradient(false);
    EXPECT_FALSE(style->catdobk);
    style->SetCatDoBk(true);
    style->SetCatBdrColor(Colors::Red);
    style->SetCatW(120);
    g.ThumbnailStrip()->ApplyAlbumStyle();
    const FThummnailCatagory *album = g.ThumbnailStrip()->Albums().first();
    EXPECT_TRUE(album->SolidFill());
    EXPECT_EQ(album->BorderColor(), Colors::Red);
    EXPECT_EQ(album->Width(), 120);
    EXPECT_EQ(album->coverBox(), QRect(10, 10, 50, 38));
    EXPECT_EQ(album->nameLabel().left(), 70);
}

TEST(MenuSize, RowsColumnsAndTheCap)
{
    FCatagoryMenuStyle style(nullptr);
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
        EXPECT_EQ(style.MenuSize(c.canvas, c.display, c.albums), QSize(c.w, c.h))
            << c.canvas << " " << c.albums;
    }
    style.catw = -10; // a zero step must not divide by zero
    EXPECT_EQ(style.MenuSize(500, 360, 2).width(), 22);
}
