#include "AppFolders.h"
#include "Errors.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class AppFoldersTest : public ::testing::Test
{
protected:
    QString app(const QString &name = {}) const { return m_dir.path() + u'/' + name; }
    QTemporaryDir m_dir;
};

TEST_F(AppFoldersTest, FirstStartCreatesEveryFolder)
{
    AppFolders::setup(app());
    EXPECT_EQ(AppFolders::appFolder(), app());
    EXPECT_EQ(AppFolders::tempFolder(), app(u"temp/"_s));
    EXPECT_EQ(AppFolders::imagesWorkFolder(), app(u"temp/images/"_s));
    EXPECT_EQ(AppFolders::swfFolder(), app(u"swf/"_s));
    EXPECT_EQ(AppFolders::backgroundSoundsFolder(), app(u"background sounds/"_s));
    EXPECT_EQ(AppFolders::mouseOverSoundsFolder(), app(u"mouseover sounds/"_s));
    for (const QString &f : {u"temp"_s, u"temp/images"_s, u"swf"_s, u"background sounds"_s, u"mouseover sounds"_s})
        EXPECT_TRUE(QFileInfo(app(f)).isDir()) << f.toStdString();
}

TEST_F(AppFoldersTest, StartUpEmptiesOnlyTheWorkingFolders)
{
    writeFile(app(u"temp/old.xml"_s));
    writeFile(app(u"temp/images/old.jpg"_s));
    writeFile(app(u"temp/keep/inner.txt"_s));
    writeFile(app(u"temp/images/deeper/inner.jpg"_s));
    writeFile(app(u"swf/fotovia-player.js"_s));
    writeFile(app(u"background sounds/butteryLoop1.mp3"_s));
    writeFile(app(u"mouseover sounds/default.mp3"_s));

    AppFolders::setup(app());

    EXPECT_FALSE(QFileInfo::exists(app(u"temp/old.xml"_s)));
    EXPECT_FALSE(QFileInfo::exists(app(u"temp/images/old.jpg"_s)));
    for (const QString &kept : {u"temp/keep/inner.txt"_s, u"temp/images/deeper/inner.jpg"_s,
                                u"swf/fotovia-player.js"_s, u"background sounds/butteryLoop1.mp3"_s,
                                u"mouseover sounds/default.mp3"_s})
        EXPECT_TRUE(QFileInfo::exists(app(kept))) << kept.toStdString();
}

TEST_F(AppFoldersTest, LibraryFoldersInAnotherLetterCaseAreUsedAsTheyAre)
{
    writeFile(app(u"Background Sounds/butteryLoop1.mp3"_s));
    writeFile(app(u"MouseOver Sounds/default.mp3"_s));
    AppFolders::setup(app());
    EXPECT_EQ(AppFolders::backgroundSoundsFolder(), app(u"Background Sounds/"_s));
    EXPECT_EQ(AppFolders::mouseOverSoundsFolder(), app(u"MouseOver Sounds/"_s));
    EXPECT_FALSE(QFileInfo::exists(app(u"background sounds"_s)));
    EXPECT_EQ(AppFolders::appFile(u"mouseover sounds/DEFAULT.mp3"_s), app(u"MouseOver Sounds/default.mp3"_s));
}

TEST_F(AppFoldersTest, AFolderThatCannotBeCreatedStopsStartUpNamingIt)
{
    writeFile(app(u"swf"_s), "a file where the folder belongs");
    try {
        AppFolders::setup(app());
        FAIL() << "start-up went on without its swf folder";
    } catch (const InOutError &e) {
        EXPECT_TRUE(e.message().contains(app(u"swf"_s))) << e.message().toStdString();
    }
}

TEST_F(AppFoldersTest, MissingApplicationFolderIsReported)
{
    EXPECT_THROW(AppFolders::setup(app(u"does/not/exist/"_s)), InOutError);
}

TEST_F(AppFoldersTest, AnInstalledProgramWorksInTheUsersOwnFolder)
{
    for (const QString &f : {u"share/fotovia/swf"_s, u"share/fotovia/background sounds"_s, u"share/fotovia/mouseover sounds"_s})
        QDir().mkpath(app(f));
    writeFile(app(u"share/fotovia/tips.txt"_s), "A tip");
    qputenv("XDG_DATA_HOME", app(u"home"_s).toUtf8());
    AppFolders::setup(app(u"share/fotovia/"_s));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(AppFolders::tempFolder(), app(u"home/fotovia/temp/"_s));
    EXPECT_TRUE(QFileInfo(app(u"home/fotovia/temp/images"_s)).isDir());
    EXPECT_EQ(AppFolders::swfFolder(), app(u"share/fotovia/swf/"_s));
    EXPECT_FALSE(QFileInfo::exists(app(u"share/fotovia/temp"_s)));
}
