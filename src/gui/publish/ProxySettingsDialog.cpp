#include "ProxySettingsDialog.h"

#include "MessageBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ProxySettingsDialog::ProxySettingsDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(u"Proxy Server"_s);
    m_host = new QLineEdit(this);
    m_host->setObjectName(u"host"_s);
    m_login = new QLineEdit(this);
    m_login->setObjectName(u"login"_s);
    m_password = new QLineEdit(this);
    m_password->setObjectName(u"password"_s);
    m_password->setEchoMode(QLineEdit::Password);
    m_port = new QSpinBox(this);
    m_port->setObjectName(u"port"_s);
    m_port->setRange(0, 30000);
    m_port->setValue(0);
    m_proxyType = new QComboBox(this);
    m_proxyType->setObjectName(u"proxyType"_s);
    m_proxyType->addItems(ProxySettings::typeNames());
    m_proxyType->setCurrentIndex(-1);

    auto *form = new QFormLayout;
    form->addRow(u"Proxy Hostname:"_s, m_host);
    form->addRow(u"Proxy Login:"_s, m_login);
    form->addRow(u"Proxy Password:"_s, m_password);
    form->addRow(u"Port:"_s, m_port);
    form->addRow(u"Type:"_s, m_proxyType);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(u"Ok"_s, QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(u"Cancel"_s, QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &ProxySettingsDialog::acceptSettings);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    if (!m_settings.load())
        MessageBox::critical(this, u"Proxy Server"_s, u"Error 4: Could not open the proxy data."_s);
}

void ProxySettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_host->setText(m_settings.hostName);
    m_login->setText(m_settings.login);
    m_password->setText(m_settings.password);
    bool ok = false;
    const int port = m_settings.port.toInt(&ok);
    m_port->setValue(ok ? port : 0);
    m_proxyType->setCurrentIndex(m_proxyType->findText(m_settings.type, Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_host->setFocus();
}

void ProxySettingsDialog::acceptSettings()
{
    ProxySettings next;
    next.hostName = m_host->text();
    next.login = m_login->text();
    next.password = m_password->text();
    next.port = m_port->text();
    next.type = m_proxyType->currentIndex() < 0 ? QString() : m_proxyType->currentText();
    if (next.save())
        m_settings = next;
    else
        MessageBox::critical(this, u"Proxy Server"_s, u"Error 2: Could not save the proxy data."_s);
    accept();
}
