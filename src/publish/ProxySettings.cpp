#include "ProxySettings.h"

#include "ServerProfiles.h"
#include "app/SettingsStore.h"

#include <memory>

using namespace Qt::StringLiterals;

const QString ProxySettings::ProxyKey = SettingsStore::InternetKey + u"\\Proxy"_s;

QStringList ProxySettings::TypeNames()
{
    return {u"Socks4"_s, u"Socks5"_s, u"Web Standard"_s, u"Relay"_s, u"Socks4a"_s};
}

namespace {
std::unique_ptr<SettingsStore> OpenStore(const QString &path)
{
    return path.isEmpty() ? std::make_unique<SettingsStore>() : std::make_unique<SettingsStore>(path);
}
} // namespace

bool ProxySettings::Load(const QString &storePath)
{
    *this = ProxySettings();
    const auto store = OpenStore(storePath);
    if (!store->KeyExists(ProxyKey)) {
        store->CreateKey(ProxyKey);
        if (!store->Sync())
            return false;
    }
    HostName = store->ReadString(ProxyKey, u"proxyhostname"_s);
    Login = store->ReadString(ProxyKey, u"proxylogin"_s);
    Password = ServerProfiles::decodePassword(store->ReadString(ProxyKey, u"proxypassword"_s));
    Port = store->ReadString(ProxyKey, u"proxyport"_s);
    Type = store->ReadString(ProxyKey, u"proxytype"_s);
    return true;
}

bool ProxySettings::Save(const QString &storePath) const
{
    const auto store = OpenStore(storePath);
    store->CreateKey(ProxyKey);
    if (!store->Sync())
        return false;
    store->WriteString(ProxyKey, u"proxyhostname"_s, HostName);
    store->WriteString(ProxyKey, u"proxylogin"_s, Login);
    store->WriteString(ProxyKey, u"proxytype"_s, Type);
    store->WriteString(ProxyKey, u"proxyport"_s, Port);
    store->WriteString(ProxyKey, u"proxypassword"_s, ServerProfiles::encodePassword(Password));
    return store->Sync();
}
