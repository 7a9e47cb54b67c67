#include "TipsFile.h"

#include "app/AppFolders.h"
#include "app/Utils.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {
QString FindFile(const QString &appFolder, const QString &name)
{
    const QString path = ResolvePathCase(IncludeTrailingSlash(appFolder) + name);
    return QFileInfo(path).isFile() ? path : QString();
}
} // namespace

QString TipsFile::Folder(const QString &appFolder)
{
    const QString own = AppFolders::WorkRootFor(appFolder);
    if (QFileInfo(own) == QFileInfo(appFolder))
        return IncludeTrailingSlash(appFolder);
    if (FindActive(own).isEmpty() && FindParked(own).isEmpty()) {
        if (const QString active = FindActive(appFolder); !active.isEmpty())
            QFile::copy(active, own + u"tips.txt"_s);
        else if (const QString parked = FindParked(appFolder); !parked.isEmpty())
            QFile::copy(parked, own + u"tips2.txt"_s);
    }
    return own;
}

QString TipsFile::FindActive(const QString &appFolder)
{
    return FindFile(appFolder, u"tips.txt"_s);
}

QString TipsFile::FindParked(const QString &appFolder)
{
    return FindFile(appFolder, u"tips2.txt"_s);
}

QStringList TipsFile::ReadTips(const QString &path)
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

bool TipsFile::Park(const QString &appFolder)
{
    const QString active = FindActive(appFolder);
    return !active.isEmpty() && QFile::rename(active, IncludeTrailingSlash(appFolder) + u"tips2.txt"_s);
}

bool TipsFile::Activate(const QString &appFolder)
{
    const QString parked = FindParked(appFolder);
    return !parked.isEmpty() && QFile::rename(parked, IncludeTrailingSlash(appFolder) + u"tips.txt"_s);
}

int TipsFile::FirstIndex(int count)
{
    if (count <= 1)
        return 0;
    return int(QRandomGenerator::global()->bounded(count - 1));
}

int TipsFile::NextIndex(int index, int count)
{
    ++index;
    return index >= count - 1 ? 0 : index;
}

int TipsFile::PreviousIndex(int index, int count)
{
    --index;
    return index < 0 ? count - 1 : index;
}
