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

    QLineEdit *eHost = nullptr;
    QLineEdit *eLogin = nullptr;
    QLineEdit *ePass = nullptr;
    QSpinBox *ePort = nullptr;
    QComboBox *cType = nullptr;

    void btnOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ProxySettings m_settings;
};
