#pragma once

#include "ServerProfile.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class ServerProfileStore;

// "Server Profile Wizard": collects a new profile in five steps. Opened modally and discarded;
// after "Finish", isFinished() is true and Result() holds the new profile.
class ServerProfileWizard : public QDialog
{
    Q_OBJECT
public:
    explicit ServerProfileWizard(const ServerProfileStore &profiles, QWidget *parent = nullptr);

    bool isFinished() const { return m_finished; }
    ServerProfile Result() const;
    int Step() const; // 1 to 5

    QLineEdit *eNickname = nullptr;
    QLineEdit *eUser = nullptr;
    QLineEdit *ePass = nullptr;
    QCheckBox *cAnon = nullptr;
    QCheckBox *cSavePass = nullptr;
    QLineEdit *eHost = nullptr;
    QLineEdit *eRemotePath = nullptr;
    QPushButton *btnBack = nullptr;
    QPushButton *btnNext = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *btnFinish = nullptr;
    QPushButton *btnNoProxy = nullptr;
    QPushButton *btnYesProxy = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblSubtitle = nullptr;
    QLabel *lblQuestion = nullptr;

    void nextClick();
    void backClick();
    void finishClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showStep(int step);
    void updateNext();

    const ServerProfileStore &m_profiles;
    QStackedWidget *m_pages = nullptr;
    bool m_finished = false;
};
