#pragma once

#include "ServerProfile.h"

#include <QDialog>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class ServerProfileStore;

// "Server Profile Wizard": collects a new profile in five steps. Opened modally and discarded;
// after "Finish", isFinished() is true and profile() holds the new profile.
class ServerProfileWizard : public QDialog
{
    Q_OBJECT
public:
    explicit ServerProfileWizard(const ServerProfileStore &profiles, QWidget *parent = nullptr);

    bool isFinished() const { return m_finished; }
    ServerProfile profile() const;
    int step() const; // 1 to 5

    void showNextStep();
    void showPreviousStep();
    void finish();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createFields();
    QWidget *createHeader();
    QHBoxLayout *createButtons();
    void connectControls();
    QLineEdit *m_nickname = nullptr;
    QLineEdit *m_userName = nullptr;
    QLineEdit *m_password = nullptr;
    QCheckBox *m_anonymous = nullptr;
    QCheckBox *m_savePassword = nullptr;
    QLineEdit *m_host = nullptr;
    QLineEdit *m_remotePath = nullptr;
    QPushButton *m_backButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_finishButton = nullptr;
    QPushButton *m_noProxyButton = nullptr;
    QPushButton *m_proxyButton = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_question = nullptr;

    void showStep(int step);
    void updateNext();

    const ServerProfileStore &m_profiles;
    QStackedWidget *m_pages = nullptr;
    bool m_finished = false;
};
