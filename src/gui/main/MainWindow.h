#pragma once

#include "GalleryDocument.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <memory>

class NudgeKeyFilter;
class RememberedFolders;
class GalleryCanvas;
class SettingsStore;
class ComponentPanel;
class GallerySettingsPanel;
class ThumbnailCellPanel;
#include "TipsDialog.h"
class FilesToUploadDialog;
class QAction;
class QScrollArea;
class QTabWidget;
class QTimer;
class QToolBar;

// The designer's main window: the canvas in its scroll box, the property panels on two tabs,
// and the commands on the toolbar and the menus. It owns the one open gallery.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    GalleryDocument *gallery() const;

    // The save question before a gallery is discarded: true to go on, false to stop.
    bool saveQuery();
    // Keeps the gallery centred in the scroll box (at the top left once it is larger).
    void formResize();

    // Commands.
    void actionNewExecute();
    void actionOpenExecute();
    void actionSaveAsExecute();
    void actionExitExecute();
    void actionHelpExecute();
    void actionOnlineHelpExecute();
    void actionContactUsExecute();
    void actionAboutExecute();
    void actionShowReqFilesExecute();
    void actionPublishExecute();
    void actionPreviewExecute();
    void code1Click();
    void showTipsonStartup1Click(bool checked);
    void timer1Timer();

    // What the window is made of, for the windows that work with it and for tests.
    QAction *actionNew() const { return m_actionNew; }
    QAction *actionOpen() const { return m_actionOpen; }
    QAction *actionSaveAs() const { return m_actionSaveAs; }
    QAction *actionPublish() const { return m_actionPublish; }
    QAction *actionPreview() const { return m_actionPreview; }
    QAction *actionAlbums() const { return m_actionAlbums; }
    QAction *actionExit() const { return m_actionExit; }
    QAction *actionHelp() const { return m_actionHelp; }
    QAction *actionOnlineHelp() const { return m_actionOnlineHelp; }
    QAction *actionContactUs() const { return m_actionContactUs; }
    QAction *actionAbout() const { return m_actionAbout; }
    QAction *actionShowReqFiles() const { return m_actionShowReqFiles; }
    QAction *actionGetHTML() const { return m_actionGetHTML; }
    QAction *showTipsonStartup1() const { return m_showTipsOnStartup; }
    QToolBar *toolBar() const { return m_toolBar; }
    QScrollArea *moviePanel() const { return m_moviePanel; }
    GalleryCanvas *canvas() const { return m_canvas; }
    QTabWidget *pageControl() const { return m_pageControl; }
    GallerySettingsPanel *mainPanel() const { return m_mainPanel; }
    ComponentPanel *basePanel() const { return m_basePanel; }
    ThumbnailCellPanel *thumbnailPanel() const { return m_thumbnailPanel; }
    QTimer *timer1() const { return m_timer1; }
    NudgeKeyFilter *keyHandler() const { return m_keyHandler; }
    RememberedFolders &folders() const { return *m_folders; }
    TipsDialog *tipsWindow() const;
    FilesToUploadDialog *filesWindow() const { return m_filesWindow; }

    // How a save asks for its file: the save chooser, starting in the gallery's folder or the
    // one remembered from the last save.
    SaveFileChooser saveChooser();

    static QString windowKey();

signals:
    // A new gallery replaced the previous one (New, Open); none while the window closes.
    void galleryReplaced(GalleryDocument *gallery);
    // Commands whose windows live elsewhere.
    void albumsWindowRequested();
    void publishRequested();
    void previewRequested();
    void requiredFilesRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectPublishing();
    void formCreate();
    void formShow();
    void formClose();
    void createActions();
    void createMenus();
    void createToolBar();
    void createCentralArea();
    void restorePosition();
    void storePosition();

    // Frees the open gallery (if any) and makes a fresh one current, shown and centred.
    void createGallery();
    void freeGallery();
    // Shows the panels that fit the selection and switches the tabs.
    void updatePanels(CanvasObject *selected);
    void pageChanged(int index);
    void watchImageDisplay();

    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome runSave();
    void showError(const QString &text);
    void editFocused(const char *operation);

    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<RememberedFolders> m_folders;
    bool m_firstShowDone = false;
    QSize m_imageDisplaySize;
    QPointer<TipsDialog> m_tips;

    QAction *m_actionNew = nullptr;
    QAction *m_actionOpen = nullptr;
    QAction *m_actionSaveAs = nullptr;
    QAction *m_actionPublish = nullptr;
    QAction *m_actionPreview = nullptr;
    QAction *m_actionAlbums = nullptr;
    QAction *m_actionExit = nullptr;
    QAction *m_actionHelp = nullptr;
    QAction *m_actionOnlineHelp = nullptr;
    QAction *m_actionContactUs = nullptr;
    QAction *m_actionAbout = nullptr;
    QAction *m_actionShowReqFiles = nullptr;
    QAction *m_actionGetHTML = nullptr;
    QAction *m_showTipsOnStartup = nullptr;

    QToolBar *m_toolBar = nullptr;
    QScrollArea *m_moviePanel = nullptr;
    QWidget *m_stage = nullptr;
    GalleryCanvas *m_canvas = nullptr;
    QTabWidget *m_pageControl = nullptr;
    GallerySettingsPanel *m_mainPanel = nullptr;
    ComponentPanel *m_basePanel = nullptr;
    ThumbnailCellPanel *m_thumbnailPanel = nullptr;
    QTimer *m_timer1 = nullptr;
    FilesToUploadDialog *m_filesWindow = nullptr;
    NudgeKeyFilter *m_keyHandler = nullptr;
};
