#include "SoundPicker.h"

#include "AppFolders.h"
#include "FileDialog.h"
#include "Utils.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

SoundPicker::SoundPicker(Kind kind, QObject *parent) : QObject(parent), m_kind(kind) {}

QString SoundPicker::filter()
{
    return u"MP3 (*.mp3)"_s;
}

QString SoundPicker::startFolder() const
{
    if (!m_folder.isEmpty())
        return m_folder;
    return m_kind == Kind::Background ? AppFolders::backgroundSoundsFolder()
                                      : AppFolders::mouseOverSoundsFolder();
}

void SoundPicker::setStartFolder(const QString &folder)
{
    m_folder = folder.isEmpty() ? QString() : includeTrailingSlash(folder);
}

QString SoundPicker::choose(QWidget *parent)
{
    const QString path = FileDialog::openFileName(parent, QString(), startFolder(), filter());
    if (path.isEmpty())
        return {};
    setStartFolder(QFileInfo(path).absolutePath());
    emit startFolderChanged(m_folder);
    return path;
}
