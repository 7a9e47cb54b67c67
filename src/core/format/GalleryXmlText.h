#pragma once

// Pieces of the gallery file's fixed text layout: one attribute per line, CR LF line ends.

#include "Color.h"

#include <QString>

inline constexpr QStringView XmlEol = u"\r\n";

// indent spaces, name="value", CR LF. The value is written as given (escape texts first).
QString xmlAttr(int indent, QStringView name, const QString &value);
QString xmlAttr(int indent, QStringView name, int value);
QString xmlFlagAttr(int indent, QStringView name, bool value);
QString xmlColorAttr(int indent, QStringView name, PackedColor value);
QString xmlTextAttr(int indent, QStringView name, const QString &text); // escaped
QString xmlFlag(bool value);
// An "images/" path: file names are written as they are, except that a quotation mark (which
// the name cleaning lets through) must not end the attribute early.
QString xmlPathAttr(int indent, QStringView name, const QString &fileName);

// The gallery file's bytes: UTF-8 without byte-order mark; characters outside the Basic
// Multilingual Plane (and stray surrogates) become U+FFFD.
QByteArray encodeGalleryText(const QString &text);
