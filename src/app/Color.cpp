#include "Color.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The window system's colour indexes that the program uses, mapped to palette roles.
QPalette::ColorRole RoleForSystemIndex(int index)
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

FColor ResolveColor(FColor c)
{
    if ((c >> 24) != 0xFF)
        return c & 0xFFFFFF;
    const QPalette palette = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        ? QGuiApplication::palette() : QPalette(QColor(0xF0, 0xF0, 0xF0));
    return FromQColor(palette.color(QPalette::Active, RoleForSystemIndex(int(c & 0xFF))));
}

QColor ToQColor(FColor c)
{
    const FColor rgb = ResolveColor(c);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

FColor FromQColor(const QColor &c)
{
    return RgbColor(c.red(), c.green(), c.blue());
}
