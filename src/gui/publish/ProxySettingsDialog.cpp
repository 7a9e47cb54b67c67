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
    eHost = new QLineEdit(this);
    eLogin = new QLineEdit(this);
    ePass = new QLineEdit(this);
    ePass->setEchoMode(QLineEdit::Password);
    ePort = new QSpinBox(this);
    ePort->setRange(0, 30000);
    ePort->setValue(0);
    cType = new QComboBox(this);
    cType->addItems(ProxySettings::typeNames());
    cType->setCurrentIndex(-1);

    auto *form = new QFormLayout;
    form->addRow(u"Proxy Hostname:"_s, eHost);
    form->addRow(u"Proxy Login:"_s, eLogin);
    form->addRow(u"Proxy Password:"_s, ePass);
    form->addRow(u"Port:"_s, ePort);
    form->addRow(u"Type:"_s, cType);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(u"Ok"_s, QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(u"Cancel"_s, QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &ProxySettingsDialog::btnOkClick);
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
    eHost->setText(m_settings.hostName);
    eLogin->setText(m_settings.login);
    ePass->setText(m_settings.password);
    bool ok = false;
    const int port = m_settings.port.toInt(&ok);
    ePort->setValue(ok ? port : 0);
    cType->setCurrentIndex(cType->findText(m_settings.type, Qt::MatchExactly | Qt::MatchCaseSensitive));
    eHost->setFocus();
}

void ProxySettingsDialog::btnOkClick()
{
    ProxySettings next;
    next.hostName = eHost->text();
    next.login = eLogin->text();
    next.password = ePass->text();
    next.port = ePort->text();
    next.type = cType->currentIndex() < 0 ? QString() : cType->currentText();
    if (next.save())
        m_settings = next;
    else
        MessageBox::critical(this, u"Proxy Server"_s, u"Error 2: Could not save the proxy data."_s);
    accept();
}
