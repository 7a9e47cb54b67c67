#pragma once

#include "GalleryUploader.h"
#include "ServerProfile.h"

#include <QPointer>
#include <QWidget>

#include "GalleryDocument.h"
class QLabel;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTextEdit;

// "Remote Server": connects to one profile's server, lets the user pick the remote folder and
// uploads the saved gallery into it, with a log of every command and reply. Created the first time
// a profile is connected and kept for the rest of the run.
class RemoteServerWindow : public QWidget
{
    Q_OBJECT
public:
    explicit RemoteServerWindow(QWidget *parent = nullptr);
    ~RemoteServerWindow() override;

    // Connects with the profile (trusted certificates and host keys chosen "always" are added to
    // it); true when the session is open.
    bool connectProfile(ServerProfile &profile);
    // The gallery whose files "Upload Files Here" puts on the server.
    void setGallery(GalleryDocument *gallery) { m_gallery = gallery; }
    GalleryUploader *uploader() const { return m_uploader; }

    void uploadFilesHere();
    void closeConnection();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void layOutControls();
    void connectControls();
    void connectUploader();
    void askBeforeTrusting();

    QLabel *m_remotePath = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_progressText = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QTabWidget *m_pages = nullptr;
    QListWidget *m_folderList = nullptr;
    QTextEdit *m_log = nullptr;
    QPushButton *m_uploadButton = nullptr;
    QPushButton *m_closeButton = nullptr;

    void appendLog(const QString &text, int kind);
    void fillListing();
    void directoryActivated(QListWidgetItem *item);

    GalleryUploader *m_uploader = nullptr;
    QPointer<GalleryDocument> m_gallery;
};
