#include "RememberedFolders.h"

#include "SettingsStore.h"

using namespace Qt::StringLiterals;

RememberedFolders::RememberedFolders(SettingsStore &store) : m_store(store) {}

QString RememberedFolders::key()
{
    return SettingsStore::WindowSettingsKey + u"\\Dialogs"_s;
}

QString RememberedFolders::remembered(const QString &dialog) const
{
    return m_store.readString(key(), dialog);
}

QString RememberedFolders::folder(const QString &dialog) const
{
    const QString remembered = this->remembered(dialog);
    return remembered.isEmpty() ? m_defaults.value(dialog) : remembered;
}

void RememberedFolders::remember(const QString &dialog, const QString &folder)
{
    if (folder.isEmpty())
        return;
    m_store.writeString(key(), dialog, folder);
    m_store.sync();
}

void RememberedFolders::setDefault(const QString &dialog, const QString &folder)
{
    m_defaults.insert(dialog, folder);
}
