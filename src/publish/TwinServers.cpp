#include "TwinServers.h"

#include "FtpUploader.h"
#include "TwinFTP.h"
#include "TwinServerWizard.h"
#include "TwindowProxy.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "gallery/FflashMovie.h"

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
QPointer<TwinServers> s_instance;
} // namespace

TwinServers *TwinServers::Instance(QWidget *parent)
{
    if (!s_instance)
        s_instance = new TwinServers(parent);
    return s_instance;
}

std::function<QString(const QString &)> TwinServers::GalleryChooser(QWidget *parent)
{
    return [parent](const QString &proposed) {
        return FileDialog::SaveFileName(parent, u"Save"_s, proposed, u"Image Gallery Files (*.xml);;All Files (*)"_s);
    };
}

TwinServers::TwinServers(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
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
    UpDown3 = new QWidget;
    auto *up = new QToolButton(UpDown3);
    up->setArrowType(Qt::UpArrow);
    auto *down = new QToolButton(UpDown3);
    down->setArrowType(Qt::DownArrow);
    auto *upDownLayout = new QHBoxLayout(UpDown3);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->addWidget(up);
    upDownLayout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { StepTimeout(1); });
    connect(down, &QToolButton::clicked, this, [this] { StepTimeout(-1); });
    protocolDrop = new QComboBox;
    protocolDrop->addItems(JDServerData::ProtocolNames());
    txtHostDirName = new QLineEdit;
    txtLocalDirName = new QLineEdit;
    SpeedButton1 = new QToolButton;
    SpeedButton1->setText(u"..."_s);
    SpeedButton1->setToolTip(u"Browse"_s);
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
    timeoutRow->addWidget(UpDown3);
    form->addRow(u"Timeout (secs)"_s, timeoutRow);
    form->addRow(u"Connection Type:"_s, protocolDrop);
    form->addRow(u"Initial Host Folder"_s, txtHostDirName);
    auto *localRow = new QHBoxLayout;
    localRow->addWidget(txtLocalDirName);
    localRow->addWidget(SpeedButton1);
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
    Button2 = new QPushButton(u"Close"_s);
    for (QPushButton *b : {btnAdd, btnDelete, button12, btnOk, Button2})
        b->setAutoDefault(false); // Enter belongs to the fields (see eventFilter)
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(button12);
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1.setSingleShot(true);
    Timer1.setInterval(100);
    Timer2.setSingleShot(true);
    Timer2.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &TwinServers::AddWizardProfile);
    connect(&Timer2, &QTimer::timeout, this, [this] {
        if (QTreeWidgetItem *item = tvServers->currentItem())
            tvServers->editItem(item);
    });

    connect(btnAdd, &QPushButton::clicked, this, &TwinServers::btnAddClick);
    connect(btnDelete, &QPushButton::clicked, this, &TwinServers::btnDeleteClick);
    connect(btnOk, &QPushButton::clicked, this, &TwinServers::btnOkClick);
    connect(Button2, &QPushButton::clicked, this, &TwinServers::Button2Click);
    connect(button12, &QPushButton::clicked, this, &TwinServers::button12Click);
    connect(tvServers, &QTreeWidget::currentItemChanged, this, &TwinServers::SelectionChanged);
    connect(tvServers, &QTreeWidget::itemChanged, this, &TwinServers::ItemRenamed);
    connect(tvServers, &QTreeWidget::itemDoubleClicked, this, &TwinServers::ConnectAction);
    tvServers->installEventFilter(this);

    const auto edit = [this](auto apply) {
        return [this, apply](auto value) {
            if (m_filling)
                return;
            if (JDServerData *p = Selected())
                apply(*p, value);
        };
    };
    connect(txtHostName, &QLineEdit::textChanged, this, edit([](JDServerData &p, const QString &t) { p.HostName = t; }));
    connect(txtUsername, &QLineEdit::textChanged, this, edit([](JDServerData &p, const QString &t) { p.Username = t; }));
    connect(txtPassword, &QLineEdit::textChanged, this, edit([](JDServerData &p, const QString &t) { p.Password = t; }));
    connect(txtHostDirName, &QLineEdit::textChanged, this, edit([](JDServerData &p, const QString &t) { p.HostDirName = t; }));
    connect(txtLocalDirName, &QLineEdit::textChanged, this, edit([](JDServerData &p, const QString &t) { p.LocalDirName = t; }));
    connect(txtComment, &QLineEdit::textChanged, this, edit([](JDServerData &p, const QString &t) { p.Comment = t; }));
    connect(txtPort, &QLineEdit::textChanged, this, edit([](JDServerData &p, const QString &t) {
        bool ok = false;
        const int v = t.toInt(&ok);
        if (ok)
            p.Port = v;
    }));
    connect(txtTimeout, &QLineEdit::textChanged, this, edit([](JDServerData &p, const QString &t) {
        bool ok = false;
        const int v = t.toInt(&ok);
        if (ok)
            p.Timeout = v;
    }));
    connect(chkPassiveMode, &QCheckBox::toggled, this, edit([](JDServerData &p, bool on) { p.PassiveMode = on; }));
    connect(chkSavePassword, &QCheckBox::toggled, this, edit([](JDServerData &p, bool on) { p.SavePassword = on; }));
    connect(noop, &QCheckBox::toggled, this, edit([](JDServerData &p, bool on) { p.UseNoop = on; }));
    connect(chkAnonymous, &QCheckBox::toggled, this, edit([this](JDServerData &p, bool on) {
        p.Anonymous = on;
        if (on) {
            txtUsername->setText(u"anonymous"_s);
            txtPassword->setText(FtpUploader::AnonymousPassword);
        }
    }));
    connect(protocolDrop, &QComboBox::activated, this, edit([this](JDServerData &p, int index) {
        p.Protocol = index;
        p.Secure = false;
        txtPort->setText(index == JDServerData::Sftp ? u"22"_s : u"21"_s);
    }));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] {
        const QString folder = FileDialog::ExistingFolder(this, u"Browse"_s, txtLocalDirName->text());
        if (!folder.isEmpty())
            txtLocalDirName->setText(folder);
    });
    for (QWidget *w : std::initializer_list<QWidget *>{txtHostName, txtUsername, txtPassword, txtPort, txtTimeout,
                                                       txtHostDirName, txtLocalDirName, txtComment, chkAnonymous,
                                                       chkPassiveMode, chkSavePassword})
        w->installEventFilter(this);

    EnableFields(false);
    const QString error = m_profiles.loadProfiles();
    for (const JDServerData &p : m_profiles.Items()) {
        auto *item = new QTreeWidgetItem(tvServers, {p.ItemName});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    if (!error.isEmpty())
        MessageBox::Critical(this, u"My Sites"_s, error);
}

TwinServers::~TwinServers() = default;

void TwinServers::StartUpload(FflashMovie *gallery)
{
    if (!gallery)
        return;
    gallery->CollectUploadFiles(GalleryChooser(parentWidget()));
    openUploadSites(gallery);
}

void TwinServers::openUploadSites(FflashMovie *gallery)
{
    if (!gallery || gallery->GetFolder().isEmpty() || gallery->BaseName().isEmpty() || gallery->Modified())
        return;
    m_gallery = gallery;
    show();
    raise();
    activateWindow();
}

void TwinServers::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_profiles.Count() == 0)
        QTimer::singleShot(0, this, &TwinServers::btnAddClick);
}

void TwinServers::closeEvent(QCloseEvent *event)
{
    // The title-bar close box only hides: edits stay in memory until the next save.
    QWidget::closeEvent(event);
}

void TwinServers::reject()
{
    Button2Click();
}

JDServerData *TwinServers::Selected()
{
    if (m_selected < 0 || m_selected >= m_profiles.Count())
        return nullptr;
    return &m_profiles.Items()[m_selected];
}

void TwinServers::EnableFields(bool on)
{
    fieldGroup->setEnabled(on);
    btnDelete->setEnabled(on);
    btnOk->setEnabled(on);
}

void TwinServers::SelectionChanged()
{
    QTreeWidgetItem *item = tvServers->currentItem();
    m_selected = item ? tvServers->indexOfTopLevelItem(item) : -1;
    if (m_selected < 0) {
        EnableFields(false);
        return;
    }
    FillFields();
}

void TwinServers::FillFields()
{
    const JDServerData *p = Selected();
    if (!p) {
        EnableFields(false);
        return;
    }
    EnableFields(true);
    m_filling = true;
    txtHostName->setText(p->HostName);
    txtUsername->setText(p->Username);
    txtPassword->setText(p->Password);
    txtPort->setText(QString::number(p->Port));
    txtTimeout->setText(QString::number(p->Timeout));
    txtHostDirName->setText(p->HostDirName);
    txtLocalDirName->setText(p->LocalDirName);
    txtComment->setText(p->Comment);
    noop->setChecked(p->UseNoop);
    chkAnonymous->setChecked(p->Anonymous);
    chkPassiveMode->setChecked(p->PassiveMode);
    chkSavePassword->setChecked(p->SavePassword);
    protocolDrop->setCurrentIndex(p->Secure ? int(JDServerData::Sftp) : p->Protocol);
    m_filling = false;
}

void TwinServers::StepTimeout(int delta)
{
    bool ok = false;
    int value = txtTimeout->text().toInt(&ok);
    if (!ok)
        value = 60;
    txtTimeout->setText(QString::number(std::clamp(value + delta, 5, 120)));
}

bool TwinServers::eventFilter(QObject *watched, QEvent *event)
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

void TwinServers::Save()
{
    if (!m_profiles.saveProfiles())
        MessageBox::Critical(this, u"My Sites"_s, ServerProfiles::SaveErrorText);
}

void TwinServers::btnAddClick()
{
    if (Timer1.isActive())
        return;
    TwinServerWizard wizard(m_profiles, this);
    wizard.exec();
    if (wizard.Finished()) {
        m_wizardProfile = wizard.Result();
        Timer1.start();
    }
}

void TwinServers::AddWizardProfile()
{
    Timer1.stop();
    m_profiles.addProfile(m_wizardProfile);
    m_filling = true;
    auto *item = new QTreeWidgetItem(tvServers, {m_wizardProfile.ItemName});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_filling = false;
    tvServers->setCurrentItem(item);
}

void TwinServers::btnDeleteClick()
{
    const JDServerData *p = Selected();
    if (!p)
        return;
    const auto answer = MessageBox::Question(this, u"Confirm"_s,
        u"Are you sure you want to delete the site profile "_s + p->ItemName + u"?"_s);
    if (answer == QMessageBox::No)
        return;
    const int index = m_selected;
    m_profiles.deleteProfile(index);
    m_filling = true;
    delete tvServers->takeTopLevelItem(index);
    m_filling = false;
    SelectionChanged();
    if (m_profiles.Count() == 0)
        EnableFields(false);
}

void TwinServers::ItemRenamed(QTreeWidgetItem *item)
{
    if (m_filling || m_selected < 0 || !item || tvServers->indexOfTopLevelItem(item) != m_selected)
        return;
    const QString name = item->text(0);
    JDServerData *p = Selected();
    if (!p || name == p->ItemName) {
        if (p && name == p->ItemName)
            MessageBox::Warning(this, u"My Sites"_s, ServerProfiles::NameTakenText);
        return;
    }
    const bool taken = m_profiles.siteNameExists(name);
    if (taken || !ServerProfiles::IsStorableName(name)) {
        MessageBox::Warning(this, u"My Sites"_s, taken ? ServerProfiles::NameTakenText : ServerProfiles::BadNameText);
        m_filling = true;
        item->setText(0, p->ItemName);
        m_filling = false;
        Timer2.start();
        return;
    }
    if (m_profiles.renameProfile(m_selected, name) == ServerProfiles::RenameResult::SaveFailed)
        MessageBox::Critical(this, u"My Sites"_s, ServerProfiles::SaveErrorText);
}

void TwinServers::ConnectAction()
{
    hide();
    const JDServerData *selected = Selected();
    if (!selected)
        return;
    JDServerData profile = *selected;
    TwinFTP *ftp = TwinFTP::Instance(parentWidget());
    ftp->SetGallery(m_gallery);
    ftp->show();
    QApplication::processEvents();
    const QStringList trustedBefore = profile.TrustedFingerprints;
    ftp->connectProfile(profile);
    // A certificate or host key trusted "always" stays with the profile.
    if (profile.TrustedFingerprints != trustedBefore) {
        const int index = m_profiles.IndexOf(profile.ItemName);
        if (index >= 0)
            m_profiles.Items()[index].TrustedFingerprints = profile.TrustedFingerprints;
    }
}

void TwinServers::btnOkClick()
{
    if (!Selected())
        return;
    ConnectAction();
    Save();
    hide();
}

void TwinServers::Button2Click()
{
    Save();
    hide();
}

void TwinServers::button12Click()
{
    TwindowProxy proxy(this);
    proxy.exec();
}
