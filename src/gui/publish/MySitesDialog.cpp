#include "MySitesDialog.h"

#include "GalleryUploader.h"
#include "RemoteServerWindow.h"
#include "ServerProfileWizard.h"
#include "ProxySettingsDialog.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "GalleryDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

std::function<QString(const QString &)> MySitesDialog::galleryChooser(QWidget *parent)
{
    return [parent](const QString &proposed) {
        return FileDialog::saveFileName(parent, u"Save"_s, proposed, u"Image Gallery Files (*.xml);;All Files (*)"_s);
    };
}

MySitesDialog::MySitesDialog(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(u"My Sites"_s);
    setModal(false);

    QWidget *sitesPage = createSitesPage();
    createProfileFields();
    m_pages = new QTabWidget;
    m_pages->setObjectName(u"pages"_s);
    m_pages->addTab(sitesPage, u"My Sites"_s);
    m_pages->addTab(m_profileFields, u"Settings"_s);

    QHBoxLayout *buttons = createButtons();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    createTimers();
    connectButtons();
    connectProfileFields();
    loadProfileList();
}

QWidget *MySitesDialog::createSitesPage()
{
    m_profileTree = new QTreeWidget;
    m_profileTree->setObjectName(u"profileTree"_s);
    m_profileTree->setHeaderHidden(true);
    m_profileTree->setRootIsDecorated(false);
    m_profileTree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_addButton = new QPushButton(u"Add"_s);
    m_addButton->setObjectName(u"addButton"_s);
    m_deleteButton = new QPushButton(u"Delete"_s);
    m_deleteButton->setObjectName(u"deleteButton"_s);
    auto *sitesPage = new QWidget;
    auto *sitesLayout = new QVBoxLayout(sitesPage);
    sitesLayout->addWidget(m_profileTree, 1);
    auto *siteButtons = new QHBoxLayout;
    siteButtons->addWidget(m_addButton);
    siteButtons->addWidget(m_deleteButton);
    siteButtons->addStretch();
    sitesLayout->addLayout(siteButtons);
    return sitesPage;
}

void MySitesDialog::createProfileFields()
{
    m_hostName = new QLineEdit;
    m_hostName->setObjectName(u"hostName"_s);
    m_userName = new QLineEdit;
    m_userName->setObjectName(u"userName"_s);
    m_password = new QLineEdit;
    m_password->setObjectName(u"password"_s);
    m_password->setEchoMode(QLineEdit::Password);
    m_anonymous = new QCheckBox(u"Anonymous"_s);
    m_anonymous->setObjectName(u"anonymous"_s);
    m_passiveMode = new QCheckBox(u"Passive Mode"_s);
    m_passiveMode->setObjectName(u"passiveMode"_s);
    m_savePassword = new QCheckBox(u"Save Password"_s);
    m_savePassword->setObjectName(u"savePassword"_s);
    m_stayConnected = new QCheckBox(u"Stay Connected"_s);
    m_stayConnected->setObjectName(u"stayConnected"_s);
    m_port = new QLineEdit(u"21"_s);
    m_port->setObjectName(u"port"_s);
    m_timeout = new QLineEdit(u"60"_s);
    m_timeout->setObjectName(u"timeout"_s);
    m_timeout->setMaxLength(3);
    createTimeoutStepper();
    m_protocol = new QComboBox;
    m_protocol->setObjectName(u"protocol"_s);
    m_protocol->addItems(ServerProfile::protocolNames());
    m_remoteFolder = new QLineEdit;
    m_remoteFolder->setObjectName(u"remoteFolder"_s);
    m_localFolder = new QLineEdit;
    m_localFolder->setObjectName(u"localFolder"_s);
    m_browseLocalFolderButton = new QToolButton;
    m_browseLocalFolderButton->setObjectName(u"browseLocalFolderButton"_s);
    m_browseLocalFolderButton->setText(u"..."_s);
    m_browseLocalFolderButton->setToolTip(u"Browse"_s);
    m_comment = new QLineEdit;
    m_comment->setObjectName(u"comment"_s);

    m_profileFields = new QWidget;
    m_profileFields->setObjectName(u"profileFields"_s);
    auto *form = new QFormLayout(m_profileFields);
    form->addRow(u"Host Name"_s, m_hostName);
    form->addRow(u"Username"_s, m_userName);
    form->addRow(u"Password"_s, m_password);
    auto *checks = new QHBoxLayout;
    for (QCheckBox *c : {m_anonymous, m_passiveMode, m_savePassword, m_stayConnected})
        checks->addWidget(c);
    form->addRow(checks);
    form->addRow(u"Port"_s, m_port);
    auto *timeoutRow = new QHBoxLayout;
    timeoutRow->addWidget(m_timeout);
    timeoutRow->addWidget(m_timeoutStepper);
    form->addRow(u"Timeout (secs)"_s, timeoutRow);
    form->addRow(u"Connection Type:"_s, m_protocol);
    form->addRow(u"Initial Host Folder"_s, m_remoteFolder);
    auto *localRow = new QHBoxLayout;
    localRow->addWidget(m_localFolder);
    localRow->addWidget(m_browseLocalFolderButton);
    form->addRow(u"Initial Local Folder"_s, localRow);
    form->addRow(u"Comment"_s, m_comment);
}

void MySitesDialog::createTimeoutStepper()
{
    m_timeoutStepper = new QWidget;
    m_timeoutStepper->setObjectName(u"timeoutStepper"_s);
    auto *up = new QToolButton(m_timeoutStepper);
    up->setArrowType(Qt::UpArrow);
    auto *down = new QToolButton(m_timeoutStepper);
    down->setArrowType(Qt::DownArrow);
    auto *upDownLayout = new QHBoxLayout(m_timeoutStepper);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->addWidget(up);
    upDownLayout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { stepTimeout(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepTimeout(-1); });
}

QHBoxLayout *MySitesDialog::createButtons()
{
    m_proxySetupButton = new QPushButton(u"Proxy Setup"_s);
    m_proxySetupButton->setObjectName(u"proxySetupButton"_s);
    m_connectButton = new QPushButton(u"Connect"_s);
    m_connectButton->setObjectName(u"connectButton"_s);
    QFont bold = m_connectButton->font();
    bold.setBold(true);
    m_connectButton->setFont(bold);
    m_closeButton = new QPushButton(u"Close"_s);
    m_closeButton->setObjectName(u"closeButton"_s);
    for (QPushButton *b : {m_addButton, m_deleteButton, m_proxySetupButton, m_connectButton, m_closeButton})
        b->setAutoDefault(false); // Enter belongs to the fields (see eventFilter)
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_proxySetupButton);
    buttons->addStretch();
    buttons->addWidget(m_connectButton);
    buttons->addWidget(m_closeButton);
    return buttons;
}

void MySitesDialog::createTimers()
{
    m_wizardProfileAdd.setSingleShot(true);
    m_wizardProfileAdd.setInterval(100);
    m_renameRetry.setSingleShot(true);
    m_renameRetry.setInterval(100);
    connect(&m_wizardProfileAdd, &QTimer::timeout, this, &MySitesDialog::addWizardProfile);
    connect(&m_renameRetry, &QTimer::timeout, this, [this] {
        if (QTreeWidgetItem *item = m_profileTree->currentItem())
            m_profileTree->editItem(item);
    });
}

void MySitesDialog::connectButtons()
{
    connect(m_addButton, &QPushButton::clicked, this, &MySitesDialog::addProfile);
    connect(m_deleteButton, &QPushButton::clicked, this, &MySitesDialog::deleteProfile);
    connect(m_connectButton, &QPushButton::clicked, this, &MySitesDialog::connectAndSave);
    connect(m_closeButton, &QPushButton::clicked, this, &MySitesDialog::saveAndClose);
    connect(m_proxySetupButton, &QPushButton::clicked, this, &MySitesDialog::editProxySettings);
    connect(m_profileTree, &QTreeWidget::currentItemChanged, this, &MySitesDialog::selectionChanged);
    connect(m_profileTree, &QTreeWidget::itemChanged, this, &MySitesDialog::itemRenamed);
    connect(m_profileTree, &QTreeWidget::itemDoubleClicked, this, &MySitesDialog::connectSelected);
    m_profileTree->installEventFilter(this);
}

void MySitesDialog::connectProfileFields()
{
    const auto edit = [this](auto apply) {
        return [this, apply](auto value) {
            if (m_filling)
                return;
            if (ServerProfile *p = selected())
                apply(*p, value);
        };
    };
    connect(m_hostName, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.hostName = t; }));
    connect(m_userName, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.username = t; }));
    connect(m_password, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.password = t; }));
    connect(m_remoteFolder, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.hostDirName = t; }));
    connect(m_localFolder, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.localDirName = t; }));
    connect(m_comment, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.comment = t; }));
    connect(m_port, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) {
        bool ok = false;
        const int v = t.toInt(&ok);
        if (ok)
            p.port = v;
    }));
    connect(m_timeout, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) {
        bool ok = false;
        const int v = t.toInt(&ok);
        if (ok)
            p.timeout = v;
    }));
    connect(m_passiveMode, &QCheckBox::toggled, this, edit([](ServerProfile &p, bool on) { p.passiveMode = on; }));
    connect(m_savePassword, &QCheckBox::toggled, this, edit([](ServerProfile &p, bool on) { p.savePassword = on; }));
    connect(m_stayConnected, &QCheckBox::toggled, this, edit([](ServerProfile &p, bool on) { p.useNoop = on; }));
    connect(m_anonymous, &QCheckBox::toggled, this, edit([this](ServerProfile &p, bool on) {
        p.anonymous = on;
        if (on) {
            m_userName->setText(u"anonymous"_s);
            m_password->setText(GalleryUploader::AnonymousPassword);
        }
    }));
    connect(m_protocol, &QComboBox::activated, this, edit([this](ServerProfile &p, int index) {
        p.protocol = index;
        p.secure = false;
        m_port->setText(index == ServerProfile::Sftp ? u"22"_s : u"21"_s);
    }));
    connect(m_browseLocalFolderButton, &QToolButton::clicked, this, [this] {
        const QString folder = FileDialog::existingFolder(this, u"Browse"_s, m_localFolder->text());
        if (!folder.isEmpty())
            m_localFolder->setText(folder);
    });
    for (QWidget *w : std::initializer_list<QWidget *>{m_hostName, m_userName, m_password, m_port, m_timeout,
                                                       m_remoteFolder, m_localFolder, m_comment, m_anonymous,
                                                       m_passiveMode, m_savePassword})
        w->installEventFilter(this);
}

void MySitesDialog::loadProfileList()
{
    enableFields(false);
    const QString error = m_profiles.loadProfiles();
    for (const ServerProfile &p : m_profiles.items()) {
        auto *item = new QTreeWidgetItem(m_profileTree, {p.itemName});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    if (!error.isEmpty())
        MessageBox::critical(this, u"My Sites"_s, error);
}

MySitesDialog::~MySitesDialog() = default;

void MySitesDialog::startUpload(GalleryDocument *gallery)
{
    if (!gallery)
        return;
    gallery->collectUploadFiles(galleryChooser(parentWidget()));
    openUploadSites(gallery);
}

void MySitesDialog::openUploadSites(GalleryDocument *gallery)
{
    if (!gallery || gallery->getFolder().isEmpty() || gallery->baseName().isEmpty() || gallery->modified())
        return;
    m_gallery = gallery;
    show();
    raise();
    activateWindow();
}

void MySitesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_profiles.count() == 0)
        QTimer::singleShot(0, this, &MySitesDialog::addProfile);
}

void MySitesDialog::closeEvent(QCloseEvent *event)
{
    // The title-bar close box only hides: edits stay in memory until the next save.
    QWidget::closeEvent(event);
}

void MySitesDialog::reject()
{
    saveAndClose();
}

ServerProfile *MySitesDialog::selected()
{
    if (m_selected < 0 || m_selected >= m_profiles.count())
        return nullptr;
    return &m_profiles.items()[m_selected];
}

void MySitesDialog::enableFields(bool on)
{
    m_profileFields->setEnabled(on);
    m_deleteButton->setEnabled(on);
    m_connectButton->setEnabled(on);
}

void MySitesDialog::selectionChanged()
{
    QTreeWidgetItem *item = m_profileTree->currentItem();
    m_selected = item ? m_profileTree->indexOfTopLevelItem(item) : -1;
    if (m_selected < 0) {
        enableFields(false);
        return;
    }
    fillFields();
}

void MySitesDialog::fillFields()
{
    const ServerProfile *p = selected();
    if (!p) {
        enableFields(false);
        return;
    }
    enableFields(true);
    m_filling = true;
    m_hostName->setText(p->hostName);
    m_userName->setText(p->username);
    m_password->setText(p->password);
    m_port->setText(QString::number(p->port));
    m_timeout->setText(QString::number(p->timeout));
    m_remoteFolder->setText(p->hostDirName);
    m_localFolder->setText(p->localDirName);
    m_comment->setText(p->comment);
    m_stayConnected->setChecked(p->useNoop);
    m_anonymous->setChecked(p->anonymous);
    m_passiveMode->setChecked(p->passiveMode);
    m_savePassword->setChecked(p->savePassword);
    m_protocol->setCurrentIndex(p->secure ? int(ServerProfile::Sftp) : p->protocol);
    m_filling = false;
}

void MySitesDialog::stepTimeout(int delta)
{
    bool ok = false;
    int value = m_timeout->text().toInt(&ok);
    if (!ok)
        value = 60;
    m_timeout->setText(QString::number(std::clamp(value + delta, 5, 120)));
}

bool MySitesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_profileTree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete && m_selected >= 0 && !m_filling) {
            deleteProfile();
            return true;
        }
        if (key == Qt::Key_F2 && (m_selected < 0 || m_filling))
            return true;
    }
    if (watched != m_profileTree && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (event->type() == QEvent::KeyRelease)
                connectAndSave();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MySitesDialog::save()
{
    if (!m_profiles.saveProfiles())
        MessageBox::critical(this, u"My Sites"_s, ServerProfileStore::SaveErrorText);
}

void MySitesDialog::addProfile()
{
    if (m_wizardProfileAdd.isActive())
        return;
    ServerProfileWizard wizard(m_profiles, this);
    wizard.exec();
    if (wizard.isFinished()) {
        m_wizardProfile = wizard.profile();
        m_wizardProfileAdd.start();
    }
}

void MySitesDialog::addWizardProfile()
{
    m_wizardProfileAdd.stop();
    m_profiles.addProfile(m_wizardProfile);
    m_filling = true;
    auto *item = new QTreeWidgetItem(m_profileTree, {m_wizardProfile.itemName});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_filling = false;
    m_profileTree->setCurrentItem(item);
}

void MySitesDialog::deleteProfile()
{
    const ServerProfile *p = selected();
    if (!p)
        return;
    const auto answer = MessageBox::question(this, u"Confirm"_s,
        u"Are you sure you want to delete the site profile "_s + p->itemName + u"?"_s);
    if (answer == QMessageBox::No)
        return;
    const int index = m_selected;
    m_profiles.deleteProfile(index);
    m_filling = true;
    delete m_profileTree->takeTopLevelItem(index);
    m_filling = false;
    selectionChanged();
    if (m_profiles.count() == 0)
        enableFields(false);
}

void MySitesDialog::itemRenamed(QTreeWidgetItem *item)
{
    if (m_filling || m_selected < 0 || !item || m_profileTree->indexOfTopLevelItem(item) != m_selected)
        return;
    const QString name = item->text(0);
    ServerProfile *p = selected();
    if (!p || name == p->itemName) {
        if (p && name == p->itemName)
            MessageBox::warning(this, u"My Sites"_s, ServerProfileStore::NameTakenText);
        return;
    }
    const bool taken = m_profiles.siteNameExists(name);
    if (taken || !ServerProfileStore::isStorableName(name)) {
        MessageBox::warning(this, u"My Sites"_s, taken ? ServerProfileStore::NameTakenText : ServerProfileStore::BadNameText);
        m_filling = true;
        item->setText(0, p->itemName);
        m_filling = false;
        m_renameRetry.start();
        return;
    }
    if (m_profiles.renameProfile(m_selected, name) == ServerProfileStore::RenameResult::SaveFailed)
        MessageBox::critical(this, u"My Sites"_s, ServerProfileStore::SaveErrorText);
}

void MySitesDialog::connectSelected()
{
    hide();
    const ServerProfile *selected = this->selected();
    if (!selected)
        return;
    ServerProfile profile = *selected;
    // One server window for the dialog's lifetime: it keeps the session and its log between connects.
    if (!m_remoteServer)
        m_remoteServer = new RemoteServerWindow(parentWidget());
    RemoteServerWindow *ftp = m_remoteServer;
    ftp->setGallery(m_gallery);
    ftp->show();
    QApplication::processEvents();
    const QStringList trustedBefore = profile.trustedFingerprints;
    ftp->connectProfile(profile);
    // A certificate or host key trusted "always" stays with the profile.
    if (profile.trustedFingerprints != trustedBefore) {
        const int index = m_profiles.indexOf(profile.itemName);
        if (index >= 0)
            m_profiles.items()[index].trustedFingerprints = profile.trustedFingerprints;
    }
}

void MySitesDialog::connectAndSave()
{
    if (!selected())
        return;
    connectSelected();
    save();
    hide();
}

void MySitesDialog::saveAndClose()
{
    save();
    hide();
}

void MySitesDialog::editProxySettings()
{
    ProxySettingsDialog proxy(this);
    proxy.exec();
}
