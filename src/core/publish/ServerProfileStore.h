#pragma once

#include "ServerProfile.h"

#include <QList>
#include <QString>

// The ordered list of server profiles and its per-user store. Each profile is one subkey of
// ProfilesKey, named after its ItemName, holding string values. Every operation opens the store
// afresh, as registry keys are opened, so two lists never hold stale copies of the file.
class ServerProfileStore
{
public:
    static const QString ProfilesKey; // "Software\Pellicon Software\Internet\Profiles"
    static const QString KEY;         // the password key
    static const QString SaveErrorText; // "Error 1: Could not save the server profiles."

    // storePath: the settings file; empty for the per-user one.
    explicit ServerProfileStore(const QString &storePath = {});

    QList<ServerProfile> &items() { return m_items; }
    const QList<ServerProfile> &items() const { return m_items; }
    int count() const { return int(m_items.size()); }
    // The profile named exactly so, or -1.
    int indexOf(const QString &name) const;

    // Fills the list from the store. Returns the error that stopped loading (a number value that is
    // not a whole number), empty when none; the profiles read before it stay in the list.
    QString loadProfiles();
    // Writes every profile; false when the profiles key could be neither opened nor created (then
    // nothing is written). A profile whose name cannot be a single key is skipped; its name is
    // added to skipped when given.
    bool saveProfiles(QStringList *skipped = nullptr);
    void eraseProfileKey(const QString &name);
    bool siteNameExists(const QString &name) const;
    void addProfile(const ServerProfile &profile);

    // A separator would make the name a path of nested keys that does not read back.
    static bool isStorableName(const QString &name);
    static const QString BadNameText;
    static const QString NameTakenText;

    enum class RenameResult { Renamed, NameTaken, BadName, SaveFailed };
    RenameResult renameProfile(int index, const QString &newName);
    void deleteProfile(int index);

    static QString encodePassword(const QString &text);
    static QString decodePassword(const QString &text);

private:
    QString m_storePath;
    QList<ServerProfile> m_items;
};
