#include "WindowTestSupport.h"

#include "support/TestSupport.h"
#include "AppFolders.h"
#include "TipsFile.h"
#include "TipsDialog.h"

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
    const QString path = writeFile(dir.path() + u"/tips.txt"_s, "one\r\n\r\nthree\n");
    EXPECT_EQ(TipsFile::readTips(path), QStringList({u"one"_s, QString(), u"three"_s}));
    EXPECT_EQ(TipsFile::readTips(writeFile(dir.path() + u"/b.txt"_s, "no break at the end")),
              QStringList{u"no break at the end"_s});
    EXPECT_TRUE(TipsFile::readTips(writeFile(dir.path() + u"/c.txt"_s, "")).isEmpty());
    EXPECT_TRUE(TipsFile::readTips(dir.path() + u"/missing.txt"_s).isEmpty());
}

TEST(TipsFileTest, PagingCyclesAllButTheLastForwardAndReachesItBackward)
{
    struct Row { int index; int count; int next; int previous; };
    const Row rows[] = {{0, 1, 0, 0}, {0, 3, 1, 2}, {1, 3, 0, 0}, {2, 3, 0, 1}, {0, 2, 0, 1}};
    for (const Row &r : rows) {
        EXPECT_EQ(TipsFile::nextIndex(r.index, r.count), r.next) << r.index << "/" << r.count;
        EXPECT_EQ(TipsFile::previousIndex(r.index, r.count), r.previous) << r.index << "/" << r.count;
    }
    std::set<int> first;
    for (int i = 0; i < 200; ++i)
        first.insert(TipsFile::firstIndex(3));
    EXPECT_EQ(first, (std::set<int>{0, 1}));
    EXPECT_EQ(TipsFile::firstIndex(1), 0);
}

TEST_F(TipsTest, NoTipsFileShowsNothingAndUnchecksTheMenu)
{
    EXPECT_EQ(TipsDialog::showStartupTip(&m_menuItem, nullptr), nullptr);
    EXPECT_FALSE(m_menuItem.isChecked());
}

TEST_F(TipsTest, EmptyTipsFileShowsNothingButKeepsTheCheckMark)
{
    writeFile(appPath(u"tips.txt"_s), "");
    EXPECT_EQ(TipsDialog::showStartupTip(&m_menuItem, nullptr), nullptr);
    EXPECT_TRUE(m_menuItem.isChecked());
}

TEST_F(TipsTest, ThreeTipsPageWithNextAndPrevious)
{
    writeFile(appPath(u"TIPS.TXT"_s), "line 1\nline 2\nline 3\n");
    QPointer<TipsDialog> tips = TipsDialog::showStartupTip(&m_menuItem, nullptr);
    ASSERT_NE(tips, nullptr);
    EXPECT_TRUE(tips->isVisible());
    EXPECT_EQ(tips->windowTitle(), u"Quick Tips"_s);
    EXPECT_TRUE(tips->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(tips->closeButton()->isDefault());
    EXPECT_LT(tips->tipIndex(), 2);
    EXPECT_EQ(tips->tipLabel()->text(), tips->currentTip());

    tips->showTip(1);
    QTest::mouseClick(tips->nextButton(), Qt::LeftButton);
    EXPECT_EQ(tips->tipLabel()->text(), u"line 1"_s);
    QTest::mouseClick(tips->previousButton(), Qt::LeftButton);
    EXPECT_EQ(tips->tipLabel()->text(), u"line 3"_s);

    QTest::mouseClick(tips->closeButton(), Qt::LeftButton);
    QTRY_VERIFY(tips.isNull()); // destroyed on close
    EXPECT_TRUE(QFileInfo::exists(appPath(u"TIPS.TXT"_s))) << "still checked: the file keeps its name";
}

TEST_F(TipsTest, OneTipStaysOnNextAndPrevious)
{
    writeFile(appPath(u"tips.txt"_s), "only\n");
    TipsDialog *tips = TipsDialog::showStartupTip(&m_menuItem, nullptr);
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(tips->currentTip(), u"only"_s);
    tips->next();
    EXPECT_EQ(tips->currentTip(), u"only"_s);
    tips->previous();
    EXPECT_EQ(tips->currentTip(), u"only"_s);
    delete tips;
}

TEST_F(TipsTest, UncheckingAndClosingParksTheTipsFile)
{
    writeFile(appPath(u"tips.txt"_s), "a\nb\n");
    QPointer<TipsDialog> tips = TipsDialog::showStartupTip(&m_menuItem, nullptr);
    ASSERT_NE(tips, nullptr);
    QTest::mouseClick(tips->showTipsBox(), Qt::LeftButton);
    EXPECT_FALSE(tips->showTipsBox()->isChecked());
    EXPECT_FALSE(m_menuItem.isChecked());
    tips->close(); // the close box
    QTRY_VERIFY(tips.isNull());
    EXPECT_FALSE(QFileInfo::exists(appPath(u"tips.txt"_s)));
    EXPECT_TRUE(QFileInfo::exists(appPath(u"tips2.txt"_s)));

    // The next start shows no tip and the menu item unchecked.
    m_menuItem.setChecked(true);
    EXPECT_EQ(TipsDialog::showStartupTip(&m_menuItem, nullptr), nullptr);
    EXPECT_FALSE(m_menuItem.isChecked());
}

// An installed program cannot rename files in its shared data folder: the switch works on the
// user's own copy, and the shipped file stays as it is.
TEST(TipsFileTest, AnInstalledProgramKeepsTheSwitchInTheUsersOwnFolder)
{
    QTemporaryDir dir;
    const QString app = dir.path() + u"/usr/share/fotovia/"_s;
    writeFile(app + u"tips.txt"_s, "a\nb\n");
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + u"/data"_s));
    const QString own = dir.path() + u"/data/fotovia/"_s;

    EXPECT_EQ(TipsFile::folder(app), own);
    EXPECT_EQ(TipsFile::readTips(TipsFile::findActive(TipsFile::folder(app))), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_TRUE(TipsFile::park(TipsFile::folder(app)));
    EXPECT_TRUE(TipsFile::findActive(TipsFile::folder(app)).isEmpty()); // parked stays parked
    EXPECT_TRUE(QFileInfo::exists(own + u"tips2.txt"_s));
    EXPECT_TRUE(QFileInfo::exists(app + u"tips.txt"_s));
    EXPECT_TRUE(TipsFile::activate(TipsFile::folder(app)));
    EXPECT_FALSE(TipsFile::findActive(TipsFile::folder(app)).isEmpty());

    // A build tree's own folder is the tips folder itself.
    const QString tree = dir.path() + u"/build/app/"_s;
    writeFile(tree + u"tips.txt"_s, "c\n");
    EXPECT_EQ(TipsFile::folder(tree), tree);
    if (oldDataHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldDataHome);
}

TEST_F(TipsTest, ParkingFailsQuietlyWhenTheParkedNameIsTaken)
{
    writeFile(appPath(u"tips.txt"_s), "a\nb\n");
    writeFile(appPath(u"tips2.txt"_s), "old\n");
    QPointer<TipsDialog> tips = TipsDialog::showStartupTip(&m_menuItem, nullptr);
    ASSERT_NE(tips, nullptr);
    tips->showTipsBox()->click();
    QTest::keyClick(tips, Qt::Key_Escape);
    QTRY_VERIFY(tips.isNull());
    EXPECT_TRUE(QFileInfo::exists(appPath(u"tips.txt"_s)));
}

} // namespace
