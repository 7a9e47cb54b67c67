#include "WindowTestSupport.h"

#include "support/TestSupport.h"
#include "albums/FThummnailCatagory.h"
#include "app/AppFolders.h"
#include "app/AppState.h"
#include "app/ArrowKeyHandler.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/SettingsStore.h"
#include "app/ProjectLinks.h"
#include "app/TwMain.h"
#include "app/TwinAbout.h"
#include "app/Utils.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "components/GalleryCanvas.h"
#include "panels/TComponentPanel.h"
#include "panels/TGalleryPanel.h"
#include "panels/TThumbnailPanel.h"
#include "publish/JDServerData.h"
#include "publish/ServerProfiles.h"
#include "publish/TwinReqFiles.h"
#include "publish/TwinServers.h"
#include "tips/TwinTips.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString SaveQuestion = u"Save changes to your file?"_s;

class MainWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        if (HasFatalFailure())
            return;
        // The default sounds, so that galleries get real working copies.
        WriteFile(AppPath(u"mouseover sounds/default.mp3"_s), "click");
        WriteFile(AppPath(u"background sounds/butteryLoop1.mp3"_s), "loop");
        m_window = std::make_unique<TwMain>();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void TearDown() override
    {
        // No question on the way out.
        if (FflashMovie *gallery = AppState::CurrentGallery)
            gallery->SetModified(false);
        m_window.reset();
        WindowTest::TearDown();
    }

    FflashMovie *Gallery() const { return m_window->Gallery(); }

    // A change the user made, so that discarding the gallery asks first.
    void Touch()
    {
        Gallery()->SetFillColor(Colors::Red);
        ASSERT_TRUE(Gallery()->Modified());
    }

    bool Activate()
    {
        m_window->activateWindow();
        return QTest::qWaitForWindowActive(m_window.get());
    }

    std::unique_ptr<TwMain> m_window;
};

TEST_F(MainWindowTest, FirstShowBuildsTheNewGalleryOnTheCanvas)
{
    ASSERT_NE(Gallery(), nullptr);
    EXPECT_EQ(AppState::CurrentGallery, Gallery());
    EXPECT_FALSE(Gallery()->Modified());
    EXPECT_FALSE(AppState::UpdatingPanels);
    EXPECT_EQ(m_window->windowTitle(), u"Fotovia"_s);
    EXPECT_EQ(m_window->Canvas()->Gallery(), Gallery());
    EXPECT_EQ(m_window->Canvas()->size(), QSize(500, 462));
    EXPECT_EQ(Gallery()->ThumbnailStrip()->Albums().size(), 1);
    EXPECT_EQ(Gallery()->ImageDisplay()->Bounds(), QRect(10, 10, 480, 360));
    EXPECT_EQ(m_window->PageControl()->currentIndex(), 0);
    EXPECT_EQ(m_window->PageControl()->tabText(0), u"Gallery Settings"_s);
    EXPECT_EQ(m_window->PageControl()->tabText(1), u"Layout"_s);
    EXPECT_EQ(m_window->MainPanel()->Gallery(), Gallery());
    EXPECT_GE(m_window->minimumWidth(), 618);
    EXPECT_GE(m_window->minimumHeight(), 500);
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_F(MainWindowTest, ActionsCarryTheirCaptionsHintsAndShortcuts)
{
    struct Row { QAction *action; QString caption; QString hint; QString shortcut; };
    const Row rows[] = {
        {m_window->ActionNew(), u"&New"_s, u"New"_s, u"Ctrl+N"_s},
        {m_window->ActionOpen(), u"&Open"_s, u"Open a File"_s, u"Ctrl+O"_s},
        {m_window->ActionSaveAs(), u"&Save"_s, u"Save"_s, u"Ctrl+S"_s},
        {m_window->ActionPublish(), u"&Upload"_s, u"Upload to your Website"_s, u"Ctrl+U"_s},
        {m_window->ActionPreview(), u"&Preview"_s, u"Preview Flash"_s, u"Ctrl+P"_s},
        {m_window->ActionHelp(), u"&Help"_s, u"Display the Help File"_s, u"F1"_s},
        {m_window->ActionGetHTML(), u"Get Co&de"_s, u"Get the HTML code"_s, u"Ctrl+D"_s},
        {m_window->ActionAlbums(), u"Create/Edit Album"_s, u"Create and Edit your Photo Albums"_s, QString()},
        {m_window->ActionExit(), u"Exit"_s, QString(), QString()},
        {m_window->ActionShowReqFiles(), u"Required Files"_s, QString(), QString()},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(row.action->text(), row.caption);
        if (!row.hint.isEmpty()) {
            EXPECT_EQ(row.action->toolTip(), row.hint) << row.caption.toStdString();
        }
        EXPECT_EQ(row.action->shortcut().toString(), row.shortcut) << row.caption.toStdString();
    }

    QStringList toolbar;
    for (QAction *action : m_window->ToolBar()->actions())
        toolbar << (action->isSeparator() ? u"|"_s : action->iconText());
    EXPECT_EQ(toolbar.join(u','), u"New,Open,Save,|,Create/Edit Album,|,Preview,Upload"_s);
    EXPECT_EQ(m_window->ToolBar()->iconSize(), QSize(48, 48));

    QStringList menus;
    for (QAction *menu : m_window->menuBar()->actions()) {
        QStringList items;
        for (QAction *item : menu->menu()->actions())
            items << (item->isSeparator() ? u"-"_s : item->text());
        menus << menu->text() + u": "_s + items.join(u',');
    }
    EXPECT_EQ(menus, QStringList({u"&File: &New,&Open,&Save,-,Exit"_s,
                                  u"&Help: &Help,Online Help,Contact Us,-,Show Tips on Startup,-,About"_s}));
    EXPECT_TRUE(m_window->ShowTipsonStartup1()->isCheckable());
}

TEST_F(MainWindowTest, NewOnAnUntouchedGalleryAsksNothing)
{
    QPointer<FflashMovie> before = Gallery();
    m_window->ActionNew()->trigger();
    EXPECT_TRUE(before.isNull()) << "the old gallery is freed";
    ASSERT_NE(Gallery(), nullptr);
    EXPECT_FALSE(Gallery()->Modified());
    EXPECT_FALSE(MessageBox::ShownTexts().contains(SaveQuestion));
    EXPECT_EQ(m_window->Canvas()->Gallery(), Gallery());
    // The second gallery of the run gets fresh working names for the default sounds.
    EXPECT_EQ(Gallery()->MouseOverSoundName(), u"default(2).mp3"_s);
}

// The save question in all its answers, for every command that discards the gallery.
enum class Command { New, Open, Close, Exit };
enum class Answer { No, Cancel, YesChooserCancelled, YesSaved, YesSaveFails };

struct QueryCase
{
    Command command;
    Answer answer;
    bool goesOn;
};

std::ostream &operator<<(std::ostream &out, const QueryCase &c)
{
    static const char *commands[] = {"New", "Open", "Close", "Exit"};
    static const char *answers[] = {"No", "Cancel", "YesChooserCancelled", "YesSaved", "YesSaveFails"};
    return out << commands[int(c.command)] << "/" << answers[int(c.answer)];
}

class SaveQueryTest : public MainWindowTest, public ::testing::WithParamInterface<QueryCase>
{
};

TEST_P(SaveQueryTest, AnswerDecidesWhetherTheCommandGoesOn)
{
    const QueryCase c = GetParam();
    Touch();
    QPointer<FflashMovie> before = Gallery();
    const QString savePath = TempPath(u"saved/mine.xml"_s);
    QDir().mkpath(TempPath(u"saved"_s));

    switch (c.answer) {
    case Answer::No:
        MessageBox::SetNextAnswer(QMessageBox::No);
        break;
    case Answer::Cancel:
        MessageBox::SetNextAnswer(QMessageBox::Cancel);
        break;
    case Answer::YesChooserCancelled:
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        FileDialog::SetNextCancel();
        break;
    case Answer::YesSaved:
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        FileDialog::SetNextFileName(savePath);
        break;
    case Answer::YesSaveFails:
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        FileDialog::SetNextFileName(TempPath(u"missing/folder/mine.xml"_s));
        break;
    }
    if (c.command == Command::Open)
        FileDialog::SetNextFileName(TestDataPath(u"new-gallery.xml"_s));

    switch (c.command) {
    case Command::New: m_window->ActionNew()->trigger(); break;
    case Command::Open: m_window->ActionOpen()->trigger(); break;
    case Command::Close: m_window->close(); break;
    case Command::Exit: m_window->ActionExit()->trigger(); break;
    }

    EXPECT_EQ(MessageBox::ShownTexts().count(SaveQuestion), 1);
    EXPECT_EQ(QFileInfo::exists(savePath), c.answer == Answer::YesSaved);
    if (c.command == Command::Close || c.command == Command::Exit) {
        EXPECT_EQ(m_window->isVisible(), !c.goesOn);
        EXPECT_EQ(Gallery() == nullptr, c.goesOn);
    } else {
        EXPECT_EQ(before.isNull(), c.goesOn);
        EXPECT_NE(Gallery(), nullptr);
    }
    if (!c.goesOn) {
        EXPECT_EQ(Gallery(), before.data());
        EXPECT_TRUE(Gallery()->Modified()) << "the changes are still there";
    }
    if (c.command == Command::Open && c.goesOn) {
        EXPECT_EQ(Gallery()->BaseName(), u"new-gallery"_s);
    }
}

INSTANTIATE_TEST_SUITE_P(AllCommands, SaveQueryTest, ::testing::Values(
    QueryCase{Command::New, Answer::No, true},
    QueryCase{Command::New, Answer::Cancel, false},
    QueryCase{Command::New, Answer::YesChooserCancelled, false},
    QueryCase{Command::New, Answer::YesSaved, true},
    QueryCase{Command::New, Answer::YesSaveFails, false},
    QueryCase{Command::Open, Answer::No, true},
    QueryCase{Command::Open, Answer::Cancel, false},
    QueryCase{Command::Open, Answer::YesChooserCancelled, false},
    QueryCase{Command::Open, Answer::YesSaved, true},
    QueryCase{Command::Close, Answer::No, true},
    QueryCase{Command::Close, Answer::Cancel, false},
    QueryCase{Command::Close, Answer::YesChooserCancelled, false},
    QueryCase{Command::Close, Answer::YesSaved, true},
    QueryCase{Command::Exit, Answer::No, true},
    QueryCase{Command::Exit, Answer::Cancel, false},
    QueryCase{Command::Exit, Answer::YesChooserCancelled, false},
    QueryCase{Command::Exit, Answer::YesSaved, true}));

TEST_F(MainWindowTest, ExitAndCloseWithoutChangesAskNothing)
{
    m_window->ActionExit()->trigger();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_EQ(AppState::CurrentGallery, nullptr);
}

TEST_F(MainWindowTest, SaveProposesMyAlbumAndThenTheGallerysOwnFile)
{
    // A save cancelled in its chooser writes nothing and keeps the changes.
    Touch();
    FileDialog::SetNextCancel();
    m_window->ActionSaveAs()->trigger();
    EXPECT_TRUE(FileDialog::LastStartPath().endsWith(u"/myalbum.xml"_s)) << FileDialog::LastStartPath().toStdString();
    EXPECT_TRUE(Gallery()->Modified());

    const QString path = TempPath(u"out/gallery.xml"_s);
    QDir().mkpath(TempPath(u"out"_s));
    FileDialog::SetNextFileName(path);
    m_window->ActionSaveAs()->trigger();
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(QFileInfo::exists(TempPath(u"out/gallery.html"_s)));
    EXPECT_FALSE(Gallery()->Modified());
    EXPECT_EQ(Gallery()->BaseName(), u"gallery"_s);

    FileDialog::SetNextCancel();
    m_window->ActionSaveAs()->trigger();
    EXPECT_EQ(QFileInfo(FileDialog::LastStartPath()).absoluteFilePath(), QFileInfo(path).absoluteFilePath());

    // A new gallery's chooser starts in the folder of the last save.
    m_window->ActionNew()->trigger();
    FileDialog::SetNextCancel();
    m_window->ActionSaveAs()->trigger();
    EXPECT_EQ(QFileInfo(FileDialog::LastStartPath()).absoluteFilePath(), QFileInfo(TempPath(u"out/myalbum.xml"_s)).absoluteFilePath());
}

TEST_F(MainWindowTest, SavesAndRequiredFilesShowTheFilesToUpload)
{
    // Never saved: "Required Files" saves first; the save's own showing is the only one.
    FileDialog::SetNextFileName(TempPath(u"site.xml"_s));
    m_window->ActionShowReqFiles()->trigger();
    EXPECT_EQ(m_filesWindow.shown, 1);
    TwinReqFiles *files = m_window->FilesWindow();
    ASSERT_NE(files, nullptr);
    EXPECT_TRUE(files->txtHtml->toPlainText().contains(u"site.swf"_s)) << files->txtHtml->toPlainText().toStdString();
    ASSERT_GT(files->lbFiles->count(), 2);
    EXPECT_EQ(files->lbFiles->item(files->lbFiles->count() - 1)->text(), u"And All Files in the \"Images\" folder"_s);

    m_window->ActionShowReqFiles()->trigger();
    EXPECT_EQ(m_filesWindow.shown, 2);
    Touch();
    FileDialog::SetNextFileName(TempPath(u"site.xml"_s));
    m_window->ActionSaveAs()->trigger();
    EXPECT_FALSE(Gallery()->Modified());
    EXPECT_EQ(m_filesWindow.shown, 3);
}

TEST_F(MainWindowTest, UploadOpensMySitesOnlyForASavedUnchangedGallery)
{
    ServerProfiles stored;
    stored.addProfile(JDServerData::MakeNew(u"Home"_s, u"ftp.example.org"_s, u"me"_s, u"pw"_s, {}, false, true));
    ASSERT_TRUE(stored.saveProfiles());

    Touch();
    FileDialog::SetNextCancel();
    m_window->ActionPublish()->trigger();
    EXPECT_FALSE(TwinServers::Instance(m_window.get())->isVisible());

    FileDialog::SetNextFileName(TempPath(u"up.xml"_s));
    m_window->ActionPublish()->trigger();
    TwinServers *servers = TwinServers::Instance(m_window.get());
    EXPECT_TRUE(servers->isVisible());
    EXPECT_EQ(servers->tvServers->topLevelItemCount(), 1);
    EXPECT_TRUE(Gallery()->UploadFiles.contains(u"up.xml"_s));
    servers->hide();
}

TEST_F(MainWindowTest, SaveThatFailsIsReportedAndKeepsTheChanges)
{
    Touch();
    FileDialog::SetNextFileName(TempPath(u"no/such/folder/g.xml"_s));
    m_window->ActionSaveAs()->trigger();
    EXPECT_TRUE(Gallery()->Modified());
    EXPECT_EQ(MessageBox::ShownTexts().size(), 1);
}

TEST_F(MainWindowTest, OpenStartsInDocumentsThenInTheFolderOfTheLastFile)
{
    FileDialog::SetNextCancel();
    m_window->ActionOpen()->trigger();
    EXPECT_EQ(IncludeTrailingSlash(FileDialog::LastStartPath()), MyDocumentsFolder());

    FileDialog::SetNextFileName(TestDataPath(u"new-gallery.xml"_s));
    m_window->ActionOpen()->trigger();
    FileDialog::SetNextCancel();
    m_window->ActionOpen()->trigger();
    EXPECT_EQ(QDir::cleanPath(FileDialog::LastStartPath()), QDir::cleanPath(TestDataPath(QString())));
}

TEST_F(MainWindowTest, OpenEmptiesTheWorkingFoldersOnlyWhenAFileIsChosen)
{
    const QString stale = WriteFile(AppFolders::ImagesWorkFolder() + u"stale.jpg"_s);
    FileDialog::SetNextCancel();
    m_window->ActionOpen()->trigger();
    EXPECT_TRUE(QFileInfo::exists(stale)) << "a cancelled Open keeps the open gallery's files";

    FileDialog::SetNextFileName(TestDataPath(u"new-gallery.xml"_s));
    m_window->ActionOpen()->trigger();
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_FALSE(Gallery()->Modified());
    EXPECT_EQ(Gallery()->ThumbnailStrip()->Albums().size(), 1);
    EXPECT_EQ(m_window->PageControl()->currentIndex(), 0);
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    // The fresh working folder gives the sounds their plain names again.
    EXPECT_EQ(Gallery()->MouseOverSoundName(), u"default.mp3"_s);
}

TEST_F(MainWindowTest, OpenOfAFileThatIsNoGallerySaysSo)
{
    const QString path = WriteFile(TempPath(u"other.xml"_s), "<?xml version=\"1.0\"?><something/>");
    FileDialog::SetNextFileName(path);
    m_window->ActionOpen()->trigger();
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{u"This file cannot be opened in Fotovia!"_s});
    ASSERT_NE(Gallery(), nullptr);
    EXPECT_FALSE(Gallery()->Modified());
    EXPECT_EQ(Gallery()->BaseName(), u"other"_s);

    // A malformed file: the same message, then the parser's.
    MessageBox::ClearHistory();
    FileDialog::SetNextFileName(WriteFile(TempPath(u"broken.xml"_s), "<pelliconimagegallery><imagegallery"));
    m_window->ActionOpen()->trigger();
    ASSERT_EQ(MessageBox::ShownTexts().size(), 2);
    EXPECT_EQ(MessageBox::ShownTexts().first(), u"This file cannot be opened in Fotovia!"_s);
}

TEST_F(MainWindowTest, OpenNamesThePhotosThatCannotBeReadInOneMessage)
{
    WriteFile(TempPath(u"site/images/a.jpg"_s), "spoilt");
    WriteFile(TempPath(u"site/images/b.jpg"_s), "spoilt too");
    const QString path = WriteFile(TempPath(u"site/g.xml"_s),
        "<?xml version=\"1.0\"?><pelliconimagegallery><imagegallery><thumbnailer myname=\"thumbs1\" "
        "bigimage1=\"images/a.jpg\" bigimage2=\"images/b.jpg\"/></imagegallery></pelliconimagegallery>");
    FileDialog::SetNextFileName(path);
    m_window->ActionOpen()->trigger();
    ASSERT_EQ(MessageBox::ShownTexts().size(), 1);
    const QString text = MessageBox::ShownTexts().first();
    EXPECT_TRUE(text.startsWith(u"These 2 photos could not be read as pictures."_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(QFileInfo(TempPath(u"site/images/b.jpg"_s)).absoluteFilePath())) << text.toStdString();
    EXPECT_EQ(Gallery()->ThumbnailStrip()->Albums().first()->images().size(), 2);
}

TEST_F(MainWindowTest, ResizingTheWindowKeepsTheGalleryCentred)
{
    QScrollArea *box = m_window->MoviePanel();
    GalleryCanvas *canvas = m_window->Canvas();
    m_window->resize(1400, 1000);
    QTRY_VERIFY(box->viewport()->width() > 500 && box->viewport()->height() > 462);
    QCoreApplication::processEvents();
    const QSize view = box->viewport()->size();
    EXPECT_EQ(canvas->pos(), QPoint((view.width() - 500) / 2, (view.height() - 462) / 2));

    // Larger than the box: top left corner, and the box scrolls.
    Gallery()->SetBounds(0, 0, 1000, 1200);
    QCoreApplication::processEvents();
    EXPECT_EQ(canvas->size(), QSize(1000, 1200));
    EXPECT_EQ(canvas->pos(), QPoint(0, 0));
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowTest, SelectionSwitchesPanelsAndTabs)
{
    QTabWidget *tabs = m_window->PageControl();
    struct Row { FflashObjectBaseClass *object; int tab; bool basePanel; bool thumbnailPanel; };
    const Row rows[] = {
        {Gallery()->ThumbnailStrip(), 1, true, true},
        {Gallery()->PlayButton(), 1, true, false},
        {Gallery()->ImageDisplay(), 1, true, false},
        {Gallery(), 0, false, false},
        {Gallery()->SoundsButton(), 1, true, false},
        {nullptr, 0, false, false},
    };
    for (const Row &row : rows) {
        Gallery()->Select(row.object, true);
        EXPECT_EQ(tabs->currentIndex(), row.tab);
        EXPECT_EQ(!m_window->BasePanel()->isHidden(), row.basePanel);
        EXPECT_EQ(!m_window->ThumbnailPanel()->isHidden(), row.thumbnailPanel);
    }
    // The Layout tab with nothing selected shows the strip.
    tabs->setCurrentIndex(1);
    EXPECT_EQ(Gallery()->SelectedObject(), Gallery()->ThumbnailStrip());
    EXPECT_FALSE(m_window->ThumbnailPanel()->isHidden());
    EXPECT_FALSE(Gallery()->Modified());
}

TEST_F(MainWindowTest, ImageDisplayGoesBehindTheOthersAfterItsSizeChanged)
{
    FflashImageDisplay *display = Gallery()->ImageDisplay();
    Gallery()->SendToBack(Gallery()->PlayButton());
    ASSERT_NE(Gallery()->ZOrder().first(), display);
    EXPECT_FALSE(m_window->Timer1()->isActive());
    display->SetLeft(20); // moving alone starts nothing
    EXPECT_FALSE(m_window->Timer1()->isActive());
    Gallery()->SendToBack(Gallery()->PlayButton());

    display->SetWidth(400);
    EXPECT_TRUE(m_window->Timer1()->isActive());
    EXPECT_EQ(m_window->Timer1()->interval(), 1000);
    EXPECT_TRUE(m_window->Timer1()->isSingleShot());
    Gallery()->SendToBack(Gallery()->PlayButton());
    QMetaObject::invokeMethod(m_window->Timer1(), "timeout"); // as if the second had passed
    EXPECT_EQ(Gallery()->ZOrder().first(), display);
    EXPECT_FALSE(m_window->Timer1()->isActive());
}

TEST_F(MainWindowTest, TipsSwitchRenamesTheTipsFile)
{
    QAction *item = m_window->ShowTipsonStartup1();
    // Neither file: only the check mark changes.
    item->setChecked(true);
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(item->isChecked());

    WriteFile(AppPath(u"tips.txt"_s), "One tip\n");
    item->trigger();
    EXPECT_FALSE(QFileInfo::exists(AppPath(u"tips.txt"_s)));
    EXPECT_TRUE(QFileInfo::exists(AppPath(u"tips2.txt"_s)));
    item->trigger();
    EXPECT_TRUE(QFileInfo::exists(AppPath(u"tips.txt"_s)));
    EXPECT_FALSE(QFileInfo::exists(AppPath(u"tips2.txt"_s)));

    // With both files there, the rename fails quietly and the tips keep showing.
    WriteFile(AppPath(u"tips2.txt"_s), "Old\n");
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(QFileInfo::exists(AppPath(u"tips.txt"_s)));
}

TEST_F(MainWindowTest, HelpCommandsOpenTheHelpPageAndTheWebPages)
{
    WriteFile(AppPath(u"help.html"_s), "<html></html>");
    m_window->ActionHelp()->trigger();
    m_window->ActionOnlineHelp()->trigger();
    m_window->ActionContactUs()->trigger();
    ASSERT_EQ(m_opened->urls.size(), 3);
    EXPECT_EQ(QFileInfo(m_opened->urls[0].toLocalFile()).canonicalFilePath(),
              QFileInfo(AppPath(u"help.html"_s)).canonicalFilePath());
    EXPECT_EQ(m_opened->urls[1].scheme(), u"https"_s);
    EXPECT_EQ(m_opened->urls[2].scheme(), u"https"_s);
}

TEST_F(MainWindowTest, WindowPositionIsKeptForTheNextRun)
{
    m_window->move(123, 77);
    QCoreApplication::processEvents();
    const QPoint where = m_window->pos();
    m_window->close();
    SettingsStore store;
    EXPECT_EQ(store.ReadInt(TwMain::WindowKey(), u"Left"_s, -1), where.x());
    EXPECT_EQ(store.ReadInt(TwMain::WindowKey(), u"Top"_s, -1), where.y());

    TwMain next;
    EXPECT_EQ(next.pos(), where);
}

TEST_F(MainWindowTest, ArrowKeysNudgeTheSelectedComponentOnlyWhenItHasTheFocus)
{
    ASSERT_TRUE(Activate());
    FflashButtonClass *button = Gallery()->PlayButton();
    const QPoint start = button->Bounds().topLeft();

    // Nothing selected: nothing moves.
    QTest::keyClick(m_window.get(), Qt::Key_Left);
    EXPECT_EQ(button->Bounds().topLeft(), start);

    Gallery()->Select(button, true);
    ASSERT_EQ(QApplication::focusWidget(), m_window->Canvas());
    struct Step { Qt::Key key; QPoint moved; };
    const Step steps[] = {{Qt::Key_Left, {-1, 0}}, {Qt::Key_Up, {-1, -1}}, {Qt::Key_Right, {0, -1}},
                          {Qt::Key_Down, {0, 0}}, {Qt::Key_Down, {0, 1}}};
    for (const Step &step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        EXPECT_EQ(button->Bounds().topLeft(), start + step.moved);
    }
    const QPoint settled = button->Bounds().topLeft();

    // A text box of the main window has the focus: the key is the text box's.
    QSpinBox *width = m_window->MainPanel()->WidthEdit();
    m_window->PageControl()->setCurrentIndex(0);
    width->setFocus();
    ASSERT_TRUE(width->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(button->Bounds().topLeft(), settled);

    // The gallery itself has the focus: it does not move, neither does the old selection.
    Gallery()->Select(Gallery(), true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(button->Bounds().topLeft(), settled);
    EXPECT_EQ(Gallery()->Bounds().topLeft(), QPoint(0, 0));

    // While the Photo Albums window is visible it takes the arrow keys.
    Gallery()->Select(button, true);
    int albumsKeys = 0;
    m_window->KeyHandler()->SetAlbumsWindowHandler([&albumsKeys](int) { ++albumsKeys; return true; });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(button->Bounds().topLeft(), settled);
    EXPECT_EQ(albumsKeys, 1);
    m_window->KeyHandler()->SetAlbumsWindowHandler({});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(button->Bounds().topLeft(), settled + QPoint(1, 0));
}

TEST_F(MainWindowTest, ArrowKeysDoNothingWhileAnotherWindowIsActive)
{
    ASSERT_TRUE(Activate());
    FflashButtonClass *button = Gallery()->PlayButton();
    Gallery()->Select(button, true);
    const QPoint start = button->Bounds().topLeft();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(m_window->KeyHandler()->Handle(Qt::Key_Left));
    EXPECT_EQ(button->Bounds().topLeft(), start);
}

TEST_F(MainWindowTest, CommandsWithoutAGalleryDoNothing)
{
    m_window->close();
    ASSERT_EQ(Gallery(), nullptr);
    m_window->ActionSaveAs()->trigger();
    m_window->ActionPublish()->trigger();
    m_window->ActionPreview()->trigger();
    m_window->ActionShowReqFiles()->trigger();
    EXPECT_TRUE(m_window->SaveQuery());
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

class TipsAtStartTest : public WindowTest
{
};

TEST_F(TipsAtStartTest, FirstShowShowsATipOrUnchecksTheMenuItem)
{
    {
        TwMain window;
        window.show();
        EXPECT_EQ(window.TipsWindow(), nullptr);
        EXPECT_FALSE(window.ShowTipsonStartup1()->isChecked());
    }
    WriteFile(AppPath(u"tips.txt"_s), "First\nSecond\nLast\n");
    TwMain window;
    window.show();
    ASSERT_NE(window.TipsWindow(), nullptr);
    EXPECT_TRUE(window.TipsWindow()->isVisible());
    EXPECT_TRUE(window.ShowTipsonStartup1()->isChecked());
    EXPECT_NE(window.TipsWindow()->CurrentTip(), u"Last"_s);
}

} // namespace

namespace {

class AboutWindowTest : public WindowTest
{
};

TEST_F(AboutWindowTest, ShowsNameVersionAndOpensTheProjectPage)
{
    TwinAbout about;
    QStringList texts;
    for (QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(u"Fotovia"_s));
    EXPECT_TRUE(texts.contains(u"Version 3.5"_s));
    emit about.LinkLabel()->linkActivated(ProjectLinks::HomePage());
    ASSERT_EQ(m_opened->urls.size(), 1);
    EXPECT_EQ(m_opened->urls[0], QUrl(ProjectLinks::HomePage()));
}

} // namespace
