#pragma once

#include "gallery/FflashMovie.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <memory>

class ArrowKeyHandler;
class DialogFolders;
class GalleryCanvas;
class SettingsStore;
class TComponentPanel;
class TGalleryPanel;
class TThumbnailPanel;
class TwinTips;
class TwinReqFiles;
class QAction;
class QScrollArea;
class QTabWidget;
class QTimer;
class QToolBar;

// The designer's main window: the canvas in its scroll box, the property panels on two tabs,
// and the commands on the toolbar and the menus. It owns the one open gallery.
class TwMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TwMain(QWidget *parent = nullptr);
    ~TwMain() override;

    FflashMovie *Gallery() const;

    // The save question before a gallery is discarded: true to go on, false to stop.
    bool SaveQuery();
    // Keeps the gallery centred in the scroll box (at the top left once it is larger).
    void FormResize();

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
    void GetCode1Click();
    void ShowTipsonStartup1Click(bool checked);
    void Timer1Timer();

    // What the window is made of, for the windows that work with it and for tests.
    QAction *ActionNew() const { return m_actionNew; }
    QAction *ActionOpen() const { return m_actionOpen; }
    QAction *ActionSaveAs() const { return m_actionSaveAs; }
    QAction *ActionPublish() const { return m_actionPublish; }
    QAction *ActionPreview() const { return m_actionPreview; }
    QAction *ActionAlbums() const { return m_actionAlbums; }
    QAction *ActionExit() const { return m_actionExit; }
    QAction *ActionHelp() const { return m_actionHelp; }
    QAction *ActionOnlineHelp() const { return m_actionOnlineHelp; }
    QAction *ActionContactUs() const { return m_actionContactUs; }
    QAction *ActionAbout() const { return m_actionAbout; }
    QAction *ActionShowReqFiles() const { return m_actionShowReqFiles; }
    QAction *ActionGetHTML() const { return m_actionGetHTML; }
    QAction *ShowTipsonStartup1() const { return m_showTipsOnStartup; }
    QToolBar *ToolBar() const { return m_toolBar; }
    QScrollArea *MoviePanel() const { return m_moviePanel; }
    GalleryCanvas *Canvas() const { return m_canvas; }
    QTabWidget *PageControl() const { return m_pageControl; }
    TGalleryPanel *MainPanel() const { return m_mainPanel; }
    TComponentPanel *BasePanel() const { return m_basePanel; }
    TThumbnailPanel *ThumbnailPanel() const { return m_thumbnailPanel; }
    QTimer *Timer1() const { return m_timer1; }
    ArrowKeyHandler *KeyHandler() const { return m_keyHandler; }
    DialogFolders &Folders() const { return *m_folders; }
    TwinTips *TipsWindow() const;
    TwinReqFiles *FilesWindow() const { return m_filesWindow; }

    // How a save asks for its file: the save chooser, starting in the gallery's folder or the
    // one remembered from the last save.
    SaveFileChooser SaveChooser();

    static QString WindowKey();

signals:
    // A new gallery replaced the previous one (New, Open); none while the window closes.
    void GalleryReplaced(FflashMovie *gallery);
    // Commands whose windows live elsewhere.
    void AlbumsWindowRequested();
    void PublishRequested();
    void PreviewRequested();
    void RequiredFilesRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ConnectPublishing();
    void FormCreate();
    void FormShow();
    void FormClose();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateCentralArea();
    void RestorePosition();
    void StorePosition();

    // Frees the open gallery (if any) and makes a fresh one current, shown and centred.
    void CreateGallery();
    void FreeGallery();
    // Shows the panels that fit the selection and switches the tabs.
    void UpdatePanels(FflashObjectBaseClass *selected);
    void PageChanged(int index);
    void WatchImageDisplay();

    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome RunSave();
    void ShowError(const QString &text);
    void EditFocused(const char *operation);

    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<DialogFolders> m_folders;
    bool m_firstShowDone = false;
    QSize m_imageDisplaySize;
    QPointer<TwinTips> m_tips;

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
    TGalleryPanel *m_mainPanel = nullptr;
    TComponentPanel *m_basePanel = nullptr;
    TThumbnailPanel *m_thumbnailPanel = nullptr;
    QTimer *m_timer1 = nullptr;
    TwinReqFiles *m_filesWindow = nullptr;
    ArrowKeyHandler *m_keyHandler = nullptr;
};
