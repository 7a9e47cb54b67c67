#include "Errors.h"
#include "Utils.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QDomDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct TextCase
{
    const char16_t *input;
    const char16_t *expected;
};

void expectAll(QString (*function)(const QString &), std::initializer_list<TextCase> cases)
{
    for (const TextCase &c : cases) {
        const QString input = QString::fromUtf16(c.input);
        EXPECT_EQ(function(input), QString::fromUtf16(c.expected)) << "input: " << input.toStdString();
    }
}

} // namespace

TEST(Utils, includeTrailingSlash)
{
    expectAll(includeTrailingSlash, {
        {u"", u""},
        {u"/home/a", u"/home/a/"},
        {u"/home/a/", u"/home/a/"},
        {u"C:\\a/", u"C:\\a/"},
        {u"C:\\a\\", u"C:\\a\\"},
        {u"a", u"a/"},
    });
}

TEST(Utils, FileBaseNameCutsAtTheFirstDotOfTheFileName)
{
    expectAll(fileBaseName, {
        {u"/pics/my.photo.jpg", u"my"},
        {u"archive.tar.gz", u"archive"},
        {u"/x.y/file", u"file"},
        {u"/pics/.hidden", u""},
        {u"noext", u"noext"},
        {u"", u""},
    });
}

TEST(Utils, NameCleaning)
{
    expectAll(stripFileNameChars, {
        {u"  my*gal/le:ry<>?\\|.xml \t", u"mygallery.xml"},
        {u"plain", u"plain"},
        {u"a&b", u"a&b"},
    });
    expectAll(stripPathChars, {
        {u"  /home/me/web site/ ", u"/home/me/web site/"},
        {u"/home/me?/out", u"/home/me/out"},
        {u"C:\\a*<b>|/c:", u"C:\\ab/c:"},
    });
    expectAll(stripMediaNameChars, {
        {u" Rock & Roll?.MP3\n", u"Rock  Roll.MP3"},
        {u"a*:<>|b", u"ab"},
        {u"keep/slash\\", u"keep/slash\\"},
    });
    // Trimming takes every control character, not only blanks.
    EXPECT_EQ(trimText(u"\x01\x1f x \x7f"_s), u"x \x7f"_s);
    EXPECT_EQ(replaceChar(u"my song name.mp3"_s, u' ', u'_'), u"my_song_name.mp3"_s);
}

TEST(Utils, escapeXmlText)
{
    expectAll(escapeXmlText, {
        {u"It's <b>", u"It&apos;s &lt;b&gt;"},
        {u"&amp;", u"&amp;amp;"},
        {u"say \"hi\" & go", u"say &quot;hi&quot; &amp; go"},
        {u"", u""},
        {u"\u00e9t\u00e9 \u65e5", u"\u00e9t\u00e9 \u65e5"},
    });
}

TEST(Utils, ColourTextForm)
{
    struct Case { PackedColor color; const char16_t *text; };
    const Case cases[] = {
        {Colors::Red, u"0xFF0000"},
        {Colors::Blue, u"0x0000FF"},
        {Colors::White, u"0xFFFFFF"},
        {Colors::Black, u"0x000000"},
        {Colors::Gray, u"0x808080"},
        {rgbColor(0x12, 0x34, 0x56), u"0x123456"},
        {rgbColor(0x0A, 0x0B, 0x0C), u"0x0A0B0C"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(colorToHexText(c.color), QString::fromUtf16(c.text));
        EXPECT_EQ(hexTextToColor(QString::fromUtf16(c.text)), c.color);
    }
    // Other number forms read the same digits.
    EXPECT_EQ(hexTextToColor(u"$FF0000"_s), Colors::Red);
    EXPECT_EQ(hexTextToColor(u"0xff"_s), Colors::Blue);
    EXPECT_EQ(hexTextToColor(u"255"_s), Colors::Blue);
    EXPECT_EQ(hexTextToColor(u"+0x00FF00"_s), rgbColor(0, 255, 0));
    // A system colour is written as its current value, never as the marker.
    const QString face = colorToHexText(Colors::BtnFace);
    EXPECT_TRUE(face.startsWith(u"0x"_s));
    EXPECT_EQ(face.size(), 8);
}

TEST(Utils, HexTextToColorRejectsTextThatIsNoNumber)
{
    for (const QString &bad : {u""_s, u"red"_s, u"0x"_s, u"$"_s, u"0xGG0000"_s, u" 12"_s, u"12px"_s, u"1.5"_s}) {
        EXPECT_THROW(hexTextToColor(bad), ConvertError) << bad.toStdString();
    }
}

TEST(Utils, ReadXmlAttributes)
{
    QDomDocument doc;
    ASSERT_TRUE(doc.setContent(u"<e a=\"12\" hex=\"0x10\" dollar=\"$10\" neg=\"-7\" empty=\"\" word=\"ten\" t=\"x &amp; y\"/>"_s));
    const QDomElement e = doc.documentElement();
    struct Case { const char16_t *name; int expected; };
    const Case cases[] = {
        {u"a", 12}, {u"hex", 16}, {u"dollar", 16}, {u"neg", -7},
        {u"empty", 99}, {u"word", 99}, {u"missing", 99},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readXmlIntAttr(e, QString::fromUtf16(c.name), 99), c.expected) << QString::fromUtf16(c.name).toStdString();
    EXPECT_EQ(readXmlAttr(e, u"t"_s), u"x & y"_s);
    EXPECT_EQ(readXmlAttr(e, u"missing"_s), QString());
    EXPECT_EQ(readXmlAttr(QDomElement(), u"a"_s), QString());
}

class UtilsFolders : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.path() + u'/' + name; }
    QTemporaryDir m_dir;
};

TEST_F(UtilsFolders, UniqueFileNameCountsUpFromTwoAndIgnoresFolders)
{
    const QString folder = includeTrailingSlash(m_dir.path());
    EXPECT_EQ(uniqueFileName(folder, u"photo"_s, u".jpg"_s), folder + u"photo.jpg"_s);

    writeFile(path(u"photo.jpg"_s));
    EXPECT_EQ(uniqueFileName(folder, u"photo"_s, u".jpg"_s), folder + u"photo(2).jpg"_s);

    writeFile(path(u"photo(2).jpg"_s));
    writeFile(path(u"photo(4).jpg"_s));
    EXPECT_EQ(uniqueFileName(folder, u"photo"_s, u".jpg"_s), folder + u"photo(3).jpg"_s);

    QDir().mkdir(path(u"album.jpg"_s));
    EXPECT_EQ(uniqueFileName(folder, u"album"_s, u".jpg"_s), folder + u"album.jpg"_s);
}

TEST_F(UtilsFolders, EnsureFolderCreatesOneLevelAndReportsFailure)
{
    const QString made = path(u"new"_s);
    EXPECT_EQ(ensureFolder(made, false), made);
    EXPECT_TRUE(QFileInfo(made).isDir());
    EXPECT_EQ(ensureFolder(made + u'/', false), made + u'/'); // existing, with a trailing slash

    const QString deep = path(u"missing/child"_s);
    try {
        ensureFolder(deep, false);
        FAIL() << "no error for a folder whose parent is missing";
    } catch (const InOutError &e) {
        EXPECT_TRUE(e.message().contains(deep)) << e.message().toStdString();
    }
    writeFile(path(u"plainfile"_s));
    EXPECT_THROW(ensureFolder(path(u"plainfile"_s), false), InOutError);
}

TEST_F(UtilsFolders, ClearFolderDeletesFilesButNotSubFolders)
{
    writeFile(path(u"a.jpg"_s));
    writeFile(path(u".hidden"_s));
    writeFile(path(u"noext"_s));
    writeFile(path(u"sub/inner.jpg"_s));
    ensureFolder(m_dir.path(), true);
    EXPECT_EQ(listFolder(includeTrailingSlash(m_dir.path()), u"*.*"_s), QStringList{u"sub"_s});
    EXPECT_TRUE(QFileInfo::exists(path(u"sub/inner.jpg"_s)));
}

TEST_F(UtilsFolders, ClearAndListFolderHonourTheMask)
{
    writeFile(path(u"a.jpg"_s));
    writeFile(path(u"b.JPG"_s));
    writeFile(path(u"c.png"_s));
    const QString folder = includeTrailingSlash(m_dir.path());
    QStringList jpegs = listFolder(folder, u"*.jpg"_s);
    jpegs.sort();
    EXPECT_EQ(jpegs, (QStringList{u"a.jpg"_s, u"b.JPG"_s}));
    EXPECT_TRUE(listFolder(folder, u"*.gif"_s).isEmpty());
    EXPECT_TRUE(listFolder(path(u"nothere/"_s), u"*.*"_s).isEmpty());
    clearFolder(folder, u"*.png"_s);
    EXPECT_EQ(listFolder(folder, u"*.*"_s).size(), 2);
}

TEST_F(UtilsFolders, ResolvePathCaseFindsTheOtherSpelling)
{
    QDir().mkdir(path(u"MouseOver Sounds"_s));
    writeFile(path(u"MouseOver Sounds/Default.mp3"_s));
    EXPECT_EQ(resolvePathCase(path(u"mouseover sounds/default.mp3"_s)), path(u"MouseOver Sounds/Default.mp3"_s));
    EXPECT_EQ(resolvePathCase(path(u"mouseover sounds/"_s)), path(u"MouseOver Sounds/"_s));
    EXPECT_EQ(resolvePathCase(path(u"none/x"_s)), path(u"none/x"_s));
}

TEST(Utils, FileNameParts)
{
    EXPECT_EQ(fileNamePart(u"/a/b/My Song.MP3"_s), u"My Song.MP3"_s);
    EXPECT_EQ(fileExtension(u"/a/b.c/My Song.tar.MP3"_s), u".MP3"_s);
    EXPECT_EQ(fileExtension(u"/a/b.c/noext"_s), QString());
}
