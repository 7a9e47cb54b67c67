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
    wizard.show();
    EXPECT_EQ(wizard.lblTitle->text(), u"Server Profile Wizard (Step 1 of 5)"_s);
    EXPECT_FALSE(wizard.btnBack->isVisibleTo(&wizard));
    EXPECT_FALSE(wizard.btnNext->isEnabled());
    QTest::keyClicks(wizard.eNickname, u"Home"_s);
    EXPECT_TRUE(wizard.btnNext->isEnabled());
    QTest::keyClick(wizard.eNickname, Qt::Key_Return); // Enter is "Next >>"
    EXPECT_EQ(wizard.Step(), 1);
    EXPECT_EQ(MessageBox::lastText(), u"A site with that name already exists, please choose another one."_s);

    wizard.eNickname->setText(u"My/Site"_s);
    wizard.btnNext->click();
    EXPECT_EQ(wizard.Step(), 1);
    EXPECT_EQ(MessageBox::lastText(), ServerProfileStore::BadNameText);

    wizard.eNickname->clear();
    QTest::keyClicks(wizard.eNickname, u"home"_s); // exact comparison: another name
    wizard.btnNext->click();
    EXPECT_EQ(wizard.Step(), 2);
    EXPECT_EQ(wizard.lblSubtitle->text(), u"Username and Password"_s);
    EXPECT_TRUE(wizard.cSavePass->isChecked());

    // Back to step 1 with a taken name: the check runs again.
    wizard.btnBack->click();
    wizard.eNickname->setText(u"Home"_s);
    wizard.btnNext->click();
    EXPECT_EQ(wizard.Step(), 1);
    wizard.eNickname->setText(u"My Site"_s);
    wizard.btnNext->click();

    wizard.eUser->setText(u"typed"_s);
    wizard.cAnon->setChecked(true);
    EXPECT_EQ(wizard.eUser->text(), u"anonymous"_s);
    EXPECT_EQ(wizard.ePass->text(), u"PelliconFTP@"_s);
    wizard.cAnon->setChecked(false);
    EXPECT_EQ(wizard.eUser->text(), QString());
    EXPECT_EQ(wizard.ePass->text(), QString());
    wizard.eUser->setText(u"me"_s);
    wizard.ePass->setText(u"pw"_s);
    wizard.btnNext->click();

    EXPECT_EQ(wizard.Step(), 3);
    EXPECT_FALSE(wizard.btnNext->isEnabled());
    QTest::keyClick(wizard.eRemotePath, Qt::Key_Return);
    EXPECT_EQ(wizard.Step(), 3);
    wizard.eHost->setText(u"ftp.example.org"_s);
    EXPECT_TRUE(wizard.btnNext->isEnabled());
    wizard.btnNext->click();

    EXPECT_EQ(wizard.Step(), 4);
    EXPECT_EQ(wizard.btnNoProxy->text(), u"No, I don't even  know what that is."_s);
    bool proxyShown = false;
    closeNextModal<ProxySettingsDialog>(&proxyShown);
    wizard.btnYesProxy->click();
    EXPECT_TRUE(proxyShown);
    EXPECT_EQ(wizard.Step(), 4);
    wizard.btnNoProxy->click();
    EXPECT_EQ(wizard.Step(), 5);
    EXPECT_TRUE(wizard.btnFinish->isVisibleTo(&wizard));
    EXPECT_FALSE(wizard.btnCancel->isVisibleTo(&wizard));
    wizard.btnFinish->click();

    ASSERT_TRUE(wizard.isFinished());
    const ServerProfile p = wizard.Result();
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
    wizard.eNickname->setText(u"x"_s);
    wizard.btnCancel->click();
    EXPECT_FALSE(wizard.isFinished());
}

TEST_F(PublishWindows, ServersWindowFillsAndEditsTheSelectedProfile)
{
    ServerProfile secure = site(u"Secure"_s);
    secure.secure = true;
    store({site(u"Home"_s), secure});
    MySitesDialog servers;
    ASSERT_EQ(servers.tvServers->topLevelItemCount(), 2);
    EXPECT_FALSE(servers.fieldGroup->isEnabled());
    EXPECT_FALSE(servers.btnOk->isEnabled());

    const int secureRow = servers.profiles().indexOf(u"Secure"_s);
    servers.tvServers->setCurrentItem(servers.tvServers->topLevelItem(secureRow));
    EXPECT_TRUE(servers.fieldGroup->isEnabled());
    EXPECT_EQ(servers.protocolDrop->currentText(), u"SFTP"_s); // Secure shows SFTP
    EXPECT_EQ(servers.txtHostName->text(), u"Secure.example.org"_s);

    servers.txtPort->setText(u"2121"_s);
    emit servers.protocolDrop->activated(ServerProfile::Sftp);
    EXPECT_EQ(servers.txtPort->text(), u"22"_s);
    emit servers.protocolDrop->activated(ServerProfile::FtpSsl);
    EXPECT_EQ(servers.txtPort->text(), u"21"_s);
    ServerProfile &p = servers.profiles().items()[secureRow];
    EXPECT_FALSE(p.secure);
    EXPECT_EQ(p.protocol, int(ServerProfile::FtpSsl));
    EXPECT_EQ(p.port, 21);

    servers.txtPort->setText(u"abc"_s); // ignored
    EXPECT_EQ(p.port, 21);
    servers.txtTimeout->setText(u"45"_s);
    EXPECT_EQ(p.timeout, 45);
    servers.chkAnonymous->setChecked(true);
    EXPECT_EQ(p.username, u"anonymous"_s);
    EXPECT_EQ(p.password, GalleryUploader::AnonymousPassword);
    servers.chkAnonymous->setChecked(false);
    EXPECT_EQ(p.username, u"anonymous"_s);

    servers.button2Click(); // "Close" saves
    ServerProfileStore stored;
    stored.loadProfiles();
    EXPECT_EQ(stored.items().at(stored.indexOf(u"Secure"_s)).timeout, 45);
}

TEST_F(PublishWindows, ServersWindowRenamesAndDeletes)
{
    store({site(u"Home"_s), site(u"Work"_s)});
    MySitesDialog servers;
    const int home = servers.profiles().indexOf(u"Home"_s);
    QTreeWidgetItem *item = servers.tvServers->topLevelItem(home);
    servers.tvServers->setCurrentItem(item);

    item->setText(0, u"Work"_s);
    EXPECT_EQ(MessageBox::lastText(), u"A site with that name already exists, please choose another one."_s);
    EXPECT_EQ(item->text(0), u"Home"_s);
    EXPECT_EQ(servers.profiles().items().at(home).itemName, u"Home"_s);
    EXPECT_TRUE(servers.timer2.isActive()); // the editor opens again

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
    servers.btnDeleteClick();
    EXPECT_EQ(servers.profiles().count(), 2);
    EXPECT_EQ(MessageBox::lastText(), u"Are you sure you want to delete the site profile Cottage?"_s);

    MessageBox::setNextAnswer(QMessageBox::Yes);
    servers.btnDeleteClick();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    servers.tvServers->setCurrentItem(servers.tvServers->topLevelItem(0));
    servers.btnDeleteClick();
    EXPECT_EQ(servers.profiles().count(), 0);
    EXPECT_EQ(servers.tvServers->topLevelItemCount(), 0);
    EXPECT_FALSE(servers.fieldGroup->isEnabled());
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
                w->eNickname->setText(u"New"_s);
                w->btnNext->click();
                w->btnNext->click();
                w->eHost->setText(u"new.example.org"_s);
                w->btnNext->click();
                w->btnNext->click();
                w->btnFinish->click();
            }
        });
    });
    servers.show();
    QTRY_VERIFY_WITH_TIMEOUT(servers.profiles().count() == 1, 5000);
    EXPECT_TRUE(seen);
    EXPECT_EQ(servers.tvServers->topLevelItem(0)->text(0), u"New"_s);
    EXPECT_EQ(servers.selectedIndex(), 0);
    EXPECT_EQ(servers.txtHostName->text(), u"new.example.org"_s);
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
        EXPECT_EQ(dialog.eHost->text(), u"proxy.lan"_s);
        EXPECT_EQ(dialog.ePort->value(), 1080);
        EXPECT_EQ(dialog.cType->currentIndex(), -1);
        dialog.ePass->setText(u"s3cret"_s);
        dialog.btnOkClick();
    }
    ProxySettings stored;
    ASSERT_TRUE(stored.load());
    EXPECT_EQ(stored.type, QString());
    EXPECT_EQ(stored.password, u"s3cret"_s);
    {
        ProxySettingsDialog dialog;
        dialog.show();
        EXPECT_EQ(dialog.ePass->text(), u"s3cret"_s);
        dialog.eHost->setText(u"changed"_s);
        dialog.cType->setCurrentIndex(dialog.cType->findText(u"Web Standard"_s));
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
    EXPECT_EQ(ftp.lblStatus->text(), u"Error Connecting"_s);

    ServerProfile good = site(u"Good"_s);
    good.hostName = u"127.0.0.1"_s;
    good.port = server.port();
    good.username = u"tester"_s;
    good.password = u"secret"_s;
    ASSERT_TRUE(ftp.connectProfile(good));
    EXPECT_EQ(ftp.windowTitle(), u"Remote Server - Good"_s);
    EXPECT_TRUE(ftp.txtLog->toPlainText().contains(u"PASS ****"_s));
    ftp.closeClick();
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
    QStringList listed;
    QString folder;
    QString code;
    const bool opened = [&] {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            if (QApplication::activeModalWidget() == &window) {
                seen = true;
                for (int i = 0; i < window.lbFiles->count(); ++i)
                    listed << window.lbFiles->item(i)->text();
                folder = window.lblFolder->text();
                code = window.txtHtml->toPlainText();
                window.copyToClipboardClick();
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
