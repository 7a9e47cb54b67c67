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

    static QString defaultFilePath();
    QString filePath() const { return m_path; }

    bool keyExists(const QString &key) const;
    void createKey(const QString &key);
    void deleteKey(const QString &key);
    QStringList subKeys(const QString &key) const;

    QStringList valueNames(const QString &key) const;
    bool valueExists(const QString &key, const QString &name) const;
    QString readString(const QString &key, const QString &name, const QString &fallback = {}) const;
    int readInt(const QString &key, const QString &name, int fallback) const;
    void writeString(const QString &key, const QString &name, const QString &value);
    void writeInt(const QString &key, const QString &name, int value);
    void deleteValue(const QString &key, const QString &name);

    // Writes pending changes to the file; false when that failed.
    bool sync();

private:
    QString resolveKey(const QString &key) const;
    QString resolveValue(const QString &group, const QString &name) const;
    QStringList childGroups(const QString &group) const;
    QStringList childKeys(const QString &group) const;
    void restrict() const;

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
};
