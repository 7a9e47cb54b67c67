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

namespace {
QPointer<MySitesDialog> s_instance;
} // namespace

MySitesDialog *MySitesDialog::instance(QWidget *parent)
{
    if (!s_instance)
        s_instance = new MySitesDialog(parent);
    return s_instance;
}

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

    tvServers = new QTreeWidget;
    tvServers->setHeaderHidden(true);
    tvServers->setRootIsDecorated(false);
    tvServers->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    btnAdd = new QPushButton(u"Add"_s);
    btnDelete = new QPushButton(u"Delete"_s);
    auto *sitesPage = new QWidget;
    auto *sitesLayout = new QVBoxLayout(sitesPage);
    sitesLayout->addWidget(tvServers, 1);
    auto *siteButtons = new QHBoxLayout;
    siteButtons->addWidget(btnAdd);
    siteButtons->addWidget(btnDelete);
    siteButtons->addStretch();
    sitesLayout->addLayout(siteButtons);

    txtHostName = new QLineEdit;
    txtUsername = new QLineEdit;
    txtPassword = new QLineEdit;
    txtPassword->setEchoMode(QLineEdit::Password);
    chkAnonymous = new QCheckBox(u"Anonymous"_s);
    chkPassiveMode = new QCheckBox(u"Passive Mode"_s);
    chkSavePassword = new QCheckBox(u"Save Password"_s);
    noop = new QCheckBox(u"Stay Connected"_s);
    txtPort = new QLineEdit(u"21"_s);
    txtTimeout = new QLineEdit(u"60"_s);
    txtTimeout->setMaxLength(3);
    upDown3 = new QWidget;
    auto *up = new QToolButton(upDown3);
    up->setArrowType(Qt::UpArrow);
    auto *down = new QToolButton(upDown3);
    down->setArrowType(Qt::DownArrow);
    auto *upDownLayout = new QHBoxLayout(upDown3);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->addWidget(up);
    upDownLayout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { stepTimeout(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepTimeout(-1); });
    protocolDrop = new QComboBox;
    protocolDrop->addItems(ServerProfile::protocolNames());
    txtHostDirName = new QLineEdit;
    txtLocalDirName = new QLineEdit;
    speedButton1 = new QToolButton;
    speedButton1->setText(u"..."_s);
    speedButton1->setToolTip(u"Browse"_s);
    txtComment = new QLineEdit;

    fieldGroup = new QWidget;
    auto *form = new QFormLayout(fieldGroup);
    form->addRow(u"Host Name"_s, txtHostName);
    form->addRow(u"Username"_s, txtUsername);
    form->addRow(u"Password"_s, txtPassword);
    auto *checks = new QHBoxLayout;
    for (QCheckBox *c : {chkAnonymous, chkPassiveMode, chkSavePassword, noop})
        checks->addWidget(c);
    form->addRow(checks);
    form->addRow(u"Port"_s, txtPort);
    auto *timeoutRow = new QHBoxLayout;
    timeoutRow->addWidget(txtTimeout);
    timeoutRow->addWidget(upDown3);
    form->addRow(u"Timeout (secs)"_s, timeoutRow);
    form->addRow(u"Connection Type:"_s, protocolDrop);
    form->addRow(u"Initial Host Folder"_s, txtHostDirName);
    auto *localRow = new QHBoxLayout;
    localRow->addWidget(txtLocalDirName);
    localRow->addWidget(speedButton1);
    form->addRow(u"Initial Local Folder"_s, localRow);
    form->addRow(u"Comment"_s, txtComment);

    pages = new QTabWidget;
    pages->addTab(sitesPage, u"My Sites"_s);
    pages->addTab(fieldGroup, u"Settings"_s);

    button12 = new QPushButton(u"Proxy Setup"_s);
    btnOk = new QPushButton(u"Connect"_s);
    QFont bold = btnOk->font();
    bold.setBold(true);
    btnOk->setFont(bold);
    button2 = new QPushButton(u"Close"_s);
    for (QPushButton *b : {btnAdd, btnDelete, button12, btnOk, button2})
        b->setAutoDefault(false); // Enter belongs to the fields (see eventFilter)
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(button12);
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    timer1.setSingleShot(true);
    timer1.setInterval(100);
    timer2.setSingleShot(true);
    timer2.setInterval(100);
    connect(&timer1, &QTimer::timeout, this, &MySitesDialog::addWizardProfile);
    connect(&timer2, &QTimer::timeout, this, [this] {
        if (QTreeWidgetItem *item = tvServers->currentItem())
            tvServers->editItem(item);
    });

    connect(btnAdd, &QPushButton::clicked, this, &MySitesDialog::btnAddClick);
    connect(btnDelete, &QPushButton::clicked, this, &MySitesDialog::btnDeleteClick);
    connect(btnOk, &QPushButton::clicked, this, &MySitesDialog::btnOkClick);
    connect(button2, &QPushButton::clicked, this, &MySitesDialog::button2Click);
    connect(button12, &QPushButton::clicked, this, &MySitesDialog::button12Click);
    connect(tvServers, &QTreeWidget::currentItemChanged, this, &MySitesDialog::selectionChanged);
    connect(tvServers, &QTreeWidget::itemChanged, this, &MySitesDialog::itemRenamed);
    connect(tvServers, &QTreeWidget::itemDoubleClicked, this, &MySitesDialog::connectAction);
    tvServers->installEventFilter(this);

    const auto edit = [this](auto apply) {
        return [this, apply](auto value) {
            if (m_filling)
                return;
            if (ServerProfile *p = selected())
                apply(*p, value);
        };
    };
    connect(txtHostName, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.hostName = t; }));
    connect(txtUsername, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.username = t; }));
    connect(txtPassword, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.password = t; }));
    connect(txtHostDirName, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.hostDirName = t; }));
    connect(txtLocalDirName, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.localDirName = t; }));
    connect(txtComment, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) { p.comment = t; }));
    connect(txtPort, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) {
        bool ok = false;
        const int v = t.toInt(&ok);
        if (ok)
            p.port = v;
    }));
    connect(txtTimeout, &QLineEdit::textChanged, this, edit([](ServerProfile &p, const QString &t) {
        bool ok = false;
        const int v = t.toInt(&ok);
        if (ok)
            p.timeout = v;
    }));
    connect(chkPassiveMode, &QCheckBox::toggled, this, edit([](ServerProfile &p, bool on) { p.passiveMode = on; }));
    connect(chkSavePassword, &QCheckBox::toggled, this, edit([](ServerProfile &p, bool on) { p.savePassword = on; }));
    connect(noop, &QCheckBox::toggled, this, edit([](ServerProfile &p, bool on) { p.useNoop = on; }));
    connect(chkAnonymous, &QCheckBox::toggled, this, edit([this](ServerProfile &p, bool on) {
        p.anonymous = on;
        if (on) {
            txtUsername->setText(u"anonymous"_s);
            txtPassword->setText(GalleryUploader::AnonymousPassword);
        }
    }));
    connect(protocolDrop, &QComboBox::activated, this, edit([this](ServerProfile &p, int index) {
        p.protocol = index;
        p.secure = false;
        txtPort->setText(index == ServerProfile::Sftp ? u"22"_s : u"21"_s);
    }));
    connect(speedButton1, &QToolButton::clicked, this, [this] {
        const QString folder = FileDialog::existingFolder(this, u"Browse"_s, txtLocalDirName->text());
        if (!folder.isEmpty())
            txtLocalDirName->setText(folder);
    });
    for (QWidget *w : std::initializer_list<QWidget *>{txtHostName, txtUsername, txtPassword, txtPort, txtTimeout,
                                                       txtHostDirName, txtLocalDirName, txtComment, chkAnonymous,
                                                       chkPassiveMode, chkSavePassword})
        w->installEventFilter(this);

    enableFields(false);
    const QString error = m_profiles.loadProfiles();
    for (const ServerProfile &p : m_profiles.items()) {
        auto *item = new QTreeWidgetItem(tvServers, {p.itemName});
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
        QTimer::singleShot(0, this, &MySitesDialog::btnAddClick);
}

void MySitesDialog::closeEvent(QCloseEvent *event)
{
    // The title-bar close box only hides: edits stay in memory until the next save.
    QWidget::closeEvent(event);
}

void MySitesDialog::reject()
{
    button2Click();
}

ServerProfile *MySitesDialog::selected()
{
    if (m_selected < 0 || m_selected >= m_profiles.count())
        return nullptr;
    return &m_profiles.items()[m_selected];
}

void MySitesDialog::enableFields(bool on)
{
    fieldGroup->setEnabled(on);
    btnDelete->setEnabled(on);
    btnOk->setEnabled(on);
}

void MySitesDialog::selectionChanged()
{
    QTreeWidgetItem *item = tvServers->currentItem();
    m_selected = item ? tvServers->indexOfTopLevelItem(item) : -1;
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
    txtHostName->setText(p->hostName);
    txtUsername->setText(p->username);
    txtPassword->setText(p->password);
    txtPort->setText(QString::number(p->port));
    txtTimeout->setText(QString::number(p->timeout));
    txtHostDirName->setText(p->hostDirName);
    txtLocalDirName->setText(p->localDirName);
    txtComment->setText(p->comment);
    noop->setChecked(p->useNoop);
    chkAnonymous->setChecked(p->anonymous);
    chkPassiveMode->setChecked(p->passiveMode);
    chkSavePassword->setChecked(p->savePassword);
    protocolDrop->setCurrentIndex(p->secure ? int(ServerProfile::Sftp) : p->protocol);
    m_filling = false;
}

void MySitesDialog::stepTimeout(int delta)
{
    bool ok = false;
    int value = txtTimeout->text().toInt(&ok);
    if (!ok)
        value = 60;
    txtTimeout->setText(QString::number(std::clamp(value + delta, 5, 120)));
}

bool MySitesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tvServers && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete && m_selected >= 0 && !m_filling) {
            btnDeleteClick();
            return true;
        }
        if (key == Qt::Key_F2 && (m_selected < 0 || m_filling))
            return true;
    }
    if (watched != tvServers && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (event->type() == QEvent::KeyRelease)
                btnOkClick();
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

void MySitesDialog::btnAddClick()
{
    if (timer1.isActive())
        return;
    ServerProfileWizard wizard(m_profiles, this);
    wizard.exec();
    if (wizard.isFinished()) {
        m_wizardProfile = wizard.Result();
        timer1.start();
    }
}

void MySitesDialog::addWizardProfile()
{
    timer1.stop();
    m_profiles.addProfile(m_wizardProfile);
    m_filling = true;
    auto *item = new QTreeWidgetItem(tvServers, {m_wizardProfile.itemName});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_filling = false;
    tvServers->setCurrentItem(item);
}

void MySitesDialog::btnDeleteClick()
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
    delete tvServers->takeTopLevelItem(index);
    m_filling = false;
    selectionChanged();
    if (m_profiles.count() == 0)
        enableFields(false);
}

void MySitesDialog::itemRenamed(QTreeWidgetItem *item)
{
    if (m_filling || m_selected < 0 || !item || tvServers->indexOfTopLevelItem(item) != m_selected)
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
        timer2.start();
        return;
    }
    if (m_profiles.renameProfile(m_selected, name) == ServerProfileStore::RenameResult::SaveFailed)
        MessageBox::critical(this, u"My Sites"_s, ServerProfileStore::SaveErrorText);
}

void MySitesDialog::connectAction()
{
    hide();
    const ServerProfile *selected = this->selected();
    if (!selected)
        return;
    ServerProfile profile = *selected;
    RemoteServerWindow *ftp = RemoteServerWindow::instance(parentWidget());
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

void MySitesDialog::btnOkClick()
{
    if (!selected())
        return;
    connectAction();
    save();
    hide();
}

void MySitesDialog::button2Click()
{
    save();
    hide();
}

void MySitesDialog::button12Click()
{
    ProxySettingsDialog proxy(this);
    proxy.exec();
}
