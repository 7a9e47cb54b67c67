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
    createFields();
    m_pages = new QStackedWidget;
    m_pages->addWidget(fieldPage({{u"Profile Name: (example: My Home Site)"_s, m_nickname}}));
    m_pages->addWidget(fieldPage({{u"Username:"_s, m_userName}, {u"Password:"_s, m_password}, {QString(), m_anonymous},
                                  {QString(), m_savePassword}}));
    m_pages->addWidget(fieldPage({{u"Hostname: (example: ftp.mysite.com)"_s, m_host},
                                  {u"Default folder on host: (optional)"_s, m_remotePath}}));
    m_pages->addWidget(fieldPage({{QString(), m_noProxyButton}, {QString(), m_proxyButton}}));
    m_pages->addWidget(fieldPage({}));
    QWidget *header = createHeader();
    QHBoxLayout *buttons = createButtons();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(m_question);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    connectControls();
    showStep(1);
    m_nickname->setFocus();
}

void ServerProfileWizard::createFields()
{
    m_nickname = new QLineEdit;
    m_nickname->setObjectName(u"nickname"_s);
    m_userName = new QLineEdit;
    m_userName->setObjectName(u"userName"_s);
    m_password = new QLineEdit;
    m_password->setObjectName(u"password"_s);
    m_password->setEchoMode(QLineEdit::Password);
    m_anonymous = new QCheckBox(u"Anonymous"_s);
    m_anonymous->setObjectName(u"anonymous"_s);
    m_savePassword = new QCheckBox(u"Save Password"_s);
    m_savePassword->setObjectName(u"savePassword"_s);
    m_savePassword->setChecked(true);
    m_host = new QLineEdit;
    m_host->setObjectName(u"host"_s);
    m_remotePath = new QLineEdit;
    m_remotePath->setObjectName(u"remotePath"_s);
    m_noProxyButton = new QPushButton(u"No, I don't even  know what that is."_s);
    m_noProxyButton->setObjectName(u"noProxyButton"_s);
    m_proxyButton = new QPushButton(u"Yes, I use a proxy or socks server."_s);
    m_proxyButton->setObjectName(u"proxyButton"_s);
}

// The white header band.
QWidget *ServerProfileWizard::createHeader()
{
    auto *header = new QWidget;
    header->setAutoFillBackground(true);
    QPalette pal = header->palette();
    pal.setColor(QPalette::Window, Qt::white);
    header->setPalette(pal);
    m_title = new QLabel;
    m_title->setObjectName(u"title"_s);
    m_subtitle = new QLabel;
    m_subtitle->setObjectName(u"subtitle"_s);
    m_question = new QLabel;
    m_question->setObjectName(u"question"_s);
    QFont bold = m_question->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_question->setFont(bold);
    m_question->setWordWrap(true);
    m_subtitle->setWordWrap(true);
    auto *headerLayout = new QVBoxLayout(header);
    headerLayout->addWidget(m_title);
    headerLayout->addWidget(m_subtitle);
    return header;
}

QHBoxLayout *ServerProfileWizard::createButtons()
{
    m_backButton = new QPushButton(u"<< Back"_s);
    m_backButton->setObjectName(u"backButton"_s);
    m_nextButton = new QPushButton(u"Next >>"_s);
    m_nextButton->setObjectName(u"nextButton"_s);
    m_cancelButton = new QPushButton(u"Cancel"_s);
    m_cancelButton->setObjectName(u"cancelButton"_s);
    m_finishButton = new QPushButton(u"Finish"_s);
    m_finishButton->setObjectName(u"finishButton"_s);
    for (QPushButton *b : {m_backButton, m_nextButton, m_cancelButton, m_finishButton, m_noProxyButton, m_proxyButton})
        b->setAutoDefault(false); // Enter is the fields' own "Next >>"
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {m_backButton, m_nextButton, m_cancelButton, m_finishButton})
        buttons->addWidget(b);
    return buttons;
}

void ServerProfileWizard::connectControls()
{
    connect(m_nextButton, &QPushButton::clicked, this, &ServerProfileWizard::showNextStep);
    connect(m_backButton, &QPushButton::clicked, this, &ServerProfileWizard::showPreviousStep);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_finishButton, &QPushButton::clicked, this, &ServerProfileWizard::finish);
    connect(m_noProxyButton, &QPushButton::clicked, this, [this] { showStep(5); });
    connect(m_proxyButton, &QPushButton::clicked, this, [this] {
        ProxySettingsDialog proxy(this);
        proxy.exec();
    });
    connect(m_anonymous, &QCheckBox::toggled, this, [this](bool on) {
        m_userName->setText(on ? u"anonymous"_s : QString());
        m_password->setText(on ? u"PelliconFTP@"_s : QString());
    });
    connect(m_host, &QLineEdit::textChanged, this, &ServerProfileWizard::updateNext);
    for (QWidget *w : std::initializer_list<QWidget *>{m_nickname, m_userName, m_password, m_anonymous, m_savePassword, m_host, m_remotePath})
        w->installEventFilter(this);
}

int ServerProfileWizard::step() const
{
    return m_pages->currentIndex() + 1;
}

void ServerProfileWizard::showStep(int step)
{
    m_pages->setCurrentIndex(step - 1);
    m_title->setText(u"Server Profile Wizard (Step %1 of 5)"_s.arg(step));
    m_subtitle->setText(QString::fromUtf16(Steps[step - 1].subtitle));
    m_question->setText(QString::fromUtf16(Steps[step - 1].question));
    m_question->setVisible(step != 5);
    m_backButton->setVisible(step != 1);
    m_nextButton->setVisible(step <= 4);
    m_cancelButton->setVisible(step <= 4);
    m_finishButton->setVisible(step == 5);
    updateNext();
}

void ServerProfileWizard::updateNext()
{
    if (step() == 1)
        m_nextButton->setEnabled(!m_nickname->text().isEmpty());
    else if (step() == 3)
        m_nextButton->setEnabled(!m_host->text().isEmpty());
    else
        m_nextButton->setEnabled(true);
}

bool ServerProfileWizard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease && (watched == m_nickname || watched == m_host))
        updateNext();
    if (isEnter(event)) {
        showNextStep();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ServerProfileWizard::showNextStep()
{
    switch (step()) {
    case 1:
        if (m_nickname->text().isEmpty())
            return;
        if (m_profiles.siteNameExists(m_nickname->text())) {
            MessageBox::warning(this, u"Server Profile Wizard"_s,
                                ServerProfileStore::NameTakenText);
            return;
        }
        if (!ServerProfileStore::isStorableName(m_nickname->text())) {
            MessageBox::warning(this, u"Server Profile Wizard"_s, ServerProfileStore::BadNameText);
            return;
        }
        showStep(2);
        m_userName->setFocus();
        break;
    case 2:
        showStep(3);
        m_host->setFocus();
        break;
    case 3:
        if (!m_host->text().isEmpty())
            showStep(4);
        break;
    case 4:
        showStep(5);
        break;
    default:
        break;
    }
}

void ServerProfileWizard::showPreviousStep()
{
    if (step() > 1)
        showStep(step() - 1);
}

void ServerProfileWizard::finish()
{
    m_finished = true;
    accept();
}

ServerProfile ServerProfileWizard::profile() const
{
    return ServerProfile::makeNew(m_nickname->text(), m_host->text(), m_userName->text(), m_password->text(),
                                 m_remotePath->text(), m_anonymous->isChecked(), m_savePassword->isChecked());
}
