#pragma once

#include "Color.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

class AlbumMenuPanelView;
class AlbumThumbnailsPanel;
class AlbumTileView;
class ColorButton;
class RememberedFolders;
#include "GalleryDocument.h"
#include "Album.h"
class AlbumPhoto;
class ThumbnailView;
class AddImagesDialog;
class ImportProgressDialog;
class PhotoLinkDialog;
class QAction;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;

// "Photo Albums": the albums of one gallery, shown as the player's album menu, with the current
// album's photos in a strip below and the menu's style on two tabs. Made anew for every gallery.
class PhotoAlbumsWindow : public QWidget
{
    Q_OBJECT
public:
    struct Dialogs
    {
        AddImagesDialog *chooser = nullptr;
        ImportProgressDialog *progress = nullptr;
        PhotoLinkDialog *link = nullptr;
        RememberedFolders *folders = nullptr; // where the add-images chooser starts (may be null)
    };

    PhotoAlbumsWindow(GalleryDocument *gallery, const Dialogs &dialogs, QWidget *parent = nullptr);
    ~PhotoAlbumsWindow() override;

    GalleryDocument *gallery() const;
    Album *currentAlbum() const;
    // True while photos are being added: the other commands wait for the end of it.
    bool addingImages() const { return m_adding; }

    void selectAlbum(Album *album);
    void refreshAlbumFields();
    void refreshImageControls();
    void layoutAlbumTiles();
    void fillControls();
    void toggleImageSelection(AlbumPhoto *image, bool shiftHeld);
    // Shows the window centred on over.
    void showOver(QWidget *over);

    // Commands.
    void addAlbum();
    void deleteAlbum();
    void moveAlbumLeft();
    void moveAlbumRight();
    void addImages();
    void deleteImages();
    void moveImagesLeft();
    void moveImagesRight();
    void editLink();
    void requestPreview();
    void backToGallery();
    // Photos dropped on the window: added to the current album as the folder flow adds its
    // entries, without asking the chooser.
    void addDroppedFiles(const QStringList &paths);

    // The application-wide arrow keys while this window is visible (true: visible).
    bool handleArrowKey(int key);

    // What the window is made of, for tests.
    QAction *actionAddAlbum() const { return m_addAlbum; }
    QAction *actionAddImages() const { return m_addImages; }
    QAction *actionMoveLeft() const { return m_moveLeft; }
    QAction *actionMoveRight() const { return m_moveRight; }
    QAction *actionDeleteAlbum() const { return m_deleteAlbum; }
    QAction *actionPreview() const { return m_preview; }
    QAction *actionBack() const { return m_back; }
    QToolBar *toolBar() const { return m_toolBar; }
    QScrollArea *albumArea() const { return m_albumArea; }
    AlbumMenuPanelView *menuPanelView() const { return m_panelView; }
    AlbumTileView *tileOf(const Album *album) const { return m_tiles.value(album); }
    AlbumThumbnailsPanel *thumbnailsPanelOf(const Album *album) const { return m_thumbPanels.value(album); }
    ThumbnailView *viewOf(const AlbumPhoto *image) const;
    QWidget *imageRow() const { return m_imageRow; }
    QScrollArea *imageStrip() const { return m_strip; }
    QLabel *stripPlaceholder() const { return m_placeholder; }
    QToolButton *moveImageLeftButton() const { return m_moveImageLeft; }
    QToolButton *moveImageRightButton() const { return m_moveImageRight; }
    QToolButton *deleteImageButton() const { return m_deleteImage; }
    QToolButton *linkButton() const { return m_linkButton; }
    QLineEdit *captionEdit() const { return m_caption; }
    QTabWidget *styleTabs() const { return m_styleTabs; }
    QWidget *albumFields() const { return m_albumFields; }
    QLineEdit *titleEdit() const { return m_title; }
    QPlainTextEdit *descriptionEdit() const { return m_description; }
    QTimer *deferredAlbumDelete() const { return m_deferredAlbumDelete; }
    QTimer *deferredImagesDelete() const { return m_deferredImagesDelete; }

    // One group of style controls (the tiles on "Settings", the panel on "Background").
    struct StyleControls
    {
        class QFormLayout *form = nullptr;
        QComboBox *style = nullptr; // Background tab only
        QWidget *solidRow = nullptr;
        QWidget *gradientRow = nullptr;
        ColorButton *fill = nullptr;
        ColorButton *gradientFirst = nullptr;
        ColorButton *gradientSecond = nullptr;
        QCheckBox *showBorder = nullptr;
        QCheckBox *dashed = nullptr;
        ColorButton *borderColor = nullptr;
        QSpinBox *transparency = nullptr;
        QFontComboBox *fontFace = nullptr; // tiles only
        ColorButton *fontColor = nullptr;  // tiles only
    };
    const StyleControls &tileControls() const { return m_tile; }
    const StyleControls &backgroundControls() const { return m_background; }
    QFontComboBox *captionFontFace() const { return m_captionFont; }
    ColorButton *captionFontColor() const { return m_captionColor; }
    ColorButton *captionBackgroundColor() const { return m_captionBackground; }

signals:
    // The main window's preview command.
    void previewRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createDeferredDeletes();
    void createToolBar();
    QWidget *createAlbumArea();
    QWidget *createImageRow();
    QWidget *createImageStrip();
    QWidget *createStyleTabs();
    QWidget *createSettingsTab();
    QWidget *createAlbumFields(QWidget *page);
    QWidget *createTileRows(QWidget *page);
    QWidget *createCaptionGroup(QWidget *page);
    static QFontComboBox *createFontList(QWidget *owner);
    void connectAlbumFields();
    void connectCaptionControls();
    QWidget *createBackgroundTab();
    void createStyleRows(class QFormLayout *form, StyleControls &controls, QWidget *owner);
    void connectTileControls();
    void connectBackgroundControls();
    void connectTransparency(QSpinBox *box, const std::function<void(int)> &apply);
    void bindGallery();

    void syncTiles();
    void currentAlbumChanged(Album *album);
    void forgetAlbum(QObject *album);
    void showCurrentThumbnails();
    void thumbnailViewCreated(ThumbnailView *view);
    void updateColourRows();
    void afterAlbumMove();
    void addImagesFrom(const QStringList &paths, bool folderEntries);
    // Runs an add: the progress window, the guard that keeps other commands away, the message
    // for photos that could not be read.
    void runAdd(const std::function<QStringList()> &choosePaths, bool folderEntries);
    void tileStyleEdited();
    void markModified();
    bool canEdit() const;
    AlbumPhoto *lastSelectedImage() const;
    void setCommandsEnabled(bool enabled);
    static QStringList droppedPictures(const class QMimeData *mime);

    QPointer<GalleryDocument> m_gallery;
    QPointer<Album> m_currentAlbum;
    Dialogs m_dialogs;
    bool m_adding = false;
    bool m_fillingControls = false;

    QToolBar *m_toolBar = nullptr;
    QAction *m_addAlbum = nullptr;
    QAction *m_addImages = nullptr;
    QAction *m_moveLeft = nullptr;
    QAction *m_moveRight = nullptr;
    QAction *m_deleteAlbum = nullptr;
    QAction *m_preview = nullptr;
    QAction *m_back = nullptr;

    QScrollArea *m_albumArea = nullptr;
    AlbumMenuPanelView *m_panelView = nullptr;
    QHash<const Album *, AlbumTileView *> m_tiles;
    QHash<const Album *, AlbumThumbnailsPanel *> m_thumbPanels;

    QWidget *m_imageRow = nullptr;
    QToolButton *m_moveImageLeft = nullptr;
    QToolButton *m_moveImageRight = nullptr;
    QToolButton *m_deleteImage = nullptr;
    QLineEdit *m_caption = nullptr;
    QToolButton *m_linkButton = nullptr;

    QScrollArea *m_strip = nullptr;
    QWidget *m_stripHost = nullptr;
    QLabel *m_placeholder = nullptr;

    QTabWidget *m_styleTabs = nullptr;
    QWidget *m_albumFields = nullptr;
    QLineEdit *m_title = nullptr;
    QPlainTextEdit *m_description = nullptr;
    StyleControls m_tile;
    StyleControls m_background;
    QFontComboBox *m_captionFont = nullptr;
    ColorButton *m_captionColor = nullptr;
    ColorButton *m_captionBackground = nullptr;

    QTimer *m_deferredAlbumDelete = nullptr;
    QTimer *m_deferredImagesDelete = nullptr;
};
