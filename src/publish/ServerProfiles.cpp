#include "ServerProfiles.h"

#include "CryptoFix.h"
#include "app/SettingsStore.h"

#include <memory>

using namespace Qt::StringLiterals;

const QString ServerProfiles::ProfilesKey = SettingsStore::InternetKey + u"\\Profiles"_s;
const QString ServerProfiles::KEY = u"mq7Tz!kw2Lp-Xv9;hN4cRb8&Fy3Jd_Ge6Ws1Ko5Ua0Hi2Qx7Vn-Zt4Ec9Lm3Bo8Pj"_s;
const QString ServerProfiles::SaveErrorText = u"Error 1: Could not save the server profiles."_s;

namespace {

std::unique_ptr<SettingsStore> OpenStore(const QString &path)
{
    return path.isEmpty() ? std::make_unique<SettingsStore>() : std::make_unique<SettingsStore>(path);
}

QString BookmarkName(int n) { return u"Bookmark "_s + QString::number(n); }
QString BoolText(bool value) { return value ? u"1"_s : u"0"_s; }

const QString TrustedValue = u"TrustedFingerprints"_s;

struct NotANumber
{
    QString text;
};

// Only an absent value takes the default; an empty or malformed text is an error.
int ReadNumber(const SettingsStore &store, const QString &key, const QString &name, int fallback)
{
    if (!store.ValueExists(key, name))
        return fallback;
    const QString text = store.ReadString(key, name);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw NotANumber{text};
    return value;
}

} // namespace

ServerProfiles::ServerProfiles(const QString &storePath) : m_storePath(storePath) {}

int ServerProfiles::IndexOf(const QString &name) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_items.at(i).ItemName == name)
            return i;
    }
    return -1;
}

QString ServerProfiles::loadProfiles()
{
    m_items.clear();
    const auto store = OpenStore(m_storePath);
    if (!store->KeyExists(ProfilesKey))
        return {};
    for (const QString &sub : store->SubKeys(ProfilesKey)) {
        const QString key = ProfilesKey + u'\\' + sub;
        JDServerData p;
        try {
            p.HostName = store->ReadString(key, u"hostname"_s);
            p.ItemName = store->ReadString(key, u"itemname"_s, p.HostName);
            p.Password = decodePassword(store->ReadString(key, u"password"_s));
            p.HostDirName = store->ReadString(key, u"hostdirname"_s);
            p.LocalDirName = store->ReadString(key, u"localdirname"_s);
            p.Username = store->ReadString(key, u"username"_s);
            p.Comment = store->ReadString(key, u"comment"_s);
            p.Anonymous = store->ReadString(key, u"anonymous"_s) == u"1"_s;
            p.PassiveMode = store->ReadString(key, u"passivemode"_s) == u"1"_s;
            p.SavePassword = store->ReadString(key, u"savepassword"_s) == u"1"_s;
            p.Port = ReadNumber(*store, key, u"port"_s, 21);
            p.Timeout = ReadNumber(*store, key, u"timeout"_s, 60);
            p.UseNoop = store->ReadString(key, u"usenoop"_s) == u"1"_s;
            p.Secure = store->ReadString(key, u"secure"_s) == u"1"_s;
            p.Protocol = ReadNumber(*store, key, u"protocol"_s, 0);
        } catch (const NotANumber &e) {
            return u"'%1' is not a valid integer value"_s.arg(e.text);
        }
        for (int n = 0;; ++n) {
            const QString bookmark = store->ReadString(key, BookmarkName(n));
            if (bookmark.isEmpty())
                break;
            p.Bookmarks.append(bookmark);
        }
        p.TrustedFingerprints = store->ReadString(key, TrustedValue).split(u' ', Qt::SkipEmptyParts);
        m_items.append(p);
    }
    return {};
}

bool ServerProfiles::saveProfiles(QStringList *skipped)
{
    const auto store = OpenStore(m_storePath);
    store->CreateKey(ProfilesKey);
    if (!store->Sync())
        return false;

    for (int i = 0; i < Count(); ++i) {
        const JDServerData &p = m_items.at(i);
        const QString sub = p.ItemName.isEmpty() ? u"Untitled "_s + QString::number(i) : p.ItemName;
        // Windows refuse such names; a profile given one anyway is left out rather than stored
        // where it would not read back.
        if (!IsStorableName(sub)) {
            if (skipped)
                skipped->append(p.ItemName);
            continue;
        }
        const QString key = ProfilesKey + u'\\' + sub;
        for (int n = 0; !store->ReadString(key, BookmarkName(n)).isEmpty(); ++n)
            store->DeleteValue(key, BookmarkName(n));
        store->CreateKey(key);
        store->WriteString(key, u"ItemName"_s, p.ItemName);
        store->WriteString(key, u"HostName"_s, p.HostName);
        store->WriteString(key, u"Username"_s, p.Username);
        store->WriteString(key, u"Port"_s, QString::number(p.Port));
        store->WriteString(key, u"Timeout"_s, QString::number(p.Timeout));
        store->WriteString(key, u"LocalDirName"_s, p.LocalDirName);
        store->WriteString(key, u"HostDirName"_s, p.HostDirName);
        store->WriteString(key, u"Anonymous"_s, BoolText(p.Anonymous));
        store->WriteString(key, u"PassiveMode"_s, BoolText(p.PassiveMode));
        store->WriteString(key, u"SavePassword"_s, BoolText(p.SavePassword));
        store->WriteString(key, u"Secure"_s, BoolText(p.Secure));
        store->WriteString(key, u"LocalDirName"_s, p.LocalDirName);
        store->WriteString(key, u"Comment"_s, p.Comment);
        store->WriteString(key, u"UseNoop"_s, BoolText(p.UseNoop));
        store->WriteString(key, u"Protocol"_s, QString::number(p.Protocol));
        store->WriteString(key, u"Password"_s, p.SavePassword ? encodePassword(p.Password) : QString());
        for (int n = 0; n < p.Bookmarks.size(); ++n)
            store->WriteString(key, BookmarkName(n), p.Bookmarks.at(n));
        store->WriteString(key, TrustedValue, p.TrustedFingerprints.join(u' '));
    }
    return store->Sync();
}

void ServerProfiles::eraseProfileKey(const QString &name)
{
    if (name.isEmpty())
        return; // would name the profiles key itself
    const auto store = OpenStore(m_storePath);
    store->DeleteKey(ProfilesKey + u'\\' + name);
    store->Sync();
}

bool ServerProfiles::siteNameExists(const QString &name) const
{
    return IndexOf(name) >= 0;
}

void ServerProfiles::addProfile(const JDServerData &profile)
{
    m_items.append(profile);
}

const QString ServerProfiles::NameTakenText = u"A site with that name already exists, please choose another one."_s;
const QString ServerProfiles::BadNameText = u"A site name cannot contain \"/\" or \"\\\", please choose another one."_s;

bool ServerProfiles::IsStorableName(const QString &name)
{
    return !name.contains(u'\\') && !name.contains(u'/') && !name.trimmed().isEmpty();
}

ServerProfiles::RenameResult ServerProfiles::renameProfile(int index, const QString &newName)
{
    if (index < 0 || index >= Count() || siteNameExists(newName))
        return RenameResult::NameTaken;
    if (!IsStorableName(newName))
        return RenameResult::BadName;
    eraseProfileKey(m_items.at(index).ItemName);
    m_items[index].ItemName = newName;
    return saveProfiles() ? RenameResult::Renamed : RenameResult::SaveFailed;
}

void ServerProfiles::deleteProfile(int index)
{
    if (index < 0 || index >= Count())
        return;
    eraseProfileKey(m_items.at(index).ItemName);
    m_items.removeAt(index);
}

QString ServerProfiles::encodePassword(const QString &text)
{
    return CryptoFix(text, KEY, 1);
}

QString ServerProfiles::decodePassword(const QString &text)
{
    return CryptoFix(text, KEY, 0);
}
