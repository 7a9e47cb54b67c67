#include "ColorButton.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QWidgetAction>

using namespace Qt::StringLiterals;

namespace {
constexpr int PaletteColumns = 8;

QIcon SwatchIcon(FColor color, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}
} // namespace

const QList<FColor> &ColorButton::PaletteColors()
{
    static const QList<FColor> colors = {
        RgbColor(0, 0, 0),       RgbColor(128, 0, 0),     RgbColor(0, 128, 0),     RgbColor(128, 128, 0),
        RgbColor(0, 0, 128),     RgbColor(128, 0, 128),   RgbColor(0, 128, 128),   RgbColor(128, 128, 128),
        RgbColor(192, 192, 192), RgbColor(255, 0, 0),     RgbColor(0, 255, 0),     RgbColor(255, 255, 0),
        RgbColor(0, 0, 255),     RgbColor(255, 0, 255),   RgbColor(0, 255, 255),   RgbColor(255, 255, 255),
        RgbColor(64, 64, 64),    RgbColor(255, 128, 0),   RgbColor(128, 64, 0),    RgbColor(255, 192, 203),
        RgbColor(0, 64, 128),    RgbColor(128, 128, 255), RgbColor(0, 128, 64),    RgbColor(224, 224, 224),
    };
    return colors;
}

ColorButton::ColorButton(QWidget *parent) : QToolButton(parent)
{
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(36, 14));

    m_menu = new QMenu(this);
    auto *paletteAction = new QWidgetAction(m_menu);
    auto *grid = new QWidget(m_menu);
    auto *layout = new QGridLayout(grid);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    const QList<FColor> &colors = PaletteColors();
    for (int i = 0; i < colors.size(); ++i) {
        const FColor color = colors[i];
        auto *swatch = new QToolButton(grid);
        swatch->setObjectName(u"swatch"_s + QString::number(i));
        swatch->setAutoRaise(true);
        swatch->setIconSize(QSize(16, 16));
        swatch->setIcon(SwatchIcon(color, QSize(16, 16)));
        swatch->setToolTip(ToQColor(color).name(QColor::HexRgb).toUpper());
        connect(swatch, &QToolButton::clicked, this, [this, color] {
            m_menu->close();
            SetColor(color);
        });
        layout->addWidget(swatch, i / PaletteColumns, i % PaletteColumns);
    }
    paletteAction->setDefaultWidget(grid);
    m_menu->addAction(paletteAction);
    m_menu->addSeparator();
    m_menu->addAction(tr("Other Colors..."), this, &ColorButton::ChooseFromDialog);
    setMenu(m_menu);

    UpdateSwatch();
}

void ColorButton::SetColor(FColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    UpdateSwatch();
    emit ColorChanged(color);
}

void ColorButton::ChooseFromDialog()
{
    const QColor chosen = QColorDialog::getColor(ToQColor(m_color), window());
    if (chosen.isValid())
        SetColor(FromQColor(chosen));
}

void ColorButton::UpdateSwatch()
{
    setIcon(SwatchIcon(m_color, iconSize()));
    setToolTip(ToQColor(m_color).name(QColor::HexRgb).toUpper());
}
