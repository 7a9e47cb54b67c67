#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

// The per-user settings store: a tree of keys holding named string values, kept in one INI file
// in the user's configuration folder and readable by its owner only. Key paths are written with
// "\" or "/" between their parts ("Software\Pellicon Software\Internet"); key and value names are
// matched without regard to letter case.
class SettingsStore
{
public:
    static const QString WindowSettingsKey; // "Software\Pellicon Software\Pellicon Photo Albums"
    static const QString InternetKey;       // "Software\Pellicon Software\Internet"

    SettingsStore();                             // the per-user file
    explicit SettingsStore(const QString &filePath);
    ~SettingsStore();

    static QString DefaultFilePath();
    QString FilePath() const { return m_path; }

    bool KeyExists(const QString &key) const;
    void CreateKey(const QString &key);
    void DeleteKey(const QString &key);
    QStringList SubKeys(const QString &key) const;

    QStringList ValueNames(const QString &key) const;
    bool ValueExists(const QString &key, const QString &name) const;
    QString ReadString(const QString &key, const QString &name, const QString &fallback = {}) const;
    int ReadInt(const QString &key, const QString &name, int fallback) const;
    void WriteString(const QString &key, const QString &name, const QString &value);
    void WriteInt(const QString &key, const QString &name, int value);
    void DeleteValue(const QString &key, const QString &name);

    // Writes pending changes to the file; false when that failed.
    bool Sync();

private:
    QString ResolveKey(const QString &key) const;
    QString ResolveValue(const QString &group, const QString &name) const;
    QStringList ChildGroups(const QString &group) const;
    QStringList ChildKeys(const QString &group) const;
    void Restrict() const;

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
};
