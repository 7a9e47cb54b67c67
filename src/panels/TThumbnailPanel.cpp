#include "TThumbnailPanel.h"

#include "ColorButton.h"
#include "app/AppState.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
void AddRow(QVBoxLayout *layout, QWidget *parent, const QString &caption, const QList<QWidget *> &controls,
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

TThumbnailPanel::TThumbnailPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"thumbnailPanel"_s);
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
    AddRow(layout, this, u"Width:"_s, {m_width}, captions);
    AddRow(layout, this, u"Height:"_s, {m_height}, captions);
    AddRow(layout, this, QString(), {m_showBorder, m_dashed}, captions);
    AddRow(layout, this, u"Border Color:"_s, {m_borderColor}, captions);
    AddRow(layout, this, u"Highlight Color:"_s, {m_highlightColor}, captions);
    // Captions as wide as those of the component panel above, so both panels line up.
    int captionWidth = QLabel(u"Background Color:"_s).sizeHint().width();
    for (QLabel *caption : std::as_const(captions))
        captionWidth = qMax(captionWidth, caption->sizeHint().width());
    for (QLabel *caption : std::as_const(captions))
        caption->setFixedWidth(captionWidth);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    connect(m_width, &QSpinBox::valueChanged, this, [this](int value) {
        if (FflashThumbnailerClass *strip = Target()) {
            strip->SetThumbWidth(value);
            strip->RecomputePictureBox();
        }
    });
    connect(m_height, &QSpinBox::valueChanged, this, [this](int value) {
        if (FflashThumbnailerClass *strip = Target()) {
            strip->SetThumbHeight(value);
            strip->RecomputePictureBox();
        }
    });
    connect(m_showBorder, &QCheckBox::toggled, this, [this](bool on) {
        if (FflashThumbnailerClass *strip = Target())
            strip->SetThumbBorder(on);
    });
    connect(m_dashed, &QCheckBox::toggled, this, [this](bool on) {
        if (FflashThumbnailerClass *strip = Target())
            strip->SetThumbBorderSolid(!on);
    });
    connect(m_borderColor, &ColorButton::ColorChanged, this, [this](FColor color) {
        if (FflashThumbnailerClass *strip = Target())
            strip->SetThumbBorderColor(color);
    });
    connect(m_highlightColor, &ColorButton::ColorChanged, this, [this](FColor color) {
        if (FflashThumbnailerClass *strip = Target())
            strip->SetThumbHighlightColor(color);
    });
}

void TThumbnailPanel::Bind(FflashMovie *gallery)
{
    if (m_gallery && m_gallery->ThumbnailStrip())
        disconnect(m_gallery->ThumbnailStrip(), nullptr, this, nullptr);
    m_gallery = gallery;
    if (gallery && gallery->ThumbnailStrip())
        connect(gallery->ThumbnailStrip(), &FflashComponentBaseClass::PropertiesRequested, this,
                &TThumbnailPanel::ShowFor);
}

FflashThumbnailerClass *TThumbnailPanel::Target() const
{
    if (AppState::UpdatingPanels || !m_gallery)
        return nullptr;
    return qobject_cast<FflashThumbnailerClass *>(m_gallery->SelectedObject());
}

void TThumbnailPanel::ShowFor(FflashComponentBaseClass *component)
{
    auto *strip = qobject_cast<FflashThumbnailerClass *>(component);
    if (!strip)
        return;
    UpdatingPanelsGuard filling;
    m_showBorder->setChecked(strip->ThumbBorder());
    m_dashed->setChecked(!strip->ThumbBorderSolid());
    m_width->setValue(strip->ThumbWidth());
    m_height->setValue(strip->ThumbHeight());
    m_borderColor->SetColor(strip->ThumbBorderColor());
    m_highlightColor->SetColor(strip->ThumbHighlightColor());
}

FflashMovie *TThumbnailPanel::Gallery() const
{
    return m_gallery.data();
}
