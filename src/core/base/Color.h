#pragma once

#include <QColor>
#include <QtGlobal>

// A colour as the gallery stores it: red in the lowest byte, then green, then blue.
// A value whose top byte is 0xFF names a system colour (index in the low byte).
using PackedColor = quint32;

constexpr PackedColor rgbColor(int r, int g, int b)
{
    return PackedColor(r & 0xFF) | (PackedColor(g & 0xFF) << 8) | (PackedColor(b & 0xFF) << 16);
}

namespace Colors {
constexpr PackedColor Black = rgbColor(0, 0, 0);
constexpr PackedColor White = rgbColor(255, 255, 255);
constexpr PackedColor Red = rgbColor(255, 0, 0);
constexpr PackedColor Green = rgbColor(0, 128, 0);
constexpr PackedColor Blue = rgbColor(0, 0, 255);
constexpr PackedColor Gray = rgbColor(128, 128, 128);
constexpr PackedColor Silver = rgbColor(192, 192, 192);
constexpr PackedColor BtnFace = 0xFF00000F;
} // namespace Colors

inline int redOf(PackedColor c) { return int(c & 0xFF); }
inline int greenOf(PackedColor c) { return int((c >> 8) & 0xFF); }
inline int blueOf(PackedColor c) { return int((c >> 16) & 0xFF); }

// Turns a system colour into its current red-green-blue value; fixed colours pass unchanged.
PackedColor resolveColor(PackedColor c);
QColor toQColor(PackedColor c);
PackedColor fromQColor(const QColor &c);
