#pragma once

#include "ProxySettings.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

// "Proxy Server": edits the stored proxy settings. Created for each opening, so it always shows
// what is stored; "Ok" stores, "Cancel" and the close box discard.
class ProxySettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ProxySettingsDialog(QWidget *parent = nullptr);

    void acceptSettings();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_host = nullptr;
    QLineEdit *m_login = nullptr;
    QLineEdit *m_password = nullptr;
    QSpinBox *m_port = nullptr;
    QComboBox *m_proxyType = nullptr;

    ProxySettings m_settings;
};
