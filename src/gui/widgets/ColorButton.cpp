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

QIcon swatchIcon(PackedColor color, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(toQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}
} // namespace

const QList<PackedColor> &ColorButton::paletteColors()
{
    static const QList<PackedColor> colors = {
        rgbColor(0, 0, 0),       rgbColor(128, 0, 0),     rgbColor(0, 128, 0),     rgbColor(128, 128, 0),
        rgbColor(0, 0, 128),     rgbColor(128, 0, 128),   rgbColor(0, 128, 128),   rgbColor(128, 128, 128),
        rgbColor(192, 192, 192), rgbColor(255, 0, 0),     rgbColor(0, 255, 0),     rgbColor(255, 255, 0),
        rgbColor(0, 0, 255),     rgbColor(255, 0, 255),   rgbColor(0, 255, 255),   rgbColor(255, 255, 255),
        rgbColor(64, 64, 64),    rgbColor(255, 128, 0),   rgbColor(128, 64, 0),    rgbColor(255, 192, 203),
        rgbColor(0, 64, 128),    rgbColor(128, 128, 255), rgbColor(0, 128, 64),    rgbColor(224, 224, 224),
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
    const QList<PackedColor> &colors = paletteColors();
    for (int i = 0; i < colors.size(); ++i) {
        const PackedColor color = colors[i];
        auto *swatch = new QToolButton(grid);
        swatch->setObjectName(u"swatch"_s + QString::number(i));
        swatch->setAutoRaise(true);
        swatch->setIconSize(QSize(16, 16));
        swatch->setIcon(swatchIcon(color, QSize(16, 16)));
        swatch->setToolTip(toQColor(color).name(QColor::HexRgb).toUpper());
        connect(swatch, &QToolButton::clicked, this, [this, color] {
            m_menu->close();
            setColor(color);
        });
        layout->addWidget(swatch, i / PaletteColumns, i % PaletteColumns);
    }
    paletteAction->setDefaultWidget(grid);
    m_menu->addAction(paletteAction);
    m_menu->addSeparator();
    m_menu->addAction(tr("Other Colors..."), this, &ColorButton::chooseFromDialog);
    setMenu(m_menu);

    updateSwatch();
}

void ColorButton::setColor(PackedColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    updateSwatch();
    emit colorChanged(color);
}

void ColorButton::chooseFromDialog()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_color), window());
    if (chosen.isValid())
        setColor(fromQColor(chosen));
}

void ColorButton::updateSwatch()
{
    setIcon(swatchIcon(m_color, iconSize()));
    setToolTip(toQColor(m_color).name(QColor::HexRgb).toUpper());
}
