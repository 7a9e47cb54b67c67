#pragma once

#include "JDServerData.h"
#include "ServerProfiles.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

class FflashMovie;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// "My Sites": the server profiles, where the user picks the one to upload to and adds, edits,
// renames and deletes them. Holds the profile list, loaded once, when the window is created.
class TwinServers : public QDialog
{
    Q_OBJECT
public:
    explicit TwinServers(QWidget *parent = nullptr);
    ~TwinServers() override;

    // The one window of the run, created on first use.
    static TwinServers *Instance(QWidget *parent = nullptr);
    // Asks where to save a gallery, through the program's file chooser.
    static std::function<QString(const QString &)> GalleryChooser(QWidget *parent);

    // The Upload command: rebuilds the gallery's upload lists (saving it first when needed), then
    // opens this window for it.
    void StartUpload(FflashMovie *gallery);
    // Shows this window when the gallery is saved and unchanged; does nothing otherwise.
    void openUploadSites(FflashMovie *gallery);

    ServerProfiles &Profiles() { return m_profiles; }
    int SelectedIndex() const { return m_selected; }

    void btnAddClick();
    void btnDeleteClick();
    void btnOkClick();     // "Connect"
    void Button2Click();   // "Close"
    void ConnectAction();
    void button12Click();  // "Proxy Setup"

    QTabWidget *pages = nullptr;
    QTreeWidget *tvServers = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnDelete = nullptr;
    QWidget *fieldGroup = nullptr;
    QLineEdit *txtHostName = nullptr;
    QLineEdit *txtUsername = nullptr;
    QLineEdit *txtPassword = nullptr;
    QCheckBox *chkAnonymous = nullptr;
    QCheckBox *chkPassiveMode = nullptr;
    QCheckBox *chkSavePassword = nullptr;
    QCheckBox *noop = nullptr;
    QLineEdit *txtPort = nullptr;
    QLineEdit *txtTimeout = nullptr;
    QWidget *UpDown3 = nullptr;
    QComboBox *protocolDrop = nullptr;
    QLineEdit *txtHostDirName = nullptr;
    QLineEdit *txtLocalDirName = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QLineEdit *txtComment = nullptr;
    QPushButton *button12 = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *Button2 = nullptr;
    QTimer Timer1; // adds the wizard's profile
    QTimer Timer2; // re-opens the name editor after a refused rename

public slots:
    void reject() override; // Escape is "Close"

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SelectionChanged();
    void FillFields();
    void EnableFields(bool on);
    JDServerData *Selected();
    void ItemRenamed(QTreeWidgetItem *item);
    void AddWizardProfile();
    void Save();
    void StepTimeout(int delta);

    ServerProfiles m_profiles;
    int m_selected = -1;
    bool m_filling = false;
    JDServerData m_wizardProfile;
    QPointer<FflashMovie> m_gallery;
};
