#include "TwMain.h"

#include "AppFolders.h"
#include "AppState.h"
#include "ArrowKeyHandler.h"
#include "DialogFolders.h"
#include "Errors.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "ProjectLinks.h"
#include "SettingsStore.h"
#include "TwinAbout.h"
#include "Utils.h"
#include "albums/AlbumWindowsHost.h"
#include "components/FflashComponentBaseClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "components/GalleryCanvas.h"
#include "gallery/ThtmlWindow.h"
#include "gallery/TpreviewWindow.h"
#include "panels/PicturePicker.h"
#include "panels/SoundPicker.h"
#include "panels/TComponentPanel.h"
#include "panels/TGalleryPanel.h"
#include "panels/TThumbnailPanel.h"
#include "publish/TwinReqFiles.h"
#include "publish/TwinServers.h"
#include "tips/TipsFile.h"
#include "tips/TwinTips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString OpenDialog = u"openXMLdialog"_s;
const QString AddImagesDialog = u"openimage"_s;
const QString PictureDialog = u"OpenImage2"_s;
const QString BackgroundSoundDialog = u"snddialog"_s;
const QString MouseOverSoundDialog = u"mousesnddialog"_s;
const QString SaveDialog = u"SaveDialog"_s;

const QString MessageCaption = u"Fotovia"_s;

// Toolbar pictures are 48 x 48; a theme or style icon that comes smaller is scaled up so that
// every caption sits on the same line.
QIcon ToolIcon(const QWidget *widget, const QString &themeName, QStyle::StandardPixmap fallback)
{
    const QIcon icon = QIcon::fromTheme(themeName, widget->style()->standardIcon(fallback));
    const QSize wanted(48, 48);
    if (icon.actualSize(wanted) == wanted)
        return icon;
    const QPixmap largest = icon.pixmap(icon.availableSizes().isEmpty() ? wanted : icon.availableSizes().last());
    return QIcon(largest.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// A scrolling tab page whose panels are stacked from the top, 4 pixels from the left.
QWidget *PanelPage(QWidget *parent, const QList<QWidget *> &panels)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *page = new QWidget(scroll);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 5, 4, 4);
    layout->setSpacing(0);
    for (QWidget *panel : panels)
        layout->addWidget(panel);
    layout->addStretch(1);
    scroll->setWidget(page);
    return scroll;
}
} // namespace

TwMain::TwMain(QWidget *parent) : QMainWindow(parent)
{
    m_settings = std::make_unique<SettingsStore>();
    m_folders = std::make_unique<DialogFolders>(*m_settings);
    m_timer1 = new QTimer(this);
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &TwMain::Timer1Timer);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateCentralArea();
    FormCreate();
    new AlbumWindowsHost(this);
    ConnectPublishing();
}

void TwMain::ConnectPublishing()
{
    // Kept for the whole run, as the code box keeps the last gallery's embed code.
    m_filesWindow = new TwinReqFiles(this);
    connect(this, &TwMain::RequiredFilesRequested, this, [this] { m_filesWindow->ShowFor(Gallery()); });
    connect(this, &TwMain::PublishRequested, this, [this] { TwinServers::Instance(this)->StartUpload(Gallery()); });
}

TwMain::~TwMain()
{
    FreeGallery();
}

QString TwMain::WindowKey()
{
    return SettingsStore::WindowSettingsKey + u"\\TwMain"_s;
}

FflashMovie *TwMain::Gallery() const
{
    return AppState::CurrentGallery;
}

TwinTips *TwMain::TipsWindow() const
{
    return m_tips;
}

void TwMain::CreateActions()
{
    auto make = [this](const QString &caption, const QString &hint, const QKeySequence &shortcut) {
        auto *action = new QAction(caption, this);
        if (!hint.isEmpty())
            action->setToolTip(hint);
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        return action;
    };
    m_actionNew = make(u"&New"_s, u"New"_s, QKeySequence(u"Ctrl+N"_s));
    m_actionNew->setIcon(ToolIcon(this, u"document-new"_s, QStyle::SP_FileIcon));
    m_actionOpen = make(u"&Open"_s, u"Open a File"_s, QKeySequence(u"Ctrl+O"_s));
    m_actionOpen->setIcon(ToolIcon(this, u"document-open"_s, QStyle::SP_DialogOpenButton));
    m_actionSaveAs = make(u"&Save"_s, u"Save"_s, QKeySequence(u"Ctrl+S"_s));
    m_actionSaveAs->setIcon(ToolIcon(this, u"document-save"_s, QStyle::SP_DialogSaveButton));
    m_actionPublish = make(u"&Upload"_s, u"Upload to your Website"_s, QKeySequence(u"Ctrl+U"_s));
    m_actionPublish->setIcon(ToolIcon(this, u"network-server"_s, QStyle::SP_ArrowUp));
    m_actionPreview = make(u"&Preview"_s, u"Preview Flash"_s, QKeySequence(u"Ctrl+P"_s));
    m_actionPreview->setIcon(ToolIcon(this, u"document-print-preview"_s, QStyle::SP_MediaPlay));
    m_actionAlbums = make(u"Create/Edit Album"_s, u"Create and Edit your Photo Albums"_s, {});
    m_actionAlbums->setIcon(ToolIcon(this, u"folder-pictures"_s, QStyle::SP_DirIcon));
    m_actionExit = make(u"Exit"_s, {}, {});
    m_actionHelp = make(u"&Help"_s, u"Display the Help File"_s, QKeySequence(Qt::Key_F1));
    m_actionOnlineHelp = make(u"Online Help"_s, {}, {});
    m_actionContactUs = make(u"Contact Us"_s, {}, {});
    m_actionAbout = make(u"About"_s, {}, {});
    m_actionShowReqFiles = make(u"Required Files"_s, {}, {});
    m_actionGetHTML = make(u"Get Co&de"_s, u"Get the HTML code"_s, QKeySequence(u"Ctrl+D"_s));
    m_showTipsOnStartup = make(u"Show Tips on Startup"_s, {}, {});
    m_showTipsOnStartup->setCheckable(true);
    m_showTipsOnStartup->setChecked(true);

    connect(m_actionNew, &QAction::triggered, this, &TwMain::actionNewExecute);
    connect(m_actionOpen, &QAction::triggered, this, &TwMain::actionOpenExecute);
    connect(m_actionSaveAs, &QAction::triggered, this, &TwMain::actionSaveAsExecute);
    connect(m_actionPublish, &QAction::triggered, this, &TwMain::actionPublishExecute);
    connect(m_actionPreview, &QAction::triggered, this, &TwMain::actionPreviewExecute);
    connect(m_actionAlbums, &QAction::triggered, this, [this] {
        if (Gallery())
            emit AlbumsWindowRequested();
    });
    connect(m_actionExit, &QAction::triggered, this, &TwMain::actionExitExecute);
    connect(m_actionHelp, &QAction::triggered, this, &TwMain::actionHelpExecute);
    connect(m_actionOnlineHelp, &QAction::triggered, this, &TwMain::actionOnlineHelpExecute);
    connect(m_actionContactUs, &QAction::triggered, this, &TwMain::actionContactUsExecute);
    connect(m_actionAbout, &QAction::triggered, this, &TwMain::actionAboutExecute);
    connect(m_actionShowReqFiles, &QAction::triggered, this, &TwMain::actionShowReqFilesExecute);
    connect(m_showTipsOnStartup, &QAction::triggered, this, &TwMain::ShowTipsonStartup1Click);
    connect(m_actionGetHTML, &QAction::triggered, this, &TwMain::GetCode1Click);
    // Placed nowhere, but their shortcuts work in the whole window.
    addAction(m_actionShowReqFiles);
    addAction(m_actionGetHTML);

    // The standard edit commands act on the focused text field.
    const struct
    {
        QString caption;
        QKeySequence::StandardKey key;
        const char *operation;
    } edits[] = {
        {u"Cu&t"_s, QKeySequence::Cut, "cut"},
        {u"&Copy"_s, QKeySequence::Copy, "copy"},
        {u"&Paste"_s, QKeySequence::Paste, "paste"},
        {u"Select &All"_s, QKeySequence::SelectAll, "selectAll"},
        {u"&Undo"_s, QKeySequence::Undo, "undo"},
        {u"&Delete"_s, QKeySequence::Delete, "del"},
    };
    for (const auto &edit : edits) {
        auto *action = new QAction(edit.caption, this);
        action->setShortcut(edit.key);
        action->setShortcutContext(Qt::WindowShortcut);
        const char *operation = edit.operation;
        connect(action, &QAction::triggered, this, [this, operation] { EditFocused(operation); });
        addAction(action);
    }
}

void TwMain::EditFocused(const char *operation)
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        return;
    // Spin boxes and editable lists keep their text in an inner line edit.
    QWidget *target = focused;
    if (!qobject_cast<QLineEdit *>(target) && !qobject_cast<QTextEdit *>(target) && !qobject_cast<QPlainTextEdit *>(target))
        target = focused->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
    if (!target)
        return;
    if (qstrcmp(operation, "del") == 0) {
        if (auto *line = qobject_cast<QLineEdit *>(target))
            line->del();
        else if (auto *text = qobject_cast<QTextEdit *>(target))
            text->textCursor().deleteChar();
        else if (auto *plain = qobject_cast<QPlainTextEdit *>(target))
            plain->textCursor().deleteChar();
        return;
    }
    QMetaObject::invokeMethod(target, operation);
}

void TwMain::CreateMenus()
{
    QMenu *file = menuBar()->addMenu(u"&File"_s);
    file->addAction(m_actionNew);
    file->addAction(m_actionOpen);
    file->addAction(m_actionSaveAs);
    file->addSeparator();
    file->addAction(m_actionExit);

    QMenu *help = menuBar()->addMenu(u"&Help"_s);
    help->addAction(m_actionHelp);
    help->addAction(m_actionOnlineHelp);
    help->addAction(m_actionContactUs);
    help->addSeparator();
    help->addAction(m_showTipsOnStartup);
    help->addSeparator();
    help->addAction(m_actionAbout);
}

void TwMain::CreateToolBar()
{
    m_toolBar = addToolBar(u"Commands"_s);
    m_toolBar->setObjectName(u"toolBar"_s);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(48, 48));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setFixedHeight(80);
    m_toolBar->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    m_toolBar->addAction(m_actionNew);
    m_toolBar->addAction(m_actionOpen);
    m_toolBar->addAction(m_actionSaveAs);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actionAlbums);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actionPreview);
    m_toolBar->addAction(m_actionPublish);
}

void TwMain::CreateCentralArea()
{
    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(4);

    m_moviePanel = new QScrollArea(central);
    m_moviePanel->setObjectName(u"moviePanel"_s);
    m_moviePanel->setFrameShape(QFrame::NoFrame);
    m_moviePanel->setWidgetResizable(true);
    m_stage = new QWidget(m_moviePanel);
    QPalette silver = m_stage->palette();
    silver.setColor(QPalette::Window, ToQColor(Colors::Silver));
    m_stage->setPalette(silver);
    m_stage->setAutoFillBackground(true);
    m_moviePanel->setPalette(silver);
    m_moviePanel->setWidget(m_stage);
    m_moviePanel->viewport()->installEventFilter(this);
    m_canvas = new GalleryCanvas(m_stage);
    connect(m_canvas, &GalleryCanvas::GallerySizeChanged, this, &TwMain::FormResize);
    layout->addWidget(m_moviePanel, 1);

    m_pageControl = new QTabWidget(central);
    m_pageControl->setObjectName(u"pageControl"_s);
    m_mainPanel = new TGalleryPanel(m_pageControl);
    m_mainPanel->setObjectName(u"mainPanel"_s);
    m_basePanel = new TComponentPanel(m_pageControl);
    m_basePanel->setObjectName(u"basePanel"_s);
    m_thumbnailPanel = new TThumbnailPanel(m_pageControl);
    m_thumbnailPanel->setObjectName(u"thumbnailPanel"_s);
    m_pageControl->addTab(PanelPage(m_pageControl, {m_mainPanel}), u"Gallery Settings"_s);
    m_pageControl->addTab(PanelPage(m_pageControl, {m_basePanel, m_thumbnailPanel}), u"Layout"_s);
    const int panelWidth = qMax(m_mainPanel->sizeHint().width(),
                                qMax(m_basePanel->sizeHint().width(), m_thumbnailPanel->sizeHint().width()));
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_pageControl->setFixedWidth(panelWidth + 4 + 4 + scrollBar + 12);
    connect(m_pageControl, &QTabWidget::currentChanged, this, &TwMain::PageChanged);
    layout->addWidget(m_pageControl);

    setCentralWidget(central);
}

void TwMain::FormCreate()
{
    setWindowTitle(u"Fotovia"_s);
    QApplication::setApplicationDisplayName(u"Fotovia"_s);
    setMinimumSize(618, 500);
    // 792 x 648, or wider where the panels need more room, so that the default gallery fits
    // beside them.
    const int fitting = 500 + 2 + 4 + m_pageControl->width() + 2 + 8;
    int width = qMax(792, fitting);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        width = qMin(width, qMax(792, screen->availableGeometry().width()));
    resize(width, 648);
    RestorePosition();

    m_folders->SetDefault(OpenDialog, MyDocumentsFolder());
    m_folders->SetDefault(SaveDialog, MyDocumentsFolder());
    m_keyHandler = new ArrowKeyHandler(this, m_canvas, this);
    qApp->installEventFilter(m_keyHandler);
    AppState::UpdatingPanels = false;

    m_basePanel->hide();
    m_thumbnailPanel->hide();
    m_mainPanel->show();
    m_pageControl->setCurrentIndex(0);

    // Where the add-images dialog of the Photo Albums window starts the first time.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    m_folders->SetDefault(AddImagesDialog, pictures.isEmpty() ? MyDocumentsFolder() + u"My Pictures"_s : pictures);

    // The pickers start in their library folders until a choice moves them; the window keeps
    // their folders from one run to the next.
    m_basePanel->IconPicker()->SetStartFolder(m_folders->Remembered(PictureDialog));
    connect(m_basePanel->IconPicker(), &PicturePicker::StartFolderChanged, this,
            [this](const QString &folder) { m_folders->Remember(PictureDialog, folder); });
    m_mainPanel->BackgroundSoundPicker()->SetStartFolder(m_folders->Remembered(BackgroundSoundDialog));
    connect(m_mainPanel->BackgroundSoundPicker(), &SoundPicker::StartFolderChanged, this,
            [this](const QString &folder) { m_folders->Remember(BackgroundSoundDialog, folder); });
    m_mainPanel->MouseOverSoundPicker()->SetStartFolder(m_folders->Remembered(MouseOverSoundDialog));
    connect(m_mainPanel->MouseOverSoundPicker(), &SoundPicker::StartFolderChanged, this,
            [this](const QString &folder) { m_folders->Remember(MouseOverSoundDialog, folder); });
}

void TwMain::RestorePosition()
{
    const QString key = WindowKey();
    if (m_settings->ValueExists(key, u"Left"_s) && m_settings->ValueExists(key, u"Top"_s)) {
        const QPoint stored(m_settings->ReadInt(key, u"Left"_s, 0), m_settings->ReadInt(key, u"Top"_s, 0));
        // A position on a screen that is no longer there would hide the window.
        if (QGuiApplication::screenAt(stored + QPoint(40, 20))) {
            move(stored);
            return;
        }
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + qMax(0, (area.width() - width()) / 2), area.y() + qMax(0, (area.height() - height()) / 2));
    }
}

void TwMain::StorePosition()
{
    m_settings->WriteInt(WindowKey(), u"Left"_s, pos().x());
    m_settings->WriteInt(WindowKey(), u"Top"_s, pos().y());
    m_settings->Sync();
}

void TwMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShowDone) {
        m_firstShowDone = true;
        FormShow();
    }
}

void TwMain::FormShow()
{
    if (!Gallery()) {
        // Nothing to save yet: no question.
        {
            UpdatingPanelsGuard building;
            CreateGallery();
            Gallery()->ResetAsNewGallery();
            Gallery()->SetModified(false);
        }
        UpdatePanels(Gallery()->SelectedObject());
    }
    m_tips = TwinTips::showStartupTip(m_showTipsOnStartup, this);
}

void TwMain::closeEvent(QCloseEvent *event)
{
    // FormCloseQuery: unsaved changes are asked about; Cancel keeps the window open.
    if (Gallery() && Gallery()->Modified() && !SaveQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TwMain::FormClose()
{
    StorePosition();
    FreeGallery();
    if (m_tips)
        m_tips->close();
    hide();
}

bool TwMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_moviePanel->viewport() && event->type() == QEvent::Resize)
        FormResize();
    return QMainWindow::eventFilter(watched, event);
}

void TwMain::FormResize()
{
    FflashMovie *gallery = Gallery();
    if (!gallery)
        return;
    setUpdatesEnabled(false);
    const QSize gallerySize(qMax(0, gallery->Width()), qMax(0, gallery->Height()));
    // The stage grows with the gallery so that a gallery larger than the box can be scrolled.
    m_stage->setMinimumSize(gallerySize);
    const QSize box = m_moviePanel->viewport()->size();
    const int left = qMax(0, (box.width() - gallerySize.width()) / 2);
    const int top = qMax(0, (box.height() - gallerySize.height()) / 2);
    m_canvas->move(left, top);
    m_canvas->lower();
    setUpdatesEnabled(true);
}

void TwMain::CreateGallery()
{
    FreeGallery();
    auto *gallery = new FflashMovie(this);
    AppState::CurrentGallery = gallery;
    connect(gallery, &FflashMovie::SelectionChanged, this, &TwMain::UpdatePanels);
    connect(gallery, &FflashMovie::RequiredFilesRequested, this, &TwMain::RequiredFilesRequested);
    connect(gallery, &FflashMovie::ImageFilesMissing, this, [this](const QStringList &paths) {
        MessageBox::Warning(this, MessageCaption, u"No Src Big Image Found\n"_s + paths.join(u'\n'));
    });
    m_canvas->SetGallery(gallery);
    m_mainPanel->Bind(gallery);
    m_basePanel->Bind(gallery);
    m_thumbnailPanel->Bind(gallery);
    WatchImageDisplay();
    m_canvas->show();
    FormResize();
    QCoreApplication::processEvents();
    emit GalleryReplaced(gallery);
}

void TwMain::FreeGallery()
{
    FflashMovie *gallery = Gallery();
    if (!gallery)
        return;
    m_timer1->stop();
    m_canvas->SetGallery(nullptr);
    m_mainPanel->Bind(nullptr);
    m_basePanel->Bind(nullptr);
    m_thumbnailPanel->Bind(nullptr);
    AppState::CurrentGallery = nullptr;
    delete gallery;
    emit GalleryReplaced(nullptr);
}

void TwMain::WatchImageDisplay()
{
    FflashImageDisplay *display = Gallery()->ImageDisplay();
    if (!display)
        return;
    m_imageDisplaySize = display->Bounds().size();
    // After a change of size the display goes behind the other components, a moment later.
    connect(display, &FflashObjectBaseClass::GeometryChanged, this, [this, display] {
        const QSize size = display->Bounds().size();
        if (size == m_imageDisplaySize)
            return;
        m_imageDisplaySize = size;
        m_timer1->start();
    });
}

void TwMain::Timer1Timer()
{
    m_timer1->stop();
    if (FflashMovie *gallery = Gallery())
        gallery->SendToBack(gallery->ImageDisplay());
}

void TwMain::UpdatePanels(FflashObjectBaseClass *selected)
{
    FflashMovie *gallery = Gallery();
    if (gallery && selected && selected != gallery) {
        auto *component = qobject_cast<FflashComponentBaseClass *>(selected);
        m_thumbnailPanel->setVisible(selected == gallery->ThumbnailStrip());
        m_basePanel->setVisible(component != nullptr);
        m_pageControl->setCurrentIndex(1);
        if (component)
            component->ShowProperties();
        return;
    }
    m_basePanel->hide();
    m_thumbnailPanel->hide();
    m_pageControl->setCurrentIndex(0);
}

void TwMain::PageChanged(int index)
{
    // The "Layout" tab is never empty: with nothing of its own selected it shows the strip.
    FflashMovie *gallery = Gallery();
    if (index != 1 || !gallery)
        return;
    FflashObjectBaseClass *selected = gallery->SelectedObject();
    if ((!selected || selected == gallery) && gallery->ThumbnailStrip())
        gallery->Select(gallery->ThumbnailStrip(), true);
}

SaveFileChooser TwMain::SaveChooser()
{
    return [this](const QString &proposedPath) {
        QString start = proposedPath;
        // A gallery that was never saved proposes a bare name: it goes into the last folder.
        if (!proposedPath.contains(u'/'))
            start = IncludeTrailingSlash(m_folders->Folder(SaveDialog)) + proposedPath;
        const QString chosen = FileDialog::SaveFileName(this, u"Save As"_s, start,
                                                        u"Image Gallery Files (*.xml);;All Files (*)"_s);
        if (!chosen.isEmpty())
            m_folders->Remember(SaveDialog, QFileInfo(chosen).absolutePath());
        return chosen;
    };
}

TwMain::SaveOutcome TwMain::RunSave()
{
    FflashMovie *gallery = Gallery();
    if (!gallery)
        return SaveOutcome::Cancelled;
    try {
        return gallery->Save(SaveChooser()) ? SaveOutcome::Saved : SaveOutcome::Cancelled;
    } catch (const FotoviaError &e) {
        ShowError(e.message());
    }
    return SaveOutcome::Failed;
}

void TwMain::ShowError(const QString &text)
{
    MessageBox::Critical(this, MessageCaption, text);
}

bool TwMain::SaveQuery()
{
    if (!Gallery())
        return true;
    const auto answer = MessageBox::Question(this, u"Save"_s, u"Save changes to your file?"_s,
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                             QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::No:
        return true;
    case QMessageBox::Yes:
        // Only a save that happened lets the command go on: a cancelled or failed save keeps
        // the changes.
        return RunSave() == SaveOutcome::Saved;
    default:
        return false;
    }
}

void TwMain::actionNewExecute()
{
    if (Gallery() && Gallery()->Modified() && !SaveQuery())
        return;
    {
        UpdatingPanelsGuard building;
        CreateGallery();
        Gallery()->ResetAsNewGallery();
        Gallery()->SetModified(false);
    }
    UpdatePanels(Gallery()->SelectedObject());
}

void TwMain::actionOpenExecute()
{
    if (Gallery() && Gallery()->Modified() && !SaveQuery())
        return;
    const QString path = FileDialog::OpenFileName(this, u"Open File"_s, m_folders->Folder(OpenDialog),
                                                  u"My Gallery Files (*.xml)"_s);
    if (path.isEmpty())
        return;
    m_folders->Remember(OpenDialog, QFileInfo(path).absolutePath());
    try {
        // The gallery being opened starts from empty working folders.
        EnsureFolder(AppFolders::TempFolder(), true);
        EnsureFolder(AppFolders::ImagesWorkFolder(), true);
    } catch (const FotoviaError &e) {
        ShowError(e.message());
        return;
    }
    {
        UpdatingPanelsGuard building;
        CreateGallery();
        Gallery()->SetModified(false);
    }
    GalleryLoadReport report;
    try {
        report = Gallery()->LoadFromFile(path);
    } catch (const FotoviaError &e) {
        report.recognised = true; // the load got as far as the error
        report.error = e.message();
    }
    if (!report.recognised && QFileInfo(path).isFile())
        MessageBox::Warning(this, MessageCaption, u"This file cannot be opened in Fotovia!"_s);
    if (!report.error.isEmpty())
        ShowError(report.error);
    if (!report.undecodable.isEmpty()) {
        MessageBox::Warning(this, MessageCaption, ImportFailure::Message(report.undecodable, true));
    }
    if (Gallery()) {
        UpdatePanels(Gallery()->SelectedObject());
        m_pageControl->setCurrentIndex(0);
    }
    FormResize();
}

void TwMain::actionSaveAsExecute()
{
    if (Gallery())
        RunSave();
}

void TwMain::actionExitExecute()
{
    // The same way out as the close box, so unsaved changes are asked about.
    close();
}

void TwMain::actionHelpExecute()
{
    ShellOpen(AppFolders::AppFile(u"help.html"_s));
}

void TwMain::actionOnlineHelpExecute()
{
    ShellOpen(ProjectLinks::OnlineHelp());
}

void TwMain::actionContactUsExecute()
{
    ShellOpen(ProjectLinks::ContactUs());
}

void TwMain::actionAboutExecute()
{
    TwinAbout about(this);
    about.exec();
}

void TwMain::actionShowReqFilesExecute()
{
    if (Gallery())
        emit RequiredFilesRequested();
}

void TwMain::actionPublishExecute()
{
    if (Gallery())
        emit PublishRequested();
}

void TwMain::actionPreviewExecute()
{
    if (Gallery())
        TpreviewWindow::Preview(Gallery(), this);
}

void TwMain::GetCode1Click()
{
    ThtmlWindow::ShowHtmlCode(Gallery(), SaveChooser(), this);
}

void TwMain::ShowTipsonStartup1Click(bool checked)
{
    // The check mark has already flipped. The tips file's name is the setting; a rename that
    // fails (a file of the target name exists) is ignored.
    if (!checked)
        TipsFile::Park(TipsFile::Folder(AppFolders::AppFolder()));
    else
        TipsFile::Activate(TipsFile::Folder(AppFolders::AppFolder()));
}
