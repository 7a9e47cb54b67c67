#include "FtpTestServer.h"
#include "MessageBox.h"
#include "SettingsStore.h"
#include "GalleryDocument.h"
#include "GalleryUploader.h"
#include "ProxySettings.h"
#include "ServerProfileStore.h"
#include "RemoteServerWindow.h"
#include "FilesToUploadDialog.h"
#include "ServerProfileWizard.h"
#include "MySitesDialog.h"
#include "ProxySettingsDialog.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A per-user store of its own in a temporary folder, so that tests running side by side never
// share one; message boxes answered.
class PublishWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        MessageBox::clearHistory();
        MessageBox::setAutoAnswer(true);
    }
    void TearDown() override
    {
        MessageBox::setAutoAnswer(false);
        MessageBox::clearHistory();
        qunsetenv("XDG_CONFIG_HOME");
    }
    QTemporaryDir m_config;
    static void store(const QList<ServerProfile> &items)
    {
        ServerProfileStore profiles;
        for (const ServerProfile &p : items)
            profiles.addProfile(p);
        ASSERT_TRUE(profiles.saveProfiles());
    }
    static ServerProfile site(const QString &name)
    {
        return ServerProfile::makeNew(name, name + u".example.org"_s, u"user"_s, u"pw"_s, {}, false, true);
    }
    // Closes the modal window that the next action opens; seen tells whether it was one of W.
    template <typename W> static void closeNextModal(bool *seen)
    {
        QTimer::singleShot(0, [seen] {
            if (auto *w = qobject_cast<W *>(QApplication::activeModalWidget())) {
                *seen = true;
                w->reject();
            }
        });
    }
};

TEST_F(PublishWindows, WizardStepsAndChecks)
{
    ServerProfileStore profiles;
    profiles.addProfile(site(u"Home"_s));
    ServerProfileWizard wizard(profiles);
    auto *backButton = wizard.findChild<QPushButton *>(u"backButton"_s);
    auto *nextButton = wizard.findChild<QPushButton *>(u"nextButton"_s);
    auto *nickname = wizard.findChild<QLineEdit *>(u"nickname"_s);
    auto *userName = wizard.findChild<QLineEdit *>(u"userName"_s);
    auto *password = wizard.findChild<QLineEdit *>(u"password"_s);
    auto *noProxyButton = wizard.findChild<QPushButton *>(u"noProxyButton"_s);
    auto *finishButton = wizard.findChild<QPushButton *>(u"finishButton"_s);
    wizard.show();
    EXPECT_EQ(wizard.findChild<QLabel *>(u"title"_s)->text(), u"Server Profile Wizard (Step 1 of 5)"_s);
    EXPECT_FALSE(backButton->isVisibleTo(&wizard));
    EXPECT_FALSE(nextButton->isEnabled());
    QTest::keyClicks(nickname, u"Home"_s);
    EXPECT_TRUE(nextButton->isEnabled());
    QTest::keyClick(nickname, Qt::Key_Return); // Enter is "Next >>"
    EXPECT_EQ(wizard.step(), 1);
    EXPECT_EQ(MessageBox::lastText(), u"A site with that name already exists, please choose another one."_s);

    nickname->setText(u"My/Site"_s);
    nextButton->click();
    EXPECT_EQ(wizard.step(), 1);
    EXPECT_EQ(MessageBox::lastText(), ServerProfileStore::BadNameText);

    nickname->clear();
    QTest::keyClicks(nickname, u"home"_s); // exact comparison: another name
    nextButton->click();
    EXPECT_EQ(wizard.step(), 2);
    EXPECT_EQ(wizard.findChild<QLabel *>(u"subtitle"_s)->text(), u"Username and Password"_s);
    EXPECT_TRUE(wizard.findChild<QCheckBox *>(u"savePassword"_s)->isChecked());

    // Back to step 1 with a taken name: the check runs again.
    backButton->click();
    nickname->setText(u"Home"_s);
    nextButton->click();
    EXPECT_EQ(wizard.step(), 1);
    nickname->setText(u"My Site"_s);
    nextButton->click();

    userName->setText(u"typed"_s);
    wizard.findChild<QCheckBox *>(u"anonymous"_s)->setChecked(true);
    EXPECT_EQ(userName->text(), u"anonymous"_s);
    EXPECT_EQ(password->text(), u"PelliconFTP@"_s);
    wizard.findChild<QCheckBox *>(u"anonymous"_s)->setChecked(false);
    EXPECT_EQ(userName->text(), QString());
    EXPECT_EQ(password->text(), QString());
    userName->setText(u"me"_s);
    password->setText(u"pw"_s);
    nextButton->click();

    EXPECT_EQ(wizard.step(), 3);
    EXPECT_FALSE(nextButton->isEnabled());
    QTest::keyClick(wizard.findChild<QLineEdit *>(u"remotePath"_s), Qt::Key_Return);
    EXPECT_EQ(wizard.step(), 3);
    wizard.findChild<QLineEdit *>(u"host"_s)->setText(u"ftp.example.org"_s);
    EXPECT_TRUE(nextButton->isEnabled());
    nextButton->click();

    EXPECT_EQ(wizard.step(), 4);
    EXPECT_EQ(noProxyButton->text(), u"No, I don't even  know what that is."_s);
    bool proxyShown = false;
    closeNextModal<ProxySettingsDialog>(&proxyShown);
    wizard.findChild<QPushButton *>(u"proxyButton"_s)->click();
    EXPECT_TRUE(proxyShown);
    EXPECT_EQ(wizard.step(), 4);
    noProxyButton->click();
    EXPECT_EQ(wizard.step(), 5);
    EXPECT_TRUE(finishButton->isVisibleTo(&wizard));
    EXPECT_FALSE(wizard.findChild<QPushButton *>(u"cancelButton"_s)->isVisibleTo(&wizard));
    finishButton->click();

    ASSERT_TRUE(wizard.isFinished());
    const ServerProfile p = wizard.profile();
    EXPECT_EQ(p.itemName, u"My Site"_s);
    EXPECT_EQ(p.hostName, u"ftp.example.org"_s);
    EXPECT_EQ(p.username, u"me"_s);
    EXPECT_EQ(p.port, 21);
    EXPECT_EQ(p.timeout, 120);
    EXPECT_TRUE(p.passiveMode);
    EXPECT_EQ(p.protocol, 0);
    EXPECT_TRUE(p.savePassword);
}

TEST_F(PublishWindows, WizardCancelAddsNothing)
{
    ServerProfileStore profiles;
    ServerProfileWizard wizard(profiles);
    wizard.show();
    wizard.findChild<QLineEdit *>(u"nickname"_s)->setText(u"x"_s);
    wizard.findChild<QPushButton *>(u"cancelButton"_s)->click();
    EXPECT_FALSE(wizard.isFinished());
}

TEST_F(PublishWindows, ServersWindowFillsAndEditsTheSelectedProfile)
{
    ServerProfile secure = site(u"Secure"_s);
    secure.secure = true;
    store({site(u"Home"_s), secure});
    MySitesDialog servers;
    auto *profileTree = servers.findChild<QTreeWidget *>(u"profileTree"_s);
    auto *profileFields = servers.findChild<QWidget *>(u"profileFields"_s);
    ASSERT_EQ(profileTree->topLevelItemCount(), 2);
    EXPECT_FALSE(profileFields->isEnabled());
    EXPECT_FALSE(servers.findChild<QPushButton *>(u"connectButton"_s)->isEnabled());

    const int secureRow = servers.profiles().indexOf(u"Secure"_s);
    profileTree->setCurrentItem(profileTree->topLevelItem(secureRow));
    EXPECT_TRUE(profileFields->isEnabled());
    EXPECT_EQ(servers.findChild<QComboBox *>(u"protocol"_s)->currentText(), u"SFTP"_s); // Secure shows SFTP
    EXPECT_EQ(servers.findChild<QLineEdit *>(u"hostName"_s)->text(), u"Secure.example.org"_s);

    servers.findChild<QLineEdit *>(u"port"_s)->setText(u"2121"_s);
    emit servers.findChild<QComboBox *>(u"protocol"_s)->activated(ServerProfile::Sftp);
    EXPECT_EQ(servers.findChild<QLineEdit *>(u"port"_s)->text(), u"22"_s);
    emit servers.findChild<QComboBox *>(u"protocol"_s)->activated(ServerProfile::FtpSsl);
    EXPECT_EQ(servers.findChild<QLineEdit *>(u"port"_s)->text(), u"21"_s);
    ServerProfile &p = servers.profiles().items()[secureRow];
    EXPECT_FALSE(p.secure);
    EXPECT_EQ(p.protocol, int(ServerProfile::FtpSsl));
    EXPECT_EQ(p.port, 21);

    servers.findChild<QLineEdit *>(u"port"_s)->setText(u"abc"_s); // ignored
    EXPECT_EQ(p.port, 21);
    servers.findChild<QLineEdit *>(u"timeout"_s)->setText(u"45"_s);
    EXPECT_EQ(p.timeout, 45);
    servers.findChild<QCheckBox *>(u"anonymous"_s)->setChecked(true);
    EXPECT_EQ(p.username, u"anonymous"_s);
    EXPECT_EQ(p.password, GalleryUploader::AnonymousPassword);
    servers.findChild<QCheckBox *>(u"anonymous"_s)->setChecked(false);
    EXPECT_EQ(p.username, u"anonymous"_s);

    servers.saveAndClose(); // "Close" saves
    ServerProfileStore stored;
    stored.loadProfiles();
    EXPECT_EQ(stored.items().at(stored.indexOf(u"Secure"_s)).timeout, 45);
}

TEST_F(PublishWindows, ServersWindowRenamesAndDeletes)
{
    store({site(u"Home"_s), site(u"Work"_s)});
    MySitesDialog servers;
    auto *profileTree = servers.findChild<QTreeWidget *>(u"profileTree"_s);
    const int home = servers.profiles().indexOf(u"Home"_s);
    QTreeWidgetItem *item = profileTree->topLevelItem(home);
    profileTree->setCurrentItem(item);

    item->setText(0, u"Work"_s);
    EXPECT_EQ(MessageBox::lastText(), u"A site with that name already exists, please choose another one."_s);
    EXPECT_EQ(item->text(0), u"Home"_s);
    EXPECT_EQ(servers.profiles().items().at(home).itemName, u"Home"_s);
    EXPECT_TRUE(servers.renameRetryPending()); // the editor opens again

    // A separator would store the profile where it cannot be read back.
    for (const QString &bad : {u"Home/Garden"_s, u"C:\\Sites"_s}) {
        item->setText(0, bad);
        EXPECT_EQ(MessageBox::lastText(), ServerProfileStore::BadNameText);
        EXPECT_EQ(item->text(0), u"Home"_s);
    }

    item->setText(0, u"Cottage"_s);
    EXPECT_EQ(servers.profiles().items().at(home).itemName, u"Cottage"_s);
    {
        SettingsStore store;
        QStringList subs = store.subKeys(ServerProfileStore::ProfilesKey);
        subs.sort();
        EXPECT_EQ(subs, (QStringList{u"Cottage"_s, u"Work"_s}));
    }

    MessageBox::setNextAnswer(QMessageBox::No);
    servers.deleteProfile();
    EXPECT_EQ(servers.profiles().count(), 2);
    EXPECT_EQ(MessageBox::lastText(), u"Are you sure you want to delete the site profile Cottage?"_s);

    MessageBox::setNextAnswer(QMessageBox::Yes);
    servers.deleteProfile();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    profileTree->setCurrentItem(profileTree->topLevelItem(0));
    servers.deleteProfile();
    EXPECT_EQ(servers.profiles().count(), 0);
    EXPECT_EQ(profileTree->topLevelItemCount(), 0);
    EXPECT_FALSE(servers.findChild<QWidget *>(u"profileFields"_s)->isEnabled());
    SettingsStore store;
    EXPECT_TRUE(store.subKeys(ServerProfileStore::ProfilesKey).isEmpty());
}

TEST_F(PublishWindows, ServersWindowWithoutProfilesOpensTheWizardAndAddsItsProfile)
{
    MySitesDialog servers;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            if (auto *w = qobject_cast<ServerProfileWizard *>(QApplication::activeModalWidget())) {
                seen = true;
                w->findChild<QLineEdit *>(u"nickname"_s)->setText(u"New"_s);
                w->findChild<QPushButton *>(u"nextButton"_s)->click();
                w->findChild<QPushButton *>(u"nextButton"_s)->click();
                w->findChild<QLineEdit *>(u"host"_s)->setText(u"new.example.org"_s);
                w->findChild<QPushButton *>(u"nextButton"_s)->click();
                w->findChild<QPushButton *>(u"nextButton"_s)->click();
                w->findChild<QPushButton *>(u"finishButton"_s)->click();
            }
        });
    });
    servers.show();
    QTRY_VERIFY_WITH_TIMEOUT(servers.profiles().count() == 1, 5000);
    EXPECT_TRUE(seen);
    EXPECT_EQ(servers.findChild<QTreeWidget *>(u"profileTree"_s)->topLevelItem(0)->text(0), u"New"_s);
    EXPECT_EQ(servers.selectedIndex(), 0);
    EXPECT_EQ(servers.findChild<QLineEdit *>(u"hostName"_s)->text(), u"new.example.org"_s);
    SettingsStore store;
    EXPECT_TRUE(store.subKeys(ServerProfileStore::ProfilesKey).isEmpty()); // stored at the next save
    servers.hide();
}

TEST_F(PublishWindows, ProxyDialogShowsAndStoresSettings)
{
    {
        SettingsStore store;
        store.writeString(ProxySettings::ProxyKey, u"proxyhostname"_s, u"proxy.lan"_s);
        store.writeString(ProxySettings::ProxyKey, u"proxytype"_s, u"socks5"_s); // not an item
        store.writeString(ProxySettings::ProxyKey, u"proxyport"_s, u"1080"_s);
    }
    {
        ProxySettingsDialog dialog;
        dialog.show();
        EXPECT_EQ(dialog.findChild<QLineEdit *>(u"host"_s)->text(), u"proxy.lan"_s);
        EXPECT_EQ(dialog.findChild<QSpinBox *>(u"port"_s)->value(), 1080);
        EXPECT_EQ(dialog.findChild<QComboBox *>(u"proxyType"_s)->currentIndex(), -1);
        dialog.findChild<QLineEdit *>(u"password"_s)->setText(u"s3cret"_s);
        dialog.acceptSettings();
    }
    ProxySettings stored;
    ASSERT_TRUE(stored.load());
    EXPECT_EQ(stored.type, QString());
    EXPECT_EQ(stored.password, u"s3cret"_s);
    {
        ProxySettingsDialog dialog;
        auto *proxyType = dialog.findChild<QComboBox *>(u"proxyType"_s);
        dialog.show();
        EXPECT_EQ(dialog.findChild<QLineEdit *>(u"password"_s)->text(), u"s3cret"_s);
        dialog.findChild<QLineEdit *>(u"host"_s)->setText(u"changed"_s);
        proxyType->setCurrentIndex(proxyType->findText(u"Web Standard"_s));
        dialog.reject();
    }
    ASSERT_TRUE(stored.load());
    EXPECT_EQ(stored.hostName, u"proxy.lan"_s);
}

TEST_F(PublishWindows, RemoteServerWindowShowsTheLoginAndSiteMessages)
{
    FtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    RemoteServerWindow ftp;
    ftp.show();
    ServerProfile wrong = site(u"Wrong"_s);
    wrong.hostName = u"127.0.0.1"_s;
    wrong.port = server.port();
    EXPECT_FALSE(ftp.connectProfile(wrong));
    EXPECT_TRUE(MessageBox::shownTexts().contains(GalleryUploader::LoginErrorText));

    ServerProfile unknown = site(u"Unknown"_s);
    unknown.hostName = u"no-such-host.invalid"_s;
    EXPECT_FALSE(ftp.connectProfile(unknown));
    EXPECT_EQ(MessageBox::lastText(), GalleryUploader::SiteNotFoundText);
    EXPECT_EQ(ftp.findChild<QLabel *>(u"status"_s)->text(), u"Error Connecting"_s);

    ServerProfile good = site(u"Good"_s);
    good.hostName = u"127.0.0.1"_s;
    good.port = server.port();
    good.username = u"tester"_s;
    good.password = u"secret"_s;
    ASSERT_TRUE(ftp.connectProfile(good));
    EXPECT_EQ(ftp.windowTitle(), u"Remote Server - Good"_s);
    EXPECT_TRUE(ftp.findChild<QTextEdit *>(u"log"_s)->toPlainText().contains(u"PASS ****"_s));
    ftp.closeConnection();
    EXPECT_FALSE(ftp.isVisible());
    EXPECT_FALSE(ftp.uploader()->session()->isConnected());
}

TEST_F(PublishWindows, FilesToUploadListsTheSavedGallery)
{
    TestAppFolder app;
    QTemporaryDir out;
    GalleryDocument gallery;
    gallery.resetAsNewGallery();
    ASSERT_TRUE(gallery.save([&](const QString &) { return QString(out.path() + u"/myalbum.xml"_s); }));
    FilesToUploadDialog window;
    auto *fileList = window.findChild<QListWidget *>(u"fileList"_s);
    QStringList listed;
    QString folder;
    QString code;
    const bool opened = [&] {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            if (QApplication::activeModalWidget() == &window) {
                seen = true;
                for (int i = 0; i < fileList->count(); ++i)
                    listed << fileList->item(i)->text();
                folder = window.findChild<QLabel *>(u"folderLabel"_s)->text();
                code = window.findChild<QPlainTextEdit *>(u"embedCode"_s)->toPlainText();
                window.copyCodeToClipboard();
                window.reject();
            }
        });
        window.showFor(&gallery);
        return seen;
    }();
    ASSERT_TRUE(opened);
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed.last(), u"And All Files in the \"Images\" folder"_s);
    EXPECT_TRUE(listed.contains(u"myalbum.html"_s));
    EXPECT_TRUE(listed.contains(u"myalbum.xml"_s));
    EXPECT_EQ(folder, gallery.getFolder());
    EXPECT_FALSE(code.isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), code);
}
