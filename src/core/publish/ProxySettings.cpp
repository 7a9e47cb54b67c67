#include "ProxySettings.h"

#include "ServerProfileStore.h"
#include "SettingsStore.h"

#include <memory>

using namespace Qt::StringLiterals;

const QString ProxySettings::ProxyKey = SettingsStore::InternetKey + u"\\Proxy"_s;

QStringList ProxySettings::typeNames()
{
    return {u"Socks4"_s, u"Socks5"_s, u"Web Standard"_s, u"Relay"_s, u"Socks4a"_s};
}

namespace {
std::unique_ptr<SettingsStore> openStore(const QString &path)
{
    return path.isEmpty() ? std::make_unique<SettingsStore>() : std::make_unique<SettingsStore>(path);
}
} // namespace

bool ProxySettings::load(const QString &storePath)
{
    *this = ProxySettings();
    const auto store = openStore(storePath);
    if (!store->keyExists(ProxyKey)) {
        store->createKey(ProxyKey);
        if (!store->sync())
            return false;
    }
    hostName = store->readString(ProxyKey, u"proxyhostname"_s);
    login = store->readString(ProxyKey, u"proxylogin"_s);
    password = ServerProfileStore::decodePassword(store->readString(ProxyKey, u"proxypassword"_s));
    port = store->readString(ProxyKey, u"proxyport"_s);
    type = store->readString(ProxyKey, u"proxytype"_s);
    return true;
}

bool ProxySettings::save(const QString &storePath) const
{
    const auto store = openStore(storePath);
    store->createKey(ProxyKey);
    if (!store->sync())
        return false;
    store->writeString(ProxyKey, u"proxyhostname"_s, hostName);
    store->writeString(ProxyKey, u"proxylogin"_s, login);
    store->writeString(ProxyKey, u"proxytype"_s, type);
    store->writeString(ProxyKey, u"proxyport"_s, port);
    store->writeString(ProxyKey, u"proxypassword"_s, ServerProfileStore::encodePassword(password));
    return store->sync();
}
