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

QStringList keyParts(const QString &key)
{
    QString path = key;
    path.replace(u'\\', u'/');
    return path.split(u'/', Qt::SkipEmptyParts);
}

QString findIgnoringCase(const QStringList &names, const QString &wanted)
{
    for (const QString &n : names) {
        if (n.compare(wanted, Qt::CaseInsensitive) == 0)
            return n;
    }
    return {};
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(defaultFilePath()) {}

SettingsStore::SettingsStore(const QString &filePath) : m_path(filePath)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!QFileInfo::exists(m_path)) {
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly))
            file.close();
    }
    restrict();
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

SettingsStore::~SettingsStore()
{
    sync();
}

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/Pellicon Software/Pellicon Photo Albums.ini"_s;
}

void SettingsStore::restrict() const
{
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QStringList SettingsStore::childGroups(const QString &group) const
{
    m_settings->beginGroup(group);
    QStringList groups = m_settings->childGroups();
    m_settings->endGroup();
    return groups;
}

QStringList SettingsStore::childKeys(const QString &group) const
{
    m_settings->beginGroup(group);
    QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
    return keys;
}

// Maps a key path onto the spelling stored in the file, part by part; parts that do not exist
// yet keep the caller's spelling.
QString SettingsStore::resolveKey(const QString &key) const
{
    QString group;
    bool existing = true;
    for (const QString &part : keyParts(key)) {
        QString name = part;
        if (existing) {
            const QString found = findIgnoringCase(childGroups(group), part);
            if (found.isEmpty())
                existing = false;
            else
                name = found;
        }
        group = group.isEmpty() ? name : group + u'/' + name;
    }
    return group;
}

QString SettingsStore::resolveValue(const QString &group, const QString &name) const
{
    const QString found = findIgnoringCase(childKeys(group), name);
    return found.isEmpty() ? name : found;
}

bool SettingsStore::keyExists(const QString &key) const
{
    const QString group = resolveKey(key);
    const qsizetype slash = group.lastIndexOf(u'/');
    const QString parent = slash < 0 ? QString() : group.left(slash);
    return childGroups(parent).contains(group.mid(slash + 1));
}

void SettingsStore::createKey(const QString &key)
{
    if (!keyExists(key))
        m_settings->setValue(resolveKey(key) + u'/' + KeyMarker, QString());
}

void SettingsStore::deleteKey(const QString &key)
{
    if (keyExists(key))
        m_settings->remove(resolveKey(key));
}

QStringList SettingsStore::subKeys(const QString &key) const
{
    return childGroups(resolveKey(key));
}

QStringList SettingsStore::valueNames(const QString &key) const
{
    QStringList names = childKeys(resolveKey(key));
    names.removeAll(KeyMarker);
    return names;
}

bool SettingsStore::valueExists(const QString &key, const QString &name) const
{
    return !findIgnoringCase(valueNames(key), name).isEmpty();
}

QString SettingsStore::readString(const QString &key, const QString &name, const QString &fallback) const
{
    const QString group = resolveKey(key);
    const QString value = resolveValue(group, name);
    return m_settings->value(group + u'/' + value, fallback).toString();
}

int SettingsStore::readInt(const QString &key, const QString &name, int fallback) const
{
    bool ok = false;
    const int value = readString(key, name).toInt(&ok);
    return ok ? value : fallback;
}

void SettingsStore::writeString(const QString &key, const QString &name, const QString &value)
{
    const QString group = resolveKey(key);
    m_settings->setValue(group + u'/' + resolveValue(group, name), value);
    m_settings->remove(group + u'/' + KeyMarker);
}

void SettingsStore::writeInt(const QString &key, const QString &name, int value)
{
    writeString(key, name, QString::number(value));
}

void SettingsStore::deleteValue(const QString &key, const QString &name)
{
    const QString group = resolveKey(key);
    const QString value = findIgnoringCase(childKeys(group), name);
    if (value.isEmpty())
        return;
    const bool lastValue = childKeys(group).size() == 1;
    m_settings->remove(group + u'/' + value);
    if (lastValue) // the key itself stays, as a registry key does
        m_settings->setValue(group + u'/' + KeyMarker, QString());
}

bool SettingsStore::sync()
{
    m_settings->sync();
    restrict();
    return m_settings->status() == QSettings::NoError;
}
