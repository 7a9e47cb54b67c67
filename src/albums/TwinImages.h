#pragma once

#include "app/Color.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

class AlbumMenuPanelView;
class AlbumThumbnailsPanel;
class AlbumTileView;
class ColorButton;
class DialogFolders;
class FflashMovie;
class FThummnailCatagory;
class FThummnailImageData;
class ThumbnailView;
class TwImageChooser;
class TwinSaveProgress;
class TwinimageLink;
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
class TwinImages : public QWidget
{
    Q_OBJECT
public:
    struct Dialogs
    {
        TwImageChooser *chooser = nullptr;
        TwinSaveProgress *progress = nullptr;
        TwinimageLink *link = nullptr;
        DialogFolders *folders = nullptr; // where the add-images chooser starts (may be null)
    };

    TwinImages(FflashMovie *gallery, const Dialogs &dialogs, QWidget *parent = nullptr);
    ~TwinImages() override;

    FflashMovie *Gallery() const;
    FThummnailCatagory *CurrentAlbum() const;
    // True while photos are being added: the other commands wait for the end of it.
    bool AddingImages() const { return m_adding; }

    void SelectAlbum(FThummnailCatagory *album);
    void RefreshAlbumFields();
    void RefreshImageControls();
    void LayoutAlbumTiles();
    void FillControls();
    void ToggleImageSelection(FThummnailImageData *image, bool shiftHeld);
    // Shows the window centred on over.
    void ShowOver(QWidget *over);

    // Commands.
    void AddAlbumExecute();
    void DeleteAlbumExecute();
    void MoveAlbumLeftExecute();
    void MoveAlbumRightExecute();
    void AddImagesExecute();
    void DeleteImagesExecute();
    void MoveImagesLeftExecute();
    void MoveImagesRightExecute();
    void EditLinkExecute();
    void PreviewExecute();
    void BackToGalleryExecute();
    // Photos dropped on the window: added to the current album as the folder flow adds its
    // entries, without asking the chooser.
    void AddDroppedFiles(const QStringList &paths);

    // The application-wide arrow keys while this window is visible (true: visible).
    bool HandleArrowKey(int key);

    // What the window is made of, for tests.
    QAction *ActionAddAlbum() const { return m_addAlbum; }
    QAction *ActionAddImages() const { return m_addImages; }
    QAction *ActionMoveLeft() const { return m_moveLeft; }
    QAction *ActionMoveRight() const { return m_moveRight; }
    QAction *ActionDeleteAlbum() const { return m_deleteAlbum; }
    QAction *ActionPreview() const { return m_preview; }
    QAction *ActionBack() const { return m_back; }
    QToolBar *ToolBar() const { return m_toolBar; }
    QScrollArea *AlbumArea() const { return m_albumArea; }
    AlbumMenuPanelView *MenuPanelView() const { return m_panelView; }
    AlbumTileView *TileOf(const FThummnailCatagory *album) const { return m_tiles.value(album); }
    AlbumThumbnailsPanel *ThumbnailsPanelOf(const FThummnailCatagory *album) const { return m_thumbPanels.value(album); }
    ThumbnailView *ViewOf(const FThummnailImageData *image) const;
    QWidget *ImageRow() const { return m_imageRow; }
    QScrollArea *ImageStrip() const { return m_strip; }
    QLabel *StripPlaceholder() const { return m_placeholder; }
    QToolButton *MoveImageLeftButton() const { return m_moveImageLeft; }
    QToolButton *MoveImageRightButton() const { return m_moveImageRight; }
    QToolButton *DeleteImageButton() const { return m_deleteImage; }
    QToolButton *LinkButton() const { return m_linkButton; }
    QLineEdit *CaptionEdit() const { return m_caption; }
    QTabWidget *PageControl() const { return m_pageControl; }
    QWidget *AlbumFields() const { return m_albumFields; }
    QLineEdit *TitleEdit() const { return m_title; }
    QPlainTextEdit *DescriptionEdit() const { return m_description; }
    QTimer *DeleteAlbumTimer() const { return m_deleteAlbumTimer; }
    QTimer *DeleteImagesTimer() const { return m_deleteImagesTimer; }

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
    const StyleControls &TileControls() const { return m_tile; }
    const StyleControls &BackgroundControls() const { return m_background; }
    QFontComboBox *CaptionFontFace() const { return m_captionFont; }
    ColorButton *CaptionFontColor() const { return m_captionColor; }
    ColorButton *CaptionBackgroundColor() const { return m_captionBackground; }

signals:
    // The main window's preview command.
    void PreviewRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateToolBar();
    QWidget *CreateImageRow();
    QWidget *CreateSettingsTab();
    QWidget *CreateBackgroundTab();
    void CreateStyleRows(class QFormLayout *form, StyleControls &controls, QWidget *owner);
    void ConnectTileControls();
    void ConnectBackgroundControls();
    void ConnectTransparency(QSpinBox *box, const std::function<void(int)> &apply);
    void BindGallery();

    void SyncTiles();
    void CurrentAlbumChanged(FThummnailCatagory *album);
    void ForgetAlbum(QObject *album);
    void ShowCurrentThumbnails();
    void ThumbnailViewCreated(ThumbnailView *view);
    void UpdateColourRows();
    void AfterAlbumMove();
    void AddImagesFrom(const QStringList &paths, bool folderEntries);
    // Runs an add: the progress window, the guard that keeps other commands away, the message
    // for photos that could not be read.
    void RunAdd(const std::function<QStringList()> &choosePaths, bool folderEntries);
    void TileStyleEdited();
    void MarkModified();
    bool CanEdit() const;
    FThummnailImageData *LastSelectedImage() const;
    void SetCommandsEnabled(bool enabled);
    static QStringList DroppedPictures(const class QMimeData *mime);

    QPointer<FflashMovie> m_gallery;
    QPointer<FThummnailCatagory> m_currentAlbum;
    Dialogs m_dialogs;
    bool m_adding = false;
    bool m_fillingAlbumFields = false;

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
    QHash<const FThummnailCatagory *, AlbumTileView *> m_tiles;
    QHash<const FThummnailCatagory *, AlbumThumbnailsPanel *> m_thumbPanels;

    QWidget *m_imageRow = nullptr;
    QToolButton *m_moveImageLeft = nullptr;
    QToolButton *m_moveImageRight = nullptr;
    QToolButton *m_deleteImage = nullptr;
    QLineEdit *m_caption = nullptr;
    QToolButton *m_linkButton = nullptr;

    QScrollArea *m_strip = nullptr;
    QWidget *m_stripHost = nullptr;
    QLabel *m_placeholder = nullptr;

    QTabWidget *m_pageControl = nullptr;
    QWidget *m_albumFields = nullptr;
    QLineEdit *m_title = nullptr;
    QPlainTextEdit *m_description = nullptr;
    StyleControls m_tile;
    StyleControls m_background;
    QFontComboBox *m_captionFont = nullptr;
    ColorButton *m_captionColor = nullptr;
    ColorButton *m_captionBackground = nullptr;

    QTimer *m_deleteAlbumTimer = nullptr;
    QTimer *m_deleteImagesTimer = nullptr;
};
