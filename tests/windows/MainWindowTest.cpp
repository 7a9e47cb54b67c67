#include "WindowTestSupport.h"

#include "support/TestSupport.h"
#include "Album.h"
#include "AppFolders.h"
#include "NudgeKeyFilter.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "SettingsStore.h"
#include "ProjectLinks.h"
#include "MainWindow.h"
#include "AboutDialog.h"
#include "Utils.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryCanvas.h"
#include "ComponentPanel.h"
#include "GallerySettingsPanel.h"
#include "ThumbnailCellPanel.h"
#include "ServerProfile.h"
#include "ServerProfileStore.h"
#include "FilesToUploadDialog.h"
#include "MySitesDialog.h"
#include "TipsDialog.h"

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

#include <functional>
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
        writeFile(appPath(u"mouseover sounds/default.mp3"_s), "click");
        writeFile(appPath(u"background sounds/butteryLoop1.mp3"_s), "loop");
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void TearDown() override
    {
        // No question on the way out.
        if (GalleryDocument *gallery = m_window->gallery())
            gallery->setModified(false);
        m_window.reset();
        WindowTest::TearDown();
    }

    GalleryDocument *gallery() const { return m_window->gallery(); }

    // A change the user made, so that discarding the gallery asks first.
    void touch()
    {
        gallery()->setFillColor(Colors::Red);
        ASSERT_TRUE(gallery()->modified());
    }

    bool activate()
    {
        m_window->activateWindow();
        return QTest::qWaitForWindowActive(m_window.get());
    }

    std::unique_ptr<MainWindow> m_window;
};

TEST_F(MainWindowTest, FirstShowBuildsTheNewGalleryOnTheCanvas)
{
    ASSERT_NE(gallery(), nullptr);
    EXPECT_FALSE(gallery()->modified());
    EXPECT_FALSE(m_window->gallerySettingsPanel()->fillingFlag());
    EXPECT_EQ(m_window->windowTitle(), u"Fotovia"_s);
    EXPECT_EQ(m_window->canvas()->gallery(), gallery());
    EXPECT_EQ(m_window->canvas()->size(), QSize(500, 462));
    EXPECT_EQ(gallery()->thumbnailStrip()->albums().size(), 1);
    EXPECT_EQ(gallery()->imageDisplay()->bounds(), QRect(10, 10, 480, 360));
    EXPECT_EQ(m_window->panelTabs()->currentIndex(), 0);
    EXPECT_EQ(m_window->panelTabs()->tabText(0), u"Gallery Settings"_s);
    EXPECT_EQ(m_window->panelTabs()->tabText(1), u"Layout"_s);
    EXPECT_EQ(m_window->gallerySettingsPanel()->gallery(), gallery());
    EXPECT_GE(m_window->minimumWidth(), 618);
    EXPECT_GE(m_window->minimumHeight(), 500);
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
}

TEST_F(MainWindowTest, ActionsCarryTheirCaptionsHintsAndShortcuts)
{
    struct Row { QAction *action; QString caption; QString hint; QString shortcut; };
    const Row rows[] = {
        {m_window->actionNew(), u"&New"_s, u"New"_s, u"Ctrl+N"_s},
        {m_window->actionOpen(), u"&Open"_s, u"Open a File"_s, u"Ctrl+O"_s},
        {m_window->actionSaveAs(), u"&Save"_s, u"Save"_s, u"Ctrl+S"_s},
        {m_window->actionPublish(), u"&Upload"_s, u"Upload to your Website"_s, u"Ctrl+U"_s},
        {m_window->actionPreview(), u"&Preview"_s, u"Preview Flash"_s, u"Ctrl+P"_s},
        {m_window->actionHelp(), u"&Help"_s, u"Display the Help File"_s, u"F1"_s},
        {m_window->actionGetCode(), u"Get Co&de"_s, u"Get the HTML code"_s, u"Ctrl+D"_s},
        {m_window->actionAlbums(), u"Create/Edit Album"_s, u"Create and Edit your Photo Albums"_s, QString()},
        {m_window->actionExit(), u"Exit"_s, QString(), QString()},
        {m_window->actionShowReqFiles(), u"Required Files"_s, QString(), QString()},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(row.action->text(), row.caption);
        if (!row.hint.isEmpty()) {
            EXPECT_EQ(row.action->toolTip(), row.hint) << row.caption.toStdString();
        }
        EXPECT_EQ(row.action->shortcut().toString(), row.shortcut) << row.caption.toStdString();
    }

    QStringList toolbar;
    for (QAction *action : m_window->toolBar()->actions())
        toolbar << (action->isSeparator() ? u"|"_s : action->iconText());
    EXPECT_EQ(toolbar.join(u','), u"New,Open,Save,|,Create/Edit Album,|,Preview,Upload"_s);
    EXPECT_EQ(m_window->toolBar()->iconSize(), QSize(48, 48));

    QStringList menus;
    for (QAction *menu : m_window->menuBar()->actions()) {
        QStringList items;
        for (QAction *item : menu->menu()->actions())
            items << (item->isSeparator() ? u"-"_s : item->text());
        menus << menu->text() + u": "_s + items.join(u',');
    }
    EXPECT_EQ(menus, QStringList({u"&File: &New,&Open,&Save,-,Exit"_s,
                                  u"&Help: &Help,Online Help,Contact Us,-,Show Tips on Startup,-,About"_s}));
    EXPECT_TRUE(m_window->showTipsOnStartupAction()->isCheckable());
}

TEST_F(MainWindowTest, NewOnAnUntouchedGalleryAsksNothing)
{
    QPointer<GalleryDocument> before = gallery();
    m_window->actionNew()->trigger();
    EXPECT_TRUE(before.isNull()) << "the old gallery is freed";
    ASSERT_NE(gallery(), nullptr);
    EXPECT_FALSE(gallery()->modified());
    EXPECT_FALSE(MessageBox::shownTexts().contains(SaveQuestion));
    EXPECT_EQ(m_window->canvas()->gallery(), gallery());
    // The second gallery of the run gets fresh working names for the default sounds.
    EXPECT_EQ(gallery()->mouseOverSoundName(), u"default(2).mp3"_s);
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
    touch();
    QPointer<GalleryDocument> before = gallery();
    const QString savePath = tempPath(u"saved/mine.xml"_s);
    QDir().mkpath(tempPath(u"saved"_s));

    switch (c.answer) {
    case Answer::No:
        MessageBox::setNextAnswer(QMessageBox::No);
        break;
    case Answer::Cancel:
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        break;
    case Answer::YesChooserCancelled:
        MessageBox::setNextAnswer(QMessageBox::Yes);
        FileDialog::setNextCancel();
        break;
    case Answer::YesSaved:
        MessageBox::setNextAnswer(QMessageBox::Yes);
        FileDialog::setNextFileName(savePath);
        break;
    case Answer::YesSaveFails:
        MessageBox::setNextAnswer(QMessageBox::Yes);
        FileDialog::setNextFileName(tempPath(u"missing/folder/mine.xml"_s));
        break;
    }
    if (c.command == Command::Open)
        FileDialog::setNextFileName(testDataPath(u"new-gallery.xml"_s));

    switch (c.command) {
    case Command::New: m_window->actionNew()->trigger(); break;
    case Command::Open: m_window->actionOpen()->trigger(); break;
    case Command::Close: m_window->close(); break;
    case Command::Exit: m_window->actionExit()->trigger(); break;
    }

    EXPECT_EQ(MessageBox::shownTexts().count(SaveQuestion), 1);
    EXPECT_EQ(QFileInfo::exists(savePath), c.answer == Answer::YesSaved);
    if (c.command == Command::Close || c.command == Command::Exit) {
        EXPECT_EQ(m_window->isVisible(), !c.goesOn);
        EXPECT_EQ(gallery() == nullptr, c.goesOn);
    } else {
        EXPECT_EQ(before.isNull(), c.goesOn);
        EXPECT_NE(gallery(), nullptr);
    }
    if (!c.goesOn) {
        EXPECT_EQ(gallery(), before.data());
        EXPECT_TRUE(gallery()->modified()) << "the changes are still there";
    }
    if (c.command == Command::Open && c.goesOn) {
        EXPECT_EQ(gallery()->baseName(), u"new-gallery"_s);
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

// Moving or resizing a component with the mouse is a change: discarding the gallery asks first.
TEST_F(MainWindowTest, MovedOrResizedComponentMakesNewAndExitAsk)
{
    struct Gesture
    {
        const char *name;
        std::function<CanvasObject *(GalleryDocument *)> object;
        std::function<QPoint(const QRect &)> grab; // in the object's own coordinates
        QPoint by;
    };
    const Gesture gestures[] = {
        {"move the play button", [](GalleryDocument *g) { return g->playButton(); },
         [](const QRect &) { return QPoint(12, 12); }, QPoint(15, -40)},
        {"resize the image display", [](GalleryDocument *g) { return g->imageDisplay(); },
         [](const QRect &r) { return QPoint(r.width() - 2, 100); }, QPoint(-80, 0)},
        {"resize the strip", [](GalleryDocument *g) { return g->thumbnailStrip(); },
         [](const QRect &r) { return QPoint(r.width() - 2, 40); }, QPoint(30, 0)},
    };
    GalleryCanvas *canvas = m_window->canvas();
    for (const Gesture &gesture : gestures) {
        for (const Command command : {Command::New, Command::Exit}) {
            SCOPED_TRACE(std::string(gesture.name) + (command == Command::New ? " / New" : " / Exit"));
            gallery()->setModified(false);
            CanvasObject *object = gesture.object(gallery());
            ASSERT_NE(object, nullptr);
            const QRect before = object->bounds();
            const QPoint from = before.topLeft() + gesture.grab(before);
            QTest::mousePress(canvas, Qt::LeftButton, {}, from);
            QTest::mouseMove(canvas, from + gesture.by / 2);
            QTest::mouseMove(canvas, from + gesture.by);
            QTest::mouseRelease(canvas, Qt::LeftButton, {}, from + gesture.by);
            ASSERT_NE(object->bounds(), before);

            QPointer<GalleryDocument> kept = gallery();
            MessageBox::clearHistory();
            MessageBox::setNextAnswer(QMessageBox::Cancel);
            if (command == Command::New)
                m_window->actionNew()->trigger();
            else
                m_window->actionExit()->trigger();
            // The next gesture needs the window and its gallery still there.
            ASSERT_EQ(MessageBox::shownTexts().count(SaveQuestion), 1);
            ASSERT_EQ(gallery(), kept.data());
            ASSERT_TRUE(m_window->isVisible());
        }
    }
}

TEST_F(MainWindowTest, ExitAndCloseWithoutChangesAskNothing)
{
    m_window->actionExit()->trigger();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
    EXPECT_EQ(m_window->gallery(), nullptr);
}

TEST_F(MainWindowTest, SaveProposesMyAlbumAndThenTheGallerysOwnFile)
{
    // A save cancelled in its chooser writes nothing and keeps the changes.
    touch();
    FileDialog::setNextCancel();
    m_window->actionSaveAs()->trigger();
    EXPECT_TRUE(FileDialog::lastStartPath().endsWith(u"/myalbum.xml"_s)) << FileDialog::lastStartPath().toStdString();
    EXPECT_TRUE(gallery()->modified());

    const QString path = tempPath(u"out/gallery.xml"_s);
    QDir().mkpath(tempPath(u"out"_s));
    FileDialog::setNextFileName(path);
    m_window->actionSaveAs()->trigger();
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(QFileInfo::exists(tempPath(u"out/gallery.html"_s)));
    EXPECT_FALSE(gallery()->modified());
    EXPECT_EQ(gallery()->baseName(), u"gallery"_s);

    FileDialog::setNextCancel();
    m_window->actionSaveAs()->trigger();
    EXPECT_EQ(QFileInfo(FileDialog::lastStartPath()).absoluteFilePath(), QFileInfo(path).absoluteFilePath());

    // A new gallery's chooser starts in the folder of the last save.
    m_window->actionNew()->trigger();
    FileDialog::setNextCancel();
    m_window->actionSaveAs()->trigger();
    EXPECT_EQ(QFileInfo(FileDialog::lastStartPath()).absoluteFilePath(), QFileInfo(tempPath(u"out/myalbum.xml"_s)).absoluteFilePath());
}

TEST_F(MainWindowTest, SavesAndRequiredFilesShowTheFilesToUpload)
{
    // Never saved: "Required Files" saves first; the save's own showing is the only one.
    FileDialog::setNextFileName(tempPath(u"site.xml"_s));
    m_window->actionShowReqFiles()->trigger();
    EXPECT_EQ(m_filesWindow.shown, 1);
    FilesToUploadDialog *files = m_window->filesToUploadDialog();
    ASSERT_NE(files, nullptr);
    const auto *embedCode = files->findChild<QPlainTextEdit *>(u"embedCode"_s);
    const auto *fileList = files->findChild<QListWidget *>(u"fileList"_s);
    EXPECT_TRUE(embedCode->toPlainText().contains(u"site.swf"_s)) << embedCode->toPlainText().toStdString();
    ASSERT_GT(fileList->count(), 2);
    EXPECT_EQ(fileList->item(fileList->count() - 1)->text(), u"And All Files in the \"Images\" folder"_s);

    m_window->actionShowReqFiles()->trigger();
    EXPECT_EQ(m_filesWindow.shown, 2);
    touch();
    FileDialog::setNextFileName(tempPath(u"site.xml"_s));
    m_window->actionSaveAs()->trigger();
    EXPECT_FALSE(gallery()->modified());
    EXPECT_EQ(m_filesWindow.shown, 3);
}

TEST_F(MainWindowTest, UploadOpensMySitesOnlyForASavedUnchangedGallery)
{
    ServerProfileStore stored;
    stored.addProfile(ServerProfile::makeNew(u"Home"_s, u"ftp.example.org"_s, u"me"_s, u"pw"_s, {}, false, true));
    ASSERT_TRUE(stored.saveProfiles());

    touch();
    FileDialog::setNextCancel();
    m_window->actionPublish()->trigger();
    EXPECT_FALSE(m_window->mySitesDialog()->isVisible());

    FileDialog::setNextFileName(tempPath(u"up.xml"_s));
    m_window->actionPublish()->trigger();
    MySitesDialog *servers = m_window->mySitesDialog();
    EXPECT_TRUE(servers->isVisible());
    EXPECT_EQ(servers->findChild<QTreeWidget *>(u"profileTree"_s)->topLevelItemCount(), 1);
    EXPECT_TRUE(gallery()->uploadFiles().contains(u"up.xml"_s));
    servers->hide();
}

TEST_F(MainWindowTest, SaveThatFailsIsReportedAndKeepsTheChanges)
{
    touch();
    FileDialog::setNextFileName(tempPath(u"no/such/folder/g.xml"_s));
    m_window->actionSaveAs()->trigger();
    EXPECT_TRUE(gallery()->modified());
    EXPECT_EQ(MessageBox::shownTexts().size(), 1);
}

TEST_F(MainWindowTest, OpenStartsInDocumentsThenInTheFolderOfTheLastFile)
{
    FileDialog::setNextCancel();
    m_window->actionOpen()->trigger();
    EXPECT_EQ(includeTrailingSlash(FileDialog::lastStartPath()), myDocumentsFolder());

    FileDialog::setNextFileName(testDataPath(u"new-gallery.xml"_s));
    m_window->actionOpen()->trigger();
    FileDialog::setNextCancel();
    m_window->actionOpen()->trigger();
    EXPECT_EQ(QDir::cleanPath(FileDialog::lastStartPath()), QDir::cleanPath(testDataPath(QString())));
}

TEST_F(MainWindowTest, OpenEmptiesTheWorkingFoldersOnlyWhenAFileIsChosen)
{
    const QString stale = writeFile(AppFolders::imagesWorkFolder() + u"stale.jpg"_s);
    FileDialog::setNextCancel();
    m_window->actionOpen()->trigger();
    EXPECT_TRUE(QFileInfo::exists(stale)) << "a cancelled Open keeps the open gallery's files";

    FileDialog::setNextFileName(testDataPath(u"new-gallery.xml"_s));
    m_window->actionOpen()->trigger();
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_FALSE(gallery()->modified());
    EXPECT_EQ(gallery()->thumbnailStrip()->albums().size(), 1);
    EXPECT_EQ(m_window->panelTabs()->currentIndex(), 0);
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
    // The fresh working folder gives the sounds their plain names again.
    EXPECT_EQ(gallery()->mouseOverSoundName(), u"default.mp3"_s);
}

TEST_F(MainWindowTest, OpenOfAFileThatIsNoGallerySaysSo)
{
    const QString path = writeFile(tempPath(u"other.xml"_s), "<?xml version=\"1.0\"?><something/>");
    FileDialog::setNextFileName(path);
    m_window->actionOpen()->trigger();
    EXPECT_EQ(MessageBox::shownTexts(), QStringList{u"This file cannot be opened in Fotovia!"_s});
    ASSERT_NE(gallery(), nullptr);
    EXPECT_FALSE(gallery()->modified());
    EXPECT_EQ(gallery()->baseName(), u"other"_s);

    // A malformed file: the same message, then the parser's.
    MessageBox::clearHistory();
    FileDialog::setNextFileName(writeFile(tempPath(u"broken.xml"_s), "<pelliconimagegallery><imagegallery"));
    m_window->actionOpen()->trigger();
    ASSERT_EQ(MessageBox::shownTexts().size(), 2);
    EXPECT_EQ(MessageBox::shownTexts().first(), u"This file cannot be opened in Fotovia!"_s);
}

TEST_F(MainWindowTest, OpenNamesThePhotosThatCannotBeReadInOneMessage)
{
    writeFile(tempPath(u"site/images/a.jpg"_s), "spoilt");
    writeFile(tempPath(u"site/images/b.jpg"_s), "spoilt too");
    const QString path = writeFile(tempPath(u"site/g.xml"_s),
        "<?xml version=\"1.0\"?><pelliconimagegallery><imagegallery><thumbnailer myname=\"thumbs1\" "
        "bigimage1=\"images/a.jpg\" bigimage2=\"images/b.jpg\"/></imagegallery></pelliconimagegallery>");
    FileDialog::setNextFileName(path);
    m_window->actionOpen()->trigger();
    ASSERT_EQ(MessageBox::shownTexts().size(), 1);
    const QString text = MessageBox::shownTexts().first();
    EXPECT_TRUE(text.startsWith(u"These 2 photos could not be read as pictures."_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(QFileInfo(tempPath(u"site/images/b.jpg"_s)).absoluteFilePath())) << text.toStdString();
    EXPECT_EQ(gallery()->thumbnailStrip()->albums().first()->images().size(), 2);
}

TEST_F(MainWindowTest, ResizingTheWindowKeepsTheGalleryCentred)
{
    QScrollArea *box = m_window->galleryBox();
    GalleryCanvas *canvas = m_window->canvas();
    m_window->resize(1400, 1000);
    QTRY_VERIFY(box->viewport()->width() > 500 && box->viewport()->height() > 462);
    QCoreApplication::processEvents();
    const QSize view = box->viewport()->size();
    EXPECT_EQ(canvas->pos(), QPoint((view.width() - 500) / 2, (view.height() - 462) / 2));

    // Larger than the box: top left corner, and the box scrolls.
    gallery()->setBounds(0, 0, 1000, 1200);
    QCoreApplication::processEvents();
    EXPECT_EQ(canvas->size(), QSize(1000, 1200));
    EXPECT_EQ(canvas->pos(), QPoint(0, 0));
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowTest, SelectionSwitchesPanelsAndTabs)
{
    QTabWidget *tabs = m_window->panelTabs();
    struct Row { CanvasObject *object; int tab; bool componentPanel; bool thumbnailCellPanel; };
    const Row rows[] = {
        {gallery()->thumbnailStrip(), 1, true, true},
        {gallery()->playButton(), 1, true, false},
        {gallery()->imageDisplay(), 1, true, false},
        {gallery(), 0, false, false},
        {gallery()->soundsButton(), 1, true, false},
        {nullptr, 0, false, false},
    };
    for (const Row &row : rows) {
        gallery()->select(row.object, true);
        EXPECT_EQ(tabs->currentIndex(), row.tab);
        EXPECT_EQ(!m_window->componentPanel()->isHidden(), row.componentPanel);
        EXPECT_EQ(!m_window->thumbnailCellPanel()->isHidden(), row.thumbnailCellPanel);
    }
    // The Layout tab with nothing selected shows the strip.
    tabs->setCurrentIndex(1);
    EXPECT_EQ(gallery()->selectedObject(), gallery()->thumbnailStrip());
    EXPECT_FALSE(m_window->thumbnailCellPanel()->isHidden());
    EXPECT_FALSE(gallery()->modified());
}

TEST_F(MainWindowTest, ImageDisplayGoesBehindTheOthersAfterItsSizeChanged)
{
    ImageDisplay *display = gallery()->imageDisplay();
    gallery()->sendToBack(gallery()->playButton());
    ASSERT_NE(gallery()->zOrder().first(), display);
    EXPECT_FALSE(m_window->sendToBackTimer()->isActive());
    display->setLeft(20); // moving alone starts nothing
    EXPECT_FALSE(m_window->sendToBackTimer()->isActive());
    gallery()->sendToBack(gallery()->playButton());

    display->setWidth(400);
    EXPECT_TRUE(m_window->sendToBackTimer()->isActive());
    EXPECT_EQ(m_window->sendToBackTimer()->interval(), 1000);
    EXPECT_TRUE(m_window->sendToBackTimer()->isSingleShot());
    gallery()->sendToBack(gallery()->playButton());
    QMetaObject::invokeMethod(m_window->sendToBackTimer(), "timeout"); // as if the second had passed
    EXPECT_EQ(gallery()->zOrder().first(), display);
    EXPECT_FALSE(m_window->sendToBackTimer()->isActive());
}

TEST_F(MainWindowTest, TipsSwitchRenamesTheTipsFile)
{
    QAction *item = m_window->showTipsOnStartupAction();
    // Neither file: only the check mark changes.
    item->setChecked(true);
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(item->isChecked());

    writeFile(appPath(u"tips.txt"_s), "One tip\n");
    item->trigger();
    EXPECT_FALSE(QFileInfo::exists(appPath(u"tips.txt"_s)));
    EXPECT_TRUE(QFileInfo::exists(appPath(u"tips2.txt"_s)));
    item->trigger();
    EXPECT_TRUE(QFileInfo::exists(appPath(u"tips.txt"_s)));
    EXPECT_FALSE(QFileInfo::exists(appPath(u"tips2.txt"_s)));

    // With both files there, the rename fails quietly and the tips keep showing.
    writeFile(appPath(u"tips2.txt"_s), "Old\n");
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(QFileInfo::exists(appPath(u"tips.txt"_s)));
}

TEST_F(MainWindowTest, HelpCommandsOpenTheHelpPageAndTheWebPages)
{
    writeFile(appPath(u"help.html"_s), "<html></html>");
    m_window->actionHelp()->trigger();
    m_window->actionOnlineHelp()->trigger();
    m_window->actionContactUs()->trigger();
    ASSERT_EQ(m_opened->urls.size(), 3);
    EXPECT_EQ(QFileInfo(m_opened->urls[0].toLocalFile()).canonicalFilePath(),
              QFileInfo(appPath(u"help.html"_s)).canonicalFilePath());
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
    EXPECT_EQ(store.readInt(MainWindow::windowKey(), u"Left"_s, -1), where.x());
    EXPECT_EQ(store.readInt(MainWindow::windowKey(), u"Top"_s, -1), where.y());

    MainWindow next;
    EXPECT_EQ(next.pos(), where);
}

TEST_F(MainWindowTest, ArrowKeysNudgeTheSelectedComponentOnlyWhenItHasTheFocus)
{
    ASSERT_TRUE(activate());
    GalleryButton *button = gallery()->playButton();
    const QPoint start = button->bounds().topLeft();

    // Nothing selected: nothing moves.
    QTest::keyClick(m_window.get(), Qt::Key_Left);
    EXPECT_EQ(button->bounds().topLeft(), start);

    gallery()->select(button, true);
    ASSERT_EQ(QApplication::focusWidget(), m_window->canvas());
    struct Step { Qt::Key key; QPoint moved; };
    const Step steps[] = {{Qt::Key_Left, {-1, 0}}, {Qt::Key_Up, {-1, -1}}, {Qt::Key_Right, {0, -1}},
                          {Qt::Key_Down, {0, 0}}, {Qt::Key_Down, {0, 1}}};
    for (const Step &step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        EXPECT_EQ(button->bounds().topLeft(), start + step.moved);
    }
    const QPoint settled = button->bounds().topLeft();

    // A text box of the main window has the focus: the key is the text box's.
    QSpinBox *width = m_window->gallerySettingsPanel()->widthEdit();
    m_window->panelTabs()->setCurrentIndex(0);
    width->setFocus();
    ASSERT_TRUE(width->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(button->bounds().topLeft(), settled);

    // The gallery itself has the focus: it does not move, neither does the old selection.
    gallery()->select(gallery(), true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(button->bounds().topLeft(), settled);
    EXPECT_EQ(gallery()->bounds().topLeft(), QPoint(0, 0));

    // While the Photo Albums window is visible it takes the arrow keys.
    gallery()->select(button, true);
    int albumsKeys = 0;
    m_window->nudgeKeys()->setAlbumsWindowHandler([&albumsKeys](int) { ++albumsKeys; return true; });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(button->bounds().topLeft(), settled);
    EXPECT_EQ(albumsKeys, 1);
    m_window->nudgeKeys()->setAlbumsWindowHandler({});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(button->bounds().topLeft(), settled + QPoint(1, 0));
}

TEST_F(MainWindowTest, ArrowKeysDoNothingWhileAnotherWindowIsActive)
{
    ASSERT_TRUE(activate());
    GalleryButton *button = gallery()->playButton();
    gallery()->select(button, true);
    const QPoint start = button->bounds().topLeft();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(m_window->nudgeKeys()->handle(Qt::Key_Left));
    EXPECT_EQ(button->bounds().topLeft(), start);
}

TEST_F(MainWindowTest, CommandsWithoutAGalleryDoNothing)
{
    m_window->close();
    ASSERT_EQ(gallery(), nullptr);
    m_window->actionSaveAs()->trigger();
    m_window->actionPublish()->trigger();
    m_window->actionPreview()->trigger();
    m_window->actionShowReqFiles()->trigger();
    EXPECT_TRUE(m_window->saveQuery());
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
}

class TipsAtStartTest : public WindowTest
{
};

TEST_F(TipsAtStartTest, FirstShowShowsATipOrUnchecksTheMenuItem)
{
    {
        MainWindow window;
        window.show();
        EXPECT_EQ(window.tipsDialog(), nullptr);
        EXPECT_FALSE(window.showTipsOnStartupAction()->isChecked());
    }
    writeFile(appPath(u"tips.txt"_s), "First\nSecond\nLast\n");
    MainWindow window;
    window.show();
    ASSERT_NE(window.tipsDialog(), nullptr);
    EXPECT_TRUE(window.tipsDialog()->isVisible());
    EXPECT_TRUE(window.showTipsOnStartupAction()->isChecked());
    EXPECT_NE(window.tipsDialog()->currentTip(), u"Last"_s);
}

} // namespace

namespace {

class AboutWindowTest : public WindowTest
{
};

TEST_F(AboutWindowTest, ShowsNameVersionAndOpensTheProjectPage)
{
    AboutDialog about;
    QStringList texts;
    for (QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(u"Fotovia"_s));
    EXPECT_TRUE(texts.contains(u"Version 3.5"_s));
    emit about.linkLabel()->linkActivated(ProjectLinks::homePage());
    ASSERT_EQ(m_opened->urls.size(), 1);
    EXPECT_EQ(m_opened->urls[0], QUrl(ProjectLinks::homePage()));
}

} // namespace
