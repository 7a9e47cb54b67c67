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
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// "My Sites": the server profiles, where the user picks the one to upload to and adds, edits,
// renames and deletes them. Holds the profile list, loaded once, when the window is created.
class MySitesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MySitesDialog(QWidget *parent = nullptr);
    ~MySitesDialog() override;

    // The one window of the run, created on first use.
    static MySitesDialog *instance(QWidget *parent = nullptr);
    // Asks where to save a gallery, through the program's file chooser.
    static std::function<QString(const QString &)> galleryChooser(QWidget *parent);

    // The Upload command: rebuilds the gallery's upload lists (saving it first when needed), then
    // opens this window for it.
    void startUpload(GalleryDocument *gallery);
    // Shows this window when the gallery is saved and unchanged; does nothing otherwise.
    void openUploadSites(GalleryDocument *gallery);

    ServerProfileStore &profiles() { return m_profiles; }
    int selectedIndex() const { return m_selected; }

    void btnAddClick();
    void btnDeleteClick();
    void btnOkClick();     // "Connect"
    void button2Click();   // "Close"
    void connectAction();
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
    QWidget *upDown3 = nullptr;
    QComboBox *protocolDrop = nullptr;
    QLineEdit *txtHostDirName = nullptr;
    QLineEdit *txtLocalDirName = nullptr;
    QToolButton *speedButton1 = nullptr;
    QLineEdit *txtComment = nullptr;
    QPushButton *button12 = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *button2 = nullptr;
    QTimer timer1; // adds the wizard's profile
    QTimer timer2; // re-opens the name editor after a refused rename

public slots:
    void reject() override; // Escape is "Close"

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
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
};
