#include "Album.h"
#include "AlbumPhoto.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "GalleryXmlText.h"
#include "AppFolders.h"
#include "support/TestSupport.h"

#include <QDomDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The lines of a written file, without their CR LF.
QStringList splitLines(const QString &xml)
{
    return xml.split(u"\r\n"_s);
}

// The lines from the one that starts a block up to the next line that is exactly endLine.
QStringList block(const QString &xml, const QString &startLine, const QString &endLine, int skip = 0)
{
    const QStringList lines = splitLines(xml);
    qsizetype start = -1;
    for (int found = 0; found <= skip; ++found)
        start = lines.indexOf(startLine, start + 1);
    const qsizetype end = lines.indexOf(endLine, start);
    return start < 0 || end < 0 ? QStringList() : lines.mid(start, end - start + 1);
}

} // namespace

class GalleryXml : public ::testing::Test
{
protected:
    TestAppFolder m_app;
};

TEST_F(GalleryXml, NewGalleryMatchesTheHandWrittenFile)
{
    GalleryDocument g;
    g.resetAsNewGallery();
    const QByteArray written = encodeGalleryText(g.writeXml());
    const QByteArray golden = readFile(testDataPath(u"new-gallery.xml"_s));
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(written.toStdString(), golden.toStdString());
    EXPECT_FALSE(written.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(written.endsWith("\r\n</pelliconimagegallery>"));
    EXPECT_EQ(written.count("\r\n"), written.count("\n")); // no bare line feeds
}

TEST_F(GalleryXml, AlbumsImagesCaptionsAndLinks)
{
    GalleryDocument g;
    g.resetAsNewGallery();
    ThumbnailStrip *strip = g.thumbnailStrip();
    Album *first = strip->albums().first();
    Album *second = strip->addAlbum(u"Rock & \"Roll\""_s);
    Album *third = strip->addAlbum(u"<Empty>"_s);
    Q_UNUSED(third);
    AlbumPhoto *a = first->addImage(m_app.path(u"p/one.jpg"_s));
    a->setCaption(u"Tom & Jerry's \"best\" <day>"_s);
    a->setLink(u"http://example.org/?a=1&b=2"_s);
    first->addImage(m_app.path(u"p/two.jpg"_s));
    AlbumPhoto *c = second->addImage(m_app.path(u"p/three.jpg"_s));
    c->setLink(u"http://x.org/"_s);

    const QString xml = g.writeXml();
    EXPECT_EQ(block(xml, u"  <thumbnailer"_s, u"  </thumbnailer>"_s), (QStringList{
        u"  <thumbnailer"_s, u"   x=\"10\""_s, u"   y=\"375\""_s, u"   w=\"450\""_s, u"   h=\"80\""_s,
        u"   myname=\"thumbs1\""_s,
        u"   image1=\"images/one_s.jpg\""_s, u"   bigimage1=\"images/one.jpg\""_s,
        u"   imagelink1=\"http://example.org/?a=1&amp;b=2\""_s,
        u"   imagecaption1=\"Tom &amp; Jerry&apos;s &quot;best&quot; &lt;day&gt;\""_s,
        u"   image2=\"images/two_s.jpg\""_s, u"   bigimage2=\"images/two.jpg\""_s,
        u""_s, u"  >"_s, u"  </thumbnailer>"_s}));
    EXPECT_EQ(block(xml, u"  <thumbnailer"_s, u"  </thumbnailer>"_s, 1).mid(5), (QStringList{
        u"   myname=\"thumbs2\""_s,
        u"   image1=\"images/three_s.jpg\""_s, u"   bigimage1=\"images/three.jpg\""_s,
        u"   imagelink1=\"http://x.org/\""_s,
        u""_s, u"  >"_s, u"  </thumbnailer>"_s}));
    const QStringList menu = block(xml, u"   catbdrcolor=\"0xFFFFFF\""_s, u"  ></catagories>"_s);
    EXPECT_EQ(menu.mid(1), (QStringList{
        u"   cat1link=\"thumbs1\""_s, u"   cat1name=\"My Images\""_s,
        u"   cat1text=\"Put the description of your images here.\""_s, u"   cat1image=\"images/one_s.jpg\""_s, u""_s,
        u"   cat2link=\"thumbs2\""_s, u"   cat2name=\"Rock &amp; &quot;Roll&quot;\""_s,
        u"   cat2text=\"Put the description of your images here.\""_s, u"   cat2image=\"images/three_s.jpg\""_s, u""_s,
        u"   cat3link=\"thumbs3\""_s, u"   cat3name=\"&lt;Empty&gt;\""_s,
        u"   cat3text=\"Put the description of your images here.\""_s, u"   cat3image=\"images/\""_s, u""_s,
        u"  ></catagories>"_s}));
    // Three albums in two columns: two rows.
    EXPECT_TRUE(splitLines(xml).contains(u"   w=\"442\""_s));
    EXPECT_TRUE(splitLines(xml).contains(u"   h=\"180\""_s));

    // Whatever the texts hold, the file stays well-formed and reads back the same.
    QDomDocument doc;
    ASSERT_TRUE(doc.setContent(xml));
    const QDomElement album = doc.documentElement().firstChildElement().firstChildElement(u"thumbnailer"_s);
    EXPECT_EQ(album.attribute(u"imagecaption1"_s), a->caption());
}

TEST_F(GalleryXml, HiddenButtonsAreLeftOutAndTheStripStays)
{
    GalleryDocument g;
    g.soundsButton()->setVisible(false);
    g.thumbnailStrip()->setVisible(false);
    const QString xml = g.writeXml();
    EXPECT_FALSE(xml.contains(u"action=\"togglesounds\""_s));
    EXPECT_TRUE(xml.contains(u"action=\"toggleplaypause\""_s));
    EXPECT_TRUE(xml.contains(u"  <catagories"_s));
    EXPECT_FALSE(xml.contains(u"<thumbnailer"_s)); // no albums, no album elements
}

TEST_F(GalleryXml, SizeAndIconsAndTexts)
{
    GalleryDocument g;
    g.setBounds(0, 0, 640, 480);
    QImage icon(4, 4, QImage::Format_RGB32);
    icon.fill(Qt::white);
    ASSERT_TRUE(icon.save(m_app.path(u"Play Up.jpg"_s), "JPG"));
    g.playButton()->setOnIcon(m_app.path(u"Play Up.jpg"_s));
    g.playButton()->setFontText(u"caf\u00e9 \U0001F600"_s);
    const QString xml = g.writeXml();
    const QStringList lines = splitLines(xml);
    const qsizetype tag = lines.indexOf(u"  <imagegallery"_s);
    EXPECT_EQ(lines.mid(tag + 1, 4), (QStringList{u"    x=\"0\""_s, u"    y=\"0\""_s, u"    w=\"640\""_s, u"    h=\"480\""_s}));
    EXPECT_TRUE(lines.contains(u"   upicon=\"images/play_up.jpg\""_s));
    EXPECT_FALSE(xml.contains(u"downicon"_s));
    // Characters beyond the Basic Multilingual Plane are written as U+FFFD.
    const QByteArray bytes = encodeGalleryText(xml);
    EXPECT_TRUE(bytes.contains("fnttext=\"caf\xC3\xA9 \xEF\xBF\xBD\""));
}
