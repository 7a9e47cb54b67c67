#include "ServerProfileWizard.h"

#include "ServerProfileStore.h"
#include "ProxySettingsDialog.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct StepText
{
    const char16_t *subtitle;
    const char16_t *question;
};

const StepText Steps[5] = {
    {u"Server Profile Name", u"What would you like to name this server profile?"},
    {u"Username and Password", u"What is your username and password used to connect to this server?"},
    {u"Hostname", u"What is the default Hostname for this server?"},
    {u"Advanced Settings", u"Do you use a proxy or socks server to access the internet?"},
    {u"Congratulations, you have sucessfully completed the server setup.", u""},
};

QWidget *fieldPage(const QList<QPair<QString, QWidget *>> &rows)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    for (const auto &[caption, field] : rows) {
        if (!caption.isEmpty())
            layout->addWidget(new QLabel(caption, page));
        layout->addWidget(field);
    }
    layout->addStretch();
    return page;
}

bool isEnter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ServerProfileWizard::ServerProfileWizard(const ServerProfileStore &profiles, QWidget *parent)
    : QDialog(parent), m_profiles(profiles)
{
    setWindowTitle(u"Server Profile Wizard"_s);
    eNickname = new QLineEdit;
    eUser = new QLineEdit;
    ePass = new QLineEdit;
    ePass->setEchoMode(QLineEdit::Password);
    cAnon = new QCheckBox(u"Anonymous"_s);
    cSavePass = new QCheckBox(u"Save Password"_s);
    cSavePass->setChecked(true);
    eHost = new QLineEdit;
    eRemotePath = new QLineEdit;
    btnNoProxy = new QPushButton(u"No, I don't even  know what that is."_s);
    btnYesProxy = new QPushButton(u"Yes, I use a proxy or socks server."_s);

    m_pages = new QStackedWidget;
    m_pages->addWidget(fieldPage({{u"Profile Name: (example: My Home Site)"_s, eNickname}}));
    m_pages->addWidget(fieldPage({{u"Username:"_s, eUser}, {u"Password:"_s, ePass}, {QString(), cAnon},
                                  {QString(), cSavePass}}));
    m_pages->addWidget(fieldPage({{u"Hostname: (example: ftp.mysite.com)"_s, eHost},
                                  {u"Default folder on host: (optional)"_s, eRemotePath}}));
    m_pages->addWidget(fieldPage({{QString(), btnNoProxy}, {QString(), btnYesProxy}}));
    m_pages->addWidget(fieldPage({}));

    // The white header band.
    auto *header = new QWidget;
    header->setAutoFillBackground(true);
    QPalette pal = header->palette();
    pal.setColor(QPalette::Window, Qt::white);
    header->setPalette(pal);
    lblTitle = new QLabel;
    lblSubtitle = new QLabel;
    lblQuestion = new QLabel;
    QFont bold = lblQuestion->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblQuestion->setFont(bold);
    lblQuestion->setWordWrap(true);
    lblSubtitle->setWordWrap(true);
    auto *headerLayout = new QVBoxLayout(header);
    headerLayout->addWidget(lblTitle);
    headerLayout->addWidget(lblSubtitle);

    btnBack = new QPushButton(u"<< Back"_s);
    btnNext = new QPushButton(u"Next >>"_s);
    btnCancel = new QPushButton(u"Cancel"_s);
    btnFinish = new QPushButton(u"Finish"_s);
    for (QPushButton *b : {btnBack, btnNext, btnCancel, btnFinish, btnNoProxy, btnYesProxy})
        b->setAutoDefault(false); // Enter is the fields' own "Next >>"
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {btnBack, btnNext, btnCancel, btnFinish})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(lblQuestion);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    connect(btnNext, &QPushButton::clicked, this, &ServerProfileWizard::nextClick);
    connect(btnBack, &QPushButton::clicked, this, &ServerProfileWizard::backClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnFinish, &QPushButton::clicked, this, &ServerProfileWizard::finishClick);
    connect(btnNoProxy, &QPushButton::clicked, this, [this] { showStep(5); });
    connect(btnYesProxy, &QPushButton::clicked, this, [this] {
        ProxySettingsDialog proxy(this);
        proxy.exec();
    });
    connect(cAnon, &QCheckBox::toggled, this, [this](bool on) {
        eUser->setText(on ? u"anonymous"_s : QString());
        ePass->setText(on ? u"PelliconFTP@"_s : QString());
    });
    connect(eHost, &QLineEdit::textChanged, this, &ServerProfileWizard::updateNext);
    for (QWidget *w : std::initializer_list<QWidget *>{eNickname, eUser, ePass, cAnon, cSavePass, eHost, eRemotePath})
        w->installEventFilter(this);

    showStep(1);
    eNickname->setFocus();
}

int ServerProfileWizard::Step() const
{
    return m_pages->currentIndex() + 1;
}

void ServerProfileWizard::showStep(int step)
{
    m_pages->setCurrentIndex(step - 1);
    lblTitle->setText(u"Server Profile Wizard (Step %1 of 5)"_s.arg(step));
    lblSubtitle->setText(QString::fromUtf16(Steps[step - 1].subtitle));
    lblQuestion->setText(QString::fromUtf16(Steps[step - 1].question));
    lblQuestion->setVisible(step != 5);
    btnBack->setVisible(step != 1);
    btnNext->setVisible(step <= 4);
    btnCancel->setVisible(step <= 4);
    btnFinish->setVisible(step == 5);
    updateNext();
}

void ServerProfileWizard::updateNext()
{
    if (Step() == 1)
        btnNext->setEnabled(!eNickname->text().isEmpty());
    else if (Step() == 3)
        btnNext->setEnabled(!eHost->text().isEmpty());
    else
        btnNext->setEnabled(true);
}

bool ServerProfileWizard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease && (watched == eNickname || watched == eHost))
        updateNext();
    if (isEnter(event)) {
        nextClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ServerProfileWizard::nextClick()
{
    switch (Step()) {
    case 1:
        if (eNickname->text().isEmpty())
            return;
        if (m_profiles.siteNameExists(eNickname->text())) {
            MessageBox::warning(this, u"Server Profile Wizard"_s,
                                ServerProfileStore::NameTakenText);
            return;
        }
        if (!ServerProfileStore::isStorableName(eNickname->text())) {
            MessageBox::warning(this, u"Server Profile Wizard"_s, ServerProfileStore::BadNameText);
            return;
        }
        showStep(2);
        eUser->setFocus();
        break;
    case 2:
        showStep(3);
        eHost->setFocus();
        break;
    case 3:
        if (!eHost->text().isEmpty())
            showStep(4);
        break;
    case 4:
        showStep(5);
        break;
    default:
        break;
    }
}

void ServerProfileWizard::backClick()
{
    if (Step() > 1)
        showStep(Step() - 1);
}

void ServerProfileWizard::finishClick()
{
    m_finished = true;
    accept();
}

ServerProfile ServerProfileWizard::Result() const
{
    return ServerProfile::makeNew(eNickname->text(), eHost->text(), eUser->text(), ePass->text(),
                                 eRemotePath->text(), cAnon->isChecked(), cSavePass->isChecked());
}
