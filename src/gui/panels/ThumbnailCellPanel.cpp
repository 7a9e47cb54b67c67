#include "ThumbnailCellPanel.h"

#include "ColorButton.h"
#include "FillingGuard.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
void addRow(QVBoxLayout *layout, QWidget *parent, const QString &caption, const QList<QWidget *> &controls,
            QList<QLabel *> &captions)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    if (!caption.isEmpty()) {
        auto *label = new QLabel(caption, parent);
        captions.append(label);
        row->addWidget(label);
    }
    for (QWidget *control : controls)
        row->addWidget(control);
    row->addStretch(1);
    layout->addLayout(row);
}
} // namespace

ThumbnailCellPanel::ThumbnailCellPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"thumbnailCellPanel"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto *header = new QLabel(u"Thumbnail Images"_s, this);
    QFont headerFont = header->font();
    headerFont.setBold(true);
    header->setFont(headerFont);
    layout->addWidget(header);

    m_width = new QSpinBox(this);
    m_width->setRange(0, 1000);
    m_height = new QSpinBox(this);
    m_height->setRange(0, 1000);
    m_showBorder = new QCheckBox(u"Show Border:"_s, this);
    m_dashed = new QCheckBox(u"Dashed:"_s, this);
    m_borderColor = new ColorButton(this);
    m_highlightColor = new ColorButton(this);
    QList<QLabel *> captions;
    addRow(layout, this, u"Width:"_s, {m_width}, captions);
    addRow(layout, this, u"Height:"_s, {m_height}, captions);
    addRow(layout, this, QString(), {m_showBorder, m_dashed}, captions);
    addRow(layout, this, u"Border Color:"_s, {m_borderColor}, captions);
    addRow(layout, this, u"Highlight Color:"_s, {m_highlightColor}, captions);
    // Captions as wide as those of the component panel above, so both panels line up.
    int captionWidth = QLabel(u"Background Color:"_s).sizeHint().width();
    for (QLabel *caption : std::as_const(captions))
        captionWidth = qMax(captionWidth, caption->sizeHint().width());
    for (QLabel *caption : std::as_const(captions))
        caption->setFixedWidth(captionWidth);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    connectControls();
}

void ThumbnailCellPanel::connectControls()
{
    connect(m_width, &QSpinBox::valueChanged, this, [this](int value) {
        if (ThumbnailStrip *strip = target()) {
            strip->setThumbWidth(value);
            strip->recomputePictureBox();
        }
    });
    connect(m_height, &QSpinBox::valueChanged, this, [this](int value) {
        if (ThumbnailStrip *strip = target()) {
            strip->setThumbHeight(value);
            strip->recomputePictureBox();
        }
    });
    connect(m_showBorder, &QCheckBox::toggled, this, [this](bool on) {
        if (ThumbnailStrip *strip = target())
            strip->setThumbBorder(on);
    });
    connect(m_dashed, &QCheckBox::toggled, this, [this](bool on) {
        if (ThumbnailStrip *strip = target())
            strip->setThumbBorderSolid(!on);
    });
    connect(m_borderColor, &ColorButton::colorChanged, this, [this](PackedColor color) {
        if (ThumbnailStrip *strip = target())
            strip->setThumbBorderColor(color);
    });
    connect(m_highlightColor, &ColorButton::colorChanged, this, [this](PackedColor color) {
        if (ThumbnailStrip *strip = target())
            strip->setThumbHighlightColor(color);
    });
}

void ThumbnailCellPanel::bind(GalleryDocument *gallery)
{
    if (m_gallery && m_gallery->thumbnailStrip())
        disconnect(m_gallery->thumbnailStrip(), nullptr, this, nullptr);
    m_gallery = gallery;
    if (gallery && gallery->thumbnailStrip())
        connect(gallery->thumbnailStrip(), &StyledComponent::propertiesRequested, this,
                &ThumbnailCellPanel::showFor);
}

ThumbnailStrip *ThumbnailCellPanel::target() const
{
    if (m_filling || !m_gallery)
        return nullptr;
    return qobject_cast<ThumbnailStrip *>(m_gallery->selectedObject());
}

void ThumbnailCellPanel::showFor(StyledComponent *component)
{
    auto *strip = qobject_cast<ThumbnailStrip *>(component);
    if (!strip)
        return;
    const FillingGuard filling(m_filling);
    m_showBorder->setChecked(strip->thumbBorder());
    m_dashed->setChecked(!strip->thumbBorderSolid());
    m_width->setValue(strip->thumbWidth());
    m_height->setValue(strip->thumbHeight());
    m_borderColor->setColor(strip->thumbBorderColor());
    m_highlightColor->setColor(strip->thumbHighlightColor());
}

GalleryDocument *ThumbnailCellPanel::gallery() const
{
    return m_gallery.data();
}
