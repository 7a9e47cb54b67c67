#include "FtpTestServer.h"
#include "SettingsStore.h"
#include "PasswordScrambler.h"
#include "FtpListing.h"
#include "GalleryUploader.h"
#include "ProxySettings.h"
#include "ServerProfileStore.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class ProfileStore : public ::testing::Test
{
protected:
    QString file() const { return m_dir.path() + u"/conf/store.ini"_s; }
    QString key(const QString &sub) const { return ServerProfileStore::ProfilesKey + u'\\' + sub; }
    QTemporaryDir m_dir;
};

TEST_F(ProfileStore, PasswordIsStoredEncodedOnlyWhenSaved)
{
    ServerProfileStore profiles(file());
    ServerProfile kept = ServerProfile::makeNew(u"Kept"_s, u"h1"_s, u"u"_s, u"p\u00e9 ss;=\"w"_s, {}, false, true);
    ServerProfile dropped = ServerProfile::makeNew(u"Dropped"_s, u"h2"_s, u"u"_s, u"secret"_s, {}, false, false);
    profiles.addProfile(kept);
    profiles.addProfile(dropped);
    ASSERT_TRUE(profiles.saveProfiles());
    {
        SettingsStore store(file());
        EXPECT_NE(store.readString(key(u"Kept"_s), u"Password"_s), kept.password);
        EXPECT_FALSE(store.readString(key(u"Kept"_s), u"Password"_s).isEmpty());
        EXPECT_EQ(store.readString(key(u"Dropped"_s), u"Password"_s), QString());
        EXPECT_EQ(store.readString(key(u"Kept"_s), u"Timeout"_s), u"120"_s);
        EXPECT_EQ(store.readString(key(u"Kept"_s), u"PassiveMode"_s), u"1"_s);
    }
    const auto perms = QFileInfo(file()).permissions();
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther));

    ServerProfileStore reloaded(file());
    EXPECT_EQ(reloaded.loadProfiles(), QString());
    ASSERT_EQ(reloaded.count(), 2);
    const ServerProfile &k = reloaded.items().at(reloaded.indexOf(u"Kept"_s));
    EXPECT_EQ(k.password, kept.password);
    EXPECT_EQ(k.port, 21);
    EXPECT_EQ(k.timeout, 120);
    EXPECT_TRUE(k.passiveMode);
    EXPECT_EQ(reloaded.items().at(reloaded.indexOf(u"Dropped"_s)).password, QString());
}

TEST_F(ProfileStore, MissingValuesTakeTheStoredDefaults)
{
    {
        SettingsStore store(file());
        store.writeString(key(u"anything"_s), u"hostname"_s, u"ftp.example.org"_s);
        store.writeString(key(u"anything"_s), u"anonymous"_s, u"true"_s);
        store.writeString(key(u"anything"_s), u"SavePassword"_s, u"1"_s);
    }
    ServerProfileStore profiles(file());
    EXPECT_EQ(profiles.loadProfiles(), QString());
    ASSERT_EQ(profiles.count(), 1);
    const ServerProfile &p = profiles.items().at(0);
    EXPECT_EQ(p.itemName, u"ftp.example.org"_s); // no ItemName: the host name
    EXPECT_EQ(p.port, 21);
    EXPECT_EQ(p.timeout, 60);
    EXPECT_FALSE(p.passiveMode);
    EXPECT_FALSE(p.anonymous); // only "1" is true
    EXPECT_TRUE(p.savePassword);
    EXPECT_EQ(p.protocol, 0);

    // Saved under its new name; the subkey it came from stays.
    ASSERT_TRUE(profiles.saveProfiles());
    SettingsStore store(file());
    QStringList subs = store.subKeys(ServerProfileStore::ProfilesKey);
    subs.sort();
    EXPECT_EQ(subs, (QStringList{u"anything"_s, u"ftp.example.org"_s}));
}

TEST_F(ProfileStore, UnnamedProfilesAndStaleBookmarks)
{
    {
        SettingsStore store(file());
        for (int n = 0; n < 3; ++n)
            store.writeString(key(u"Site"_s), u"Bookmark "_s + QString::number(n), u"/b"_s + QString::number(n));
        store.writeString(key(u"Site"_s), u"Extra"_s, u"kept"_s);
    }
    ServerProfileStore profiles(file());
    ServerProfile site = ServerProfile::makeNew(u"Site"_s, u"h"_s, {}, {}, {}, false, false);
    site.bookmarks = {u"/only"_s};
    profiles.addProfile(ServerProfile::makeNew({}, u"h0"_s, {}, {}, {}, false, false));
    profiles.addProfile(site);
    ASSERT_TRUE(profiles.saveProfiles());
    SettingsStore store(file());
    EXPECT_TRUE(store.keyExists(key(u"Untitled 0"_s)));
    EXPECT_EQ(store.readString(key(u"Site"_s), u"Bookmark 0"_s), u"/only"_s);
    EXPECT_FALSE(store.valueExists(key(u"Site"_s), u"Bookmark 1"_s));
    EXPECT_FALSE(store.valueExists(key(u"Site"_s), u"Bookmark 2"_s));
    EXPECT_EQ(store.readString(key(u"Site"_s), u"Extra"_s), u"kept"_s);
}

TEST_F(ProfileStore, MalformedNumberStopsLoadingAtThatProfile)
{
    {
        SettingsStore store(file());
        store.writeString(key(u"A good"_s), u"ItemName"_s, u"A good"_s);
        store.writeString(key(u"B bad"_s), u"Port"_s, QString());
        store.writeString(key(u"C later"_s), u"ItemName"_s, u"C later"_s);
    }
    ServerProfileStore profiles(file());
    const QString error = profiles.loadProfiles();
    EXPECT_FALSE(error.isEmpty());
    ASSERT_EQ(profiles.count(), 1);
    EXPECT_EQ(profiles.items().at(0).itemName, u"A good"_s);
}

TEST_F(ProfileStore, RenameDeleteAndNameChecks)
{
    ServerProfileStore profiles(file());
    profiles.addProfile(ServerProfile::makeNew(u"Home"_s, u"h"_s, {}, {}, {}, false, false));
    profiles.addProfile(ServerProfile::makeNew(u"Work"_s, u"w"_s, {}, {}, {}, false, false));
    ASSERT_TRUE(profiles.saveProfiles());
    EXPECT_TRUE(profiles.siteNameExists(u"Home"_s));
    EXPECT_FALSE(profiles.siteNameExists(u"home"_s));
    EXPECT_FALSE(profiles.siteNameExists(u"Hom"_s));

    EXPECT_EQ(profiles.renameProfile(0, u"Work"_s), ServerProfileStore::RenameResult::NameTaken);
    EXPECT_EQ(profiles.renameProfile(0, u"Home"_s), ServerProfileStore::RenameResult::NameTaken);
    EXPECT_EQ(profiles.renameProfile(0, u"Cottage"_s), ServerProfileStore::RenameResult::Renamed);
    profiles.deleteProfile(1);
    SettingsStore store(file());
    EXPECT_EQ(store.subKeys(ServerProfileStore::ProfilesKey), QStringList{u"Cottage"_s});
}

TEST_F(ProfileStore, UnwritableStoreReportsTheSaveError)
{
    writeFile(m_dir.path() + u"/blocker"_s, "a file where a folder should be");
    ServerProfileStore profiles(m_dir.path() + u"/blocker/store.ini"_s);
    profiles.addProfile(ServerProfile::makeNew(u"Home"_s, u"h"_s, {}, {}, {}, false, false));
    EXPECT_FALSE(profiles.saveProfiles());
    EXPECT_EQ(profiles.count(), 1);
    ProxySettings proxy;
    EXPECT_FALSE(proxy.save(m_dir.path() + u"/blocker/store.ini"_s));
    EXPECT_FALSE(proxy.load(m_dir.path() + u"/blocker/store.ini"_s));
}

TEST_F(ProfileStore, TrustedFingerprintsAreRemembered)
{
    ServerProfileStore profiles(file());
    ServerProfile p = ServerProfile::makeNew(u"Secure"_s, u"h"_s, {}, {}, {}, false, false);
    p.trustedFingerprints = {u"SHA256:AA:BB"_s, u"SHA256:abc+/d"_s};
    profiles.addProfile(p);
    ASSERT_TRUE(profiles.saveProfiles());
    ServerProfileStore reloaded(file());
    reloaded.loadProfiles();
    ASSERT_EQ(reloaded.count(), 1);
    EXPECT_EQ(reloaded.items().at(0).trustedFingerprints, p.trustedFingerprints);
}

TEST_F(ProfileStore, ProxySettingsRoundTripWithEncodedPassword)
{
    ProxySettings proxy;
    proxy.hostName = u"proxy.lan"_s;
    proxy.login = u"me"_s;
    proxy.password = u"pw"_s;
    proxy.port = u"1080"_s;
    proxy.type = u"Socks5"_s;
    ASSERT_TRUE(proxy.save(file()));
    {
        SettingsStore store(file());
        EXPECT_EQ(store.readString(ProxySettings::ProxyKey, u"proxypassword"_s), ServerProfileStore::encodePassword(u"pw"_s));
    }
    ProxySettings read;
    ASSERT_TRUE(read.load(file()));
    EXPECT_EQ(read.hostName, proxy.hostName);
    EXPECT_EQ(read.password, u"pw"_s);
    EXPECT_EQ(read.type, u"Socks5"_s);
}

TEST(CryptoFixTest, RoundTripsWithoutNulAndKeepsEmptyEmpty)
{
    const QStringList texts{u"a"_s, u"secret"_s, u"p\u00e9ss w\u00f6rd \u20ac"_s, QString(40, u'x'), u"\t;=\"\\"_s};
    for (const QString &t : texts) {
        const QString encoded = ServerProfileStore::encodePassword(t);
        EXPECT_FALSE(encoded.contains(QChar(0)));
        EXPECT_NE(encoded, t);
        EXPECT_EQ(ServerProfileStore::decodePassword(encoded), t);
    }
    EXPECT_EQ(ServerProfileStore::encodePassword(QString()), QString());
    EXPECT_EQ(ServerProfileStore::decodePassword(QString()), QString());
    EXPECT_EQ(ServerProfileStore::decodePassword(u"not hex!"_s), QString());
}

TEST(FtpListingTest, ReadsMlsdUnixAndDosLines)
{
    const auto mlsd = FtpListing::parseMlsd(
        "type=cdir;perm=el; .\r\ntype=dir;modify=1; images\r\ntype=file;size=12;modify=2; my file.jpg\r\n");
    ASSERT_EQ(mlsd.size(), 2);
    EXPECT_TRUE(mlsd.at(0).isFolder);
    EXPECT_EQ(mlsd.at(1).name, u"my file.jpg"_s);
    EXPECT_EQ(mlsd.at(1).size, 12);

    const auto list = FtpListing::parseList(
        "drwxr-xr-x   2 root     root         4096 Dec 11 08:29 sub dir\r\n"
        "-rw-r--r--   1 owner            3 Jan  1  2020 a.txt\r\n"
        "lrwxrwxrwx   1 u g 4 Mar 3 10:00 link -> target\r\n"
        "12-31-20  10:00AM       <DIR>          Docs\r\n"
        "01-02-21  01:00PM                  77 b c.jpg\r\ntotal 8\r\n");
    ASSERT_EQ(list.size(), 5);
    EXPECT_EQ(list.at(0).name, u"sub dir"_s);
    EXPECT_TRUE(list.at(0).isFolder);
    EXPECT_EQ(list.at(1).name, u"a.txt"_s);
    EXPECT_EQ(list.at(1).size, 3);
    EXPECT_EQ(list.at(2).name, u"link"_s);
    EXPECT_TRUE(list.at(3).isFolder);
    EXPECT_EQ(list.at(4).name, u"b c.jpg"_s);
    EXPECT_EQ(list.at(4).size, 77);
}

TEST(SizeTextTest, FollowsTheUnitTable)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QList<QPair<qint64, QString>> table{
        {0, u"0"_s}, {-5, u"0"_s}, {1, u"1 Bytes"_s}, {1023, u"1023 Bytes"_s}, {1024, u"1 KB"_s}, {2048, u"2 KB"_s},
        {1048575, u"1023 KB"_s}, {1572864, u"1.50 MB"_s}, {1073741824, u"1.00 GB"_s},
        {qint64(1073741824) * 1500, u"1,500.00 GB"_s}};
    for (const auto &[n, text] : table)
        EXPECT_EQ(GalleryUploader::sizeText(n), text) << n;
    QLocale::setDefault(QLocale::system());
}
