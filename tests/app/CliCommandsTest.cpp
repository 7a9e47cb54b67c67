#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(CliCommands, HelpNamesTheCommandsAndOptions)
{
    for (const QStringList &args : {QStringList{u"--help"_s}, QStringList{}, QStringList{u"help"_s}}) {
        const ProcessResult r = runProgram(u"fotovia-cli"_s, args);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.contains(u"Usage: fotovia-cli"_s)) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(u"--app-folder DIR"_s));
    }
}

TEST(CliCommands, UnknownCommandsAndBadOptionsFailClearly)
{
    ProcessResult r = runProgram(u"fotovia-cli"_s, {u"frobnicate"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"unknown command 'frobnicate'"_s)) << r.err.toStdString();

    r = runProgram(u"fotovia-cli"_s, {u"--app-folder"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"--app-folder needs a folder"_s));
}

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

TEST(CliCommands, NewWritesTheNewGalleryFolder)
{
    QTemporaryDir out;
    const QString xml = out.path() + u"/myalbum.xml"_s;
    const ProcessResult r = runProgram(u"fotovia-cli"_s, {u"new"_s, xml});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(xml), readFile(testDataPath(u"new-gallery.xml"_s)));
    for (const QString &name : {u"myalbum.html"_s, u"default.mp3"_s, u"butteryloop1.mp3"_s, u"images"_s})
        EXPECT_TRUE(QFileInfo::exists(out.path() + u'/' + name)) << name.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST(CliCommands, ResaveGivesTheSameGalleryFileAndInfoDescribesIt)
{
    QTemporaryDir out;
    const QString photos = out.path() + u"/photos"_s;
    QDir().mkpath(photos);
    for (const QString &name : {u"b.png"_s, u"a.jpg"_s, u"notes.txt"_s}) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(photos + u'/' + name, name.endsWith(u".txt"_s) ? "PNG" : nullptr);
    }
    const QString built = out.path() + u"/site/gallery.xml"_s;
    QDir().mkpath(out.path() + u"/site"_s);
    ProcessResult r = runProgram(u"fotovia-cli"_s, {u"build"_s, photos, built, u"--album"_s, u"Sea & Sky"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    r = runProgram(u"fotovia-cli"_s, {u"info"_s, built});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"size 500x462\nalbum \"Sea & Sky\" 2 images\n"_s);

    const QString again = out.path() + u"/copy/gallery.xml"_s;
    QDir().mkpath(out.path() + u"/copy"_s);
    r = runProgram(u"fotovia-cli"_s, {u"resave"_s, built, again});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(again), readFile(built));
    EXPECT_TRUE(readFile(built).contains("bigimage1=\"images/a.jpg\""));
}

// Progress per photo; files that are no pictures are named once and left out; a photo spoilt
// after the save stays in its album when the gallery is opened again, and is named.
TEST(CliCommands, BuildAndOpenNameTheFilesThatCannotBeRead)
{
    QTemporaryDir out;
    const QString photos = out.path() + u"/photos"_s;
    QDir().mkpath(photos);
    for (const QString &name : {u"a.jpg"_s, u"c.png"_s}) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        picture.save(photos + u'/' + name);
    }
    writeFile(photos + u"/b.jpg"_s, "no picture at all");
    const QString built = out.path() + u"/g.xml"_s;
    ProcessResult r = runProgram(u"fotovia-cli"_s, {u"build"_s, photos, built});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"[1/3] a.jpg\n[2/3] b.jpg\n[3/3] c.png\n"_s)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"This file could not be read as a picture and was not added:\n\n"_s + photos + u"/b.jpg"_s))
        << r.err.toStdString();

    writeFile(out.path() + u"/images/a.jpg"_s, "spoilt");
    r = runProgram(u"fotovia-cli"_s, {u"info"_s, built});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"size 500x462\nalbum \"My Images\" 2 images\n"_s);
    EXPECT_TRUE(r.err.contains(u"It stays in its album without a picture:\n\n"_s + out.path() + u"/images/a.jpg"_s))
        << r.err.toStdString();
}

TEST(CliCommands, CommandErrorsExitWithStatusOne)
{
    QTemporaryDir out;
    const QString notGallery = writeFile(out.path() + u"/other.xml"_s, "<?xml version=\"1.0\"?><other/>");
    struct Case { QStringList args; const char16_t *message; };
    const Case cases[] = {
        {{u"new"_s}, u"new needs one argument"},
        {{u"new"_s, out.path() + u"/missing/dir/g.xml"_s}, u"does not exist"},
        {{u"build"_s, out.path() + u"/nophotos"_s, out.path() + u"/g.xml"_s}, u"is not a folder"},
        {{u"build"_s, out.path(), out.path() + u"/g.xml"_s, u"--size"_s, u"999x1"_s}, u"unknown size '999x1'"},
        {{u"info"_s, notGallery}, u"This file cannot be opened in Fotovia!"},
        {{u"resave"_s, out.path() + u"/none.xml"_s, out.path() + u"/g.xml"_s}, u"does not exist"},
    };
    for (const Case &c : cases) {
        const ProcessResult r = runProgram(u"fotovia-cli"_s, c.args);
        EXPECT_EQ(r.exitCode, 1) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf16(c.message))) << r.err.toStdString();
    }
    for (const QString &command : {u"new"_s, u"build"_s, u"resave"_s, u"info"_s}) {
        const ProcessResult r = runProgram(u"fotovia-cli"_s, {command, u"--help"_s});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.startsWith(u"Usage: fotovia-cli "_s + command)) << r.out.toStdString();
    }
}
