#pragma once

#include "FtpSession.h"
#include "ServerProfile.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

// The publishing work of the "Remote Server" window, without the window: connecting with a
// profile, and putting a saved gallery into the current remote folder, with the log, status and
// progress texts the window shows. The command-line tool drives it the same way.
class GalleryUploader : public QObject
{
    Q_OBJECT
public:
    enum LogKind { LogText, LogCommand, LogReply, LogUploading, LogError };
    enum class TrustChoice { Cancel, Once, Always };
    // Asked when a server's certificate or host key cannot be verified.
    using TrustQuestion = std::function<TrustChoice(const QString &fingerprint, const QString &reason)>;

    static const QString AnonymousPassword;
    static const QString LoginErrorText;
    static const QString SiteNotFoundText;
    static constexpr int NoAttributes = -666;

    explicit GalleryUploader(QObject *parent = nullptr);
    ~GalleryUploader() override;

    FtpSession *session() const { return m_session; }
    void setTrustQuestion(TrustQuestion question) { m_trustQuestion = std::move(question); }
    // The proxy used for the next connections; the window reads the stored settings for each.
    void setProxy(const ProxySettings &proxy) { m_proxy = proxy; }
    void setKnownHostsFile(const QString &path) { m_knownHosts = path; }

    // Connects with the profile and waits until the session is open (and the profile's initial
    // folder shown). A certificate or host key the user trusts always is added to the profile.
    bool connectProfile(ServerProfile &profile);
    void disconnectFromServer();

    // Puts the gallery into the current remote folder: the images first, then the top-level
    // files with the gallery file and the page last. Returns the files that could not be
    // uploaded.
    QStringList upload(const QString &galleryFolder, const QStringList &uploadFiles,
                       const QStringList &uploadImageFiles);
    bool isUploading() const { return m_uploading; }

    bool uploadFile(const QString &remotePath, const QString &localPath);
    void remoteFileExists(const QString &remotePath);
    qint64 attributeMarker() const { return m_attributeMarker; }
    void prepareWait();
    // Runs the event loop until the request has ended; returns its error code.
    int doFTPwait(int requestId);

    static QString sizeText(qint64 bytes);

signals:
    void logCleared();
    void logLine(const QString &text, int kind);
    void statusText(const QString &text);
    void progressText(const QString &text);
    void progressBar(int maximum, int position);
    void progressVisible(bool visible);
    void remotePathChanged(const QString &path);
    void connectedTo(const QString &itemName);
    void loginFailed();
    void siteNotFound();

private:
    void onDone(int id, int code, const QString &text);
    void onProgress(qint64 position, qint64 total);

    FtpSession *m_session;
    TrustQuestion m_trustQuestion;
    ProxySettings m_proxy;
    QString m_knownHosts;
    QString m_login;
    QString m_password;
    QStringList m_trustedOnce;
    QString m_initialFolder;
    int m_openAfterConnect = 0;
    bool m_completed = true;
    int m_waitingFor = 0;
    int m_lastCode = 0;
    QString m_lastText;
    QSet<int> m_finished; // ended requests not yet collected by doFTPwait
    QHash<int, QPair<int, QString>> m_results;
    qint64 m_attributeMarker = NoAttributes;
    bool m_uploading = false;
    QString m_galleryFolder;
};
