#pragma once

#include <QColor>
#include <QtGlobal>

// A colour as the gallery stores it: red in the lowest byte, then green, then blue.
// A value whose top byte is 0xFF names a system colour (index in the low byte).
using FColor = quint32;

constexpr FColor RgbColor(int r, int g, int b)
{
    return FColor(r & 0xFF) | (FColor(g & 0xFF) << 8) | (FColor(b & 0xFF) << 16);
}

namespace Colors {
constexpr FColor Black = RgbColor(0, 0, 0);
constexpr FColor White = RgbColor(255, 255, 255);
constexpr FColor Red = RgbColor(255, 0, 0);
constexpr FColor Green = RgbColor(0, 128, 0);
constexpr FColor Blue = RgbColor(0, 0, 255);
constexpr FColor Gray = RgbColor(128, 128, 128);
constexpr FColor Silver = RgbColor(192, 192, 192);
constexpr FColor BtnFace = 0xFF00000F;
} // namespace Colors

inline int RedOf(FColor c) { return int(c & 0xFF); }
inline int GreenOf(FColor c) { return int((c >> 8) & 0xFF); }
inline int BlueOf(FColor c) { return int((c >> 16) & 0xFF); }

// Turns a system colour into its current red-green-blue value; fixed colours pass unchanged.
FColor ResolveColor(FColor c);
QColor ToQColor(FColor c);
FColor FromQColor(const QColor &c);
