#include "MainWindow.h"

#include "AppFolders.h"
#include "NudgeKeyFilter.h"
#include "RememberedFolders.h"
#include "Errors.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "ProjectLinks.h"
#include "SettingsStore.h"
#include "AboutDialog.h"
#include "Utils.h"
#include "AlbumWindowsHost.h"
#include "StyledComponent.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryCanvas.h"
#include "HtmlCodeDialog.h"
#include "PreviewWindow.h"
#include "PicturePicker.h"
#include "SoundPicker.h"
#include "ComponentPanel.h"
#include "GallerySettingsPanel.h"
#include "ThumbnailCellPanel.h"
#include "FilesToUploadDialog.h"
#include "MySitesDialog.h"
#include "TipsFile.h"
#include "TipsDialog.h"

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
const QString AddImagesDialogKey = u"openimage"_s;
const QString PictureDialog = u"OpenImage2"_s;
const QString BackgroundSoundDialog = u"snddialog"_s;
const QString MouseOverSoundDialog = u"mousesnddialog"_s;
const QString SaveDialog = u"SaveDialog"_s;

const QString MessageCaption = u"Fotovia"_s;

// Toolbar pictures are 48 x 48; a theme or style icon that comes smaller is scaled up so that
// every caption sits on the same line.
QIcon toolIcon(const QWidget *widget, const QString &themeName, QStyle::StandardPixmap fallback)
{
    const QIcon icon = QIcon::fromTheme(themeName, widget->style()->standardIcon(fallback));
    const QSize wanted(48, 48);
    if (icon.actualSize(wanted) == wanted)
        return icon;
    const QPixmap largest = icon.pixmap(icon.availableSizes().isEmpty() ? wanted : icon.availableSizes().last());
    return QIcon(largest.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// A scrolling tab page whose panels are stacked from the top, 4 pixels from the left.
QWidget *panelPage(QWidget *parent, const QList<QWidget *> &panels)
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

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    m_settings = std::make_unique<SettingsStore>();
    m_folders = std::make_unique<RememberedFolders>(*m_settings);
    m_sendToBackTimer = new QTimer(this);
    m_sendToBackTimer->setSingleShot(true);
    m_sendToBackTimer->setInterval(1000);
    connect(m_sendToBackTimer, &QTimer::timeout, this, &MainWindow::sendImageDisplayToBack);

    createActions();
    connectActions();
    createEditActions();
    createMenus();
    createToolBar();
    createCentralArea();
    applyStartSettings();
    new AlbumWindowsHost(this);
    connectPublishing();
}

void MainWindow::connectPublishing()
{
    // Kept for the whole run, as the code box keeps the last gallery's embed code.
    m_filesToUploadDialog = new FilesToUploadDialog(this);
    connect(this, &MainWindow::requiredFilesRequested, this, [this] { m_filesToUploadDialog->showFor(gallery()); });
    connect(this, &MainWindow::publishRequested, this, [this] { mySitesDialog()->startUpload(gallery()); });
    connect(m_filesToUploadDialog, &FilesToUploadDialog::uploadRequested, this,
            [this](GalleryDocument *gallery) { mySitesDialog()->openUploadSites(gallery); });
}

MySitesDialog *MainWindow::mySitesDialog()
{
    if (!m_mySites)
        m_mySites = new MySitesDialog(this);
    return m_mySites;
}

MainWindow::~MainWindow()
{
    freeGallery();
}

QString MainWindow::windowKey()
{
    return SettingsStore::WindowSettingsKey + u"\\TwMain"_s;
}

GalleryDocument *MainWindow::gallery() const
{
    return m_gallery;
}

TipsDialog *MainWindow::tipsDialog() const
{
    return m_tips;
}

void MainWindow::createActions()
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
    m_actionNew->setIcon(toolIcon(this, u"document-new"_s, QStyle::SP_FileIcon));
    m_actionOpen = make(u"&Open"_s, u"Open a File"_s, QKeySequence(u"Ctrl+O"_s));
    m_actionOpen->setIcon(toolIcon(this, u"document-open"_s, QStyle::SP_DialogOpenButton));
    m_actionSaveAs = make(u"&Save"_s, u"Save"_s, QKeySequence(u"Ctrl+S"_s));
    m_actionSaveAs->setIcon(toolIcon(this, u"document-save"_s, QStyle::SP_DialogSaveButton));
    m_actionPublish = make(u"&Upload"_s, u"Upload to your Website"_s, QKeySequence(u"Ctrl+U"_s));
    m_actionPublish->setIcon(toolIcon(this, u"network-server"_s, QStyle::SP_ArrowUp));
    m_actionPreview = make(u"&Preview"_s, u"Preview Flash"_s, QKeySequence(u"Ctrl+P"_s));
    m_actionPreview->setIcon(toolIcon(this, u"document-print-preview"_s, QStyle::SP_MediaPlay));
    m_actionAlbums = make(u"Create/Edit Album"_s, u"Create and Edit your Photo Albums"_s, {});
    m_actionAlbums->setIcon(toolIcon(this, u"folder-pictures"_s, QStyle::SP_DirIcon));
    m_actionExit = make(u"Exit"_s, {}, {});
    m_actionHelp = make(u"&Help"_s, u"Display the Help File"_s, QKeySequence(Qt::Key_F1));
    m_actionOnlineHelp = make(u"Online Help"_s, {}, {});
    m_actionContactUs = make(u"Contact Us"_s, {}, {});
    m_actionAbout = make(u"About"_s, {}, {});
    m_actionShowReqFiles = make(u"Required Files"_s, {}, {});
    m_actionGetCode = make(u"Get Co&de"_s, u"Get the HTML code"_s, QKeySequence(u"Ctrl+D"_s));
    m_showTipsOnStartup = make(u"Show Tips on Startup"_s, {}, {});
    m_showTipsOnStartup->setCheckable(true);
    m_showTipsOnStartup->setChecked(true);
}

void MainWindow::connectActions()
{
    connect(m_actionNew, &QAction::triggered, this, &MainWindow::newGallery);
    connect(m_actionOpen, &QAction::triggered, this, &MainWindow::openGallery);
    connect(m_actionSaveAs, &QAction::triggered, this, &MainWindow::saveGallery);
    connect(m_actionPublish, &QAction::triggered, this, &MainWindow::publishGallery);
    connect(m_actionPreview, &QAction::triggered, this, &MainWindow::previewGallery);
    connect(m_actionAlbums, &QAction::triggered, this, [this] {
        if (gallery())
            emit albumsWindowRequested();
    });
    connect(m_actionExit, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(m_actionHelp, &QAction::triggered, this, &MainWindow::showHelp);
    connect(m_actionOnlineHelp, &QAction::triggered, this, &MainWindow::showOnlineHelp);
    connect(m_actionContactUs, &QAction::triggered, this, &MainWindow::contactUs);
    connect(m_actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_actionShowReqFiles, &QAction::triggered, this, &MainWindow::showRequiredFiles);
    connect(m_showTipsOnStartup, &QAction::triggered, this, &MainWindow::setTipsOnStartup);
    connect(m_actionGetCode, &QAction::triggered, this, &MainWindow::showHtmlCode);
    // Placed nowhere, but their shortcuts work in the whole window.
    addAction(m_actionShowReqFiles);
    addAction(m_actionGetCode);
}

void MainWindow::createEditActions()
{
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
        connect(action, &QAction::triggered, this, [this, operation] { editFocused(operation); });
        addAction(action);
    }
}

void MainWindow::editFocused(const char *operation)
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

void MainWindow::createMenus()
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

void MainWindow::createToolBar()
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

void MainWindow::createCentralArea()
{
    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(4);

    m_galleryBox = new QScrollArea(central);
    m_galleryBox->setObjectName(u"galleryBox"_s);
    m_galleryBox->setFrameShape(QFrame::NoFrame);
    m_galleryBox->setWidgetResizable(true);
    m_stage = new QWidget(m_galleryBox);
    QPalette silver = m_stage->palette();
    silver.setColor(QPalette::Window, toQColor(Colors::Silver));
    m_stage->setPalette(silver);
    m_stage->setAutoFillBackground(true);
    m_galleryBox->setPalette(silver);
    m_galleryBox->setWidget(m_stage);
    m_galleryBox->viewport()->installEventFilter(this);
    m_canvas = new GalleryCanvas(m_stage);
    connect(m_canvas, &GalleryCanvas::gallerySizeChanged, this, &MainWindow::centreGallery);
    layout->addWidget(m_galleryBox, 1);

    m_panelTabs = new QTabWidget(central);
    m_panelTabs->setObjectName(u"panelTabs"_s);
    m_gallerySettingsPanel = new GallerySettingsPanel(m_panelTabs);
    m_componentPanel = new ComponentPanel(m_panelTabs);
    m_thumbnailCellPanel = new ThumbnailCellPanel(m_panelTabs);
    m_panelTabs->addTab(panelPage(m_panelTabs, {m_gallerySettingsPanel}), u"Gallery Settings"_s);
    m_panelTabs->addTab(panelPage(m_panelTabs, {m_componentPanel, m_thumbnailCellPanel}), u"Layout"_s);
    const int panelWidth = qMax(m_gallerySettingsPanel->sizeHint().width(),
                                qMax(m_componentPanel->sizeHint().width(), m_thumbnailCellPanel->sizeHint().width()));
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_panelTabs->setFixedWidth(panelWidth + 4 + 4 + scrollBar + 12);
    connect(m_panelTabs, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);
    layout->addWidget(m_panelTabs);

    setCentralWidget(central);
}

void MainWindow::applyStartSettings()
{
    setWindowTitle(u"Fotovia"_s);
    QApplication::setApplicationDisplayName(u"Fotovia"_s);
    setMinimumSize(618, 500);
    // 792 x 648, or wider where the panels need more room, so that the default gallery fits
    // beside them.
    const int fitting = 500 + 2 + 4 + m_panelTabs->width() + 2 + 8;
    int width = qMax(792, fitting);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        width = qMin(width, qMax(792, screen->availableGeometry().width()));
    resize(width, 648);
    restorePosition();

    m_folders->setDefault(OpenDialog, myDocumentsFolder());
    m_folders->setDefault(SaveDialog, myDocumentsFolder());
    m_nudgeKeys = new NudgeKeyFilter(this, m_canvas, this);
    qApp->installEventFilter(m_nudgeKeys);

    m_componentPanel->hide();
    m_thumbnailCellPanel->hide();
    m_gallerySettingsPanel->show();
    m_panelTabs->setCurrentIndex(0);

    // Where the add-images dialog of the Photo Albums window starts the first time.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    m_folders->setDefault(AddImagesDialogKey, pictures.isEmpty() ? myDocumentsFolder() + u"My Pictures"_s : pictures);
    rememberPickerFolders();
}

void MainWindow::rememberPickerFolders()
{
    // The pickers start in their library folders until a choice moves them; the window keeps
    // their folders from one run to the next.
    m_componentPanel->iconPicker()->setStartFolder(m_folders->remembered(PictureDialog));
    connect(m_componentPanel->iconPicker(), &PicturePicker::startFolderChanged, this,
            [this](const QString &folder) { m_folders->remember(PictureDialog, folder); });
    m_gallerySettingsPanel->backgroundSoundPicker()->setStartFolder(m_folders->remembered(BackgroundSoundDialog));
    connect(m_gallerySettingsPanel->backgroundSoundPicker(), &SoundPicker::startFolderChanged, this,
            [this](const QString &folder) { m_folders->remember(BackgroundSoundDialog, folder); });
    m_gallerySettingsPanel->mouseOverSoundPicker()->setStartFolder(m_folders->remembered(MouseOverSoundDialog));
    connect(m_gallerySettingsPanel->mouseOverSoundPicker(), &SoundPicker::startFolderChanged, this,
            [this](const QString &folder) { m_folders->remember(MouseOverSoundDialog, folder); });
}

void MainWindow::restorePosition()
{
    const QString key = windowKey();
    if (m_settings->valueExists(key, u"Left"_s) && m_settings->valueExists(key, u"Top"_s)) {
        const QPoint stored(m_settings->readInt(key, u"Left"_s, 0), m_settings->readInt(key, u"Top"_s, 0));
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

void MainWindow::storePosition()
{
    m_settings->writeInt(windowKey(), u"Left"_s, pos().x());
    m_settings->writeInt(windowKey(), u"Top"_s, pos().y());
    m_settings->sync();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShowDone) {
        m_firstShowDone = true;
        startFirstGallery();
    }
}

void MainWindow::startFirstGallery()
{
    if (!gallery()) {
        // Nothing to save yet: no question.
        createGallery();
        gallery()->resetAsNewGallery();
        gallery()->setModified(false);
        updatePanels(gallery()->selectedObject());
    }
    m_tips = TipsDialog::showStartupTip(m_showTipsOnStartup, this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Unsaved changes are asked about; Cancel keeps the window open.
    if (gallery() && gallery()->modified() && !saveQuery()) {
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
}

void MainWindow::shutDown()
{
    storePosition();
    freeGallery();
    if (m_tips)
        m_tips->close();
    hide();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_galleryBox->viewport() && event->type() == QEvent::Resize)
        centreGallery();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::centreGallery()
{
    GalleryDocument *gallery = this->gallery();
    if (!gallery)
        return;
    setUpdatesEnabled(false);
    const QSize gallerySize(qMax(0, gallery->width()), qMax(0, gallery->height()));
    // The stage grows with the gallery so that a gallery larger than the box can be scrolled.
    m_stage->setMinimumSize(gallerySize);
    const QSize box = m_galleryBox->viewport()->size();
    const int left = qMax(0, (box.width() - gallerySize.width()) / 2);
    const int top = qMax(0, (box.height() - gallerySize.height()) / 2);
    m_canvas->move(left, top);
    m_canvas->lower();
    setUpdatesEnabled(true);
}

void MainWindow::createGallery()
{
    freeGallery();
    auto *gallery = new GalleryDocument(this);
    m_gallery = gallery;
    connect(gallery, &GalleryDocument::selectionChanged, this, &MainWindow::updatePanels);
    connect(gallery, &GalleryDocument::requiredFilesRequested, this, &MainWindow::requiredFilesRequested);
    connect(gallery, &GalleryDocument::imageFilesMissing, this, [this](const QStringList &paths) {
        MessageBox::warning(this, MessageCaption, u"No Src Big Image Found\n"_s + paths.join(u'\n'));
    });
    m_canvas->setGallery(gallery);
    m_gallerySettingsPanel->bind(gallery);
    m_componentPanel->bind(gallery);
    m_thumbnailCellPanel->bind(gallery);
    watchImageDisplay();
    m_canvas->show();
    centreGallery();
    QCoreApplication::processEvents();
    emit galleryReplaced(gallery);
}

void MainWindow::freeGallery()
{
    GalleryDocument *gallery = this->gallery();
    if (!gallery)
        return;
    m_sendToBackTimer->stop();
    m_canvas->setGallery(nullptr);
    m_gallerySettingsPanel->bind(nullptr);
    m_componentPanel->bind(nullptr);
    m_thumbnailCellPanel->bind(nullptr);
    m_gallery = nullptr;
    delete gallery;
    emit galleryReplaced(nullptr);
}

void MainWindow::watchImageDisplay()
{
    ImageDisplay *display = gallery()->imageDisplay();
    if (!display)
        return;
    m_imageDisplaySize = display->bounds().size();
    // After a change of size the display goes behind the other components, a moment later.
    connect(display, &CanvasObject::geometryChanged, this, [this, display] {
        const QSize size = display->bounds().size();
        if (size == m_imageDisplaySize)
            return;
        m_imageDisplaySize = size;
        m_sendToBackTimer->start();
    });
}

void MainWindow::sendImageDisplayToBack()
{
    m_sendToBackTimer->stop();
    if (GalleryDocument *gallery = this->gallery())
        gallery->sendToBack(gallery->imageDisplay());
}

void MainWindow::updatePanels(CanvasObject *selected)
{
    GalleryDocument *gallery = this->gallery();
    if (gallery && selected && selected != gallery) {
        auto *component = qobject_cast<StyledComponent *>(selected);
        m_thumbnailCellPanel->setVisible(selected == gallery->thumbnailStrip());
        m_componentPanel->setVisible(component != nullptr);
        m_panelTabs->setCurrentIndex(1);
        if (component)
            component->showProperties();
        return;
    }
    m_componentPanel->hide();
    m_thumbnailCellPanel->hide();
    m_panelTabs->setCurrentIndex(0);
}

void MainWindow::pageChanged(int index)
{
    // The "Layout" tab is never empty: with nothing of its own selected it shows the strip.
    GalleryDocument *gallery = this->gallery();
    if (index != 1 || !gallery)
        return;
    CanvasObject *selected = gallery->selectedObject();
    if ((!selected || selected == gallery) && gallery->thumbnailStrip())
        gallery->select(gallery->thumbnailStrip(), true);
}

SaveFileChooser MainWindow::saveChooser()
{
    return [this](const QString &proposedPath) {
        QString start = proposedPath;
        // A gallery that was never saved proposes a bare name: it goes into the last folder.
        if (!proposedPath.contains(u'/'))
            start = includeTrailingSlash(m_folders->folder(SaveDialog)) + proposedPath;
        const QString chosen = FileDialog::saveFileName(this, u"Save As"_s, start,
                                                        u"Image Gallery Files (*.xml);;All Files (*)"_s);
        if (!chosen.isEmpty())
            m_folders->remember(SaveDialog, QFileInfo(chosen).absolutePath());
        return chosen;
    };
}

MainWindow::SaveOutcome MainWindow::runSave()
{
    GalleryDocument *gallery = this->gallery();
    if (!gallery)
        return SaveOutcome::Cancelled;
    try {
        return gallery->save(saveChooser()) ? SaveOutcome::Saved : SaveOutcome::Cancelled;
    } catch (const FotoviaError &e) {
        showError(e.message());
    }
    return SaveOutcome::Failed;
}

void MainWindow::showError(const QString &text)
{
    MessageBox::critical(this, MessageCaption, text);
}

bool MainWindow::saveQuery()
{
    if (!gallery())
        return true;
    const auto answer = MessageBox::question(this, u"Save"_s, u"Save changes to your file?"_s,
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                             QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::No:
        return true;
    case QMessageBox::Yes:
        // Only a save that happened lets the command go on: a cancelled or failed save keeps
        // the changes.
        return runSave() == SaveOutcome::Saved;
    default:
        return false;
    }
}

void MainWindow::newGallery()
{
    if (gallery() && gallery()->modified() && !saveQuery())
        return;
    createGallery();
    gallery()->resetAsNewGallery();
    gallery()->setModified(false);
    updatePanels(gallery()->selectedObject());
}

void MainWindow::openGallery()
{
    if (gallery() && gallery()->modified() && !saveQuery())
        return;
    const QString path = FileDialog::openFileName(this, u"Open File"_s, m_folders->folder(OpenDialog),
                                                  u"My Gallery Files (*.xml)"_s);
    if (path.isEmpty())
        return;
    m_folders->remember(OpenDialog, QFileInfo(path).absolutePath());
    try {
        // The gallery being opened starts from empty working folders.
        ensureFolder(AppFolders::tempFolder(), true);
        ensureFolder(AppFolders::imagesWorkFolder(), true);
    } catch (const FotoviaError &e) {
        showError(e.message());
        return;
    }
    createGallery();
    gallery()->setModified(false);
    GalleryLoadReport report;
    try {
        report = gallery()->loadFromFile(path);
    } catch (const FotoviaError &e) {
        report.recognised = true; // the load got as far as the error
        report.error = e.message();
    }
    if (!report.recognised && QFileInfo(path).isFile())
        MessageBox::warning(this, MessageCaption, u"This file cannot be opened in Fotovia!"_s);
    if (!report.error.isEmpty())
        showError(report.error);
    if (!report.undecodable.isEmpty()) {
        MessageBox::warning(this, MessageCaption, ImportFailure::Message(report.undecodable, true));
    }
    if (gallery()) {
        updatePanels(gallery()->selectedObject());
        m_panelTabs->setCurrentIndex(0);
    }
    centreGallery();
}

void MainWindow::saveGallery()
{
    if (gallery())
        runSave();
}

void MainWindow::exitProgram()
{
    // The same way out as the close box, so unsaved changes are asked about.
    close();
}

void MainWindow::showHelp()
{
    shellOpen(AppFolders::appFile(u"help.html"_s));
}

void MainWindow::showOnlineHelp()
{
    shellOpen(ProjectLinks::onlineHelp());
}

void MainWindow::contactUs()
{
    shellOpen(ProjectLinks::contactUs());
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void MainWindow::showRequiredFiles()
{
    if (gallery())
        emit requiredFilesRequested();
}

void MainWindow::publishGallery()
{
    if (gallery())
        emit publishRequested();
}

void MainWindow::previewGallery()
{
    if (!gallery())
        return;
    if (!m_preview)
        m_preview = new PreviewWindow(this);
    m_preview->preview(gallery());
}

void MainWindow::showHtmlCode()
{
    HtmlCodeDialog::showHtmlCode(gallery(), saveChooser(), this);
}

void MainWindow::setTipsOnStartup(bool checked)
{
    // The check mark has already flipped. The tips file's name is the setting; a rename that
    // fails (a file of the target name exists) is ignored.
    if (!checked)
        TipsFile::park(TipsFile::folder(AppFolders::appFolder()));
    else
        TipsFile::activate(TipsFile::folder(AppFolders::appFolder()));
}
