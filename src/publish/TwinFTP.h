#pragma once

#include "FtpUploader.h"
#include "JDServerData.h"

#include <QPointer>
#include <QWidget>

class FflashMovie;
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
class TwinFTP : public QWidget
{
    Q_OBJECT
public:
    explicit TwinFTP(QWidget *parent = nullptr);
    ~TwinFTP() override;

    // The one window of the run, created on first use.
    static TwinFTP *Instance(QWidget *parent = nullptr);

    // Connects with the profile (trusted certificates and host keys chosen "always" are added to
    // it); true when the session is open.
    bool connectProfile(JDServerData &profile);
    // The gallery whose files "Upload Files Here" puts on the server.
    void SetGallery(FflashMovie *gallery) { m_gallery = gallery; }
    FtpUploader *Uploader() const { return m_uploader; }

    void UploadFilesHereClick();
    void CloseClick();

    QLabel *lblRemotePath = nullptr;
    QLabel *lblStatus = nullptr;
    QLabel *lblProgress = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QTabWidget *pages = nullptr;
    QListWidget *lstDirectory = nullptr;
    QTextEdit *txtLog = nullptr;
    QPushButton *btnUpload = nullptr;
    QPushButton *btnClose = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void AppendLog(const QString &text, int kind);
    void FillListing();
    void DirectoryActivated(QListWidgetItem *item);

    FtpUploader *m_uploader = nullptr;
    QPointer<FflashMovie> m_gallery;
};
