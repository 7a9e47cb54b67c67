#pragma once

#include "JDServerData.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class ServerProfiles;

// "Server Profile Wizard": collects a new profile in five steps. Opened modally and discarded;
// after "Finish", Finished() is true and Result() holds the new profile.
class TwinServerWizard : public QDialog
{
    Q_OBJECT
public:
    explicit TwinServerWizard(const ServerProfiles &profiles, QWidget *parent = nullptr);

    bool Finished() const { return m_finished; }
    JDServerData Result() const;
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

    void NextClick();
    void BackClick();
    void FinishClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowStep(int step);
    void UpdateNext();

    const ServerProfiles &m_profiles;
    QStackedWidget *m_pages = nullptr;
    bool m_finished = false;
};
