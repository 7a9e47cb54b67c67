#include "Color.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The window system's colour indexes that the program uses, mapped to palette roles.
QPalette::ColorRole roleForSystemIndex(int index)
{
    switch (index) {
    case 5: return QPalette::Base;             // window background
    case 8: return QPalette::Text;             // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 16: return QPalette::Mid;             // button shadow
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;           // button highlight
    default: return QPalette::Button;          // button face and anything unknown
    }
}

} // namespace

PackedColor resolveColor(PackedColor c)
{
    if ((c >> 24) != 0xFF)
        return c & 0xFFFFFF;
    const QPalette palette = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        ? QGuiApplication::palette() : QPalette(QColor(0xF0, 0xF0, 0xF0));
    return fromQColor(palette.color(QPalette::Active, roleForSystemIndex(int(c & 0xFF))));
}

QColor toQColor(PackedColor c)
{
    const PackedColor rgb = resolveColor(c);
    return QColor(redOf(rgb), greenOf(rgb), blueOf(rgb));
}

PackedColor fromQColor(const QColor &c)
{
    return rgbColor(c.red(), c.green(), c.blue());
}
