#include "SoundPicker.h"

#include "app/AppFolders.h"
#include "app/FileDialog.h"
#include "app/Utils.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

SoundPicker::SoundPicker(Kind kind, QObject *parent) : QObject(parent), m_kind(kind) {}

QString SoundPicker::Filter()
{
    return u"MP3 (*.mp3)"_s;
}

QString SoundPicker::StartFolder() const
{
    if (!m_folder.isEmpty())
        return m_folder;
    return m_kind == Kind::Background ? AppFolders::BackgroundSoundsFolder()
                                      : AppFolders::MouseOverSoundsFolder();
}

void SoundPicker::SetStartFolder(const QString &folder)
{
    m_folder = folder.isEmpty() ? QString() : IncludeTrailingSlash(folder);
}

QString SoundPicker::Choose(QWidget *parent)
{
    const QString path = FileDialog::OpenFileName(parent, QString(), StartFolder(), Filter());
    if (path.isEmpty())
        return {};
    SetStartFolder(QFileInfo(path).absolutePath());
    emit StartFolderChanged(m_folder);
    return path;
}
