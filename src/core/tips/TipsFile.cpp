#include "TipsFile.h"

#include "AppFolders.h"
#include "Utils.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {
QString findFile(const QString &appFolder, const QString &name)
{
    const QString path = resolvePathCase(includeTrailingSlash(appFolder) + name);
    return QFileInfo(path).isFile() ? path : QString();
}
} // namespace

QString TipsFile::folder(const QString &appFolder)
{
    const QString own = AppFolders::workRootFor(appFolder);
    if (QFileInfo(own) == QFileInfo(appFolder))
        return includeTrailingSlash(appFolder);
    if (findActive(own).isEmpty() && findParked(own).isEmpty()) {
        if (const QString active = findActive(appFolder); !active.isEmpty())
            QFile::copy(active, own + u"tips.txt"_s);
        else if (const QString parked = findParked(appFolder); !parked.isEmpty())
            QFile::copy(parked, own + u"tips2.txt"_s);
    }
    return own;
}

QString TipsFile::findActive(const QString &appFolder)
{
    return findFile(appFolder, u"tips.txt"_s);
}

QString TipsFile::findParked(const QString &appFolder)
{
    return findFile(appFolder, u"tips2.txt"_s);
}

QStringList TipsFile::readTips(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

bool TipsFile::park(const QString &appFolder)
{
    const QString active = findActive(appFolder);
    return !active.isEmpty() && QFile::rename(active, includeTrailingSlash(appFolder) + u"tips2.txt"_s);
}

bool TipsFile::activate(const QString &appFolder)
{
    const QString parked = findParked(appFolder);
    return !parked.isEmpty() && QFile::rename(parked, includeTrailingSlash(appFolder) + u"tips.txt"_s);
}

int TipsFile::firstIndex(int count)
{
    if (count <= 1)
        return 0;
    return int(QRandomGenerator::global()->bounded(count - 1));
}

int TipsFile::nextIndex(int index, int count)
{
    ++index;
    return index >= count - 1 ? 0 : index;
}

int TipsFile::previousIndex(int index, int count)
{
    --index;
    return index < 0 ? count - 1 : index;
}
