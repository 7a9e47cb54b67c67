#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

const QString SettingsStore::WindowSettingsKey = u"Software\\Pellicon Software\\Pellicon Photo Albums"_s;
const QString SettingsStore::InternetKey = u"Software\\Pellicon Software\\Internet"_s;

namespace {

// QSettings keeps no empty groups; this value marks a key that exists without values.
const QString KeyMarker = u"@key"_s;

QStringList KeyParts(const QString &key)
{
    QString path = key;
    path.replace(u'\\', u'/');
    return path.split(u'/', Qt::SkipEmptyParts);
}

QString FindIgnoringCase(const QStringList &names, const QString &wanted)
{
    for (const QString &n : names) {
        if (n.compare(wanted, Qt::CaseInsensitive) == 0)
            return n;
    }
    return {};
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(DefaultFilePath()) {}

SettingsStore::SettingsStore(const QString &filePath) : m_path(filePath)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!QFileInfo::exists(m_path)) {
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly))
            file.close();
    }
    Restrict();
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

SettingsStore::~SettingsStore()
{
    Sync();
}

QString SettingsStore::DefaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/Pellicon Software/Pellicon Photo Albums.ini"_s;
}

void SettingsStore::Restrict() const
{
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QStringList SettingsStore::ChildGroups(const QString &group) const
{
    m_settings->beginGroup(group);
    QStringList groups = m_settings->childGroups();
    m_settings->endGroup();
    return groups;
}

QStringList SettingsStore::ChildKeys(const QString &group) const
{
    m_settings->beginGroup(group);
    QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
    return keys;
}

// Maps a key path onto the spelling stored in the file, part by part; parts that do not exist
// yet keep the caller's spelling.
QString SettingsStore::ResolveKey(const QString &key) const
{
    QString group;
    bool existing = true;
    for (const QString &part : KeyParts(key)) {
        QString name = part;
        if (existing) {
            const QString found = FindIgnoringCase(ChildGroups(group), part);
            if (found.isEmpty())
                existing = false;
            else
                name = found;
        }
        group = group.isEmpty() ? name : group + u'/' + name;
    }
    return group;
}

QString SettingsStore::ResolveValue(const QString &group, const QString &name) const
{
    const QString found = FindIgnoringCase(ChildKeys(group), name);
    return found.isEmpty() ? name : found;
}

bool SettingsStore::KeyExists(const QString &key) const
{
    const QString group = ResolveKey(key);
    const qsizetype slash = group.lastIndexOf(u'/');
    const QString parent = slash < 0 ? QString() : group.left(slash);
    return ChildGroups(parent).contains(group.mid(slash + 1));
}

void SettingsStore::CreateKey(const QString &key)
{
    if (!KeyExists(key))
        m_settings->setValue(ResolveKey(key) + u'/' + KeyMarker, QString());
}

void SettingsStore::DeleteKey(const QString &key)
{
    if (KeyExists(key))
        m_settings->remove(ResolveKey(key));
}

QStringList SettingsStore::SubKeys(const QString &key) const
{
    return ChildGroups(ResolveKey(key));
}

QStringList SettingsStore::ValueNames(const QString &key) const
{
    QStringList names = ChildKeys(ResolveKey(key));
    names.removeAll(KeyMarker);
    return names;
}

bool SettingsStore::ValueExists(const QString &key, const QString &name) const
{
    return !FindIgnoringCase(ValueNames(key), name).isEmpty();
}

QString SettingsStore::ReadString(const QString &key, const QString &name, const QString &fallback) const
{
    const QString group = ResolveKey(key);
    const QString value = ResolveValue(group, name);
    return m_settings->value(group + u'/' + value, fallback).toString();
}

int SettingsStore::ReadInt(const QString &key, const QString &name, int fallback) const
{
    bool ok = false;
    const int value = ReadString(key, name).toInt(&ok);
    return ok ? value : fallback;
}

void SettingsStore::WriteString(const QString &key, const QString &name, const QString &value)
{
    const QString group = ResolveKey(key);
    m_settings->setValue(group + u'/' + ResolveValue(group, name), value);
    m_settings->remove(group + u'/' + KeyMarker);
}

void SettingsStore::WriteInt(const QString &key, const QString &name, int value)
{
    WriteString(key, name, QString::number(value));
}

void SettingsStore::DeleteValue(const QString &key, const QString &name)
{
    const QString group = ResolveKey(key);
    const QString value = FindIgnoringCase(ChildKeys(group), name);
    if (value.isEmpty())
        return;
    const bool lastValue = ChildKeys(group).size() == 1;
    m_settings->remove(group + u'/' + value);
    if (lastValue) // the key itself stays, as a registry key does
        m_settings->setValue(group + u'/' + KeyMarker, QString());
}

bool SettingsStore::Sync()
{
    m_settings->sync();
    Restrict();
    return m_settings->status() == QSettings::NoError;
}
