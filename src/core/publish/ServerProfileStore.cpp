#include "ServerProfileStore.h"

#include "PasswordScrambler.h"
#include "SettingsStore.h"

#include <memory>

using namespace Qt::StringLiterals;

const QString ServerProfileStore::ProfilesKey = SettingsStore::InternetKey + u"\\Profiles"_s;
const QString ServerProfileStore::KEY = u"mq7Tz!kw2Lp-Xv9;hN4cRb8&Fy3Jd_Ge6Ws1Ko5Ua0Hi2Qx7Vn-Zt4Ec9Lm3Bo8Pj"_s;
const QString ServerProfileStore::SaveErrorText = u"Error 1: Could not save the server profiles."_s;

namespace {

std::unique_ptr<SettingsStore> openStore(const QString &path)
{
    return path.isEmpty() ? std::make_unique<SettingsStore>() : std::make_unique<SettingsStore>(path);
}

QString bookmarkName(int n) { return u"Bookmark "_s + QString::number(n); }
QString boolText(bool value) { return value ? u"1"_s : u"0"_s; }

const QString TrustedValue = u"TrustedFingerprints"_s;

struct NotANumber
{
    QString text;
};

// Only an absent value takes the default; an empty or malformed text is an error.
int readNumber(const SettingsStore &store, const QString &key, const QString &name, int fallback)
{
    if (!store.valueExists(key, name))
        return fallback;
    const QString text = store.readString(key, name);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw NotANumber{text};
    return value;
}

} // namespace

ServerProfileStore::ServerProfileStore(const QString &storePath) : m_storePath(storePath) {}

int ServerProfileStore::indexOf(const QString &name) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_items.at(i).itemName == name)
            return i;
    }
    return -1;
}

QString ServerProfileStore::loadProfiles()
{
    m_items.clear();
    const auto store = openStore(m_storePath);
    if (!store->keyExists(ProfilesKey))
        return {};
    for (const QString &sub : store->subKeys(ProfilesKey)) {
        const QString key = ProfilesKey + u'\\' + sub;
        ServerProfile p;
        try {
            p.hostName = store->readString(key, u"hostname"_s);
            p.itemName = store->readString(key, u"itemname"_s, p.hostName);
            p.password = decodePassword(store->readString(key, u"password"_s));
            p.hostDirName = store->readString(key, u"hostdirname"_s);
            p.localDirName = store->readString(key, u"localdirname"_s);
            p.username = store->readString(key, u"username"_s);
            p.comment = store->readString(key, u"comment"_s);
            p.anonymous = store->readString(key, u"anonymous"_s) == u"1"_s;
            p.passiveMode = store->readString(key, u"passivemode"_s) == u"1"_s;
            p.savePassword = store->readString(key, u"savepassword"_s) == u"1"_s;
            p.port = readNumber(*store, key, u"port"_s, 21);
            p.timeout = readNumber(*store, key, u"timeout"_s, 60);
            p.useNoop = store->readString(key, u"usenoop"_s) == u"1"_s;
            p.secure = store->readString(key, u"secure"_s) == u"1"_s;
            p.protocol = readNumber(*store, key, u"protocol"_s, 0);
        } catch (const NotANumber &e) {
            return u"'%1' is not a valid integer value"_s.arg(e.text);
        }
        for (int n = 0;; ++n) {
            const QString bookmark = store->readString(key, bookmarkName(n));
            if (bookmark.isEmpty())
                break;
            p.bookmarks.append(bookmark);
        }
        p.trustedFingerprints = store->readString(key, TrustedValue).split(u' ', Qt::SkipEmptyParts);
        m_items.append(p);
    }
    return {};
}

bool ServerProfileStore::saveProfiles(QStringList *skipped)
{
    const auto store = openStore(m_storePath);
    store->createKey(ProfilesKey);
    if (!store->sync())
        return false;

    for (int i = 0; i < count(); ++i) {
        const ServerProfile &p = m_items.at(i);
        const QString sub = p.itemName.isEmpty() ? u"Untitled "_s + QString::number(i) : p.itemName;
        // Windows refuse such names; a profile given one anyway is left out rather than stored
        // where it would not read back.
        if (!isStorableName(sub)) {
            if (skipped)
                skipped->append(p.itemName);
            continue;
        }
        const QString key = ProfilesKey + u'\\' + sub;
        for (int n = 0; !store->readString(key, bookmarkName(n)).isEmpty(); ++n)
            store->deleteValue(key, bookmarkName(n));
        store->createKey(key);
        store->writeString(key, u"ItemName"_s, p.itemName);
        store->writeString(key, u"HostName"_s, p.hostName);
        store->writeString(key, u"Username"_s, p.username);
        store->writeString(key, u"Port"_s, QString::number(p.port));
        store->writeString(key, u"Timeout"_s, QString::number(p.timeout));
        store->writeString(key, u"LocalDirName"_s, p.localDirName);
        store->writeString(key, u"HostDirName"_s, p.hostDirName);
        store->writeString(key, u"Anonymous"_s, boolText(p.anonymous));
        store->writeString(key, u"PassiveMode"_s, boolText(p.passiveMode));
        store->writeString(key, u"SavePassword"_s, boolText(p.savePassword));
        store->writeString(key, u"Secure"_s, boolText(p.secure));
        store->writeString(key, u"LocalDirName"_s, p.localDirName);
        store->writeString(key, u"Comment"_s, p.comment);
        store->writeString(key, u"UseNoop"_s, boolText(p.useNoop));
        store->writeString(key, u"Protocol"_s, QString::number(p.protocol));
        store->writeString(key, u"Password"_s, p.savePassword ? encodePassword(p.password) : QString());
        for (int n = 0; n < p.bookmarks.size(); ++n)
            store->writeString(key, bookmarkName(n), p.bookmarks.at(n));
        store->writeString(key, TrustedValue, p.trustedFingerprints.join(u' '));
    }
    return store->sync();
}

void ServerProfileStore::eraseProfileKey(const QString &name)
{
    if (name.isEmpty())
        return; // would name the profiles key itself
    const auto store = openStore(m_storePath);
    store->deleteKey(ProfilesKey + u'\\' + name);
    store->sync();
}

bool ServerProfileStore::siteNameExists(const QString &name) const
{
    return indexOf(name) >= 0;
}

void ServerProfileStore::addProfile(const ServerProfile &profile)
{
    m_items.append(profile);
}

const QString ServerProfileStore::NameTakenText = u"A site with that name already exists, please choose another one."_s;
const QString ServerProfileStore::BadNameText = u"A site name cannot contain \"/\" or \"\\\", please choose another one."_s;

bool ServerProfileStore::isStorableName(const QString &name)
{
    return !name.contains(u'\\') && !name.contains(u'/') && !name.trimmed().isEmpty();
}

ServerProfileStore::RenameResult ServerProfileStore::renameProfile(int index, const QString &newName)
{
    if (index < 0 || index >= count() || siteNameExists(newName))
        return RenameResult::NameTaken;
    if (!isStorableName(newName))
        return RenameResult::BadName;
    eraseProfileKey(m_items.at(index).itemName);
    m_items[index].itemName = newName;
    return saveProfiles() ? RenameResult::Renamed : RenameResult::SaveFailed;
}

void ServerProfileStore::deleteProfile(int index)
{
    if (index < 0 || index >= count())
        return;
    eraseProfileKey(m_items.at(index).itemName);
    m_items.removeAt(index);
}

QString ServerProfileStore::encodePassword(const QString &text)
{
    return cryptoFix(text, KEY, 1);
}

QString ServerProfileStore::decodePassword(const QString &text)
{
    return cryptoFix(text, KEY, 0);
}
