#include "AlbumMenuStyle.h"
#include "Album.h"
#include "AlbumPhoto.h"
#include "ImageResizeSettings.h"
#include "Utils.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "GalleryXmlText.h"
#include "AppFolders.h"
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
    QString fixture(const QString &attributes, const QString &body, const QString &name = u"site.xml"_s)
    {
        const QString text = u"<?xml version=\"1.0\"?>\n<pelliconimagegallery version=\"3.5\">\n<imagegallery "_s
            + attributes + u">\n"_s + body + u"\n</imagegallery>\n</pelliconimagegallery>"_s;
        return writeFile(m_site.path() + u'/' + name, text.toUtf8());
    }
    // As the Open command does: a fresh working folder, a fresh gallery, then the load.
    GalleryLoadReport open(const QString &path)
    {
        ensureFolder(AppFolders::tempFolder(), true);
        ensureFolder(AppFolders::imagesWorkFolder(), true);
        m_gallery = std::make_unique<GalleryDocument>();
        return m_gallery->loadFromFile(path);
    }

    TestAppFolder m_app;
    QTemporaryDir m_site;
    std::unique_ptr<GalleryDocument> m_gallery;
};

TEST_F(Loading, ASavedGalleryReadsBackToTheSameFile)
{
    GalleryDocument original;
    original.resetAsNewGallery();
    Album *first = original.thumbnailStrip()->albums().first();
    first->addImage(m_app.path(u"p/one.jpg"_s))->setLink(u"http://a.org/?x=1&y=2"_s);
    first->addImage(m_app.path(u"p/two.jpg"_s))->setCaption(u"Second \"one\""_s);
    Album *second = original.thumbnailStrip()->addAlbum(u"Trips & Tours"_s);
    second->addImage(m_app.path(u"p/three.jpg"_s));
    second->setDescription(u"<b>far</b>"_s);
    original.setBounds(0, 0, 640, 520);
    original.setBackgroundGradient(true);
    original.setGradientColor(rgbColor(1, 2, 3));
    original.soundsButton()->setVisible(false);
    original.playButton()->setFontSize(14);
    original.playButton()->setBold(true);
    original.thumbnailStrip()->setThumbSpacing(7);
    // The strip's background, read from the gallery element under its own names.
    original.thumbnailStrip()->setSolidFill(true);
    original.thumbnailStrip()->setFillAlpha(40);
    original.thumbnailStrip()->setGradientAngle(15);
    original.thumbnailStrip()->setBorderColor(rgbColor(9, 8, 7));
    original.imageDisplay()->setKeepAspect(true);
    original.menuStyle()->setTileWidth(150);
    original.setSlideshowSpeed(48);
    original.setCaptionFont(u"Verdana"_s);
    const QString path = writeFile(m_site.path() + u"/g.xml"_s, encodeGalleryText(original.writeXml()));

    const GalleryLoadReport report = open(path);
    EXPECT_TRUE(report.recognised);
    EXPECT_TRUE(report.error.isEmpty()) << report.error.toStdString();
    EXPECT_EQ(encodeGalleryText(m_gallery->writeXml()).toStdString(), readFile(path).toStdString());
    EXPECT_FALSE(m_gallery->modified());
    EXPECT_EQ(m_gallery->baseName(), u"g"_s);
    EXPECT_EQ(m_gallery->getFolder(), m_site.path() + u'/');
    EXPECT_EQ(m_gallery->selectedObject(), nullptr);
    EXPECT_FALSE(m_gallery->soundsButton()->visible());
}

TEST_F(Loading, MissingAttributesTakeTheirDefaults)
{
    const GalleryLoadReport report = open(fixture(u"bkdobk=\"t\" bkdogradient=\"T\""_s,
        u"<button action=\"ToggleSounds\"/><thumbnailer myname=\"thumbs1\"/>"
        u"<catagories cat1link=\"thumbs1\" cat1name=\"Only\"/>"_s));
    ASSERT_TRUE(report.recognised);
    GalleryDocument &g = *m_gallery;
    EXPECT_EQ(g.bounds().size(), QSize(400, 300));
    EXPECT_TRUE(g.backgroundGradient()); // the solid flag is cleared by the gradient
    EXPECT_FALSE(g.backgroundSolid());
    EXPECT_FALSE(g.borderOn()); // flags that are missing switch their property off
    EXPECT_EQ(g.fillAlpha(), 100);
    EXPECT_EQ(g.slideshowSpeed(), 100);
    EXPECT_EQ(g.thumbnailStrip()->thumbWidth(), 85);
    EXPECT_EQ(g.thumbnailStrip()->thumbHighlightWidth(), 1);
    EXPECT_EQ(g.thumbnailStrip()->bounds(), QRect(10, 10, 300, 200));
    EXPECT_TRUE(g.soundsButton()->visible());
    EXPECT_FALSE(g.playButton()->visible());
    EXPECT_FALSE(g.albumsButton()->visible());
    EXPECT_EQ(g.soundsButton()->bounds(), QRect(10, 10, 300, 200));
    EXPECT_EQ(g.soundsButton()->fontX(), 10);
    EXPECT_EQ(g.menuStyle()->tileWidth(), 100);
    EXPECT_EQ(g.menuStyle()->fontSize(), 14);
    EXPECT_TRUE(g.menuStyle()->fontFace().isEmpty());
    EXPECT_EQ(g.menuStyle()->fillColor(), Colors::Black); // colours keep the new-gallery value
    EXPECT_TRUE(g.backgroundSoundName().isEmpty());
    EXPECT_TRUE(g.mouseOverSoundName().isEmpty());
    ASSERT_EQ(g.thumbnailStrip()->albums().size(), 1);
    EXPECT_EQ(g.thumbnailStrip()->albums().first()->name(), u"Only"_s);
    EXPECT_FALSE(g.modified());
}

TEST_F(Loading, NumberingGapsEndTheReading)
{
    const GalleryLoadReport report = open(fixture(QString(),
        u"<thumbnailer myname=\"thumbs1\" bigimage1=\"images/a.jpg\" bigimage2=\"images/b.jpg\" bigimage4=\"images/d.jpg\"/>"
        u"<thumbnailer myname=\"thumbs2\" bigimage1=\"images/e.jpg\" imagecaption1=\"E\" imagelink1=\"http://e/\"/>"
        u"<thumbnailer myname=\"thumbs3\"/>"
        u"<catagories cat1link=\"thumbs1\" cat1name=\"One\" cat1image=\"images/a_s.jpg\" cat3link=\"thumbs3\" cat3name=\"Three\"/>"_s));
    ASSERT_TRUE(report.recognised);
    const auto &albums = m_gallery->thumbnailStrip()->albums();
    ASSERT_EQ(albums.size(), 3);
    EXPECT_EQ(albums[0]->images().size(), 2);
    EXPECT_EQ(albums[0]->name(), u"One"_s);
    EXPECT_EQ(albums[0]->coverFileName(), u"a_s.jpg"_s);
    EXPECT_TRUE(albums[2]->name().isEmpty());
    // The first image of the first album gets the default caption, others none.
    EXPECT_EQ(albums[0]->images()[0]->caption(), u"Enter your image caption here"_s);
    EXPECT_EQ(albums[1]->images()[0]->caption(), u"E"_s);
    EXPECT_EQ(albums[1]->images()[0]->link(), u"http://e/"_s);
    EXPECT_EQ(albums[2]->images().size(), 0);
    // A photo missing from the images folder is looked for beside the gallery file.
    EXPECT_EQ(albums[0]->images()[1]->sourcePath(), QString(m_site.path() + u"/b.jpg"_s));
}

TEST_F(Loading, UnreadablePhotosKeepTheirPlacesAndAreListedOnce)
{
    QDir().mkpath(m_site.path() + u"/images"_s);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(m_site.path() + u"/images/good.jpg"_s));
    writeFile(m_site.path() + u"/images/torn.jpg"_s, QByteArray("\xFF\xD8\xFF\xE0 not really a photo", 26));
    writeFile(m_site.path() + u"/images/text.jpg"_s, "plain words");
    const GalleryLoadReport report = open(fixture(QString(),
        u"<thumbnailer myname=\"thumbs1\" bigimage1=\"images/torn.jpg\" bigimage2=\"images/good.jpg\" "
        u"imagecaption2=\"Good\" bigimage3=\"images/gone.jpg\" bigimage4=\"images/text.jpg\" imagelink4=\"http://t/\"/>"_s));
    ASSERT_TRUE(report.recognised);
    ASSERT_EQ(report.undecodable.size(), 2);
    EXPECT_EQ(report.undecodable[0].path, QString(m_site.path() + u"/images/torn.jpg"_s));
    EXPECT_EQ(report.undecodable[1].path, QString(m_site.path() + u"/images/text.jpg"_s));
    EXPECT_TRUE(ImportFailure::Message(report.undecodable, true).startsWith(u"These 2 photos could not be read"_s));

    // Captions and links stay with their own photos; a missing file is no read failure.
    const QList<AlbumPhoto *> &images = m_gallery->thumbnailStrip()->albums().first()->images();
    ASSERT_EQ(images.size(), 4);
    EXPECT_TRUE(images[0]->undecodable());
    EXPECT_EQ(images[1]->caption(), u"Good"_s);
    EXPECT_FALSE(images[1]->undecodable());
    EXPECT_FALSE(images[2]->undecodable());
    EXPECT_EQ(images[3]->link(), u"http://t/"_s);
    EXPECT_TRUE(QFileInfo(AppFolders::imagesWorkFolder() + images[1]->bigFileName()).isFile());
}

// Reading names only gives the same upload lists as reading the photos, and makes no files.
TEST_F(Loading, NamesOnlyGivesTheSameUploadListsWithoutReadingPhotos)
{
    GalleryDocument original;
    original.resetAsNewGallery();
    QDir().mkpath(m_site.path() + u"/p"_s);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    for (const QString &name : {u"one.jpg"_s, u"two.jpg"_s})
        ASSERT_TRUE(picture.save(m_site.path() + u"/p/"_s + name));
    Album *first = original.thumbnailStrip()->albums().first();
    first->addImage(m_site.path() + u"/p/one.jpg"_s);
    first->addImage(m_site.path() + u"/p/two.jpg"_s)->setCaption(u"Two"_s);
    // The same photo again takes other names in the images folder.
    original.thumbnailStrip()->addAlbum(u"More"_s)->addImage(m_site.path() + u"/p/one.jpg"_s);
    const QString path = m_site.path() + u"/g.xml"_s;
    ASSERT_TRUE(original.save([&](const QString &) { return path; }));

    open(path);
    m_gallery->fillUploadLists();
    const QStringList files = m_gallery->uploadFiles();
    const QStringList images = m_gallery->uploadImageFiles();
    for (const QString &name : {u"one.jpg"_s, u"one_s.jpg"_s, u"one(2).jpg"_s, u"one(2)_s.jpg"_s, u"two_s.jpg"_s})
        EXPECT_TRUE(images.contains(name)) << images.join(u' ').toStdString();

    ensureFolder(AppFolders::tempFolder(), true);
    ensureFolder(AppFolders::imagesWorkFolder(), true);
    m_gallery = std::make_unique<GalleryDocument>();
    const GalleryLoadReport report = m_gallery->loadFromFile(path, PhotoLoading::NamesOnly);
    EXPECT_TRUE(report.recognised);
    m_gallery->fillUploadLists();
    EXPECT_EQ(m_gallery->uploadFiles(), files);
    EXPECT_EQ(m_gallery->uploadImageFiles(), images);
    EXPECT_EQ(m_gallery->thumbnailStrip()->albums().first()->images()[1]->caption(), u"Two"_s);
    EXPECT_TRUE(listFolder(AppFolders::imagesWorkFolder(), u"*.jpg"_s).isEmpty());
}

TEST_F(Loading, AlbumTitlesNeedTheirAlbumsFirst)
{
    open(fixture(QString(), u"<catagories cat1link=\"thumbs1\" cat1name=\"Early\"/><thumbnailer myname=\"thumbs1\"/>"_s));
    ASSERT_EQ(m_gallery->thumbnailStrip()->albums().size(), 1);
    EXPECT_TRUE(m_gallery->thumbnailStrip()->albums().first()->name().isEmpty());
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
        const GalleryLoadReport report = open(writeFile(m_site.path() + u"/odd.xml"_s, c.content));
        EXPECT_FALSE(report.recognised) << c.content;
        EXPECT_EQ(!report.error.isEmpty(), c.error) << c.content;
        EXPECT_EQ(m_gallery->baseName(), u"odd"_s);
        EXPECT_TRUE(m_gallery->thumbnailStrip()->albums().isEmpty());
        EXPECT_FALSE(m_gallery->modified());
    }
    const GalleryLoadReport missing = open(m_site.path() + u"/none.xml"_s);
    EXPECT_TRUE(missing.recognised); // nothing to report
    EXPECT_TRUE(m_gallery->baseName().isEmpty());
}

TEST_F(Loading, AConversionErrorLeavesAPartlyLoadedGallery)
{
    ImageResizeSettings::instance().resizeImages = true;
    const GalleryLoadReport report = open(fixture(u"w=\"321\" bkfillclr=\"0x00FF00\" bkgradclr=\"green\""_s,
                                                  u"<thumbnailer myname=\"thumbs1\"/>"_s));
    EXPECT_TRUE(report.recognised);
    EXPECT_FALSE(report.error.isEmpty());
    EXPECT_EQ(m_gallery->width(), 321);
    EXPECT_EQ(m_gallery->fillColor(), rgbColor(0, 255, 0));
    EXPECT_TRUE(m_gallery->thumbnailStrip()->albums().isEmpty()); // stopped before the albums
    EXPECT_FALSE(m_gallery->modified());
    EXPECT_TRUE(ImageResizeSettings::instance().resizeImages); // restored after the load
}

TEST_F(Loading, ButtonsWithUnknownActionsAreIgnored)
{
    open(fixture(QString(), u"<button action=\"launchrockets\" x=\"1\"/><button action=\"showcatagories\" x=\"33\" txt=\"Albums\" showtext=\"t\"/>"_s));
    EXPECT_FALSE(m_gallery->playButton()->visible());
    EXPECT_FALSE(m_gallery->soundsButton()->visible());
    EXPECT_TRUE(m_gallery->albumsButton()->visible());
    EXPECT_EQ(m_gallery->albumsButton()->left(), 33);
    EXPECT_EQ(m_gallery->albumsButton()->text(), u"Albums"_s);
    EXPECT_TRUE(m_gallery->albumsButton()->showText());
}

TEST_F(Loading, SoundsAndPicturesComeFromTheGalleryFolder)
{
    writeFile(m_site.path() + u"/tune.mp3"_s, "music");
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    ASSERT_TRUE(picture.save(m_site.path() + u"/wall.png"_s));
    open(fixture(u"bkmp3=\"tune.mp3\" overclick=\"\" bkdoimg=\"t\" bkimg=\"wall.png\""_s, QString()));
    EXPECT_EQ(m_gallery->backgroundSoundName(), u"tune.mp3"_s);
    EXPECT_EQ(readFile(AppFolders::tempFolder() + u"tune.mp3"_s), QByteArray("music"));
    EXPECT_TRUE(m_gallery->mouseOverSoundName().isEmpty());
    EXPECT_TRUE(m_gallery->backgroundImageOn());
    EXPECT_EQ(m_gallery->backgroundImageName(), u"wall.png"_s);
    EXPECT_FALSE(m_gallery->backgroundImage().isNull());
}
