#include "PhotoAlbumsWindow.h"

#include "AlbumMenuPanelView.h"
#include "AlbumThumbnailsPanel.h"
#include "AlbumTileView.h"
#include "AlbumMenuStyle.h"
#include "Album.h"
#include "AlbumMenuBackground.h"
#include "AlbumPhoto.h"
#include "ThumbnailView.h"
#include "AddImagesDialog.h"
#include "ImportProgressDialog.h"
#include "PhotoLinkDialog.h"
#include "RememberedFolders.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "Utils.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "ColorButton.h"

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
#include <QScopedValueRollback>
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

const QString AddImagesDialogKey = u"openimage"_s;
const QString PictureFilter = u"All graphics (*.jpeg *.jpg *.gif *.bmp *.png *tif *.tiff)"_s;
const QString NoAlbumMessage = u"You must select the catagory you want to add your images to."_s;

QIcon toolIcon(const QWidget *widget, const QString &theme, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(theme, widget->style()->standardIcon(fallback));
}

// The picture shown where the strip would be while the album has no photos.
QPixmap placeholderPicture()
{
    QPixmap picture(100, 100);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage(QRect(0, 0, 100, 100), ThumbnailStrip::noImagePlaceholder());
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
QScrollArea *scrolling(QWidget *page)
{
    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    return scroll;
}

QToolButton *flatButton(QWidget *parent, const QString &hint, const QIcon &icon)
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

PhotoAlbumsWindow::PhotoAlbumsWindow(GalleryDocument *gallery, const Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_gallery(gallery), m_dialogs(dialogs)
{
    setObjectName(u"PhotoAlbumsWindow"_s);
    setWindowTitle(u"Photo Albums"_s);
    setMinimumSize(500, 450);
    resize(689, 526);
    setAcceptDrops(true);

    createDeferredDeletes();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createToolBar();
    layout->addWidget(m_toolBar);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(4, 4, 4, 4);
    auto *left = new QVBoxLayout;
    left->addWidget(createAlbumArea(), 1);
    left->addWidget(createImageRow());
    left->addWidget(createImageStrip());
    body->addLayout(left, 1);
    body->addWidget(createStyleTabs());
    layout->addLayout(body, 1);

    connectTileControls();
    connectBackgroundControls();
    bindGallery();
    fillControls();
    refreshAlbumFields();
    refreshImageControls();
}

PhotoAlbumsWindow::~PhotoAlbumsWindow()
{
    // The views go first: they must not outlive the window's hold on the albums.
    qDeleteAll(m_tiles);
    m_tiles.clear();
    qDeleteAll(m_thumbPanels);
    m_thumbPanels.clear();
}

// A delete key released on a tile or a photo deletes a moment later, once the key event is over.
void PhotoAlbumsWindow::createDeferredDeletes()
{
    m_deferredAlbumDelete = new QTimer(this);
    m_deferredAlbumDelete->setSingleShot(true);
    m_deferredAlbumDelete->setInterval(20);
    connect(m_deferredAlbumDelete, &QTimer::timeout, this, &PhotoAlbumsWindow::deleteAlbum);
    m_deferredImagesDelete = new QTimer(this);
    m_deferredImagesDelete->setSingleShot(true);
    m_deferredImagesDelete->setInterval(20);
    connect(m_deferredImagesDelete, &QTimer::timeout, this, &PhotoAlbumsWindow::deleteImages);
}

QWidget *PhotoAlbumsWindow::createAlbumArea()
{
    m_albumArea = new QScrollArea(this);
    m_albumArea->setObjectName(u"albumArea"_s);
    m_albumArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_albumArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_albumArea->setWidgetResizable(false);
    m_panelView = new AlbumMenuPanelView;
    m_albumArea->setWidget(m_panelView);
    m_albumArea->viewport()->installEventFilter(this);
    return m_albumArea;
}

QWidget *PhotoAlbumsWindow::createImageStrip()
{
    auto *stripBox = new QWidget(this);
    stripBox->setFixedHeight(118);
    auto *stripLayout = new QHBoxLayout(stripBox);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    m_strip = new QScrollArea(stripBox);
    m_strip->setObjectName(u"imageStrip"_s);
    m_strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_strip->setWidgetResizable(false);
    m_stripHost = new QWidget;
    m_strip->setWidget(m_stripHost);
    m_placeholder = new QLabel(stripBox);
    m_placeholder->setObjectName(u"stripPlaceholder"_s);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setPixmap(placeholderPicture());
    stripLayout->addWidget(m_strip);
    stripLayout->addWidget(m_placeholder);
    return stripBox;
}

QWidget *PhotoAlbumsWindow::createStyleTabs()
{
    m_styleTabs = new QTabWidget(this);
    m_styleTabs->setObjectName(u"styleTabs"_s);
    m_styleTabs->setFixedWidth(201);
    m_styleTabs->addTab(scrolling(createSettingsTab()), u"Settings"_s);
    m_styleTabs->addTab(scrolling(createBackgroundTab()), u"Background"_s);
    m_styleTabs->setCurrentIndex(0);
    return m_styleTabs;
}

void PhotoAlbumsWindow::createToolBar()
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
    m_addAlbum = make(u"Add Album"_s, u"Add a new Photo Album"_s, toolIcon(this, u"folder-new"_s, QStyle::SP_FileDialogNewFolder));
    m_addImages = make(u"Add Images"_s, u"Add Images to your Photo Album"_s, toolIcon(this, u"insert-image"_s, QStyle::SP_FileIcon));
    m_moveLeft = make(u"Move Left"_s, u"Move Album Left"_s, toolIcon(this, u"go-previous"_s, QStyle::SP_ArrowLeft));
    m_moveRight = make(u"Move Right"_s, u"Move Album Right"_s, toolIcon(this, u"go-next"_s, QStyle::SP_ArrowRight));
    m_deleteAlbum = make(u"Delete Album"_s, u"Remove the selected Photo Album"_s, toolIcon(this, u"edit-delete"_s, QStyle::SP_TrashIcon));
    m_toolBar->addSeparator();
    m_preview = make(u"&Preview"_s, u"Preview in Browser"_s, toolIcon(this, u"document-print-preview"_s, QStyle::SP_MediaPlay));
    m_back = make(u"Back to Gallery"_s, u"Close this Window and return to Gallery"_s, toolIcon(this, u"go-home"_s, QStyle::SP_DialogCloseButton));

    connect(m_addAlbum, &QAction::triggered, this, &PhotoAlbumsWindow::addAlbum);
    connect(m_addImages, &QAction::triggered, this, &PhotoAlbumsWindow::addImages);
    connect(m_moveLeft, &QAction::triggered, this, &PhotoAlbumsWindow::moveAlbumLeft);
    connect(m_moveRight, &QAction::triggered, this, &PhotoAlbumsWindow::moveAlbumRight);
    connect(m_deleteAlbum, &QAction::triggered, this, &PhotoAlbumsWindow::deleteAlbum);
    connect(m_preview, &QAction::triggered, this, &PhotoAlbumsWindow::requestPreview);
    connect(m_back, &QAction::triggered, this, &PhotoAlbumsWindow::backToGallery);
}

QWidget *PhotoAlbumsWindow::createImageRow()
{
    m_imageRow = new QWidget(this);
    auto *row = new QHBoxLayout(m_imageRow);
    row->setContentsMargins(0, 2, 0, 2);
    m_moveImageLeft = flatButton(m_imageRow, u"Move Image Left"_s, toolIcon(this, u"go-previous"_s, QStyle::SP_ArrowLeft));
    m_moveImageRight = flatButton(m_imageRow, u"Move Image Right"_s, toolIcon(this, u"go-next"_s, QStyle::SP_ArrowRight));
    m_deleteImage = flatButton(m_imageRow, u"Delete Image"_s, toolIcon(this, u"edit-delete"_s, QStyle::SP_TrashIcon));
    row->addWidget(m_moveImageLeft);
    row->addWidget(m_moveImageRight);
    row->addWidget(m_deleteImage);
    row->addSpacing(8);
    row->addWidget(new QLabel(u"Image Caption:"_s, m_imageRow));
    m_caption = new QLineEdit(m_imageRow);
    m_caption->setMaxLength(128);
    row->addWidget(m_caption, 1);
    m_linkButton = flatButton(m_imageRow, u"Photo Preview Webpage Link"_s, toolIcon(this, u"insert-link"_s, QStyle::SP_DirLinkIcon));
    row->addWidget(m_linkButton);

    connect(m_moveImageLeft, &QToolButton::clicked, this, &PhotoAlbumsWindow::moveImagesLeft);
    connect(m_moveImageRight, &QToolButton::clicked, this, &PhotoAlbumsWindow::moveImagesRight);
    connect(m_deleteImage, &QToolButton::clicked, this, &PhotoAlbumsWindow::deleteImages);
    connect(m_linkButton, &QToolButton::clicked, this, &PhotoAlbumsWindow::editLink);
    connect(m_caption, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_fillingControls || !canEdit())
            return;
        if (AlbumPhoto *image = lastSelectedImage()) {
            image->setCaption(text);
            markModified();
        }
    });
    return m_imageRow;
}

void PhotoAlbumsWindow::createStyleRows(QFormLayout *form, StyleControls &c, QWidget *owner)
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

QWidget *PhotoAlbumsWindow::createSettingsTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(createAlbumFields(page));
    layout->addWidget(createTileRows(page));
    layout->addWidget(createCaptionGroup(page));
    layout->addStretch(1);
    connectAlbumFields();
    connectCaptionControls();
    return page;
}

QWidget *PhotoAlbumsWindow::createAlbumFields(QWidget *page)
{
    m_albumFields = new QWidget(page);
    m_albumFields->setObjectName(u"albumFields"_s);
    auto *fields = new QVBoxLayout(m_albumFields);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addWidget(new QLabel(u"Album Title:"_s, m_albumFields));
    m_title = new QLineEdit(m_albumFields);
    m_title->setObjectName(u"albumTitle"_s);
    m_title->setMaxLength(50);
    fields->addWidget(m_title);
    fields->addWidget(new QLabel(u"Album Description:"_s, m_albumFields));
    m_description = new QPlainTextEdit(m_albumFields);
    m_description->setObjectName(u"albumDescription"_s);
    m_description->setFixedHeight(60);
    fields->addWidget(m_description);
    return m_albumFields;
}

QFontComboBox *PhotoAlbumsWindow::createFontList(QWidget *owner)
{
    auto *list = new QFontComboBox(owner);
    list->setWritingSystem(QFontDatabase::Latin); // no symbol fonts
    list->setEditable(false);
    list->setMinimumContentsLength(9);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return list;
}

QWidget *PhotoAlbumsWindow::createTileRows(QWidget *page)
{
    auto *tiles = new QWidget(page);
    auto *form = new QFormLayout(tiles);
    form->setContentsMargins(0, 0, 0, 0);
    createStyleRows(form, m_tile, tiles);
    m_tile.fontFace = createFontList(tiles);
    // The font lists need the whole width of the narrow tab.
    form->addRow(new QLabel(u"Font Face:"_s, tiles));
    form->addRow(m_tile.fontFace);
    m_tile.fontColor = new ColorButton(tiles);
    form->addRow(u"Font Color:"_s, m_tile.fontColor);
    return tiles;
}

QWidget *PhotoAlbumsWindow::createCaptionGroup(QWidget *page)
{
    auto *captions = new QGroupBox(u"Image Captions"_s, page);
    auto *captionForm = new QFormLayout(captions);
    m_captionFont = createFontList(captions);
    captionForm->addRow(new QLabel(u"Font Face:"_s, captions));
    captionForm->addRow(m_captionFont);
    m_captionColor = new ColorButton(captions);
    captionForm->addRow(u"Font Color:"_s, m_captionColor);
    m_captionBackground = new ColorButton(captions);
    captionForm->addRow(u"Background: Color:"_s, m_captionBackground);
    captionForm->setContentsMargins(4, 4, 4, 4);
    return captions;
}

void PhotoAlbumsWindow::connectAlbumFields()
{
    // The title and description are the album's own fields: they write back whenever the user
    // types, but not while the window fills them from the album.
    connect(m_title, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_fillingControls && m_currentAlbum && m_gallery && text != m_currentAlbum->name())
            m_currentAlbum->setName(text);
    });
    connect(m_description, &QPlainTextEdit::textChanged, this, [this] {
        if (m_fillingControls)
            return;
        QString text = m_description->toPlainText();
        if (text.size() > 128) {
            text.truncate(128);
            const QSignalBlocker block(m_description);
            m_description->setPlainText(text);
            m_description->moveCursor(QTextCursor::End);
        }
        if (m_currentAlbum && m_gallery && text != m_currentAlbum->description())
            m_currentAlbum->setDescription(text);
    });
}

void PhotoAlbumsWindow::connectCaptionControls()
{
    connect(m_captionFont, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        if (m_fillingControls || !m_gallery)
            return;
        m_gallery->setCaptionFont(font.family());
        markModified();
    });
    connect(m_captionColor, &ColorButton::colorChanged, this, [this](PackedColor color) {
        if (m_fillingControls || !m_gallery)
            return;
        m_gallery->setCaptionFontColor(color);
        markModified();
    });
    connect(m_captionBackground, &ColorButton::colorChanged, this, [this](PackedColor color) {
        if (m_fillingControls || !m_gallery)
            return;
        m_gallery->setCaptionFontBkColor(color);
        markModified();
    });
}

QWidget *PhotoAlbumsWindow::createBackgroundTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *box = new QWidget(page);
    auto *form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    m_background.style = new QComboBox(box);
    m_background.style->addItems({u"Solid"_s, u"Gradient"_s});
    form->addRow(u"Style:"_s, m_background.style);
    createStyleRows(form, m_background, box);
    layout->addWidget(box);
    layout->addStretch(1);
    return page;
}

void PhotoAlbumsWindow::connectTileControls()
{
    const auto style = [this]() -> AlbumMenuStyle * {
        return (m_fillingControls || !m_gallery) ? nullptr : m_gallery->menuStyle();
    };
    connect(m_tile.fill, &ColorButton::colorChanged, this, [this, style](PackedColor c) {
        if (auto *s = style()) { s->setFillColor(c); tileStyleEdited(); }
    });
    connect(m_tile.gradientFirst, &ColorButton::colorChanged, this, [this, style](PackedColor c) {
        if (auto *s = style()) { s->setFillColor(c); tileStyleEdited(); }
    });
    connect(m_tile.gradientSecond, &ColorButton::colorChanged, this, [this, style](PackedColor c) {
        if (auto *s = style()) { s->setGradientColor(c); tileStyleEdited(); }
    });
    connect(m_tile.showBorder, &QCheckBox::toggled, this, [this, style](bool on) {
        if (auto *s = style()) { s->setBorderOn(on); tileStyleEdited(); }
    });
    connect(m_tile.dashed, &QCheckBox::toggled, this, [this, style](bool on) {
        if (auto *s = style()) { s->setBorderSolid(!on); tileStyleEdited(); }
    });
    connect(m_tile.borderColor, &ColorButton::colorChanged, this, [this, style](PackedColor c) {
        if (auto *s = style()) { s->setBorderColor(c); tileStyleEdited(); }
    });
    connectTransparency(m_tile.transparency, [this, style](int value) {
        if (auto *s = style()) {
            s->setFillAlpha(value);
            s->setGradientAlpha(value);
            markModified();
        }
    });
    connect(m_tile.fontFace, &QFontComboBox::currentFontChanged, this, [this, style](const QFont &font) {
        if (auto *s = style()) { s->setFontFace(font.family()); tileStyleEdited(); }
    });
    connect(m_tile.fontColor, &ColorButton::colorChanged, this, [this, style](PackedColor c) {
        if (auto *s = style()) { s->setFontColor(c); tileStyleEdited(); }
    });
}

void PhotoAlbumsWindow::connectBackgroundControls()
{
    const auto panel = [this]() -> AlbumMenuBackground * {
        return (m_fillingControls || !m_gallery) ? nullptr : m_gallery->menuPanel();
    };
    connect(m_background.style, &QComboBox::currentIndexChanged, this, [this, panel](int index) {
        if (auto *p = panel()) {
            if (index == 1) {
                p->setGradientFill(true);
            } else {
                p->setGradientFill(false);
                p->setSolidFill(true);
            }
            markModified();
        }
        updateColourRows();
    });
    connect(m_background.fill, &ColorButton::colorChanged, this, [this, panel](PackedColor c) {
        if (auto *p = panel()) { p->setFillColor(c); markModified(); }
    });
    connect(m_background.gradientFirst, &ColorButton::colorChanged, this, [this, panel](PackedColor c) {
        if (auto *p = panel()) { p->setFillColor(c); markModified(); }
    });
    connect(m_background.gradientSecond, &ColorButton::colorChanged, this, [this, panel](PackedColor c) {
        if (auto *p = panel()) { p->setGradientColor(c); markModified(); }
    });
    connect(m_background.showBorder, &QCheckBox::toggled, this, [this, panel](bool on) {
        if (auto *p = panel()) { p->setShowBorder(on); markModified(); }
    });
    connect(m_background.dashed, &QCheckBox::toggled, this, [this, panel](bool on) {
        if (auto *p = panel()) { p->setBorderSolid(!on); markModified(); }
    });
    connect(m_background.borderColor, &ColorButton::colorChanged, this, [this, panel](PackedColor c) {
        if (auto *p = panel()) { p->setBorderColor(c); markModified(); }
    });
    connectTransparency(m_background.transparency, [this, panel](int value) {
        if (auto *p = panel()) {
            p->setFillAlpha(value);
            p->setGradientAlpha(value);
            markModified();
        }
    });
}

void PhotoAlbumsWindow::connectTransparency(QSpinBox *box, const std::function<void(int)> &apply)
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

void PhotoAlbumsWindow::bindGallery()
{
    if (!m_gallery)
        return;
    ThumbnailStrip *strip = m_gallery->thumbnailStrip();
    m_panelView->setPanel(m_gallery->menuPanel());
    if (strip) {
        connect(strip, &ThumbnailStrip::albumListChanged, this, [this] {
            syncTiles();
            layoutAlbumTiles();
        });
        connect(strip, &ThumbnailStrip::currentAlbumChanged, this, &PhotoAlbumsWindow::currentAlbumChanged);
    }
    connect(m_gallery->menuStyle(), &AlbumMenuStyle::tileStyleChanged, this, [this] {
        for (AlbumTileView *tile : std::as_const(m_tiles))
            tile->update();
    });
    syncTiles();
    if (strip && strip->selectedAlbum())
        currentAlbumChanged(strip->selectedAlbum());
}

void PhotoAlbumsWindow::syncTiles()
{
    if (!m_gallery || !m_gallery->thumbnailStrip())
        return;
    for (Album *album : m_gallery->thumbnailStrip()->albums()) {
        if (m_tiles.contains(album))
            continue;
        auto *tile = new AlbumTileView(album, m_panelView);
        connect(tile, &AlbumTileView::clicked, this, [this](Album *clicked) {
            if (!m_adding)
                selectAlbum(clicked);
        });
        connect(tile, &AlbumTileView::deleteReleased, m_deferredAlbumDelete, qOverload<>(&QTimer::start));
        tile->show();
        m_tiles.insert(album, tile);

        auto *panel = new AlbumThumbnailsPanel(album, m_stripHost);
        connect(panel, &AlbumThumbnailsPanel::viewCreated, this, &PhotoAlbumsWindow::thumbnailViewCreated);
        for (AlbumPhoto *image : album->images())
            thumbnailViewCreated(panel->viewOf(image));
        panel->hide();
        m_thumbPanels.insert(album, panel);
        // Photos added, removed or moved by the model show at once, also in the middle of a run.
        connect(album, &Album::imagesChanged, this, [this, album] {
            if (album != m_currentAlbum)
                return;
            showCurrentThumbnails();
            refreshImageControls();
        });
        connect(album, &Album::imageSelectionChanged, this, [this, album] {
            if (album == m_currentAlbum)
                refreshImageControls();
        });
        connect(album, &QObject::destroyed, this, &PhotoAlbumsWindow::forgetAlbum);
    }
}

void PhotoAlbumsWindow::forgetAlbum(QObject *album)
{
    // Only the address is used: the album is gone.
    const auto *key = static_cast<const Album *>(album);
    if (AlbumTileView *tile = m_tiles.take(key)) {
        tile->hide();
        tile->deleteLater();
    }
    if (AlbumThumbnailsPanel *panel = m_thumbPanels.take(key)) {
        panel->hide();
        panel->deleteLater();
    }
}

void PhotoAlbumsWindow::thumbnailViewCreated(ThumbnailView *view)
{
    if (!view)
        return;
    connect(view, &ThumbnailView::clicked, this, [this](AlbumPhoto *image, bool shift) {
        if (!m_adding)
            toggleImageSelection(image, shift);
    });
    connect(view, &ThumbnailView::deleteReleased, m_deferredImagesDelete, qOverload<>(&QTimer::start));
}

ThumbnailView *PhotoAlbumsWindow::viewOf(const AlbumPhoto *image) const
{
    if (!image || !image->album())
        return nullptr;
    AlbumThumbnailsPanel *panel = m_thumbPanels.value(image->album());
    return panel ? panel->viewOf(image) : nullptr;
}

void PhotoAlbumsWindow::selectAlbum(Album *album)
{
    if (!m_gallery || !m_gallery->thumbnailStrip())
        return;
    // The strip sets the selection flags and tells the window (currentAlbumChanged).
    m_gallery->thumbnailStrip()->selectAlbum(album);
}

void PhotoAlbumsWindow::currentAlbumChanged(Album *album)
{
    if (!m_gallery)
        return;
    syncTiles();
    m_currentAlbum = album;
    for (auto it = m_thumbPanels.cbegin(); it != m_thumbPanels.cend(); ++it) {
        if (it.key() != album)
            it.value()->hide();
    }
    showCurrentThumbnails();
    if (AlbumTileView *tile = m_tiles.value(album)) {
        tile->update();
        if (isVisible() && tile->isVisible())
            tile->setFocus(Qt::OtherFocusReason);
    }
    refreshAlbumFields();
    refreshImageControls();
}

void PhotoAlbumsWindow::showCurrentThumbnails()
{
    AlbumThumbnailsPanel *panel = m_thumbPanels.value(m_currentAlbum);
    if (!panel)
        return;
    panel->sync();
    panel->move(0, 0);
    panel->show();
    m_stripHost->resize(panel->size());
}

void PhotoAlbumsWindow::refreshAlbumFields()
{
    if (!m_currentAlbum) {
        m_albumFields->hide();
        return;
    }
    {
        const QScopedValueRollback filling(m_fillingControls, true);
        m_title->setText(m_currentAlbum->name());
        m_description->setPlainText(m_currentAlbum->description());
    }
    m_albumFields->show();
}

void PhotoAlbumsWindow::refreshImageControls()
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
    const QList<AlbumPhoto *> selected = m_currentAlbum->selectedImages();
    if (selected.size() == 1) {
        {
            const QScopedValueRollback filling(m_fillingControls, true);
            m_caption->setText(selected.first()->caption());
        }
        m_imageRow->show();
    } else {
        m_imageRow->hide();
    }
    if (AlbumThumbnailsPanel *panel = m_thumbPanels.value(m_currentAlbum))
        panel->refreshSelection();
}

void PhotoAlbumsWindow::layoutAlbumTiles()
{
    if (!m_gallery || !m_gallery->thumbnailStrip())
        return;
    AlbumMenuBackground *panel = m_gallery->menuPanel();
    const QSize area = m_albumArea->viewport()->size();
    const int panelWidth = area.width();
    const int pad = m_gallery->menuStyle()->tilePadding();
    int x = pad;
    int y = pad;
    const QList<Album *> &albums = m_gallery->thumbnailStrip()->albums();
    for (Album *album : albums) {
        album->setBounds(x, y, album->width(), album->height());
        x += album->width() + pad;
        if (x + album->width() > panelWidth) {
            x = pad;
            y += album->height() + pad;
        }
    }
    if (!albums.isEmpty())
        y += albums.last()->height() + pad;
    const int panelHeight = std::max(y, area.height());
    if (panel)
        panel->setBounds(1, 1, panelWidth, panelHeight);
    m_panelView->resize(panelWidth, panelHeight);
    for (AlbumTileView *tile : std::as_const(m_tiles))
        tile->followAlbum();
    m_panelView->update();
}

void PhotoAlbumsWindow::fillControls()
{
    const QScopedValueRollback filling(m_fillingControls, true);
    if (m_gallery) {
        const AlbumMenuBackground *panel = m_gallery->menuPanel();
        m_background.borderColor->setColor(panel->borderColor());
        m_background.gradientSecond->setColor(panel->gradientColor());
        m_background.gradientFirst->setColor(panel->fillColor());
        m_background.fill->setColor(panel->fillColor());
        m_background.transparency->setValue(panel->fillAlpha());
        m_background.dashed->setChecked(!panel->borderSolid());
        m_background.showBorder->setChecked(panel->showBorder());
        m_background.style->setCurrentIndex(panel->gradientFill() ? 1 : 0);

        const AlbumMenuStyle *style = m_gallery->menuStyle();
        m_tile.borderColor->setColor(style->borderColor());
        m_tile.gradientSecond->setColor(style->gradientColor());
        m_tile.gradientFirst->setColor(style->fillColor());
        m_tile.fill->setColor(style->fillColor());
        m_tile.transparency->setValue(style->fillAlpha());
        m_tile.dashed->setChecked(!style->borderSolid());
        m_tile.showBorder->setChecked(style->borderOn());
        m_tile.fontFace->setCurrentFont(QFont(style->fontFace()));
        m_tile.fontColor->setColor(style->fontColor());

        m_captionFont->setCurrentFont(QFont(m_gallery->captionFont()));
        m_captionColor->setColor(m_gallery->captionFontColor());
        m_captionBackground->setColor(m_gallery->captionFontBkColor());
    } else {
        m_captionFont->setCurrentFont(QFont(u"Arial"_s));
        m_captionColor->setColor(Colors::Black);
        m_captionBackground->setColor(Colors::White);
    }
    updateColourRows();
}

void PhotoAlbumsWindow::updateColourRows()
{
    const bool tileGradient = m_gallery && m_gallery->menuStyle()->gradientFill();
    const bool panelGradient = m_background.style->currentIndex() == 1;
    for (const auto &[controls, gradient] : {std::pair{&m_tile, tileGradient}, std::pair{&m_background, panelGradient}}) {
        controls->form->setRowVisible(controls->solidRow, !gradient);
        controls->form->setRowVisible(controls->gradientRow, gradient);
    }
}

void PhotoAlbumsWindow::toggleImageSelection(AlbumPhoto *image, bool shiftHeld)
{
    if (!image || !image->album())
        return;
    if (m_strip->isHidden()) {
        m_strip->show();
        m_placeholder->hide();
    }
    if (!image->selected()) {
        ThumbnailView *view = viewOf(image);
        if (view && isVisible() && view->isVisible())
            view->setFocus(Qt::MouseFocusReason);
        image->setSelected(true);
    } else {
        image->setSelected(false);
    }
    if (!shiftHeld) {
        for (AlbumPhoto *other : image->album()->images()) {
            if (other != image)
                other->setSelected(false);
        }
    }
    refreshImageControls();
}

void PhotoAlbumsWindow::showOver(QWidget *over)
{
    if (over && !isVisible()) {
        const QRect area = over->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void PhotoAlbumsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // An opened gallery brings its own menu style: the controls show whatever the model holds.
    fillControls();
    layoutAlbumTiles();
}

void PhotoAlbumsWindow::closeEvent(QCloseEvent *event)
{
    // The photos being added belong to this window's album: it stays until they are in.
    if (m_adding) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool PhotoAlbumsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_albumArea->viewport() && event->type() == QEvent::Resize)
        layoutAlbumTiles();
    return QWidget::eventFilter(watched, event);
}

bool PhotoAlbumsWindow::canEdit() const
{
    return m_gallery && m_currentAlbum && !m_adding;
}

void PhotoAlbumsWindow::markModified()
{
    if (m_gallery)
        m_gallery->setModified(true);
}

void PhotoAlbumsWindow::tileStyleEdited()
{
    if (!m_gallery)
        return;
    m_gallery->thumbnailStrip()->applyAlbumStyle();
    markModified();
    updateColourRows();
}

AlbumPhoto *PhotoAlbumsWindow::lastSelectedImage() const
{
    if (!m_currentAlbum)
        return nullptr;
    const QList<AlbumPhoto *> &images = m_currentAlbum->images();
    for (auto it = images.crbegin(); it != images.crend(); ++it) {
        if ((*it)->selected())
            return *it;
    }
    return nullptr;
}

void PhotoAlbumsWindow::setCommandsEnabled(bool enabled)
{
    for (QAction *action : {m_addAlbum, m_addImages, m_moveLeft, m_moveRight, m_deleteAlbum, m_preview, m_back})
        action->setEnabled(enabled);
    m_imageRow->setEnabled(enabled);
}

// Commands.

void PhotoAlbumsWindow::addAlbum()
{
    if (!m_gallery || m_adding)
        return;
    m_gallery->thumbnailStrip()->addAlbum(u"My Images"_s);
}

void PhotoAlbumsWindow::deleteAlbum()
{
    if (m_adding)
        return;
    if (MessageBox::question(this, u"Confirm"_s, u"Are you sure you want to delete this album?"_s) != QMessageBox::Yes)
        return;
    if (!m_gallery)
        return;
    m_gallery->thumbnailStrip()->deleteSelectedAlbum();
    m_currentAlbum = nullptr;
    refreshAlbumFields();
    layoutAlbumTiles();
    refreshImageControls();
    markModified();
    m_gallery->thumbnailStrip()->refreshPreview();
}

void PhotoAlbumsWindow::afterAlbumMove()
{
    refreshAlbumFields();
    layoutAlbumTiles();
    refreshImageControls();
    markModified();
    m_gallery->thumbnailStrip()->refreshPreview();
}

void PhotoAlbumsWindow::moveAlbumLeft()
{
    if (!canEdit())
        return;
    ThumbnailStrip *strip = m_gallery->thumbnailStrip();
    const qsizetype index = strip->albums().indexOf(m_currentAlbum.data());
    if (index < 1)
        return;
    strip->moveAlbum(int(index), int(index - 1));
    afterAlbumMove();
}

void PhotoAlbumsWindow::moveAlbumRight()
{
    if (!canEdit())
        return;
    ThumbnailStrip *strip = m_gallery->thumbnailStrip();
    const qsizetype index = strip->albums().indexOf(m_currentAlbum.data());
    if (index < 0 || index + 1 >= strip->albums().size())
        return;
    strip->moveAlbum(int(index), int(index + 1));
    afterAlbumMove();
}

void PhotoAlbumsWindow::deleteImages()
{
    if (!canEdit())
        return;
    if (MessageBox::question(this, u"Confirm"_s, u"Are you sure you want to delete the selected image(s)?"_s) != QMessageBox::Yes)
        return;
    if (!canEdit())
        return;
    Album *album = m_currentAlbum;
    const QList<AlbumPhoto *> images = album->images();
    for (auto it = images.crbegin(); it != images.crend(); ++it) {
        if ((*it)->selected())
            album->deleteImage(*it);
    }
    album->refreshCover();
    album->layoutThumbnails();
    m_gallery->thumbnailStrip()->refreshPreview();
    refreshImageControls();
    markModified();
}

void PhotoAlbumsWindow::moveImagesLeft()
{
    if (!canEdit())
        return;
    Album *album = m_currentAlbum;
    QScrollBar *bar = m_strip->horizontalScrollBar();
    const int step = AlbumPhoto::ViewWidth + 2;
    for (int index = 1; index < album->images().size(); ++index) {
        if (!album->images()[index]->selected())
            continue;
        album->moveImage(index, index - 1);
        if (bar->isVisible() && (index - 1) * step < bar->value())
            bar->setValue((index - 1) * step);
        if (index == 1)
            album->refreshCover();
    }
    markModified();
    album->layoutThumbnails();
    showCurrentThumbnails();
    m_gallery->thumbnailStrip()->refreshPreview();
}

void PhotoAlbumsWindow::moveImagesRight()
{
    if (!canEdit())
        return;
    Album *album = m_currentAlbum;
    QScrollBar *bar = m_strip->horizontalScrollBar();
    const int step = AlbumPhoto::ViewWidth + 2;
    const int visibleWidth = m_strip->viewport()->width();
    for (int index = int(album->images().size()) - 1; index >= 0; --index) {
        if (index + 1 >= album->images().size() || !album->images()[index]->selected())
            continue;
        album->moveImage(index, index + 1);
        if (bar->isVisible()) {
            const int x = step * (index + 2);
            if (visibleWidth < x && visibleWidth < x - bar->value())
                bar->setValue(x - visibleWidth);
        }
        if (index == 0)
            album->refreshCover();
    }
    markModified();
    album->layoutThumbnails();
    showCurrentThumbnails();
    m_gallery->thumbnailStrip()->refreshPreview();
}

void PhotoAlbumsWindow::editLink()
{
    if (m_fillingControls || !canEdit() || !m_dialogs.link)
        return;
    AlbumPhoto *image = lastSelectedImage();
    if (!image)
        return;
    m_dialogs.link->open(image->link());
    if (m_dialogs.link->wasAccepted() && image == lastSelectedImage()) {
        image->setLink(m_dialogs.link->link());
        markModified();
    }
}

void PhotoAlbumsWindow::requestPreview()
{
    if (m_adding)
        return;
    emit previewRequested();
}

void PhotoAlbumsWindow::backToGallery()
{
    if (m_adding)
        return;
    if (m_gallery)
        m_gallery->thumbnailStrip()->refreshPreview();
    close();
}

bool PhotoAlbumsWindow::handleArrowKey(int key)
{
    if (!isVisible())
        return false;
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return true;
    if (!qobject_cast<ThumbnailView *>(QApplication::focusWidget()))
        return true;
    if (key == Qt::Key_Left)
        moveImagesLeft();
    else
        moveImagesRight();
    return true;
}

// Adding photos.

void PhotoAlbumsWindow::addImages()
{
    if (m_adding)
        return;
    if (!m_gallery || !m_currentAlbum) {
        MessageBox::information(this, u"Fotovia"_s, NoAlbumMessage);
        return;
    }
    if (!m_dialogs.chooser || !m_dialogs.chooser->execute(this))
        return;
    if (m_dialogs.chooser->individualFiles()) {
        runAdd([this] {
            const QString start = m_dialogs.folders ? m_dialogs.folders->folder(AddImagesDialogKey) : QString();
            const QStringList files = FileDialog::openFileNames(this, u"Add Images"_s, start, PictureFilter);
            if (!files.isEmpty() && m_dialogs.folders)
                m_dialogs.folders->remember(AddImagesDialogKey, QFileInfo(files.first()).absolutePath());
            return files;
        }, false);
    } else {
        runAdd([this] {
            const QString start = m_dialogs.folders ? m_dialogs.folders->folder(AddImagesDialogKey) : QString();
            const QString folder = FileDialog::existingFolder(this, u"Add a Folder"_s, start);
            if (folder.isEmpty())
                return QStringList();
            const QString base = includeTrailingSlash(folder);
            QStringList paths;
            for (const QString &entry : listFolder(base, u"*"_s))
                paths.append(base + entry);
            return paths;
        }, true);
    }
}

QStringList PhotoAlbumsWindow::droppedPictures(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isDir()) {
            const QString base = includeTrailingSlash(info.absoluteFilePath());
            for (const QString &entry : listFolder(base, u"*"_s))
                paths.append(base + entry);
        } else if (info.isFile()) {
            paths.append(info.absoluteFilePath());
        }
    }
    return paths;
}

void PhotoAlbumsWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QStringList paths = droppedPictures(event->mimeData());
    const bool anyPicture = std::any_of(paths.cbegin(), paths.cend(), [](const QString &path) {
        return Album::isFolderPictureEntry(fileNamePart(path));
    });
    if (anyPicture && !m_adding)
        event->acceptProposedAction();
    else
        event->ignore();
}

void PhotoAlbumsWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedPictures(event->mimeData());
    if (paths.isEmpty() || m_adding) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The import lets window events run; it must not do that inside the drop itself.
    QTimer::singleShot(0, this, [this, paths] { addDroppedFiles(paths); });
}

void PhotoAlbumsWindow::addDroppedFiles(const QStringList &paths)
{
    if (m_adding || paths.isEmpty())
        return;
    if (!m_gallery || !m_currentAlbum) {
        MessageBox::information(this, u"Fotovia"_s, NoAlbumMessage);
        return;
    }
    runAdd([paths] { return paths; }, true);
}

void PhotoAlbumsWindow::runAdd(const std::function<QStringList()> &choosePaths, bool folderEntries)
{
    QPointer<PhotoAlbumsWindow> self(this);
    QPointer<Album> album = m_currentAlbum;
    m_adding = true;
    setCommandsEnabled(false);
    if (m_dialogs.progress)
        m_dialogs.progress->showFor(this);

    const QStringList paths = choosePaths();
    AddImagesResult result;
    if (!paths.isEmpty() && album) {
        AddImagesOptions options;
        options.progress = m_dialogs.progress;
        options.folderEntries = folderEntries;
        result = album->addImages(paths, options);
    }
    if (m_dialogs.progress)
        m_dialogs.progress->closeProgress();
    if (!self)
        return;
    m_adding = false;
    setCommandsEnabled(true);
    if (album && album == m_currentAlbum) {
        showCurrentThumbnails();
        refreshImageControls();
    }
    if (!result.undecodable.isEmpty())
        MessageBox::warning(this, u"Fotovia"_s, ImportFailure::Message(result.undecodable, false));
}

GalleryDocument *PhotoAlbumsWindow::gallery() const
{
    return m_gallery;
}

Album *PhotoAlbumsWindow::currentAlbum() const
{
    return m_currentAlbum;
}
