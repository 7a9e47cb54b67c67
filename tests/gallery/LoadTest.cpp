#include "albums/FCatagoryMenuStyle.h"
#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailImageData.h"
#include "albums/ImageResizeSettings.h"
#include "app/Utils.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "gallery/XmlText.h"
#include "app/AppFolders.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class Loading : public ::testing::Test
{
protected:
    // A gallery file with the given imagegallery attributes and body.
    QString Fixture(const QString &attributes, const QString &body, const QString &name = u"site.xml"_s)
    {
        const QString text = u"<?xml version=\"1.0\"?>\n<pelliconimagegallery version=\"3.5\">\n<imagegallery "_s
            + attributes + u">\n"_s + body + u"\n</imagegallery>\n</pelliconimagegallery>"_s;
        return WriteFile(m_site.path() + u'/' + name, text.toUtf8());
    }
    // As the Open command does: a fresh working folder, a fresh gallery, then the load.
    GalleryLoadReport Open(const QString &path)
    {
        EnsureFolder(AppFolders::TempFolder(), true);
        EnsureFolder(AppFolders::ImagesWorkFolder(), true);
        m_gallery = std::make_unique<FflashMovie>();
        return m_gallery->LoadFromFile(path);
    }

    TestAppFolder m_app;
    QTemporaryDir m_site;
    std::unique_ptr<FflashMovie> m_gallery;
};

TEST_F(Loading, ASavedGalleryReadsBackToTheSameFile)
{
    FflashMovie original;
    original.ResetAsNewGallery();
    FThummnailCatagory *first = original.ThumbnailStrip()->Albums().first();
    first->AddImage(m_app.Path(u"p/one.jpg"_s))->link = u"http://a.org/?x=1&y=2"_s;
    first->AddImage(m_app.Path(u"p/two.jpg"_s))->caption = u"Second \"one\""_s;
    FThummnailCatagory *second = original.ThumbnailStrip()->AddAlbum(u"Trips & Tours"_s);
    second->AddImage(m_app.Path(u"p/three.jpg"_s));
    second->SetDescription(u"<b>far</b>"_s);
    original.SetBounds(0, 0, 640, 520);
    original.SetBackgroundGradient(true);
    original.SetGradientColor(RgbColor(1, 2, 3));
    original.SoundsButton()->SetVisible(false);
    original.PlayButton()->SetFontSize(14);
    original.PlayButton()->SetBold(true);
    original.ThumbnailStrip()->SetThumbSpacing(7);
    // The strip's background, read from the gallery element under its own names.
    original.ThumbnailStrip()->SetSolidFill(true);
    original.ThumbnailStrip()->SetFillAlpha(40);
    original.ThumbnailStrip()->SetGradientAngle(15);
    original.ThumbnailStrip()->SetBorderColor(RgbColor(9, 8, 7));
    original.ImageDisplay()->SetKeepAspect(true);
    original.MenuStyle()->SetCatW(150);
    original.SlideshowSpeed = 48;
    original.CaptionFont = u"Verdana"_s;
    const QString path = WriteFile(m_site.path() + u"/g.xml"_s, EncodeGalleryText(original.WriteXml()));

    const GalleryLoadReport report = Open(path);
    EXPECT_TRUE(report.recognised);
    EXPECT_TRUE(report.error.isEmpty()) << report.error.toStdString();
    EXPECT_EQ(EncodeGalleryText(m_gallery->WriteXml()).toStdString(), ReadFile(path).toStdString());
    EXPECT_FALSE(m_gallery->Modified());
    EXPECT_EQ(m_gallery->BaseName(), u"g"_s);
    EXPECT_EQ(m_gallery->GetFolder(), m_site.path() + u'/');
    EXPECT_EQ(m_gallery->SelectedObject(), nullptr);
    EXPECT_FALSE(m_gallery->SoundsButton()->Visible());
}

TEST_F(Loading, MissingAttributesTakeTheirDefaults)
{
    const GalleryLoadReport report = Open(Fixture(u"bkdobk=\"t\" bkdogradient=\"T\""_s,
        u"<button action=\"ToggleSounds\"/><thumbnailer myname=\"thumbs1\"/>"
        u"<catagories cat1link=\"thumbs1\" cat1name=\"Only\"/>"_s));
    ASSERT_TRUE(report.recognised);
    FflashMovie &g = *m_gallery;
    EXPECT_EQ(g.Bounds().size(), QSize(400, 300));
    EXPECT_TRUE(g.BackgroundGradient()); // the solid flag is cleared by the gradient
    EXPECT_FALSE(g.BackgroundSolid());
    EXPECT_FALSE(g.BorderOn()); // flags that are missing switch their property off
    EXPECT_EQ(g.FillAlpha(), 100);
    EXPECT_EQ(g.SlideshowSpeed, 100);
    EXPECT_EQ(g.ThumbnailStrip()->ThumbWidth(), 85);
    EXPECT_EQ(g.ThumbnailStrip()->ThumbHighlightWidth(), 1);
    EXPECT_EQ(g.ThumbnailStrip()->Bounds(), QRect(10, 10, 300, 200));
    EXPECT_TRUE(g.SoundsButton()->Visible());
    EXPECT_FALSE(g.PlayButton()->Visible());
    EXPECT_FALSE(g.AlbumsButton()->Visible());
    EXPECT_EQ(g.SoundsButton()->Bounds(), QRect(10, 10, 300, 200));
    EXPECT_EQ(g.SoundsButton()->FontX(), 10);
    EXPECT_EQ(g.MenuStyle()->catw, 100);
    EXPECT_EQ(g.MenuStyle()->catfontsize, 14);
    EXPECT_TRUE(g.MenuStyle()->catfont.isEmpty());
    EXPECT_EQ(g.MenuStyle()->catfillclr, Colors::Black); // colours keep the new-gallery value
    EXPECT_TRUE(g.BackgroundSoundName().isEmpty());
    EXPECT_TRUE(g.MouseOverSoundName().isEmpty());
    ASSERT_EQ(g.ThumbnailStrip()->Albums().size(), 1);
    EXPECT_EQ(g.ThumbnailStrip()->Albums().first()->name(), u"Only"_s);
    EXPECT_FALSE(g.Modified());
}

TEST_F(Loading, NumberingGapsEndTheReading)
{
    const GalleryLoadReport report = Open(Fixture(QString(),
        u"<thumbnailer myname=\"thumbs1\" bigimage1=\"images/a.jpg\" bigimage2=\"images/b.jpg\" bigimage4=\"images/d.jpg\"/>"
        u"<thumbnailer myname=\"thumbs2\" bigimage1=\"images/e.jpg\" imagecaption1=\"E\" imagelink1=\"http://e/\"/>"
        u"<thumbnailer myname=\"thumbs3\"/>"
        u"<catagories cat1link=\"thumbs1\" cat1name=\"One\" cat1image=\"images/a_s.jpg\" cat3link=\"thumbs3\" cat3name=\"Three\"/>"_s));
    ASSERT_TRUE(report.recognised);
    const auto &albums = m_gallery->ThumbnailStrip()->Albums();
    ASSERT_EQ(albums.size(), 3);
    EXPECT_EQ(albums[0]->images().size(), 2);
    EXPECT_EQ(albums[0]->name(), u"One"_s);
    EXPECT_EQ(albums[0]->coverFileName(), u"a_s.jpg"_s);
    EXPECT_TRUE(albums[2]->name().isEmpty());
    // The first image of the first album gets the default caption, others none.
    EXPECT_EQ(albums[0]->images()[0]->caption, u"Enter your image caption here"_s);
    EXPECT_EQ(albums[1]->images()[0]->caption, u"E"_s);
    EXPECT_EQ(albums[1]->images()[0]->link, u"http://e/"_s);
    EXPECT_EQ(albums[2]->images().size(), 0);
    // A photo missing from the images folder is looked for beside the gallery file.
    EXPECT_EQ(albums[0]->images()[1]->sourcePath, QString(m_site.path() + u"/b.jpg"_s));
}

TEST_F(Loading, UnreadablePhotosKeepTheirPlacesAndAreListedOnce)
{
    QDir().mkpath(m_site.path() + u"/images"_s);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(m_site.path() + u"/images/good.jpg"_s));
    WriteFile(m_site.path() + u"/images/torn.jpg"_s, QByteArray("\xFF\xD8\xFF\xE0 not really a photo", 26));
    WriteFile(m_site.path() + u"/images/text.jpg"_s, "plain words");
    const GalleryLoadReport report = Open(Fixture(QString(),
        u"<thumbnailer myname=\"thumbs1\" bigimage1=\"images/torn.jpg\" bigimage2=\"images/good.jpg\" "
        u"imagecaption2=\"Good\" bigimage3=\"images/gone.jpg\" bigimage4=\"images/text.jpg\" imagelink4=\"http://t/\"/>"_s));
    ASSERT_TRUE(report.recognised);
    ASSERT_EQ(report.undecodable.size(), 2);
    EXPECT_EQ(report.undecodable[0].path, QString(m_site.path() + u"/images/torn.jpg"_s));
    EXPECT_EQ(report.undecodable[1].path, QString(m_site.path() + u"/images/text.jpg"_s));
    EXPECT_TRUE(ImportFailure::Message(report.undecodable, true).startsWith(u"These 2 photos could not be read"_s));

    // Captions and links stay with their own photos; a missing file is no read failure.
    const QList<FThummnailImageData *> &images = m_gallery->ThumbnailStrip()->Albums().first()->images();
    ASSERT_EQ(images.size(), 4);
    EXPECT_TRUE(images[0]->undecodable);
    EXPECT_EQ(images[1]->caption, u"Good"_s);
    EXPECT_FALSE(images[1]->undecodable);
    EXPECT_FALSE(images[2]->undecodable);
    EXPECT_EQ(images[3]->link, u"http://t/"_s);
    EXPECT_TRUE(QFileInfo(AppFolders::ImagesWorkFolder() + images[1]->bigFileName).isFile());
}

// Reading names only gives the same upload lists as reading the photos, and makes no files.
TEST_F(Loading, NamesOnlyGivesTheSameUploadListsWithoutReadingPhotos)
{
    FflashMovie original;
    original.ResetAsNewGallery();
    QDir().mkpath(m_site.path() + u"/p"_s);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    for (const QString &name : {u"one.jpg"_s, u"two.jpg"_s})
        ASSERT_TRUE(picture.save(m_site.path() + u"/p/"_s + name));
    FThummnailCatagory *first = original.ThumbnailStrip()->Albums().first();
    first->AddImage(m_site.path() + u"/p/one.jpg"_s);
    first->AddImage(m_site.path() + u"/p/two.jpg"_s)->caption = u"Two"_s;
    // The same photo again takes other names in the images folder.
    original.ThumbnailStrip()->AddAlbum(u"More"_s)->AddImage(m_site.path() + u"/p/one.jpg"_s);
    const QString path = m_site.path() + u"/g.xml"_s;
    ASSERT_TRUE(original.Save([&](const QString &) { return path; }));

    Open(path);
    m_gallery->FillUploadLists();
    const QStringList files = m_gallery->UploadFiles;
    const QStringList images = m_gallery->UploadImageFiles;
    for (const QString &name : {u"one.jpg"_s, u"one_s.jpg"_s, u"one(2).jpg"_s, u"one(2)_s.jpg"_s, u"two_s.jpg"_s})
        EXPECT_TRUE(images.contains(name)) << images.join(u' ').toStdString();

    EnsureFolder(AppFolders::TempFolder(), true);
    EnsureFolder(AppFolders::ImagesWorkFolder(), true);
    m_gallery = std::make_unique<FflashMovie>();
    const GalleryLoadReport report = m_gallery->LoadFromFile(path, PhotoLoading::NamesOnly);
    EXPECT_TRUE(report.recognised);
    m_gallery->FillUploadLists();
    EXPECT_EQ(m_gallery->UploadFiles, files);
    EXPECT_EQ(m_gallery->UploadImageFiles, images);
    EXPECT_EQ(m_gallery->ThumbnailStrip()->Albums().first()->images()[1]->caption, u"Two"_s);
    EXPECT_TRUE(ListFolder(AppFolders::ImagesWorkFolder(), u"*.jpg"_s).isEmpty());
}

TEST_F(Loading, AlbumTitlesNeedTheirAlbumsFirst)
{
    Open(Fixture(QString(), u"<catagories cat1link=\"thumbs1\" cat1name=\"Early\"/><thumbnailer myname=\"thumbs1\"/>"_s));
    ASSERT_EQ(m_gallery->ThumbnailStrip()->Albums().size(), 1);
    EXPECT_TRUE(m_gallery->ThumbnailStrip()->Albums().first()->name().isEmpty());
}

TEST_F(Loading, FilesThatAreNoGallery)
{
    struct Case { const char *content; bool error; };
    const Case cases[] = {
        {"<?xml version=\"1.0\"?><somethingelse/>", false},
        {"<pelliconimagegallery><imagegallery", true},
        {"not xml at all", true},
    };
    for (const Case &c : cases) {
        const GalleryLoadReport report = Open(WriteFile(m_site.path() + u"/odd.xml"_s, c.content));
        EXPECT_FALSE(report.recognised) << c.content;
        EXPECT_EQ(!report.error.isEmpty(), c.error) << c.content;
        EXPECT_EQ(m_gallery->BaseName(), u"odd"_s);
        EXPECT_TRUE(m_gallery->ThumbnailStrip()->Albums().isEmpty());
        EXPECT_FALSE(m_gallery->Modified());
    }
    const GalleryLoadReport missing = Open(m_site.path() + u"/none.xml"_s);
    EXPECT_TRUE(missing.recognised); // nothing to report
    EXPECT_TRUE(m_gallery->BaseName().isEmpty());
}

TEST_F(Loading, AConversionErrorLeavesAPartlyLoadedGallery)
{
    ImageResizeSettings::Instance().resizeImages = true;
    const GalleryLoadReport report = Open(Fixture(u"w=\"321\" bkfillclr=\"0x00FF00\" bkgradclr=\"green\""_s,
                                                  u"<thumbnailer myname=\"thumbs1\"/>"_s));
    EXPECT_TRUE(report.recognised);
    EXPECT_FALSE(report.error.isEmpty());
    EXPECT_EQ(m_gallery->Width(), 321);
    EXPECT_EQ(m_gallery->FillColor(), RgbColor(0, 255, 0));
    EXPECT_TRUE(m_gallery->ThumbnailStrip()->Albums().isEmpty()); // stopped before the albums
    EXPECT_FALSE(m_gallery->Modified());
    EXPECT_TRUE(ImageResizeSettings::Instance().resizeImages); // restored after the load
}

TEST_F(Loading, ButtonsWithUnknownActionsAreIgnored)
{
    Open(Fixture(QString(), u"<button action=\"launchrockets\" x=\"1\"/><button action=\"showcatagories\" x=\"33\" txt=\"Albums\" showtext=\"t\"/>"_s));
    EXPECT_FALSE(m_gallery->PlayButton()->Visible());
    EXPECT_FALSE(m_gallery->SoundsButton()->Visible());
    EXPECT_TRUE(m_gallery->AlbumsButton()->Visible());
    EXPECT_EQ(m_gallery->AlbumsButton()->Left(), 33);
    EXPECT_EQ(m_gallery->AlbumsButton()->Text(), u"Albums"_s);
    EXPECT_TRUE(m_gallery->AlbumsButton()->ShowText());
}

TEST_F(Loading, SoundsAndPicturesComeFromTheGalleryFolder)
{
    WriteFile(m_site.path() + u"/tune.mp3"_s, "music");
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    ASSERT_TRUE(picture.save(m_site.path() + u"/wall.png"_s));
    Open(Fixture(u"bkmp3=\"tune.mp3\" overclick=\"\" bkdoimg=\"t\" bkimg=\"wall.png\""_s, QString()));
    EXPECT_EQ(m_gallery->BackgroundSoundName(), u"tune.mp3"_s);
    EXPECT_EQ(ReadFile(AppFolders::TempFolder() + u"tune.mp3"_s), QByteArray("music"));
    EXPECT_TRUE(m_gallery->MouseOverSoundName().isEmpty());
    EXPECT_TRUE(m_gallery->BackgroundImageOn());
    EXPECT_EQ(m_gallery->BackgroundImageName(), u"wall.png"_s);
    EXPECT_FALSE(m_gallery->BackgroundImage().isNull());
}
