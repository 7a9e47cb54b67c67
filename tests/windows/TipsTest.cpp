#include "WindowTestSupport.h"

#include "support/TestSupport.h"
#include "app/AppFolders.h"
#include "tips/TipsFile.h"
#include "tips/TwinTips.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <set>

using namespace Qt::StringLiterals;

namespace {

class TipsTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_menuItem.setCheckable(true);
        m_menuItem.setChecked(true);
    }
    QAction m_menuItem{u"Show Tips on Startup"_s};
};

TEST(TipsFileTest, EveryLineIsATipButTheFinalLineBreakStartsNone)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir.path() + u"/tips.txt"_s, "one\r\n\r\nthree\n");
    EXPECT_EQ(TipsFile::ReadTips(path), QStringList({u"one"_s, QString(), u"three"_s}));
    EXPECT_EQ(TipsFile::ReadTips(WriteFile(dir.path() + u"/b.txt"_s, "no break at the end")),
              QStringList{u"no break at the end"_s});
    EXPECT_TRUE(TipsFile::ReadTips(WriteFile(dir.path() + u"/c.txt"_s, "")).isEmpty());
    EXPECT_TRUE(TipsFile::ReadTips(dir.path() + u"/missing.txt"_s).isEmpty());
}

TEST(TipsFileTest, PagingCyclesAllButTheLastForwardAndReachesItBackward)
{
    struct Row { int index; int count; int next; int previous; };
    const Row rows[] = {{0, 1, 0, 0}, {0, 3, 1, 2}, {1, 3, 0, 0}, {2, 3, 0, 1}, {0, 2, 0, 1}};
    for (const Row &r : rows) {
        EXPECT_EQ(TipsFile::NextIndex(r.index, r.count), r.next) << r.index << "/" << r.count;
        EXPECT_EQ(TipsFile::PreviousIndex(r.index, r.count), r.previous) << r.index << "/" << r.count;
    }
    std::set<int> first;
    for (int i = 0; i < 200; ++i)
        first.insert(TipsFile::FirstIndex(3));
    EXPECT_EQ(first, (std::set<int>{0, 1}));
    EXPECT_EQ(TipsFile::FirstIndex(1), 0);
}

TEST_F(TipsTest, NoTipsFileShowsNothingAndUnchecksTheMenu)
{
    EXPECT_EQ(TwinTips::showStartupTip(&m_menuItem, nullptr), nullptr);
    EXPECT_FALSE(m_menuItem.isChecked());
}

TEST_F(TipsTest, EmptyTipsFileShowsNothingButKeepsTheCheckMark)
{
    WriteFile(AppPath(u"tips.txt"_s), "");
    EXPECT_EQ(TwinTips::showStartupTip(&m_menuItem, nullptr), nullptr);
    EXPECT_TRUE(m_menuItem.isChecked());
}

TEST_F(TipsTest, ThreeTipsPageWithNextAndPrevious)
{
    WriteFile(AppPath(u"TIPS.TXT"_s), "line 1\nline 2\nline 3\n");
    QPointer<TwinTips> tips = TwinTips::showStartupTip(&m_menuItem, nullptr);
    ASSERT_NE(tips, nullptr);
    EXPECT_TRUE(tips->isVisible());
    EXPECT_EQ(tips->windowTitle(), u"Quick Tips"_s);
    EXPECT_TRUE(tips->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(tips->CloseButton()->isDefault());
    EXPECT_LT(tips->TipIndex(), 2);
    EXPECT_EQ(tips->TipLabel()->text(), tips->CurrentTip());

    tips->ShowTip(1);
    QTest::mouseClick(tips->NextButton(), Qt::LeftButton);
    EXPECT_EQ(tips->TipLabel()->text(), u"line 1"_s);
    QTest::mouseClick(tips->PreviousButton(), Qt::LeftButton);
    EXPECT_EQ(tips->TipLabel()->text(), u"line 3"_s);

    QTest::mouseClick(tips->CloseButton(), Qt::LeftButton);
    QTRY_VERIFY(tips.isNull()); // destroyed on close
    EXPECT_TRUE(QFileInfo::exists(AppPath(u"TIPS.TXT"_s))) << "still checked: the file keeps its name";
}

TEST_F(TipsTest, OneTipStaysOnNextAndPrevious)
{
    WriteFile(AppPath(u"tips.txt"_s), "only\n");
    TwinTips *tips = TwinTips::showStartupTip(&m_menuItem, nullptr);
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(tips->CurrentTip(), u"only"_s);
    tips->Next();
    EXPECT_EQ(tips->CurrentTip(), u"only"_s);
    tips->Previous();
    EXPECT_EQ(tips->CurrentTip(), u"only"_s);
    delete tips;
}

TEST_F(TipsTest, UncheckingAndClosingParksTheTipsFile)
{
    WriteFile(AppPath(u"tips.txt"_s), "a\nb\n");
    QPointer<TwinTips> tips = TwinTips::showStartupTip(&m_menuItem, nullptr);
    ASSERT_NE(tips, nullptr);
    QTest::mouseClick(tips->ShowTipsBox(), Qt::LeftButton);
    EXPECT_FALSE(tips->ShowTipsBox()->isChecked());
    EXPECT_FALSE(m_menuItem.isChecked());
    tips->close(); // the close box
    QTRY_VERIFY(tips.isNull());
    EXPECT_FALSE(QFileInfo::exists(AppPath(u"tips.txt"_s)));
    EXPECT_TRUE(QFileInfo::exists(AppPath(u"tips2.txt"_s)));

    // The next start shows no tip and the menu item unchecked.
    m_menuItem.setChecked(true);
    EXPECT_EQ(TwinTips::showStartupTip(&m_menuItem, nullptr), nullptr);
    EXPECT_FALSE(m_menuItem.isChecked());
}

// An installed program cannot rename files in its shared data folder: the switch works on the
// user's own copy, and the shipped file stays as it is.
TEST(TipsFileTest, AnInstalledProgramKeepsTheSwitchInTheUsersOwnFolder)
{
    QTemporaryDir dir;
    const QString app = dir.path() + u"/usr/share/fotovia/"_s;
    WriteFile(app + u"tips.txt"_s, "a\nb\n");
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + u"/data"_s));
    const QString own = dir.path() + u"/data/fotovia/"_s;

    EXPECT_EQ(TipsFile::Folder(app), own);
    EXPECT_EQ(TipsFile::ReadTips(TipsFile::FindActive(TipsFile::Folder(app))), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_TRUE(TipsFile::Park(TipsFile::Folder(app)));
    EXPECT_TRUE(TipsFile::FindActive(TipsFile::Folder(app)).isEmpty()); // parked stays parked
    EXPECT_TRUE(QFileInfo::exists(own + u"tips2.txt"_s));
    EXPECT_TRUE(QFileInfo::exists(app + u"tips.txt"_s));
    EXPECT_TRUE(TipsFile::Activate(TipsFile::Folder(app)));
    EXPECT_FALSE(TipsFile::FindActive(TipsFile::Folder(app)).isEmpty());

    // A build tree's own folder is the tips folder itself.
    const QString tree = dir.path() + u"/build/app/"_s;
    WriteFile(tree + u"tips.txt"_s, "c\n");
    EXPECT_EQ(TipsFile::Folder(tree), tree);
    if (oldDataHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldDataHome);
}

TEST_F(TipsTest, ParkingFailsQuietlyWhenTheParkedNameIsTaken)
{
    WriteFile(AppPath(u"tips.txt"_s), "a\nb\n");
    WriteFile(AppPath(u"tips2.txt"_s), "old\n");
    QPointer<TwinTips> tips = TwinTips::showStartupTip(&m_menuItem, nullptr);
    ASSERT_NE(tips, nullptr);
    tips->ShowTipsBox()->click();
    QTest::keyClick(tips, Qt::Key_Escape);
    QTRY_VERIFY(tips.isNull());
    EXPECT_TRUE(QFileInfo::exists(AppPath(u"tips.txt"_s)));
}

} // namespace
