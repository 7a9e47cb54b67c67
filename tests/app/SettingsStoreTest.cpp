#include "app/SettingsStore.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class SettingsStoreTest : public ::testing::Test
{
protected:
    QString File() const { return m_dir.path() + u"/conf/store.ini"_s; }
    void ExpectOwnerOnly() const
    {
        const auto perms = QFileInfo(File()).permissions();
        EXPECT_TRUE(perms.testFlag(QFileDevice::ReadOwner) && perms.testFlag(QFileDevice::WriteOwner));
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        EXPECT_FALSE(perms & others);
    }
    QTemporaryDir m_dir;
};

TEST_F(SettingsStoreTest, RoundTripsKeysSubKeysAndValuesAcrossInstances)
{
    const QString bookmarks = SettingsStore::InternetKey + u"\\Bookmarks"_s;
    {
        SettingsStore store(File());
        store.WriteString(bookmarks + u"\\My Site"_s, u"Host"_s, u"ftp.example.org"_s);
        store.WriteString(bookmarks + u"\\My Site"_s, u"Password"_s, u"a=b;c \"d\" \u00e9"_s);
        store.WriteInt(bookmarks + u"\\Untitled 2"_s, u"Port"_s, 21);
        store.CreateKey(SettingsStore::InternetKey + u"\\Proxy"_s);
        store.WriteInt(SettingsStore::WindowSettingsKey + u"\\TwMain"_s, u"Left"_s, -40);
        ASSERT_TRUE(store.Sync());
    }
    SettingsStore store(File());
    QStringList sites = store.SubKeys(bookmarks);
    sites.sort();
    EXPECT_EQ(sites, (QStringList{u"My Site"_s, u"Untitled 2"_s}));
    EXPECT_EQ(store.ReadString(bookmarks + u"\\My Site"_s, u"Host"_s), u"ftp.example.org"_s);
    EXPECT_EQ(store.ReadString(bookmarks + u"\\My Site"_s, u"Password"_s), u"a=b;c \"d\" \u00e9"_s);
    EXPECT_EQ(store.ReadInt(bookmarks + u"\\Untitled 2"_s, u"Port"_s, 0), 21);
    EXPECT_TRUE(store.KeyExists(SettingsStore::InternetKey + u"\\Proxy"_s));
    EXPECT_TRUE(store.ValueNames(SettingsStore::InternetKey + u"\\Proxy"_s).isEmpty());
    EXPECT_EQ(store.ReadInt(SettingsStore::WindowSettingsKey + u"/TwMain"_s, u"Left"_s, 0), -40);
}

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase)
{
    SettingsStore store(File());
    const QString key = u"Software\\Pellicon Software\\Internet\\Bookmarks\\Site"_s;
    store.WriteString(key, u"HostName"_s, u"one"_s);
    EXPECT_EQ(store.ReadString(u"software\\pellicon software\\INTERNET\\bookmarks\\site"_s, u"hostname"_s), u"one"_s);
    EXPECT_TRUE(store.ValueExists(key, u"HOSTNAME"_s));
    store.WriteString(key, u"hostname"_s, u"two"_s); // replaces, does not add a twin
    EXPECT_EQ(store.ValueNames(key), QStringList{u"HostName"_s});
    EXPECT_EQ(store.ReadString(key, u"HostName"_s), u"two"_s);
}

TEST_F(SettingsStoreTest, DeletingValuesAndKeys)
{
    SettingsStore store(File());
    const QString key = u"A\\B"_s;
    store.WriteString(key, u"x"_s, u"1"_s);
    store.WriteString(key + u"\\C"_s, u"y"_s, u"2"_s);
    store.DeleteValue(key, u"X"_s);
    EXPECT_TRUE(store.KeyExists(key));
    EXPECT_FALSE(store.ValueExists(key, u"x"_s));
    EXPECT_EQ(store.ReadString(key, u"x"_s, u"gone"_s), u"gone"_s);
    store.DeleteKey(u"a\\b"_s);
    EXPECT_FALSE(store.KeyExists(key));
    EXPECT_FALSE(store.KeyExists(key + u"\\C"_s));
    EXPECT_TRUE(store.SubKeys(u"A"_s).isEmpty());
}

TEST_F(SettingsStoreTest, FileIsReadableByItsOwnerOnly)
{
    SettingsStore store(File());
    store.WriteString(u"K"_s, u"v"_s, u"secret"_s);
    ASSERT_TRUE(store.Sync());
    ExpectOwnerOnly();
    store.WriteString(u"K"_s, u"v"_s, u"changed"_s);
    ASSERT_TRUE(store.Sync());
    ExpectOwnerOnly();
}

TEST_F(SettingsStoreTest, DefaultFileFollowsTheUserConfigurationFolder)
{
    qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    EXPECT_EQ(SettingsStore::DefaultFilePath(), m_dir.path() + u"/Pellicon Software/Pellicon Photo Albums.ini"_s);
    qunsetenv("XDG_CONFIG_HOME");
}
