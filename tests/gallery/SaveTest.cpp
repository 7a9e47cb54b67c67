#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailImageData.h"
#include "app/Errors.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "gallery/GalleryWriter.h"
#include "gallery/XmlText.h"
#include "app/AppFolders.h"
#include "support/TestSupport.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList FilesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(folder.size()));
    files.sort();
    return files;
}

} // namespace

class Saving : public ::testing::Test
{
protected:
    Saving() { m_gallery.ResetAsNewGallery(); }

    SaveFileChooser ChooseIn(const QString &name)
    {
        return [this, name](const QString &proposed) {
            m_proposed = proposed;
            return QString(m_out.path() + u'/' + name);
        };
    }
    QString Out(const QString &name = {}) const { return QString(m_out.path() + u'/' + name); }
    // Adds an image whose working files exist, as an import leaves them.
    FThummnailImageData *AddWorkedImage(FThummnailCatagory *album, const QString &name)
    {
        FThummnailImageData *image = album->AddImage(m_app.Path(u"photos/"_s + name));
        WriteFile(AppFolders::ImagesWorkFolder() + image->bigFileName, "big");
        WriteFile(AppFolders::ImagesWorkFolder() + image->thumbFileName, "thumb");
        return image;
    }

    TestAppFolder m_app;
    QTemporaryDir m_out;
    FflashMovie m_gallery;
    QString m_proposed;
};

TEST_F(Saving, ANewGalleryFolderHoldsExactlyItsFiles)
{
    m_gallery.SetModified(true);
    ASSERT_TRUE(m_gallery.Save(ChooseIn(u"myalbum.xml"_s)));
    EXPECT_EQ(m_proposed, u"myalbum.xml"_s);
    EXPECT_EQ(FilesUnder(Out()), (QStringList{u"butteryloop1.mp3"_s, u"default.mp3"_s, u"images"_s,
                                              u"myalbum.html"_s, u"myalbum.xml"_s}));
    EXPECT_EQ(ReadFile(Out(u"myalbum.xml"_s)), EncodeGalleryText(m_gallery.WriteXml()));
    EXPECT_EQ(m_gallery.BaseName(), u"myalbum"_s);
    EXPECT_EQ(m_gallery.GetFolder(), Out());
    EXPECT_FALSE(m_gallery.Modified());
    for (auto *component : m_gallery.Components())
        EXPECT_FALSE(component->Modified());
}

TEST_F(Saving, ThePlayerIsCopiedBesideTheGalleryWhenShipped)
{
    WriteFile(AppFolders::SwfFolder() + u"fotovia-player.js"_s, "player v2");
    WriteFile(AppFolders::SwfFolder() + u"PNImageGallery.swf"_s, "movie");
    WriteFile(Out(u"fotovia-player.js"_s), "player v1");
    ASSERT_TRUE(m_gallery.Save(ChooseIn(u"my gallery.xml"_s)));
    EXPECT_EQ(ReadFile(Out(u"fotovia-player.js"_s)), QByteArray("player v2")); // always rewritten
    EXPECT_EQ(ReadFile(Out(u"my gallery.swf"_s)), QByteArray("movie"));
    EXPECT_TRUE(ReadFile(Out(u"my gallery.html"_s)).contains("value=\"my gallery.swf\""));
}

TEST_F(Saving, SavingAgainRewritesOnlyTheMainFiles)
{
    FThummnailImageData *image = AddWorkedImage(m_gallery.ThumbnailStrip()->Albums().first(), u"one.jpg"_s);
    ASSERT_TRUE(m_gallery.Save(ChooseIn(u"g.xml"_s)));
    const QStringList first = FilesUnder(Out());
    EXPECT_TRUE(first.contains(u"images/one.jpg"_s));
    // Published copies are never replaced.
    WriteFile(Out(u"images/"_s + image->bigFileName), "edited on the server");
    WriteFile(Out(u"default.mp3"_s), "kept");
    WriteFile(Out(u"g.xml"_s), "stale");
    ASSERT_TRUE(m_gallery.Save(ChooseIn(u"g.xml"_s)));
    EXPECT_EQ(m_proposed, Out(u"g.xml"_s));
    EXPECT_EQ(FilesUnder(Out()), first);
    EXPECT_EQ(ReadFile(Out(u"images/"_s + image->bigFileName)), QByteArray("edited on the server"));
    EXPECT_EQ(ReadFile(Out(u"default.mp3"_s)), QByteArray("kept"));
    EXPECT_EQ(ReadFile(Out(u"g.xml"_s)), EncodeGalleryText(m_gallery.WriteXml()));
}

TEST_F(Saving, CancelWritesNothing)
{
    m_gallery.SetModified(true);
    EXPECT_FALSE(m_gallery.Save([](const QString &) { return QString(); }));
    EXPECT_TRUE(FilesUnder(Out()).isEmpty());
    EXPECT_TRUE(m_gallery.Modified());
    EXPECT_TRUE(m_gallery.BaseName().isEmpty());
}

TEST_F(Saving, AFailedSaveKeepsThePreviousFiles)
{
    ASSERT_TRUE(m_gallery.Save(ChooseIn(u"g.xml"_s)));
    const QByteArray before = ReadFile(Out(u"g.xml"_s));
    m_gallery.SetWidth(640);
    ASSERT_TRUE(m_gallery.Modified());
    QDir(Out(u"images"_s)).removeRecursively();
    WriteFile(Out(u"images"_s), "a file where the folder belongs");
    EXPECT_THROW(m_gallery.Save(ChooseIn(u"g.xml"_s)), InOutError);
    EXPECT_EQ(ReadFile(Out(u"g.xml"_s)), before);
    EXPECT_TRUE(m_gallery.Modified());

    // A gallery file that cannot be written leaves no half-written file behind.
    QFile::remove(Out(u"images"_s));
    QDir().mkdir(Out(u"images"_s));
    QDir().mkdir(Out(u"blocked.xml"_s));
    EXPECT_THROW(m_gallery.Save(ChooseIn(u"blocked.xml"_s)), InOutError);
    EXPECT_TRUE(QFileInfo(Out(u"blocked.xml"_s)).isDir());
    EXPECT_TRUE(m_gallery.Modified());
}

TEST_F(Saving, PathsTooLongAreRefused)
{
    EXPECT_EQ(GalleryWriter::BuildOutputPath(u"/a/"_s, u"b"_s, u".xml"_s), u"/a/b.xml"_s);
    EXPECT_EQ(GalleryWriter::BuildOutputPath(u"/"_s, QString(255, u'x'), u".xml"_s).size(), 260);
    EXPECT_TRUE(GalleryWriter::BuildOutputPath(u"/"_s, QString(256, u'x'), u".xml"_s).isEmpty());
    EXPECT_THROW(m_gallery.WriteOutput(Out(), QString(300, u'x'), false), InOutError);
}

TEST_F(Saving, SnippetAndPage)
{
    const QString snippet = GalleryWriter::BuildSnippet(u"500"_s, u"462"_s, u"my gallery.swf"_s);
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
    const QStringList page = GalleryWriter::BuildPage(snippet).split(u"\r\n"_s);
    ASSERT_EQ(page.size(), 3 + 4 + 1 + 12 + 4 + 1);
    EXPECT_EQ(page[0], u"<html>"_s);
    EXPECT_EQ(page[1], u"<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" /></head>"_s);
    EXPECT_EQ(page[7], u"<!-- Here is the HTML that you need to copy and paste into your page -->"_s);
    EXPECT_EQ(page.last(), u"</p></body></html>"_s);

    const QString built = m_gallery.BuildHtmlPage(u"a.swf"_s);
    EXPECT_EQ(m_gallery.BuildHtmlPage(u"a.swf"_s), built);
    m_gallery.SetWidth(600);
    EXPECT_TRUE(m_gallery.BuildHtmlPage(u"a.swf"_s).contains(u"width=\"600\""_s));
}

TEST_F(Saving, HtmlSnippetSavesAnUnnamedGalleryFirst)
{
    EXPECT_TRUE(m_gallery.GetHtmlSnippet([](const QString &) { return QString(); }).isEmpty());
    const QString snippet = m_gallery.GetHtmlSnippet(ChooseIn(u"site.xml"_s));
    EXPECT_TRUE(snippet.contains(u"value=\"site.swf\""_s));
    EXPECT_TRUE(QFileInfo::exists(Out(u"site.xml"_s)));
}

TEST_F(Saving, UploadLists)
{
    FflashThumbnailerClass *strip = m_gallery.ThumbnailStrip();
    FThummnailCatagory *album = strip->Albums().first();
    AddWorkedImage(album, u"one.jpg"_s);
    AddWorkedImage(album, u"two.jpg"_s);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    ASSERT_TRUE(picture.save(m_app.Path(u"bg.png"_s)));
    m_gallery.SetBackgroundImage(m_app.Path(u"bg.png"_s));
    m_gallery.SetBackgroundImageOn(true);
    m_gallery.ImageDisplay()->SetPictureFile(m_app.Path(u"display.png"_s)); // named, not switched on
    WriteFile(AppFolders::SwfFolder() + u"fotovia-player.js"_s, "js");
    QSignalSpy shown(&m_gallery, &FflashMovie::RequiredFilesRequested);

    m_gallery.CollectUploadFiles(ChooseIn(u"g.xml"_s));
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(m_gallery.UploadFiles, (QStringList{u"g.html"_s, u"g.xml"_s, u"fotovia-player.js"_s, u"bg.png"_s,
                                                  u"default.mp3"_s, u"butteryloop1.mp3"_s}));
    // Components first (a picture name counts even when its picture is off; the strip adds
    // the album covers), then every album's thumbnails and big images.
    EXPECT_EQ(m_gallery.UploadImageFiles, (QStringList{u"display.png"_s, u"one_s.jpg"_s, u"one_s.jpg"_s,
                                                       u"one.jpg"_s, u"two_s.jpg"_s, u"two.jpg"_s}));
    // The gallery's own background picture lives beside the gallery file.
    EXPECT_TRUE(QFileInfo::exists(Out(u"bg.png"_s)));
    EXPECT_FALSE(QFileInfo::exists(Out(u"images/bg.png"_s)));

    m_gallery.CollectUploadFiles(ChooseIn(u"other.xml"_s)); // saved and unchanged: no second save
    EXPECT_EQ(shown.count(), 1);
    EXPECT_FALSE(QFileInfo::exists(Out(u"other.xml"_s)));
}

TEST_F(Saving, DeletedImagesLeaveThePublishedFolderAtTheNextSave)
{
    FThummnailCatagory *album = m_gallery.ThumbnailStrip()->Albums().first();
    FThummnailImageData *keep = AddWorkedImage(album, u"keep.jpg"_s);
    FThummnailImageData *drop = AddWorkedImage(album, u"drop.jpg"_s);
    const QString dropBig = drop->bigFileName;
    const QString dropThumb = drop->thumbFileName;
    ASSERT_TRUE(m_gallery.Save(ChooseIn(u"g.xml"_s)));
    album->DeleteImage(drop);
    // The saved gallery file still names them until the next save.
    EXPECT_TRUE(QFileInfo::exists(Out(u"images/"_s + dropBig)));
    EXPECT_TRUE(QFileInfo::exists(AppFolders::ImagesWorkFolder() + dropBig));
    ASSERT_TRUE(m_gallery.Save(ChooseIn(u"g.xml"_s)));
    EXPECT_FALSE(QFileInfo::exists(Out(u"images/"_s + dropBig)));
    EXPECT_FALSE(QFileInfo::exists(Out(u"images/"_s + dropThumb)));
    EXPECT_TRUE(QFileInfo::exists(Out(u"images/"_s + keep->bigFileName)));
    EXPECT_FALSE(ReadFile(Out(u"g.xml"_s)).contains(dropBig.toUtf8()));
}

TEST_F(Saving, MissingWorkingFilesAreReportedOncePerSave)
{
    FThummnailCatagory *album = m_gallery.ThumbnailStrip()->Albums().first();
    album->AddImage(m_app.Path(u"gone/a.jpg"_s));
    album->AddImage(m_app.Path(u"gone/b.jpg"_s));
    QSignalSpy missing(&m_gallery, &FflashMovie::ImageFilesMissing);
    ASSERT_TRUE(m_gallery.Save(ChooseIn(u"g.xml"_s)));
    ASSERT_EQ(missing.count(), 1);
    EXPECT_EQ(missing.first().first().toStringList().size(), 4);
}
