#include "FtpListing.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QStringList lines(const QByteArray &data)
{
    QStringList lines;
    for (const QByteArray &line : data.split('\n')) {
        QByteArray l = line;
        if (l.endsWith('\r'))
            l.chop(1);
        if (!l.isEmpty())
            lines.append(QString::fromUtf8(l));
    }
    return lines;
}

bool skipped(const QString &name) { return name.isEmpty() || name == u"."_s || name == u".."_s; }

} // namespace

QList<FtpListItem> FtpListing::parseMlsd(const QByteArray &data)
{
    QList<FtpListItem> items;
    for (const QString &line : lines(data)) {
        const qsizetype space = line.indexOf(u' ');
        if (space < 0)
            continue;
        FtpListItem item;
        item.name = line.mid(space + 1);
        bool skip = false;
        for (const QString &fact : line.left(space).split(u';', Qt::SkipEmptyParts)) {
            const qsizetype eq = fact.indexOf(u'=');
            if (eq < 0)
                continue;
            const QString name = fact.left(eq).toLower();
            const QString value = fact.mid(eq + 1).toLower();
            if (name == u"type"_s) {
                item.isFolder = value == u"dir"_s;
                skip = value == u"cdir"_s || value == u"pdir"_s;
            } else if (name == u"size"_s) {
                item.size = value.toLongLong();
            }
        }
        if (!skip && !skipped(item.name))
            items.append(item);
    }
    return items;
}

QList<FtpListItem> FtpListing::parseList(const QByteArray &data)
{
    // type+permissions, links, owner, [group,] size, month day time-or-year, name
    static const QRegularExpression unixLine(
        u"^([-dlcbps])\\S{9}\\S*\\s+\\d+\\s+\\S+\\s+(?:\\S+\\s+)?(\\d+)\\s+"
        u"\\w{3}\\s+\\d{1,2}\\s+(?:\\d{1,2}:\\d{2}|\\d{4})\\s(.*)$"_s);
    static const QRegularExpression dos(
        u"^\\d{2}-\\d{2}-\\d{2,4}\\s+\\d{1,2}:\\d{2}(?:AM|PM)?\\s+(<DIR>|\\d+)\\s+(.*)$"_s,
        QRegularExpression::CaseInsensitiveOption);
    QList<FtpListItem> items;
    for (const QString &line : lines(data)) {
        FtpListItem item;
        if (const auto m = unixLine.match(line); m.hasMatch()) {
            const QChar type = m.captured(1).at(0);
            item.isFolder = type == u'd';
            item.size = m.captured(2).toLongLong();
            item.name = m.captured(3);
            if (type == u'l') {
                const qsizetype arrow = item.name.indexOf(u" -> "_s);
                if (arrow >= 0)
                    item.name.truncate(arrow);
            }
        } else if (const auto d = dos.match(line); d.hasMatch()) {
            item.isFolder = d.captured(1).compare(u"<DIR>"_s, Qt::CaseInsensitive) == 0;
            item.size = item.isFolder ? 0 : d.captured(1).toLongLong();
            item.name = d.captured(2);
        } else {
            continue;
        }
        if (!skipped(item.name))
            items.append(item);
    }
    return items;
}
