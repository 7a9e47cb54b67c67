#pragma once

// The shared conventions of the program: folders, unique names, name cleaning, XML text
// escaping, the colour text form of the gallery file, and reading XML attributes.

#include "Color.h"

#include <QChar>
#include <QString>
#include <QStringList>

class QDomElement;

QString IncludeTrailingSlash(const QString &path);
QString ApplicationFolder();
QString MyDocumentsFolder();

// Creates the folder (one level) if missing; throws InOutError when that fails.
// With clear set, deletes every file directly inside it afterwards.
QString EnsureFolder(const QString &path, bool clear);
void ClearFolder(const QString &folder, const QString &mask);
QStringList ListFolder(const QString &folder, const QString &mask);
QString UniqueFileName(const QString &folder, const QString &name, const QString &extension);

// The file-name part of a path, up to its first dot.
QString FileBaseName(const QString &path);
// The file-name part of a path (after the last separator).
QString FileNamePart(const QString &path);
// The extension of a path's file name, with its dot, as written; empty when there is none.
QString FileExtension(const QString &path);

// Finds an existing file or folder whose path differs from the given one only in letter case;
// returns the path unchanged when there is none.
QString ResolvePathCase(const QString &path);

void ShellOpen(const QString &target);

QString TrimText(const QString &text);
QString StripFileNameChars(const QString &text);
QString StripPathChars(const QString &text);
QString StripMediaNameChars(const QString &text);
QString ReplaceChar(const QString &text, QChar from, QChar to);

QString EscapeXmlText(const QString &text);
QString ColorToHexText(FColor color);
// Throws ConvertError when the text is not a number.
FColor HexTextToColor(const QString &text);
// Decimal, or hexadecimal after "0x" or "$", with an optional sign; ok is false otherwise.
int ParseIntText(const QString &text, bool *ok);

QString ReadXmlAttr(const QDomElement &element, const QString &name);
int ReadXmlIntAttr(const QDomElement &element, const QString &name, int defaultValue);
