#pragma once

#include "ServerProfile.h"
#include "ServerProfileStore.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

#include "GalleryDocument.h"
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class RemoteServerWindow;

// "My Sites": the server profiles, where the user picks the one to upload to and adds, edits,
// renames and deletes them. Holds the profile list, loaded once, when the window is created.
class MySitesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MySitesDialog(QWidget *parent = nullptr);
    ~MySitesDialog() override;

    // Asks where to save a gallery, through the program's file chooser.
    static std::function<QString(const QString &)> galleryChooser(QWidget *parent);

    // The Upload command: rebuilds the gallery's upload lists (saving it first when needed), then
    // opens this window for it.
    void startUpload(GalleryDocument *gallery);
    // Shows this window when the gallery is saved and unchanged; does nothing otherwise.
    void openUploadSites(GalleryDocument *gallery);

    ServerProfileStore &profiles() { return m_profiles; }
    int selectedIndex() const { return m_selected; }
    // True while the name editor is about to open again after a refused rename.
    bool renameRetryPending() const { return m_renameRetry.isActive(); }

    void addProfile();
    void deleteProfile();
    void connectAndSave(); // "Connect"
    void saveAndClose(); // "Close"
    void connectSelected();
    void editProxySettings(); // "Proxy Setup"

public slots:
    void reject() override; // Escape is "Close"

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createSitesPage();
    void createProfileFields();
    void createTimeoutStepper();
    QHBoxLayout *createButtons();
    void createTimers();
    void connectButtons();
    void connectProfileFields();
    void loadProfileList();
    QTabWidget *m_pages = nullptr;
    QTreeWidget *m_profileTree = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QWidget *m_profileFields = nullptr;
    QLineEdit *m_hostName = nullptr;
    QLineEdit *m_userName = nullptr;
    QLineEdit *m_password = nullptr;
    QCheckBox *m_anonymous = nullptr;
    QCheckBox *m_passiveMode = nullptr;
    QCheckBox *m_savePassword = nullptr;
    QCheckBox *m_stayConnected = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_timeout = nullptr;
    QWidget *m_timeoutStepper = nullptr;
    QComboBox *m_protocol = nullptr;
    QLineEdit *m_remoteFolder = nullptr;
    QLineEdit *m_localFolder = nullptr;
    QToolButton *m_browseLocalFolderButton = nullptr;
    QLineEdit *m_comment = nullptr;
    QPushButton *m_proxySetupButton = nullptr;
    QPushButton *m_connectButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QTimer m_wizardProfileAdd; // adds the wizard's profile
    QTimer m_renameRetry; // re-opens the name editor after a refused rename

    void selectionChanged();
    void fillFields();
    void enableFields(bool on);
    ServerProfile *selected();
    void itemRenamed(QTreeWidgetItem *item);
    void addWizardProfile();
    void save();
    void stepTimeout(int delta);

    ServerProfileStore m_profiles;
    int m_selected = -1;
    bool m_filling = false;
    ServerProfile m_wizardProfile;
    QPointer<GalleryDocument> m_gallery;
    QPointer<RemoteServerWindow> m_remoteServer;
};
