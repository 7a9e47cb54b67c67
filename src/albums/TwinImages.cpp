#include "TwinImages.h"

#include "AlbumMenuPanelView.h"
#include "AlbumThumbnailsPanel.h"
#include "AlbumTileView.h"
#include "FCatagoryMenuStyle.h"
#include "FThummnailCatagory.h"
#include "FThummnailCatagoryPanel.h"
#include "FThummnailImageData.h"
#include "ThumbnailView.h"
#include "TwImageChooser.h"
#include "TwinSaveProgress.h"
#include "TwinimageLink.h"
#include "app/AppState.h"
#include "app/DialogFolders.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/Utils.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "panels/ColorButton.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString AddImagesDialog = u"openimage"_s;
const QString PictureFilter = u"All graphics (*.jpeg *.jpg *.gif *.bmp *.png *tif *.tiff)"_s;
const QString NoAlbumMessage = u"You must select the catagory you want to add your images to."_s;

QIcon ToolIcon(const QWidget *widget, const QString &theme, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(theme, widget->style()->standardIcon(fallback));
}

// The picture shown where the strip would be while the album has no photos.
QPixmap PlaceholderPicture()
{
    QPixmap picture(100, 100);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage(QRect(0, 0, 100, 100), FflashThumbnailerClass::NoImagePlaceholder());
    return picture;
}

QWidget *Row(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : widgets) {
        w->setParent(row);
        layout->addWidget(w);
    }
    layout->addStretch(1);
    return row;
}

// A tab's controls keep their height in a low window; the tab scrolls instead.
QScrollArea *Scrolling(QWidget *page)
{
    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    return scroll;
}

QToolButton *FlatButton(QWidget *parent, const QString &hint, const QIcon &icon)
{
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    return button;
}

} // namespace

TwinImages::TwinImages(FflashMovie *gallery, const Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_gallery(gallery), m_dialogs(dialogs)
{
    setObjectName(u"TwinImages"_s);
    setWindowTitle(u"Photo Albums"_s);
    setMinimumSize(500, 450);
    resize(689, 526);
    setAcceptDrops(true);

    m_deleteAlbumTimer = new QTimer(this);
    m_deleteAlbumTimer->setSingleShot(true);
    m_deleteAlbumTimer->setInterval(20);
    connect(m_deleteAlbumTimer, &QTimer::timeout, this, &TwinImages::DeleteAlbumExecute);
    m_deleteImagesTimer = new QTimer(this);
    m_deleteImagesTimer->setSingleShot(true);
    m_deleteImagesTimer->setInterval(20);
    connect(m_deleteImagesTimer, &QTimer::timeout, this, &TwinImages::DeleteImagesExecute);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateToolBar();
    layout->addWidget(m_toolBar);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(4, 4, 4, 4);
    auto *left = new QVBoxLayout;
    m_albumArea = new QScrollArea(this);
    m_albumArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_albumArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_albumArea->setWidgetResizable(false);
    m_panelView = new AlbumMenuPanelView;
    m_albumArea->setWidget(m_panelView);
    m_albumArea->viewport()->installEventFilter(this);
    left->addWidget(m_albumArea, 1);
    left->addWidget(CreateImageRow());

    auto *stripBox = new QWidget(this);
    stripBox->setFixedHeight(118);
    auto *stripLayout = new QHBoxLayout(stripBox);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    m_strip = new QScrollArea(stripBox);
    m_strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_strip->setWidgetResizable(false);
    m_stripHost = new QWidget;
    m_strip->setWidget(m_stripHost);
    m_placeholder = new QLabel(stripBox);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setPixmap(PlaceholderPicture());
    stripLayout->addWidget(m_strip);
    stripLayout->addWidget(m_placeholder);
    left->addWidget(stripBox);
    body->addLayout(left, 1);

    m_pageControl = new QTabWidget(this);
    m_pageControl->setFixedWidth(201);
    m_pageControl->addTab(Scrolling(CreateSettingsTab()), u"Settings"_s);
    m_pageControl->addTab(Scrolling(CreateBackgroundTab()), u"Background"_s);
    m_pageControl->setCurrentIndex(0);
    body->addWidget(m_pageControl);
    layout->addLayout(body, 1);

    ConnectTileControls();
    ConnectBackgroundControls();
    BindGallery();
    FillControls();
    RefreshAlbumFields();
    RefreshImageControls();
}

TwinImages::~TwinImages()
{
    // The views go first: they must not outlive the window's hold on the albums.
    qDeleteAll(m_tiles);
    m_tiles.clear();
    qDeleteAll(m_thumbPanels);
    m_thumbPanels.clear();
}

void TwinImages::CreateToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(32, 32));
    m_toolBar->setFixedHeight(80);
    m_toolBar->setMovable(false);
    const auto make = [this](const QString &caption, const QString &hint, const QIcon &icon) {
        auto *action = new QAction(icon, caption, this);
        action->setToolTip(hint);
        action->setStatusTip(hint);
        m_toolBar->addAction(action);
        return action;
    };
    m_addAlbum = make(u"Add Album"_s, u"Add a new Photo Album"_s, ToolIcon(this, u"folder-new"_s, QStyle::SP_FileDialogNewFolder));
    m_addImages = make(u"Add Images"_s, u"Add Images to your Photo Album"_s, ToolIcon(this, u"insert-image"_s, QStyle::SP_FileIcon));
    m_moveLeft = make(u"Move Left"_s, u"Move Album Left"_s, ToolIcon(this, u"go-previous"_s, QStyle::SP_ArrowLeft));
    m_moveRight = make(u"Move Right"_s, u"Move Album Right"_s, ToolIcon(this, u"go-next"_s, QStyle::SP_ArrowRight));
    m_deleteAlbum = make(u"Delete Album"_s, u"Remove the selected Photo Album"_s, ToolIcon(this, u"edit-delete"_s, QStyle::SP_TrashIcon));
    m_toolBar->addSeparator();
    m_preview = make(u"&Preview"_s, u"Preview in Browser"_s, ToolIcon(this, u"document-print-preview"_s, QStyle::SP_MediaPlay));
    m_back = make(u"Back to Gallery"_s, u"Close this Window and return to Gallery"_s, ToolIcon(this, u"go-home"_s, QStyle::SP_DialogCloseButton));

    connect(m_addAlbum, &QAction::triggered, this, &TwinImages::AddAlbumExecute);
    connect(m_addImages, &QAction::triggered, this, &TwinImages::AddImagesExecute);
    connect(m_moveLeft, &QAction::triggered, this, &TwinImages::MoveAlbumLeftExecute);
    connect(m_moveRight, &QAction::triggered, this, &TwinImages::MoveAlbumRightExecute);
    connect(m_deleteAlbum, &QAction::triggered, this, &TwinImages::DeleteAlbumExecute);
    connect(m_preview, &QAction::triggered, this, &TwinImages::PreviewExecute);
    connect(m_back, &QAction::triggered, this, &TwinImages::BackToGalleryExecute);
}

QWidget *TwinImages::CreateImageRow()
{
    m_imageRow = new QWidget(this);
    auto *row = new QHBoxLayout(m_imageRow);
    row->setContentsMargins(0, 2, 0, 2);
    m_moveImageLeft = FlatButton(m_imageRow, u"Move Image Left"_s, ToolIcon(this, u"go-previous"_s, QStyle::SP_ArrowLeft));
    m_moveImageRight = FlatButton(m_imageRow, u"Move Image Right"_s, ToolIcon(this, u"go-next"_s, QStyle::SP_ArrowRight));
    m_deleteImage = FlatButton(m_imageRow, u"Delete Image"_s, ToolIcon(this, u"edit-delete"_s, QStyle::SP_TrashIcon));
    row->addWidget(m_moveImageLeft);
    row->addWidget(m_moveImageRight);
    row->addWidget(m_deleteImage);
    row->addSpacing(8);
    row->addWidget(new QLabel(u"Image Caption:"_s, m_imageRow));
    m_caption = new QLineEdit(m_imageRow);
    m_caption->setMaxLength(128);
    row->addWidget(m_caption, 1);
    m_linkButton = FlatButton(m_imageRow, u"Photo Preview Webpage Link"_s, ToolIcon(this, u"insert-link"_s, QStyle::SP_DirLinkIcon));
    row->addWidget(m_linkButton);

    connect(m_moveImageLeft, &QToolButton::clicked, this, &TwinImages::MoveImagesLeftExecute);
    connect(m_moveImageRight, &QToolButton::clicked, this, &TwinImages::MoveImagesRightExecute);
    connect(m_deleteImage, &QToolButton::clicked, this, &TwinImages::DeleteImagesExecute);
    connect(m_linkButton, &QToolButton::clicked, this, &TwinImages::EditLinkExecute);
    connect(m_caption, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (AppState::UpdatingPanels || !CanEdit())
            return;
        if (FThummnailImageData *image = LastSelectedImage()) {
            image->caption = text;
            MarkModified();
        }
    });
    return m_imageRow;
}

void TwinImages::CreateStyleRows(QFormLayout *form, StyleControls &c, QWidget *owner)
{
    c.form = form;
    c.fill = new ColorButton(owner);
    c.solidRow = Row(owner, {c.fill});
    form->addRow(u"Background Color:"_s, c.solidRow);
    c.gradientFirst = new ColorButton(owner);
    c.gradientSecond = new ColorButton(owner);
    c.gradientRow = Row(owner, {c.gradientFirst, c.gradientSecond});
    form->addRow(u"Gradient Colors:"_s, c.gradientRow);
    c.showBorder = new QCheckBox(owner);
    form->addRow(u"Show Border:"_s, c.showBorder);
    c.dashed = new QCheckBox(owner);
    form->addRow(u"Dashed:"_s, c.dashed);
    c.borderColor = new ColorButton(owner);
    form->addRow(u"Border Color:"_s, c.borderColor);
    c.transparency = new QSpinBox(owner);
    c.transparency->setRange(0, 100);
    c.transparency->setSingleStep(1);
    form->addRow(u"Transparency:"_s, c.transparency);
}

QWidget *TwinImages::CreateSettingsTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    m_albumFields = new QWidget(page);
    auto *fields = new QVBoxLayout(m_albumFields);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addWidget(new QLabel(u"Album Title:"_s, m_albumFields));
    m_title = new QLineEdit(m_albumFields);
    m_title->setMaxLength(50);
    fields->addWidget(m_title);
    fields->addWidget(new QLabel(u"Album Description:"_s, m_albumFields));
    m_description = new QPlainTextEdit(m_albumFields);
    m_description->setFixedHeight(60);
    fields->addWidget(m_description);
    layout->addWidget(m_albumFields);

    auto *tiles = new QWidget(page);
    auto *form = new QFormLayout(tiles);
    form->setContentsMargins(0, 0, 0, 0);
    CreateStyleRows(form, m_tile, tiles);
    m_tile.fontFace = new QFontComboBox(tiles);
    m_tile.fontFace->setWritingSystem(QFontDatabase::Latin); // no symbol fonts
    m_tile.fontFace->setEditable(false);
    m_tile.fontFace->setMinimumContentsLength(9);
    m_tile.fontFace->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The font lists need the whole width of the narrow tab.
    form->addRow(new QLabel(u"Font Face:"_s, tiles));
    form->addRow(m_tile.fontFace);
    m_tile.fontColor = new ColorButton(tiles);
    form->addRow(u"Font Color:"_s, m_tile.fontColor);
    layout->addWidget(tiles);

    auto *captions = new QGroupBox(u"Image Captions"_s, page);
    auto *captionForm = new QFormLayout(captions);
    m_captionFont = new QFontComboBox(captions);
    m_captionFont->setWritingSystem(QFontDatabase::Latin);
    m_captionFont->setEditable(false);
    m_captionFont->setMinimumContentsLength(9);
    m_captionFont->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    captionForm->addRow(new QLabel(u"Font Face:"_s, captions));
    captionForm->addRow(m_captionFont);
    m_captionColor = new ColorButton(captions);
    captionForm->addRow(u"Font Color:"_s, m_captionColor);
    m_captionBackground = new ColorButton(captions);
    captionForm->addRow(u"Background: Color:"_s, m_captionBackground);
    captionForm->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(captions);
    layout->addStretch(1);

    // The title and description are the album's own fields: they write back whenever the user
    // types, but not while the window fills them from the album.
    connect(m_title, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_fillingAlbumFields && m_currentAlbum && m_gallery && text != m_currentAlbum->name())
            m_currentAlbum->SetName(text);
    });
    connect(m_description, &QPlainTextEdit::textChanged, this, [this] {
        if (m_fillingAlbumFields)
            return;
        QString text = m_description->toPlainText();
        if (text.size() > 128) {
            text.truncate(128);
            const QSignalBlocker block(m_description);
            m_description->setPlainText(text);
            m_description->moveCursor(QTextCursor::End);
        }
        if (m_currentAlbum && m_gallery && text != m_currentAlbum->description())
            m_currentAlbum->SetDescription(text);
    });

    connect(m_captionFont, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        if (AppState::UpdatingPanels || !m_gallery)
            return;
        m_gallery->CaptionFont = font.family();
        MarkModified();
    });
    connect(m_captionColor, &ColorButton::ColorChanged, this, [this](FColor color) {
        if (AppState::UpdatingPanels || !m_gallery)
            return;
        m_gallery->CaptionFontColor = color;
        MarkModified();
    });
    connect(m_captionBackground, &ColorButton::ColorChanged, this, [this](FColor color) {
        if (AppState::UpdatingPanels || !m_gallery)
            return;
        m_gallery->CaptionFontBkColor = color;
        MarkModified();
    });
    return page;
}

QWidget *TwinImages::CreateBackgroundTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *box = new QWidget(page);
    auto *form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    m_background.style = new QComboBox(box);
    m_background.style->addItems({u"Solid"_s, u"Gradient"_s});
    form->addRow(u"Style:"_s, m_background.style);
    CreateStyleRows(form, m_background, box);
    layout->addWidget(box);
    layout->addStretch(1);
    return page;
}

void TwinImages::ConnectTileControls()
{
    const auto style = [this]() -> FCatagoryMenuStyle * {
        return (AppState::UpdatingPanels || !m_gallery) ? nullptr : m_gallery->MenuStyle();
    };
    connect(m_tile.fill, &ColorButton::ColorChanged, this, [this, style](FColor c) {
        if (auto *s = style()) { s->SetCatFillClr(c); TileStyleEdited(); }
    });
    connect(m_tile.gradientFirst, &ColorButton::ColorChanged, this, [this, style](FColor c) {
        if (auto *s = style()) { s->SetCatFillClr(c); TileStyleEdited(); }
    });
    connect(m_tile.gradientSecond, &ColorButton::ColorChanged, this, [this, style](FColor c) {
        if (auto *s = style()) { s->SetCatGradClr(c); TileStyleEdited(); }
    });
    connect(m_tile.showBorder, &QCheckBox::toggled, this, [this, style](bool on) {
        if (auto *s = style()) { s->SetCatDoBdr(on); TileStyleEdited(); }
    });
    connect(m_tile.dashed, &QCheckBox::toggled, this, [this, style](bool on) {
        if (auto *s = style()) { s->SetCatBdrSolid(!on); TileStyleEdited(); }
    });
    connect(m_tile.borderColor, &ColorButton::ColorChanged, this, [this, style](FColor c) {
        if (auto *s = style()) { s->SetCatBdrColor(c); TileStyleEdited(); }
    });
    ConnectTransparency(m_tile.transparency, [this, style](int value) {
        if (auto *s = style()) {
            s->SetCatFillAlpha(value);
            s->SetCatGradAlpha(value);
            MarkModified();
        }
    });
    connect(m_tile.fontFace, &QFontComboBox::currentFontChanged, this, [this, style](const QFont &font) {
        if (auto *s = style()) { s->SetCatFont(font.family()); TileStyleEdited(); }
    });
    connect(m_tile.fontColor, &ColorButton::ColorChanged, this, [this, style](FColor c) {
        if (auto *s = style()) { s->SetCatFontClr(c); TileStyleEdited(); }
    });
}

void TwinImages::ConnectBackgroundControls()
{
    const auto panel = [this]() -> FThummnailCatagoryPanel * {
        return (AppState::UpdatingPanels || !m_gallery) ? nullptr : m_gallery->MenuPanel();
    };
    connect(m_background.style, &QComboBox::currentIndexChanged, this, [this, panel](int index) {
        if (auto *p = panel()) {
            if (index == 1) {
                p->SetGradientFill(true);
            } else {
                p->SetGradientFill(false);
                p->SetSolidFill(true);
            }
            MarkModified();
        }
        UpdateColourRows();
    });
    connect(m_background.fill, &ColorButton::ColorChanged, this, [this, panel](FColor c) {
        if (auto *p = panel()) { p->SetFillColor(c); MarkModified(); }
    });
    connect(m_background.gradientFirst, &ColorButton::ColorChanged, this, [this, panel](FColor c) {
        if (auto *p = panel()) { p->SetFillColor(c); MarkModified(); }
    });
    connect(m_background.gradientSecond, &ColorButton::ColorChanged, this, [this, panel](FColor c) {
        if (auto *p = panel()) { p->SetGradientColor(c); MarkModified(); }
    });
    connect(m_background.showBorder, &QCheckBox::toggled, this, [this, panel](bool on) {
        if (auto *p = panel()) { p->SetShowBorder(on); MarkModified(); }
    });
    connect(m_background.dashed, &QCheckBox::toggled, this, [this, panel](bool on) {
        if (auto *p = panel()) { p->SetBorderSolid(!on); MarkModified(); }
    });
    connect(m_background.borderColor, &ColorButton::ColorChanged, this, [this, panel](FColor c) {
        if (auto *p = panel()) { p->SetBorderColor(c); MarkModified(); }
    });
    ConnectTransparency(m_background.transparency, [this, panel](int value) {
        if (auto *p = panel()) {
            p->SetFillAlpha(value);
            p->SetGradientAlpha(value);
            MarkModified();
        }
    });
}

void TwinImages::ConnectTransparency(QSpinBox *box, const std::function<void(int)> &apply)
{
    connect(box, &QSpinBox::valueChanged, this, apply);
    // A field the user empties counts as 0 (the spin box reports no value for it).
    if (auto *edit = box->findChild<QLineEdit *>()) {
        connect(edit, &QLineEdit::textEdited, this, [apply](const QString &text) {
            if (text.trimmed().isEmpty())
                apply(0);
        });
    }
}

void TwinImages::BindGallery()
{
    if (!m_gallery)
        return;
    FflashThumbnailerClass *strip = m_gallery->ThumbnailStrip();
    m_panelView->SetPanel(m_gallery->MenuPanel());
    if (strip) {
        connect(strip, &FflashThumbnailerClass::AlbumListChanged, this, [this] {
            SyncTiles();
            LayoutAlbumTiles();
        });
        connect(strip, &FflashThumbnailerClass::CurrentAlbumChanged, this, &TwinImages::CurrentAlbumChanged);
    }
    connect(m_gallery->MenuStyle(), &FCatagoryMenuStyle::TileStyleChanged, this, [this] {
        for (AlbumTileView *tile : std::as_const(m_tiles))
            tile->update();
    });
    SyncTiles();
    if (strip && strip->SelectedAlbum())
        CurrentAlbumChanged(strip->SelectedAlbum());
}

void TwinImages::SyncTiles()
{
    if (!m_gallery || !m_gallery->ThumbnailStrip())
        return;
    for (FThummnailCatagory *album : m_gallery->ThumbnailStrip()->Albums()) {
        if (m_tiles.contains(album))
            continue;
        auto *tile = new AlbumTileView(album, m_panelView);
        connect(tile, &AlbumTileView::Clicked, this, [this](FThummnailCatagory *clicked) {
            if (!m_adding)
                SelectAlbum(clicked);
        });
        connect(tile, &AlbumTileView::DeleteReleased, m_deleteAlbumTimer, qOverload<>(&QTimer::start));
        tile->show();
        m_tiles.insert(album, tile);

        auto *panel = new AlbumThumbnailsPanel(album, m_stripHost);
        connect(panel, &AlbumThumbnailsPanel::ViewCreated, this, &TwinImages::ThumbnailViewCreated);
        for (FThummnailImageData *image : album->images())
            ThumbnailViewCreated(panel->ViewOf(image));
        panel->hide();
        m_thumbPanels.insert(album, panel);
        // Photos added, removed or moved by the model show at once, also in the middle of a run.
        connect(album, &FThummnailCatagory::ImagesChanged, this, [this, album] {
            if (album != m_currentAlbum)
                return;
            ShowCurrentThumbnails();
            RefreshImageControls();
        });
        connect(album, &FThummnailCatagory::ImageSelectionChanged, this, [this, album] {
            if (album == m_currentAlbum)
                RefreshImageControls();
        });
        connect(album, &QObject::destroyed, this, &TwinImages::ForgetAlbum);
    }
}

void TwinImages::ForgetAlbum(QObject *album)
{
    // Only the address is used: the album is gone.
    const auto *key = static_cast<const FThummnailCatagory *>(album);
    if (AlbumTileView *tile = m_tiles.take(key)) {
        tile->hide();
        tile->deleteLater();
    }
    if (AlbumThumbnailsPanel *panel = m_thumbPanels.take(key)) {
        panel->hide();
        panel->deleteLater();
    }
}

void TwinImages::ThumbnailViewCreated(ThumbnailView *view)
{
    if (!view)
        return;
    connect(view, &ThumbnailView::Clicked, this, [this](FThummnailImageData *image, bool shift) {
        if (!m_adding)
            ToggleImageSelection(image, shift);
    });
    connect(view, &ThumbnailView::DeleteReleased, m_deleteImagesTimer, qOverload<>(&QTimer::start));
}

ThumbnailView *TwinImages::ViewOf(const FThummnailImageData *image) const
{
    if (!image || !image->album)
        return nullptr;
    AlbumThumbnailsPanel *panel = m_thumbPanels.value(image->album);
    return panel ? panel->ViewOf(image) : nullptr;
}

void TwinImages::SelectAlbum(FThummnailCatagory *album)
{
    if (!m_gallery || !m_gallery->ThumbnailStrip())
        return;
    // The strip sets the selection flags and tells the window (CurrentAlbumChanged).
    m_gallery->ThumbnailStrip()->SelectAlbum(album);
}

void TwinImages::CurrentAlbumChanged(FThummnailCatagory *album)
{
    if (!m_gallery)
        return;
    SyncTiles();
    m_currentAlbum = album;
    for (auto it = m_thumbPanels.cbegin(); it != m_thumbPanels.cend(); ++it) {
        if (it.key() != album)
            it.value()->hide();
    }
    ShowCurrentThumbnails();
    if (AlbumTileView *tile = m_tiles.value(album)) {
        tile->update();
        if (isVisible() && tile->isVisible())
            tile->setFocus(Qt::OtherFocusReason);
    }
    RefreshAlbumFields();
    RefreshImageControls();
}

void TwinImages::ShowCurrentThumbnails()
{
    AlbumThumbnailsPanel *panel = m_thumbPanels.value(m_currentAlbum);
    if (!panel)
        return;
    panel->Sync();
    panel->move(0, 0);
    panel->show();
    m_stripHost->resize(panel->size());
}

void TwinImages::RefreshAlbumFields()
{
    if (!m_currentAlbum) {
        m_albumFields->hide();
        return;
    }
    m_fillingAlbumFields = true;
    m_title->setText(m_currentAlbum->name());
    m_description->setPlainText(m_currentAlbum->description());
    m_fillingAlbumFields = false;
    m_albumFields->show();
}

void TwinImages::RefreshImageControls()
{
    if (!m_currentAlbum) {
        m_imageRow->hide();
        m_strip->hide();
        m_placeholder->show();
        return;
    }
    const bool hasImages = !m_currentAlbum->images().isEmpty();
    m_strip->setVisible(hasImages);
    m_placeholder->setVisible(!hasImages);
    const QList<FThummnailImageData *> selected = m_currentAlbum->SelectedImages();
    if (selected.size() == 1) {
        {
            UpdatingPanelsGuard filling;
            m_caption->setText(selected.first()->caption);
        }
        m_imageRow->show();
    } else {
        m_imageRow->hide();
    }
    if (AlbumThumbnailsPanel *panel = m_thumbPanels.value(m_currentAlbum))
        panel->RefreshSelection();
}

void TwinImages::LayoutAlbumTiles()
{
    if (!m_gallery || !m_gallery->ThumbnailStrip())
        return;
    FThummnailCatagoryPanel *panel = m_gallery->MenuPanel();
    const QSize area = m_albumArea->viewport()->size();
    const int panelWidth = area.width();
    const int pad = m_gallery->MenuStyle()->catxypadding;
    int x = pad;
    int y = pad;
    const QList<FThummnailCatagory *> &albums = m_gallery->ThumbnailStrip()->Albums();
    for (FThummnailCatagory *album : albums) {
        album->SetBounds(x, y, album->Width(), album->Height());
        x += album->Width() + pad;
        if (x + album->Width() > panelWidth) {
            x = pad;
            y += album->Height() + pad;
        }
    }
    if (!albums.isEmpty())
        y += albums.last()->Height() + pad;
    const int panelHeight = std::max(y, area.height());
    if (panel)
        panel->SetBounds(1, 1, panelWidth, panelHeight);
    m_panelView->resize(panelWidth, panelHeight);
    for (AlbumTileView *tile : std::as_const(m_tiles))
        tile->FollowAlbum();
    m_panelView->update();
}

void TwinImages::FillControls()
{
    UpdatingPanelsGuard filling;
    if (m_gallery) {
        const FThummnailCatagoryPanel *panel = m_gallery->MenuPanel();
        m_background.borderColor->SetColor(panel->BorderColor());
        m_background.gradientSecond->SetColor(panel->GradientColor());
        m_background.gradientFirst->SetColor(panel->FillColor());
        m_background.fill->SetColor(panel->FillColor());
        m_background.transparency->setValue(panel->FillAlpha());
        m_background.dashed->setChecked(!panel->BorderSolid());
        m_background.showBorder->setChecked(panel->ShowBorder());
        m_background.style->setCurrentIndex(panel->GradientFill() ? 1 : 0);

        const FCatagoryMenuStyle *style = m_gallery->MenuStyle();
        m_tile.borderColor->SetColor(style->catbdrcolor);
        m_tile.gradientSecond->SetColor(style->catgradclr);
        m_tile.gradientFirst->SetColor(style->catfillclr);
        m_tile.fill->SetColor(style->catfillclr);
        m_tile.transparency->setValue(style->catfillalpha);
        m_tile.dashed->setChecked(!style->catbdrsolid);
        m_tile.showBorder->setChecked(style->catdobdr);
        m_tile.fontFace->setCurrentFont(QFont(style->catfont));
        m_tile.fontColor->SetColor(style->catfontclr);

        m_captionFont->setCurrentFont(QFont(m_gallery->CaptionFont));
        m_captionColor->SetColor(m_gallery->CaptionFontColor);
        m_captionBackground->SetColor(m_gallery->CaptionFontBkColor);
    } else {
        m_captionFont->setCurrentFont(QFont(u"Arial"_s));
        m_captionColor->SetColor(Colors::Black);
        m_captionBackground->SetColor(Colors::White);
    }
    UpdateColourRows();
}

void TwinImages::UpdateColourRows()
{
    const bool tileGradient = m_gallery && m_gallery->MenuStyle()->catdogradient;
    const bool panelGradient = m_background.style->currentIndex() == 1;
    for (const auto &[controls, gradient] : {std::pair{&m_tile, tileGradient}, std::pair{&m_background, panelGradient}}) {
        controls->form->setRowVisible(controls->solidRow, !gradient);
        controls->form->setRowVisible(controls->gradientRow, gradient);
    }
}

void TwinImages::ToggleImageSelection(FThummnailImageData *image, bool shiftHeld)
{
    if (!image || !image->album)
        return;
    if (m_strip->isHidden()) {
        m_strip->show();
        m_placeholder->hide();
    }
    if (!image->selected) {
        ThumbnailView *view = ViewOf(image);
        if (view && isVisible() && view->isVisible())
            view->setFocus(Qt::MouseFocusReason);
        image->selected = true;
    } else {
        image->selected = false;
    }
    if (!shiftHeld) {
        for (FThummnailImageData *other : image->album->images()) {
            if (other != image)
                other->selected = false;
        }
    }
    RefreshImageControls();
}

void TwinImages::ShowOver(QWidget *over)
{
    if (over && !isVisible()) {
        const QRect area = over->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void TwinImages::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // An opened gallery brings its own menu style: the controls show whatever the model holds.
    FillControls();
    LayoutAlbumTiles();
}

void TwinImages::closeEvent(QCloseEvent *event)
{
    // The photos being added belong to this window's album: it stays until they are in.
    if (m_adding) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool TwinImages::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_albumArea->viewport() && event->type() == QEvent::Resize)
        LayoutAlbumTiles();
    return QWidget::eventFilter(watched, event);
}

bool TwinImages::CanEdit() const
{
    return m_gallery && m_currentAlbum && !m_adding;
}

void TwinImages::MarkModified()
{
    if (m_gallery)
        m_gallery->SetModified(true);
}

void TwinImages::TileStyleEdited()
{
    if (!m_gallery)
        return;
    m_gallery->ThumbnailStrip()->ApplyAlbumStyle();
    MarkModified();
    UpdateColourRows();
}

FThummnailImageData *TwinImages::LastSelectedImage() const
{
    if (!m_currentAlbum)
        return nullptr;
    const QList<FThummnailImageData *> &images = m_currentAlbum->images();
    for (auto it = images.crbegin(); it != images.crend(); ++it) {
        if ((*it)->selected)
            return *it;
    }
    return nullptr;
}

void TwinImages::SetCommandsEnabled(bool enabled)
{
    for (QAction *action : {m_addAlbum, m_addImages, m_moveLeft, m_moveRight, m_deleteAlbum, m_preview, m_back})
        action->setEnabled(enabled);
    m_imageRow->setEnabled(enabled);
}

// Commands.

void TwinImages::AddAlbumExecute()
{
    if (!m_gallery || m_adding)
        return;
    m_gallery->ThumbnailStrip()->AddAlbum(u"My Images"_s);
}

void TwinImages::DeleteAlbumExecute()
{
    if (m_adding)
        return;
    if (MessageBox::Question(this, u"Confirm"_s, u"Are you sure you want to delete this album?"_s) != QMessageBox::Yes)
        return;
    if (!m_gallery)
        return;
    m_gallery->ThumbnailStrip()->DeleteSelectedAlbum();
    m_currentAlbum = nullptr;
    RefreshAlbumFields();
    LayoutAlbumTiles();
    RefreshImageControls();
    MarkModified();
    m_gallery->ThumbnailStrip()->RefreshPreview();
}

void TwinImages::AfterAlbumMove()
{
    RefreshAlbumFields();
    LayoutAlbumTiles();
    RefreshImageControls();
    MarkModified();
    m_gallery->ThumbnailStrip()->RefreshPreview();
}

void TwinImages::MoveAlbumLeftExecute()
{
    if (!CanEdit())
        return;
    FflashThumbnailerClass *strip = m_gallery->ThumbnailStrip();
    const qsizetype index = strip->Albums().indexOf(m_currentAlbum.data());
    if (index < 1)
        return;
    strip->MoveAlbum(int(index), int(index - 1));
    AfterAlbumMove();
}

void TwinImages::MoveAlbumRightExecute()
{
    if (!CanEdit())
        return;
    FflashThumbnailerClass *strip = m_gallery->ThumbnailStrip();
    const qsizetype index = strip->Albums().indexOf(m_currentAlbum.data());
    if (index < 0 || index + 1 >= strip->Albums().size())
        return;
    strip->MoveAlbum(int(index), int(index + 1));
    AfterAlbumMove();
}

void TwinImages::DeleteImagesExecute()
{
    if (!CanEdit())
        return;
    if (MessageBox::Question(this, u"Confirm"_s, u"Are you sure you want to delete the selected image(s)?"_s) != QMessageBox::Yes)
        return;
    if (!CanEdit())
        return;
    FThummnailCatagory *album = m_currentAlbum;
    const QList<FThummnailImageData *> images = album->images();
    for (auto it = images.crbegin(); it != images.crend(); ++it) {
        if ((*it)->selected)
            album->DeleteImage(*it);
    }
    album->RefreshCover();
    album->LayoutThumbnails();
    m_gallery->ThumbnailStrip()->RefreshPreview();
    RefreshImageControls();
    MarkModified();
}

void TwinImages::MoveImagesLeftExecute()
{
    if (!CanEdit())
        return;
    FThummnailCatagory *album = m_currentAlbum;
    QScrollBar *bar = m_strip->horizontalScrollBar();
    const int step = FThummnailImageData::ViewWidth + 2;
    for (int index = 1; index < album->images().size(); ++index) {
        if (!album->images()[index]->selected)
            continue;
        album->MoveImage(index, index - 1);
        if (bar->isVisible() && (index - 1) * step < bar->value())
            bar->setValue((index - 1) * step);
        if (index == 1)
            album->RefreshCover();
    }
    MarkModified();
    album->LayoutThumbnails();
    ShowCurrentThumbnails();
    m_gallery->ThumbnailStrip()->RefreshPreview();
}

void TwinImages::MoveImagesRightExecute()
{
    if (!CanEdit())
        return;
    FThummnailCatagory *album = m_currentAlbum;
    QScrollBar *bar = m_strip->horizontalScrollBar();
    const int step = FThummnailImageData::ViewWidth + 2;
    const int visibleWidth = m_strip->viewport()->width();
    for (int index = int(album->images().size()) - 1; index >= 0; --index) {
        if (index + 1 >= album->images().size() || !album->images()[index]->selected)
            continue;
        album->MoveImage(index, index + 1);
        if (bar->isVisible()) {
            const int x = step * (index + 2);
            if (visibleWidth < x && visibleWidth < x - bar->value())
                bar->setValue(x - visibleWidth);
        }
        if (index == 0)
            album->RefreshCover();
    }
    MarkModified();
    album->LayoutThumbnails();
    ShowCurrentThumbnails();
    m_gallery->ThumbnailStrip()->RefreshPreview();
}

void TwinImages::EditLinkExecute()
{
    if (AppState::UpdatingPanels || !CanEdit() || !m_dialogs.link)
        return;
    FThummnailImageData *image = LastSelectedImage();
    if (!image)
        return;
    m_dialogs.link->Open(image->link);
    if (m_dialogs.link->Accepted() && image == LastSelectedImage()) {
        image->link = m_dialogs.link->Result();
        MarkModified();
    }
}

void TwinImages::PreviewExecute()
{
    if (m_adding)
        return;
    emit PreviewRequested();
}

void TwinImages::BackToGalleryExecute()
{
    if (m_adding)
        return;
    if (m_gallery)
        m_gallery->ThumbnailStrip()->RefreshPreview();
    close();
}

bool TwinImages::HandleArrowKey(int key)
{
    if (!isVisible())
        return false;
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return true;
    if (!qobject_cast<ThumbnailView *>(QApplication::focusWidget()))
        return true;
    if (key == Qt::Key_Left)
        MoveImagesLeftExecute();
    else
        MoveImagesRightExecute();
    return true;
}

// Adding photos.

void TwinImages::AddImagesExecute()
{
    if (m_adding)
        return;
    if (!m_gallery || !m_currentAlbum) {
        MessageBox::Information(this, u"Fotovia"_s, NoAlbumMessage);
        return;
    }
    if (!m_dialogs.chooser || !m_dialogs.chooser->Execute(this))
        return;
    if (m_dialogs.chooser->IndividualFiles()) {
        RunAdd([this] {
            const QString start = m_dialogs.folders ? m_dialogs.folders->Folder(AddImagesDialog) : QString();
            const QStringList files = FileDialog::OpenFileNames(this, u"Add Images"_s, start, PictureFilter);
            if (!files.isEmpty() && m_dialogs.folders)
                m_dialogs.folders->Remember(AddImagesDialog, QFileInfo(files.first()).absolutePath());
            return files;
        }, false);
    } else {
        RunAdd([this] {
            const QString start = m_dialogs.folders ? m_dialogs.folders->Folder(AddImagesDialog) : QString();
            const QString folder = FileDialog::ExistingFolder(this, u"Add a Folder"_s, start);
            if (folder.isEmpty())
                return QStringList();
            const QString base = IncludeTrailingSlash(folder);
            QStringList paths;
            for (const QString &entry : ListFolder(base, u"*"_s))
                paths.append(base + entry);
            return paths;
        }, true);
    }
}

QStringList TwinImages::DroppedPictures(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isDir()) {
            const QString base = IncludeTrailingSlash(info.absoluteFilePath());
            for (const QString &entry : ListFolder(base, u"*"_s))
                paths.append(base + entry);
        } else if (info.isFile()) {
            paths.append(info.absoluteFilePath());
        }
    }
    return paths;
}

void TwinImages::dragEnterEvent(QDragEnterEvent *event)
{
    const QStringList paths = DroppedPictures(event->mimeData());
    const bool anyPicture = std::any_of(paths.cbegin(), paths.cend(), [](const QString &path) {
        return FThummnailCatagory::IsFolderPictureEntry(FileNamePart(path));
    });
    if (anyPicture && !m_adding)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TwinImages::dropEvent(QDropEvent *event)
{
    const QStringList paths = DroppedPictures(event->mimeData());
    if (paths.isEmpty() || m_adding) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The import lets window events run; it must not do that inside the drop itself.
    QTimer::singleShot(0, this, [this, paths] { AddDroppedFiles(paths); });
}

void TwinImages::AddDroppedFiles(const QStringList &paths)
{
    if (m_adding || paths.isEmpty())
        return;
    if (!m_gallery || !m_currentAlbum) {
        MessageBox::Information(this, u"Fotovia"_s, NoAlbumMessage);
        return;
    }
    RunAdd([paths] { return paths; }, true);
}

void TwinImages::RunAdd(const std::function<QStringList()> &choosePaths, bool folderEntries)
{
    QPointer<TwinImages> self(this);
    QPointer<FThummnailCatagory> album = m_currentAlbum;
    m_adding = true;
    SetCommandsEnabled(false);
    if (m_dialogs.progress)
        m_dialogs.progress->ShowFor(this);

    const QStringList paths = choosePaths();
    AddImagesResult result;
    if (!paths.isEmpty() && album) {
        AddImagesOptions options;
        options.progress = m_dialogs.progress;
        options.folderEntries = folderEntries;
        result = album->AddImages(paths, options);
    }
    if (m_dialogs.progress)
        m_dialogs.progress->CloseProgress();
    if (!self)
        return;
    m_adding = false;
    SetCommandsEnabled(true);
    if (album && album == m_currentAlbum) {
        ShowCurrentThumbnails();
        RefreshImageControls();
    }
    if (!result.undecodable.isEmpty())
        MessageBox::Warning(this, u"Fotovia"_s, ImportFailure::Message(result.undecodable, false));
}

FflashMovie *TwinImages::Gallery() const
{
    return m_gallery;
}

FThummnailCatagory *TwinImages::CurrentAlbum() const
{
    return m_currentAlbum;
}
