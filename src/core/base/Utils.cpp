#include "Utils.h"

#include "Errors.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDomElement>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// "*.*" means every entry, as it always has for these folder masks.
QStringList nameFilters(const QString &mask)
{
    if (mask.isEmpty() || mask == u"*.*"_s)
        return {u"*"_s};
    return {mask};
}

QFileInfoList entries(const QString &folder, const QString &mask)
{
    QDir dir(folder);
    return dir.entryInfoList(nameFilters(mask),
                             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Unsorted);
}

QString removeChars(const QString &text, QStringView chars)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (!chars.contains(c))
            result.append(c);
    }
    return trimText(result);
}

} // namespace

QString includeTrailingSlash(const QString &path)
{
    if (path.isEmpty() || isSeparator(path.back()))
        return path;
    return path + u'/';
}

QString applicationFolder()
{
    return includeTrailingSlash(QCoreApplication::applicationDirPath());
}

QString myDocumentsFolder()
{
    return includeTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString ensureFolder(const QString &path, bool clear)
{
    if (!QFileInfo(path).isDir() && !QDir().mkdir(QDir::cleanPath(path))) {
        throw InOutError(QCoreApplication::translate("Utils", "Could not create the folder %1.")
                             .arg(QDir::toNativeSeparators(path)));
    }
    if (clear)
        clearFolder(includeTrailingSlash(path), u"*.*"_s);
    return path;
}

void clearFolder(const QString &folder, const QString &mask)
{
    for (const QFileInfo &entry : entries(folder, mask)) {
        // Entries are deleted as files: sub-folders and files we may not delete stay.
        if (!entry.isDir() || entry.isSymLink())
            QFile::remove(entry.filePath());
    }
}

QStringList listFolder(const QString &folder, const QString &mask)
{
    QStringList names;
    for (const QFileInfo &entry : entries(folder, mask))
        names.append(entry.fileName());
    return names;
}

QString uniqueFileName(const QString &folder, const QString &name, const QString &extension)
{
    QString candidate = folder + name + extension;
    for (qint64 n = 2; QFileInfo(candidate).isFile(); ++n)
        candidate = folder + name + u'(' + QString::number(n) + u')' + extension;
    return candidate;
}

QString fileNamePart(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? path : path.mid(slash + 1);
}

QString fileBaseName(const QString &path)
{
    const QString name = fileNamePart(path);
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString fileExtension(const QString &path)
{
    const QString name = fileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

QString resolvePathCase(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const bool trailing = isSeparator(path.back());
    const QStringList parts = QDir::cleanPath(path).split(u'/');
    QString resolved = parts.first().isEmpty() ? u"/"_s : parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part.isEmpty())
            continue;
        QString next = includeTrailingSlash(resolved) + part;
        if (!QFileInfo::exists(next)) {
            const QStringList names = QDir(resolved).entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            auto match = std::find_if(names.begin(), names.end(), [&](const QString &n) {
                return n.compare(part, Qt::CaseInsensitive) == 0;
            });
            if (match == names.end())
                return path;
            next = includeTrailingSlash(resolved) + *match;
        }
        resolved = next;
    }
    return trailing ? includeTrailingSlash(resolved) : resolved;
}

void shellOpen(const QString &target)
{
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    QDesktopServices::openUrl(url);
}

QString trimText(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].unicode() <= u' ')
        ++start;
    while (end > start && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(start, end - start);
}

QString stripFileNameChars(const QString &text)
{
    return removeChars(text, u"*/:<>?\\|");
}

QString stripPathChars(const QString &text)
{
    return removeChars(text, u"*<>?|");
}

QString stripMediaNameChars(const QString &text)
{
    return removeChars(text, u"&*:<>?|");
}

QString replaceChar(const QString &text, QChar from, QChar to)
{
    QString result = text;
    result.replace(from, to);
    return result;
}

QString escapeXmlText(const QString &text)
{
    QString result = text;
    result.replace(u"&"_s, u"&amp;"_s);
    result.replace(u"<"_s, u"&lt;"_s);
    result.replace(u">"_s, u"&gt;"_s);
    result.replace(u"'"_s, u"&apos;"_s);
    result.replace(u"\""_s, u"&quot;"_s);
    return result;
}

QString colorToHexText(PackedColor color)
{
    const PackedColor rgb = resolveColor(color);
    const uint written = (uint(redOf(rgb)) << 16) | (uint(greenOf(rgb)) << 8) | uint(blueOf(rgb));
    return u"0x"_s + QString::number(written, 16).toUpper().rightJustified(6, u'0');
}

int parseIntText(const QString &text, bool *ok)
{
    *ok = false;
    QStringView rest(text);
    bool negative = false;
    if (!rest.isEmpty() && (rest.front() == u'-' || rest.front() == u'+')) {
        negative = rest.front() == u'-';
        rest = rest.mid(1);
    }
    int base = 10;
    if (rest.startsWith(u'$')) {
        rest = rest.mid(1);
        base = 16;
    } else if (rest.startsWith(u"0x", Qt::CaseInsensitive)) {
        rest = rest.mid(2);
        base = 16;
    }
    // toLongLong would accept blanks and its own prefixes; only plain digits are numbers here.
    if (rest.isEmpty())
        return 0;
    for (QChar c : rest) {
        const bool digit = base == 16 ? std::isxdigit(c.unicode()) && c.unicode() < 128
                                      : c.isDigit() && c.unicode() < 128;
        if (!digit)
            return 0;
    }
    bool parsed = false;
    const qlonglong magnitude = rest.toLongLong(&parsed, base);
    if (!parsed)
        return 0;
    const qlonglong value = negative ? -magnitude : magnitude;
    // Hexadecimal texts may spell the full 32 bits (0xFFFFFFFF is -1), decimal ones may not.
    if (base == 16 && !negative && value <= 0xFFFFFFFFLL) {
        *ok = true;
        return int(quint32(value));
    }
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return 0;
    *ok = true;
    return int(value);
}

PackedColor hexTextToColor(const QString &text)
{
    bool ok = false;
    const quint32 value = quint32(parseIntText(text, &ok));
    if (!ok)
        throw ConvertError(QCoreApplication::translate("Utils", "'%1' is not a valid colour value.").arg(text));
    return rgbColor(int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF));
}

QString readXmlAttr(const QDomElement &element, const QString &name)
{
    if (element.isNull() || !element.hasAttribute(name))
        return {};
    return element.attribute(name);
}

int readXmlIntAttr(const QDomElement &element, const QString &name, int defaultValue)
{
    if (element.isNull() || !element.hasAttribute(name))
        return defaultValue;
    bool ok = false;
    const int value = parseIntText(element.attribute(name), &ok);
    return ok ? value : defaultValue;
}
