#include "SettingsStore.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class SettingsStoreTest : public ::testing::Test
{
protected:
    QString file() const { return m_dir.path() + u"/conf/store.ini"_s; }
    void expectOwnerOnly() const
    {
        const auto perms = QFileInfo(file()).permissions();
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
        SettingsStore store(file());
        store.writeString(bookmarks + u"\\My Site"_s, u"Host"_s, u"ftp.example.org"_s);
        store.writeString(bookmarks + u"\\My Site"_s, u"Password"_s, u"a=b;c \"d\" \u00e9"_s);
        store.writeInt(bookmarks + u"\\Untitled 2"_s, u"Port"_s, 21);
        store.createKey(SettingsStore::InternetKey + u"\\Proxy"_s);
        store.writeInt(SettingsStore::WindowSettingsKey + u"\\TwMain"_s, u"Left"_s, -40);
        ASSERT_TRUE(store.sync());
    }
    SettingsStore store(file());
    QStringList sites = store.subKeys(bookmarks);
    sites.sort();
    EXPECT_EQ(sites, (QStringList{u"My Site"_s, u"Untitled 2"_s}));
    EXPECT_EQ(store.readString(bookmarks + u"\\My Site"_s, u"Host"_s), u"ftp.example.org"_s);
    EXPECT_EQ(store.readString(bookmarks + u"\\My Site"_s, u"Password"_s), u"a=b;c \"d\" \u00e9"_s);
    EXPECT_EQ(store.readInt(bookmarks + u"\\Untitled 2"_s, u"Port"_s, 0), 21);
    EXPECT_TRUE(store.keyExists(SettingsStore::InternetKey + u"\\Proxy"_s));
    EXPECT_TRUE(store.valueNames(SettingsStore::InternetKey + u"\\Proxy"_s).isEmpty());
    EXPECT_EQ(store.readInt(SettingsStore::WindowSettingsKey + u"/TwMain"_s, u"Left"_s, 0), -40);
}

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase)
{
    SettingsStore store(file());
    const QString key = u"Software\\Pellicon Software\\Internet\\Bookmarks\\Site"_s;
    store.writeString(key, u"HostName"_s, u"one"_s);
    EXPECT_EQ(store.readString(u"software\\pellicon software\\INTERNET\\bookmarks\\site"_s, u"hostname"_s), u"one"_s);
    EXPECT_TRUE(store.valueExists(key, u"HOSTNAME"_s));
    store.writeString(key, u"hostname"_s, u"two"_s); // replaces, does not add a twin
    EXPECT_EQ(store.valueNames(key), QStringList{u"HostName"_s});
    EXPECT_EQ(store.readString(key, u"HostName"_s), u"two"_s);
}

TEST_F(SettingsStoreTest, DeletingValuesAndKeys)
{
    SettingsStore store(file());
    const QString key = u"A\\B"_s;
    store.writeString(key, u"x"_s, u"1"_s);
    store.writeString(key + u"\\C"_s, u"y"_s, u"2"_s);
    store.deleteValue(key, u"X"_s);
    EXPECT_TRUE(store.keyExists(key));
    EXPECT_FALSE(store.valueExists(key, u"x"_s));
    EXPECT_EQ(store.readString(key, u"x"_s, u"gone"_s), u"gone"_s);
    store.deleteKey(u"a\\b"_s);
    EXPECT_FALSE(store.keyExists(key));
    EXPECT_FALSE(store.keyExists(key + u"\\C"_s));
    EXPECT_TRUE(store.subKeys(u"A"_s).isEmpty());
}

TEST_F(SettingsStoreTest, FileIsReadableByItsOwnerOnly)
{
    SettingsStore store(file());
    store.writeString(u"K"_s, u"v"_s, u"secret"_s);
    ASSERT_TRUE(store.sync());
    expectOwnerOnly();
    store.writeString(u"K"_s, u"v"_s, u"changed"_s);
    ASSERT_TRUE(store.sync());
    expectOwnerOnly();
}

TEST_F(SettingsStoreTest, DefaultFileFollowsTheUserConfigurationFolder)
{
    qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    EXPECT_EQ(SettingsStore::defaultFilePath(), m_dir.path() + u"/Pellicon Software/Pellicon Photo Albums.ini"_s);
    qunsetenv("XDG_CONFIG_HOME");
}
