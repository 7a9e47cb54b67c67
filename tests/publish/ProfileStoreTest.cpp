#include "FtpTestServer.h"
#include "app/SettingsStore.h"
#include "publish/CryptoFix.h"
#include "publish/FtpListing.h"
#include "publish/FtpUploader.h"
#include "publish/ProxySettings.h"
#include "publish/ServerProfiles.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class ProfileStore : public ::testing::Test
{
protected:
    QString File() const { return m_dir.path() + u"/conf/store.ini"_s; }
    QString Key(const QString &sub) const { return ServerProfiles::ProfilesKey + u'\\' + sub; }
    QTemporaryDir m_dir;
};

TEST_F(ProfileStore, PasswordIsStoredEncodedOnlyWhenSaved)
{
    ServerProfiles profiles(File());
    JDServerData kept = JDServerData::MakeNew(u"Kept"_s, u"h1"_s, u"u"_s, u"p\u00e9 ss;=\"w"_s, {}, false, true);
    JDServerData dropped = JDServerData::MakeNew(u"Dropped"_s, u"h2"_s, u"u"_s, u"secret"_s, {}, false, false);
    profiles.addProfile(kept);
    profiles.addProfile(dropped);
    ASSERT_TRUE(profiles.saveProfiles());
    {
        SettingsStore store(File());
        EXPECT_NE(store.ReadString(Key(u"Kept"_s), u"Password"_s), kept.Password);
        EXPECT_FALSE(store.ReadString(Key(u"Kept"_s), u"Password"_s).isEmpty());
        EXPECT_EQ(store.ReadString(Key(u"Dropped"_s), u"Password"_s), QString());
        EXPECT_EQ(store.ReadString(Key(u"Kept"_s), u"Timeout"_s), u"120"_s);
        EXPECT_EQ(store.ReadString(Key(u"Kept"_s), u"PassiveMode"_s), u"1"_s);
    }
    const auto perms = QFileInfo(File()).permissions();
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther));

    ServerProfiles reloaded(File());
    EXPECT_EQ(reloaded.loadProfiles(), QString());
    ASSERT_EQ(reloaded.Count(), 2);
    const JDServerData &k = reloaded.Items().at(reloaded.IndexOf(u"Kept"_s));
    EXPECT_EQ(k.Password, kept.Password);
    EXPECT_EQ(k.Port, 21);
    EXPECT_EQ(k.Timeout, 120);
    EXPECT_TRUE(k.PassiveMode);
    EXPECT_EQ(reloaded.Items().at(reloaded.IndexOf(u"Dropped"_s)).Password, QString());
}

TEST_F(ProfileStore, MissingValuesTakeTheStoredDefaults)
{
    {
        SettingsStore store(File());
        store.WriteString(Key(u"anything"_s), u"hostname"_s, u"ftp.example.org"_s);
        store.WriteString(Key(u"anything"_s), u"anonymous"_s, u"true"_s);
        store.WriteString(Key(u"anything"_s), u"SavePassword"_s, u"1"_s);
    }
    ServerProfiles profiles(File());
    EXPECT_EQ(profiles.loadProfiles(), QString());
    ASSERT_EQ(profiles.Count(), 1);
    const JDServerData &p = profiles.Items().at(0);
    EXPECT_EQ(p.ItemName, u"ftp.example.org"_s); // no ItemName: the host name
    EXPECT_EQ(p.Port, 21);
    EXPECT_EQ(p.Timeout, 60);
    EXPECT_FALSE(p.PassiveMode);
    EXPECT_FALSE(p.Anonymous); // only "1" is true
    EXPECT_TRUE(p.SavePassword);
    EXPECT_EQ(p.Protocol, 0);

    // Saved under its new name; the subkey it came from stays.
    ASSERT_TRUE(profiles.saveProfiles());
    SettingsStore store(File());
    QStringList subs = store.SubKeys(ServerProfiles::ProfilesKey);
    subs.sort();
    EXPECT_EQ(subs, (QStringList{u"anything"_s, u"ftp.example.org"_s}));
}

TEST_F(ProfileStore, UnnamedProfilesAndStaleBookmarks)
{
    {
        SettingsStore store(File());
        for (int n = 0; n < 3; ++n)
            store.WriteString(Key(u"Site"_s), u"Bookmark "_s + QString::number(n), u"/b"_s + QString::number(n));
        store.WriteString(Key(u"Site"_s), u"Extra"_s, u"kept"_s);
    }
    ServerProfiles profiles(File());
    JDServerData site = JDServerData::MakeNew(u"Site"_s, u"h"_s, {}, {}, {}, false, false);
    site.Bookmarks = {u"/only"_s};
    profiles.addProfile(JDServerData::MakeNew({}, u"h0"_s, {}, {}, {}, false, false));
    profiles.addProfile(site);
    ASSERT_TRUE(profiles.saveProfiles());
    SettingsStore store(File());
    EXPECT_TRUE(store.KeyExists(Key(u"Untitled 0"_s)));
    EXPECT_EQ(store.ReadString(Key(u"Site"_s), u"Bookmark 0"_s), u"/only"_s);
    EXPECT_FALSE(store.ValueExists(Key(u"Site"_s), u"Bookmark 1"_s));
    EXPECT_FALSE(store.ValueExists(Key(u"Site"_s), u"Bookmark 2"_s));
    EXPECT_EQ(store.ReadString(Key(u"Site"_s), u"Extra"_s), u"kept"_s);
}

TEST_F(ProfileStore, MalformedNumberStopsLoadingAtThatProfile)
{
    {
        SettingsStore store(File());
        store.WriteString(Key(u"A good"_s), u"ItemName"_s, u"A good"_s);
        store.WriteString(Key(u"B bad"_s), u"Port"_s, QString());
        store.WriteString(Key(u"C later"_s), u"ItemName"_s, u"C later"_s);
    }
    ServerProfiles profiles(File());
    const QString error = profiles.loadProfiles();
    EXPECT_FALSE(error.isEmpty());
    ASSERT_EQ(profiles.Count(), 1);
    EXPECT_EQ(profiles.Items().at(0).ItemName, u"A good"_s);
}

TEST_F(ProfileStore, RenameDeleteAndNameChecks)
{
    ServerProfiles profiles(File());
    profiles.addProfile(JDServerData::MakeNew(u"Home"_s, u"h"_s, {}, {}, {}, false, false));
    profiles.addProfile(JDServerData::MakeNew(u"Work"_s, u"w"_s, {}, {}, {}, false, false));
    ASSERT_TRUE(profiles.saveProfiles());
    EXPECT_TRUE(profiles.siteNameExists(u"Home"_s));
    EXPECT_FALSE(profiles.siteNameExists(u"home"_s));
    EXPECT_FALSE(profiles.siteNameExists(u"Hom"_s));

    EXPECT_EQ(profiles.renameProfile(0, u"Work"_s), ServerProfiles::RenameResult::NameTaken);
    EXPECT_EQ(profiles.renameProfile(0, u"Home"_s), ServerProfiles::RenameResult::NameTaken);
    EXPECT_EQ(profiles.renameProfile(0, u"Cottage"_s), ServerProfiles::RenameResult::Renamed);
    profiles.deleteProfile(1);
    SettingsStore store(File());
    EXPECT_EQ(store.SubKeys(ServerProfiles::ProfilesKey), QStringList{u"Cottage"_s});
}

TEST_F(ProfileStore, UnwritableStoreReportsTheSaveError)
{
    WriteFile(m_dir.path() + u"/blocker"_s, "a file where a folder should be");
    ServerProfiles profiles(m_dir.path() + u"/blocker/store.ini"_s);
    profiles.addProfile(JDServerData::MakeNew(u"Home"_s, u"h"_s, {}, {}, {}, false, false));
    EXPECT_FALSE(profiles.saveProfiles());
    EXPECT_EQ(profiles.Count(), 1);
    ProxySettings proxy;
    EXPECT_FALSE(proxy.Save(m_dir.path() + u"/blocker/store.ini"_s));
    EXPECT_FALSE(proxy.Load(m_dir.path() + u"/blocker/store.ini"_s));
}

TEST_F(ProfileStore, TrustedFingerprintsAreRemembered)
{
    ServerProfiles profiles(File());
    JDServerData p = JDServerData::MakeNew(u"Secure"_s, u"h"_s, {}, {}, {}, false, false);
    p.TrustedFingerprints = {u"SHA256:AA:BB"_s, u"SHA256:abc+/d"_s};
    profiles.addProfile(p);
    ASSERT_TRUE(profiles.saveProfiles());
    ServerProfiles reloaded(File());
    reloaded.loadProfiles();
    ASSERT_EQ(reloaded.Count(), 1);
    EXPECT_EQ(reloaded.Items().at(0).TrustedFingerprints, p.TrustedFingerprints);
}

TEST_F(ProfileStore, ProxySettingsRoundTripWithEncodedPassword)
{
    ProxySettings proxy;
    proxy.HostName = u"proxy.lan"_s;
    proxy.Login = u"me"_s;
    proxy.Password = u"pw"_s;
    proxy.Port = u"1080"_s;
    proxy.Type = u"Socks5"_s;
    ASSERT_TRUE(proxy.Save(File()));
    {
        SettingsStore store(File());
        EXPECT_EQ(store.ReadString(ProxySettings::ProxyKey, u"proxypassword"_s), ServerProfiles::encodePassword(u"pw"_s));
    }
    ProxySettings read;
    ASSERT_TRUE(read.Load(File()));
    EXPECT_EQ(read.HostName, proxy.HostName);
    EXPECT_EQ(read.Password, u"pw"_s);
    EXPECT_EQ(read.Type, u"Socks5"_s);
}

TEST(CryptoFixTest, RoundTripsWithoutNulAndKeepsEmptyEmpty)
{
    const QStringList texts{u"a"_s, u"secret"_s, u"p\u00e9ss w\u00f6rd \u20ac"_s, QString(40, u'x'), u"\t;=\"\\"_s};
    for (const QString &t : texts) {
        const QString encoded = ServerProfiles::encodePassword(t);
        EXPECT_FALSE(encoded.contains(QChar(0)));
        EXPECT_NE(encoded, t);
        EXPECT_EQ(ServerProfiles::decodePassword(encoded), t);
    }
    EXPECT_EQ(ServerProfiles::encodePassword(QString()), QString());
    EXPECT_EQ(ServerProfiles::decodePassword(QString()), QString());
    EXPECT_EQ(ServerProfiles::decodePassword(u"not hex!"_s), QString());
}

TEST(FtpListingTest, ReadsMlsdUnixAndDosLines)
{
    const auto mlsd = FtpListing::ParseMlsd(
        "type=cdir;perm=el; .\r\ntype=dir;modify=1; images\r\ntype=file;size=12;modify=2; my file.jpg\r\n");
    ASSERT_EQ(mlsd.size(), 2);
    EXPECT_TRUE(mlsd.at(0).IsFolder);
    EXPECT_EQ(mlsd.at(1).Name, u"my file.jpg"_s);
    EXPECT_EQ(mlsd.at(1).Size, 12);

    const auto list = FtpListing::ParseList(
        "drwxr-xr-x   2 root     root         4096 Dec 11 08:29 sub dir\r\n"
        "-rw-r--r--   1 owner            3 Jan  1  2020 a.txt\r\n"
        "lrwxrwxrwx   1 u g 4 Mar 3 10:00 link -> target\r\n"
        "12-31-20  10:00AM       <DIR>          Docs\r\n"
        "01-02-21  01:00PM                  77 b c.jpg\r\ntotal 8\r\n");
    ASSERT_EQ(list.size(), 5);
    EXPECT_EQ(list.at(0).Name, u"sub dir"_s);
    EXPECT_TRUE(list.at(0).IsFolder);
    EXPECT_EQ(list.at(1).Name, u"a.txt"_s);
    EXPECT_EQ(list.at(1).Size, 3);
    EXPECT_EQ(list.at(2).Name, u"link"_s);
    EXPECT_TRUE(list.at(3).IsFolder);
    EXPECT_EQ(list.at(4).Name, u"b c.jpg"_s);
    EXPECT_EQ(list.at(4).Size, 77);
}

TEST(SizeTextTest, FollowsTheUnitTable)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QList<QPair<qint64, QString>> table{
        {0, u"0"_s}, {-5, u"0"_s}, {1, u"1 Bytes"_s}, {1023, u"1023 Bytes"_s}, {1024, u"1 KB"_s}, {2048, u"2 KB"_s},
        {1048575, u"1023 KB"_s}, {1572864, u"1.50 MB"_s}, {1073741824, u"1.00 GB"_s},
        {qint64(1073741824) * 1500, u"1,500.00 GB"_s}};
    for (const auto &[n, text] : table)
        EXPECT_EQ(FtpUploader::SizeText(n), text) << n;
    QLocale::setDefault(QLocale::system());
}
