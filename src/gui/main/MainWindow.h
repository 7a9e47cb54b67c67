#pragma once

#include "GalleryDocument.h"
#include "TipsDialog.h"

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
class FilesToUploadDialog;
class MySitesDialog;
class PreviewWindow;
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
    void centreGallery();

public slots:
    // Commands.
    void newGallery();
    void openGallery();
    void saveGallery();
    void exitProgram();
    void showHelp();
    void showOnlineHelp();
    void contactUs();
    void showAbout();
    void showRequiredFiles();
    void publishGallery();
    void previewGallery();
    void showHtmlCode();
    void setTipsOnStartup(bool checked);
    void sendImageDisplayToBack();

public:
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
    QAction *actionGetCode() const { return m_actionGetCode; }
    QAction *showTipsOnStartupAction() const { return m_showTipsOnStartup; }
    QToolBar *toolBar() const { return m_toolBar; }
    QScrollArea *galleryBox() const { return m_galleryBox; }
    GalleryCanvas *canvas() const { return m_canvas; }
    QTabWidget *panelTabs() const { return m_panelTabs; }
    GallerySettingsPanel *gallerySettingsPanel() const { return m_gallerySettingsPanel; }
    ComponentPanel *componentPanel() const { return m_componentPanel; }
    ThumbnailCellPanel *thumbnailCellPanel() const { return m_thumbnailCellPanel; }
    QTimer *sendToBackTimer() const { return m_sendToBackTimer; }
    NudgeKeyFilter *nudgeKeys() const { return m_nudgeKeys; }
    RememberedFolders &folders() const { return *m_folders; }
    TipsDialog *tipsDialog() const;
    FilesToUploadDialog *filesToUploadDialog() const { return m_filesToUploadDialog; }
    // The preview, made on first use and kept for the whole run; none before.
    PreviewWindow *previewWindow() const { return m_preview; }
    // My Sites, made on first use and kept for the run.
    MySitesDialog *mySitesDialog();

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
    void applyStartSettings();
    void startFirstGallery();
    void shutDown();
    void createActions();
    void connectActions();
    void createEditActions();
    void rememberPickerFolders();
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

    GalleryDocument *m_gallery = nullptr;
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
    QAction *m_actionGetCode = nullptr;
    QAction *m_showTipsOnStartup = nullptr;

    QToolBar *m_toolBar = nullptr;
    QScrollArea *m_galleryBox = nullptr;
    QWidget *m_stage = nullptr;
    GalleryCanvas *m_canvas = nullptr;
    QTabWidget *m_panelTabs = nullptr;
    GallerySettingsPanel *m_gallerySettingsPanel = nullptr;
    ComponentPanel *m_componentPanel = nullptr;
    ThumbnailCellPanel *m_thumbnailCellPanel = nullptr;
    QTimer *m_sendToBackTimer = nullptr;
    FilesToUploadDialog *m_filesToUploadDialog = nullptr;
    PreviewWindow *m_preview = nullptr;
    MySitesDialog *m_mySites = nullptr;
    NudgeKeyFilter *m_nudgeKeys = nullptr;
};
