#include "DialogFolders.h"

#include "SettingsStore.h"

using namespace Qt::StringLiterals;

DialogFolders::DialogFolders(SettingsStore &store) : m_store(store) {}

QString DialogFolders::Key()
{
    return SettingsStore::WindowSettingsKey + u"\\Dialogs"_s;
}

QString DialogFolders::Remembered(const QString &dialog) const
{
    return m_store.ReadString(Key(), dialog);
}

QString DialogFolders::Folder(const QString &dialog) const
{
    const QString remembered = Remembered(dialog);
    return remembered.isEmpty() ? m_defaults.value(dialog) : remembered;
}

void DialogFolders::Remember(const QString &dialog, const QString &folder)
{
    if (folder.isEmpty())
        return;
    m_store.WriteString(Key(), dialog, folder);
    m_store.Sync();
}

void DialogFolders::SetDefault(const QString &dialog, const QString &folder)
{
    m_defaults.insert(dialog, folder);
}
