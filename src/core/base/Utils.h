#pragma once

// The shared conventions of the program: folders, unique names, name cleaning, XML text
// escaping, the colour text form of the gallery file, and reading XML attributes.

#include "Color.h"

#include <QChar>
#include <QString>
#include <QStringList>

class QDomElement;

QString includeTrailingSlash(const QString &path);
QString applicationFolder();
QString myDocumentsFolder();

// Creates the folder (one level) if missing; throws InOutError when that fails.
// With clear set, deletes every file directly inside it afterwards.
QString ensureFolder(const QString &path, bool clear);
void clearFolder(const QString &folder, const QString &mask);
QStringList listFolder(const QString &folder, const QString &mask);
QString uniqueFileName(const QString &folder, const QString &name, const QString &extension);

// The file-name part of a path, up to its first dot.
QString fileBaseName(const QString &path);
// The file-name part of a path (after the last separator).
QString fileNamePart(const QString &path);
// The extension of a path's file name, with its dot, as written; empty when there is none.
QString fileExtension(const QString &path);

// Finds an existing file or folder whose path differs from the given one only in letter case;
// returns the path unchanged when there is none.
QString resolvePathCase(const QString &path);

void shellOpen(const QString &target);

QString trimText(const QString &text);
QString stripFileNameChars(const QString &text);
QString stripPathChars(const QString &text);
QString stripMediaNameChars(const QString &text);
QString replaceChar(const QString &text, QChar from, QChar to);

QString escapeXmlText(const QString &text);
QString colorToHexText(PackedColor color);
// Throws ConvertError when the text is not a number.
PackedColor hexTextToColor(const QString &text);
// Decimal, or hexadecimal after "0x" or "$", with an optional sign; ok is false otherwise.
int parseIntText(const QString &text, bool *ok);

QString readXmlAttr(const QDomElement &element, const QString &name);
int readXmlIntAttr(const QDomElement &element, const QString &name, int defaultValue);
