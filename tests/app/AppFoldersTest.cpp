#include "app/AppFolders.h"
#include "app/Errors.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class AppFoldersTest : public ::testing::Test
{
protected:
    QString App(const QString &name = {}) const { return m_dir.path() + u'/' + name; }
    QTemporaryDir m_dir;
};

TEST_F(AppFoldersTest, FirstStartCreatesEveryFolder)
{
    AppFolders::Setup(App());
    EXPECT_EQ(AppFolders::AppFolder(), App());
    EXPECT_EQ(AppFolders::TempFolder(), App(u"temp/"_s));
    EXPECT_EQ(AppFolders::ImagesWorkFolder(), App(u"temp/images/"_s));
    EXPECT_EQ(AppFolders::SwfFolder(), App(u"swf/"_s));
    EXPECT_EQ(AppFolders::BackgroundSoundsFolder(), App(u"background sounds/"_s));
    EXPECT_EQ(AppFolders::MouseOverSoundsFolder(), App(u"mouseover sounds/"_s));
    for (const QString &f : {u"temp"_s, u"temp/images"_s, u"swf"_s, u"background sounds"_s, u"mouseover sounds"_s})
        EXPECT_TRUE(QFileInfo(App(f)).isDir()) << f.toStdString();
}

TEST_F(AppFoldersTest, StartUpEmptiesOnlyTheWorkingFolders)
{
    WriteFile(App(u"temp/old.xml"_s));
    WriteFile(App(u"temp/images/old.jpg"_s));
    WriteFile(App(u"temp/keep/inner.txt"_s));
    WriteFile(App(u"temp/images/deeper/inner.jpg"_s));
    WriteFile(App(u"swf/fotovia-player.js"_s));
    WriteFile(App(u"background sounds/butteryLoop1.mp3"_s));
    WriteFile(App(u"mouseover sounds/default.mp3"_s));

    AppFolders::Setup(App());

    EXPECT_FALSE(QFileInfo::exists(App(u"temp/old.xml"_s)));
    EXPECT_FALSE(QFileInfo::exists(App(u"temp/images/old.jpg"_s)));
    for (const QString &kept : {u"temp/keep/inner.txt"_s, u"temp/images/deeper/inner.jpg"_s,
                                u"swf/fotovia-player.js"_s, u"background sounds/butteryLoop1.mp3"_s,
                                u"mouseover sounds/default.mp3"_s})
        EXPECT_TRUE(QFileInfo::exists(App(kept))) << kept.toStdString();
}

TEST_F(AppFoldersTest, LibraryFoldersInAnotherLetterCaseAreUsedAsTheyAre)
{
    WriteFile(App(u"Background Sounds/butteryLoop1.mp3"_s));
    WriteFile(App(u"MouseOver Sounds/default.mp3"_s));
    AppFolders::Setup(App());
    EXPECT_EQ(AppFolders::BackgroundSoundsFolder(), App(u"Background Sounds/"_s));
    EXPECT_EQ(AppFolders::MouseOverSoundsFolder(), App(u"MouseOver Sounds/"_s));
    EXPECT_FALSE(QFileInfo::exists(App(u"background sounds"_s)));
    EXPECT_EQ(AppFolders::AppFile(u"mouseover sounds/DEFAULT.mp3"_s), App(u"MouseOver Sounds/default.mp3"_s));
}

TEST_F(AppFoldersTest, AFolderThatCannotBeCreatedStopsStartUpNamingIt)
{
    WriteFile(App(u"swf"_s), "a file where the folder belongs");
    try {
        AppFolders::Setup(App());
        FAIL() << "start-up went on without its swf folder";
    } catch (const InOutError &e) {
        EXPECT_TRUE(e.message().contains(App(u"swf"_s))) << e.message().toStdString();
    }
}

TEST_F(AppFoldersTest, MissingApplicationFolderIsReported)
{
    EXPECT_THROW(AppFolders::Setup(App(u"does/not/exist/"_s)), InOutError);
}

TEST_F(AppFoldersTest, AnInstalledProgramWorksInTheUsersOwnFolder)
{
    for (const QString &f : {u"share/fotovia/swf"_s, u"share/fotovia/background sounds"_s, u"share/fotovia/mouseover sounds"_s})
        QDir().mkpath(App(f));
    WriteFile(App(u"share/fotovia/tips.txt"_s), "A tip");
    qputenv("XDG_DATA_HOME", App(u"home"_s).toUtf8());
    AppFolders::Setup(App(u"share/fotovia/"_s));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(AppFolders::TempFolder(), App(u"home/fotovia/temp/"_s));
    EXPECT_TRUE(QFileInfo(App(u"home/fotovia/temp/images"_s)).isDir());
    EXPECT_EQ(AppFolders::SwfFolder(), App(u"share/fotovia/swf/"_s));
    EXPECT_FALSE(QFileInfo::exists(App(u"share/fotovia/temp"_s)));
}
