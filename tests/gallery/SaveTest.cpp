#include "Album.h"
#include "AlbumPhoto.h"
#include "Errors.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "GalleryFolderWriter.h"
#include "GalleryXmlText.h"
#include "AppFolders.h"
#include "support/TestSupport.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(folder.size()));
    files.sort();
    return files;
}

} // namespace

class saving : public ::testing::Test
{
protected:
    saving() { m_gallery.resetAsNewGallery(); }

    SaveFileChooser chooseIn(const QString &name)
    {
        return [this, name](const QString &proposed) {
            m_proposed = proposed;
            return QString(m_out.path() + u'/' + name);
        };
    }
    QString out(const QString &name = {}) const { return QString(m_out.path() + u'/' + name); }
    // Adds an image whose working files exist, as an import leaves them.
    AlbumPhoto *addWorkedImage(Album *album, const QString &name)
    {
        AlbumPhoto *image = album->addImage(m_app.path(u"photos/"_s + name));
        writeFile(AppFolders::imagesWorkFolder() + image->bigFileName(), "big");
        writeFile(AppFolders::imagesWorkFolder() + image->thumbFileName(), "thumb");
        return image;
    }

    TestAppFolder m_app;
    QTemporaryDir m_out;
    GalleryDocument m_gallery;
    QString m_proposed;
};

TEST_F(saving, ANewGalleryFolderHoldsExactlyItsFiles)
{
    m_gallery.setModified(true);
    ASSERT_TRUE(m_gallery.save(chooseIn(u"myalbum.xml"_s)));
    EXPECT_EQ(m_proposed, u"myalbum.xml"_s);
    EXPECT_EQ(filesUnder(out()), (QStringList{u"butteryloop1.mp3"_s, u"default.mp3"_s, u"images"_s,
                                              u"myalbum.html"_s, u"myalbum.xml"_s}));
    EXPECT_EQ(readFile(out(u"myalbum.xml"_s)), encodeGalleryText(m_gallery.writeXml()));
    EXPECT_EQ(m_gallery.baseName(), u"myalbum"_s);
    EXPECT_EQ(m_gallery.getFolder(), out());
    EXPECT_FALSE(m_gallery.modified());
    for (auto *component : m_gallery.Components())
        EXPECT_FALSE(component->modified());
}

TEST_F(saving, ThePlayerIsCopiedBesideTheGalleryWhenShipped)
{
    writeFile(AppFolders::swfFolder() + u"fotovia-player.js"_s, "player v2");
    writeFile(AppFolders::swfFolder() + u"PNImageGallery.swf"_s, "movie");
    writeFile(out(u"fotovia-player.js"_s), "player v1");
    ASSERT_TRUE(m_gallery.save(chooseIn(u"my gallery.xml"_s)));
    EXPECT_EQ(readFile(out(u"fotovia-player.js"_s)), QByteArray("player v2")); // always rewritten
    EXPECT_EQ(readFile(out(u"my gallery.swf"_s)), QByteArray("movie"));
    EXPECT_TRUE(readFile(out(u"my gallery.html"_s)).contains("value=\"my gallery.swf\""));
}

TEST_F(saving, SavingAgainRewritesOnlyTheMainFiles)
{
    AlbumPhoto *image = addWorkedImage(m_gallery.thumbnailStrip()->albums().first(), u"one.jpg"_s);
    ASSERT_TRUE(m_gallery.save(chooseIn(u"g.xml"_s)));
    const QStringList first = filesUnder(out());
    EXPECT_TRUE(first.contains(u"images/one.jpg"_s));
    // Published copies are never replaced.
    writeFile(out(u"images/"_s + image->bigFileName()), "edited on the server");
    writeFile(out(u"default.mp3"_s), "kept");
    writeFile(out(u"g.xml"_s), "stale");
    ASSERT_TRUE(m_gallery.save(chooseIn(u"g.xml"_s)));
    EXPECT_EQ(m_proposed, out(u"g.xml"_s));
    EXPECT_EQ(filesUnder(out()), first);
    EXPECT_EQ(readFile(out(u"images/"_s + image->bigFileName())), QByteArray("edited on the server"));
    EXPECT_EQ(readFile(out(u"default.mp3"_s)), QByteArray("kept"));
    EXPECT_EQ(readFile(out(u"g.xml"_s)), encodeGalleryText(m_gallery.writeXml()));
}

TEST_F(saving, CancelWritesNothing)
{
    m_gallery.setModified(true);
    EXPECT_FALSE(m_gallery.save([](const QString &) { return QString(); }));
    EXPECT_TRUE(filesUnder(out()).isEmpty());
    EXPECT_TRUE(m_gallery.modified());
    EXPECT_TRUE(m_gallery.baseName().isEmpty());
}

TEST_F(saving, AFailedSaveKeepsThePreviousFiles)
{
    ASSERT_TRUE(m_gallery.save(chooseIn(u"g.xml"_s)));
    const QByteArray before = readFile(out(u"g.xml"_s));
    m_gallery.setWidth(640);
    ASSERT_TRUE(m_gallery.modified());
    QDir(out(u"images"_s)).removeRecursively();
    writeFile(out(u"images"_s), "a file where the folder belongs");
    EXPECT_THROW(m_gallery.save(chooseIn(u"g.xml"_s)), InOutError);
    EXPECT_EQ(readFile(out(u"g.xml"_s)), before);
    EXPECT_TRUE(m_gallery.modified());

    // A gallery file that cannot be written leaves no half-written file behind.
    QFile::remove(out(u"images"_s));
    QDir().mkdir(out(u"images"_s));
    QDir().mkdir(out(u"blocked.xml"_s));
    EXPECT_THROW(m_gallery.save(chooseIn(u"blocked.xml"_s)), InOutError);
    EXPECT_TRUE(QFileInfo(out(u"blocked.xml"_s)).isDir());
    EXPECT_TRUE(m_gallery.modified());
}

TEST_F(saving, PathsTooLongAreRefused)
{
    EXPECT_EQ(GalleryFolderWriter::buildOutputPath(u"/a/"_s, u"b"_s, u".xml"_s), u"/a/b.xml"_s);
    EXPECT_EQ(GalleryFolderWriter::buildOutputPath(u"/"_s, QString(255, u'x'), u".xml"_s).size(), 260);
    EXPECT_TRUE(GalleryFolderWriter::buildOutputPath(u"/"_s, QString(256, u'x'), u".xml"_s).isEmpty());
    EXPECT_THROW(m_gallery.writeOutput(out(), QString(300, u'x'), false), InOutError);
}

TEST_F(saving, SnippetAndPage)
{
    const QString snippet = GalleryFolderWriter::buildSnippet(u"500"_s, u"462"_s, u"my gallery.swf"_s);
    EXPECT_EQ(snippet.split(u"\r\n"_s), (QStringList{
        u"<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\""_s,
        u" codebase=\"http://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=7,0,0,0\""_s,
        u" width=\"500\" height=\"462\" id=\"Pellicon\" align=\"middle\">"_s,
        u"<param name=\"movie\" value=\"my gallery.swf\"/>"_s,
        u"<param name=\"quality\" value=\"high\" />"_s,
        u"<param name=\"scale\" value=\"noscale\" />"_s,
        u"<param name=\"salign\" value=\"lt\" />"_s,
        u"<param name=\"bgcolor\" value=\"#ffffff\" />"_s,
        u"<embed src=\"my gallery.swf\" quality=\"high\" bgcolor=\"#ffffff\" width=\"500\" height=\"462\""_s,
        u" name=\"Pellicon\" scale=\"noscale\" salign=\"lt\" align=\"middle\" type=\"application/x-shockwave-flash\""_s,
        u" pluginspage=\"http://www.macromedia.com/go/getflashplayer\" /></object>"_s,
        u"<script src=\"fotovia-player.js\"></script>"_s}));
    const QStringList page = GalleryFolderWriter::buildPage(snippet).split(u"\r\n"_s);
    ASSERT_EQ(page.size(), 3 + 4 + 1 + 12 + 4 + 1);
    EXPECT_EQ(page[0], u"<html>"_s);
    EXPECT_EQ(page[1], u"<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" /></head>"_s);
    EXPECT_EQ(page[7], u"<!-- Here is the HTML that you need to copy and paste into your page -->"_s);
    EXPECT_EQ(page.last(), u"</p></body></html>"_s);

    const QString built = m_gallery.buildHtmlPage(u"a.swf"_s);
    EXPECT_EQ(m_gallery.buildHtmlPage(u"a.swf"_s), built);
    m_gallery.setWidth(600);
    EXPECT_TRUE(m_gallery.buildHtmlPage(u"a.swf"_s).contains(u"width=\"600\""_s));
}

TEST_F(saving, HtmlSnippetSavesAnUnnamedGalleryFirst)
{
    EXPECT_TRUE(m_gallery.htmlSnippet([](const QString &) { return QString(); }).isEmpty());
    const QString snippet = m_gallery.htmlSnippet(chooseIn(u"site.xml"_s));
    EXPECT_TRUE(snippet.contains(u"value=\"site.swf\""_s));
    EXPECT_TRUE(QFileInfo::exists(out(u"site.xml"_s)));
}

TEST_F(saving, UploadLists)
{
    ThumbnailStrip *strip = m_gallery.thumbnailStrip();
    Album *album = strip->albums().first();
    addWorkedImage(album, u"one.jpg"_s);
    addWorkedImage(album, u"two.jpg"_s);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    ASSERT_TRUE(picture.save(m_app.path(u"bg.png"_s)));
    m_gallery.setBackgroundImage(m_app.path(u"bg.png"_s));
    m_gallery.setBackgroundImageOn(true);
    m_gallery.imageDisplay()->setPictureFile(m_app.path(u"display.png"_s)); // named, not switched on
    writeFile(AppFolders::swfFolder() + u"fotovia-player.js"_s, "js");
    QSignalSpy shown(&m_gallery, &GalleryDocument::requiredFilesRequested);

    m_gallery.collectUploadFiles(chooseIn(u"g.xml"_s));
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(m_gallery.uploadFiles(), (QStringList{u"g.html"_s, u"g.xml"_s, u"fotovia-player.js"_s, u"bg.png"_s,
                                                  u"default.mp3"_s, u"butteryloop1.mp3"_s}));
    // Components first (a picture name counts even when its picture is off; the strip adds
    // the album covers), then every album's thumbnails and big images.
    EXPECT_EQ(m_gallery.uploadImageFiles(), (QStringList{u"display.png"_s, u"one_s.jpg"_s, u"one_s.jpg"_s,
                                                       u"one.jpg"_s, u"two_s.jpg"_s, u"two.jpg"_s}));
    // The gallery's own background picture lives beside the gallery file.
    EXPECT_TRUE(QFileInfo::exists(out(u"bg.png"_s)));
    EXPECT_FALSE(QFileInfo::exists(out(u"images/bg.png"_s)));

    m_gallery.collectUploadFiles(chooseIn(u"other.xml"_s)); // saved and unchanged: no second save
    EXPECT_EQ(shown.count(), 1);
    EXPECT_FALSE(QFileInfo::exists(out(u"other.xml"_s)));
}

TEST_F(saving, DeletedImagesLeaveThePublishedFolderAtTheNextSave)
{
    Album *album = m_gallery.thumbnailStrip()->albums().first();
    AlbumPhoto *keep = addWorkedImage(album, u"keep.jpg"_s);
    AlbumPhoto *drop = addWorkedImage(album, u"drop.jpg"_s);
    const QString dropBig = drop->bigFileName();
    const QString dropThumb = drop->thumbFileName();
    ASSERT_TRUE(m_gallery.save(chooseIn(u"g.xml"_s)));
    album->deleteImage(drop);
    // The saved gallery file still names them until the next save.
    EXPECT_TRUE(QFileInfo::exists(out(u"images/"_s + dropBig)));
    EXPECT_TRUE(QFileInfo::exists(AppFolders::imagesWorkFolder() + dropBig));
    ASSERT_TRUE(m_gallery.save(chooseIn(u"g.xml"_s)));
    EXPECT_FALSE(QFileInfo::exists(out(u"images/"_s + dropBig)));
    EXPECT_FALSE(QFileInfo::exists(out(u"images/"_s + dropThumb)));
    EXPECT_TRUE(QFileInfo::exists(out(u"images/"_s + keep->bigFileName())));
    EXPECT_FALSE(readFile(out(u"g.xml"_s)).contains(dropBig.toUtf8()));
}

TEST_F(saving, MissingWorkingFilesAreReportedOncePerSave)
{
    Album *album = m_gallery.thumbnailStrip()->albums().first();
    album->addImage(m_app.path(u"gone/a.jpg"_s));
    album->addImage(m_app.path(u"gone/b.jpg"_s));
    QSignalSpy missing(&m_gallery, &GalleryDocument::imageFilesMissing);
    ASSERT_TRUE(m_gallery.save(chooseIn(u"g.xml"_s)));
    ASSERT_EQ(missing.count(), 1);
    EXPECT_EQ(missing.first().first().toStringList().size(), 4);
}
