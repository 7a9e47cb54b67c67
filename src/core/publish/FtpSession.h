#pragma once

#include "ProxySettings.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;
class FtpSessionWorker;

// One entry of a remote folder listing.
struct FtpListItem
{
    QString name;
    bool isFolder = false;
    qint64 size = 0;
};

// What a connection is made with.
struct FtpConnectSettings
{
    QString hostname;
    QString login;
    QString password;
    int protocol = 0; // ServerProfile::ProtocolIndex
    int port = 21;
    bool passive = true;
    int timeout = 60; // seconds: for connecting, for each reply, and for a transfer that stops moving
    ProxySettings proxy; // applied when its host is set
    QStringList trustedFingerprints; // certificates and host keys accepted although unverified
    QString knownHostsFile; // SSH known hosts; empty for the user's own
};

// One request as the worker thread receives it.
struct FtpRequest
{
    enum Kind { Connect, Open, Put, MakeFolder, Attributes, List, Close };
    Kind kind = Connect;
    int id = 0;
    int generation = 0;
    QString a; // the remote path, or the local path of a put
    QString b; // the remote path of a put
    FtpConnectSettings settings; // of a connect
};

// An FTP, FTPS or SFTP session. Requests run one at a time on a worker thread of the session's
// own; each request that is accepted gets an id and ends with Done carrying that id, whatever
// happens (also when the session is disconnected meanwhile). Notifications arrive on the
// thread that owns the session, through its event loop.
class FtpSession : public QObject
{
    Q_OBJECT
public:
    enum ErrorCode {
        NoError = 0,
        HostNotFound,
        CouldNotConnect,
        LoginDenied,
        TimedOut,
        Untrusted,
        NotConnected,
        Aborted,
        LocalFileError,
        ProxyNotSupported,
        RemoteFailed,
        OtherError,
    };

    explicit FtpSession(QObject *parent = nullptr);
    ~FtpSession() override;

    // Connected from the moment a connect request is accepted until it fails or Disconnect.
    bool isConnected() const { return m_connected; }
    // The remote folder of the listing, absolute, ending with "/".
    QString remotePath() const { return m_remotePath; }
    const QList<FtpListItem> &listing() const { return m_listing; }
    int lastError() const { return m_lastError; }
    QString lastErrorText() const { return m_lastErrorText; }
    // After a connection refused as Untrusted: what was not trusted.
    QString untrustedFingerprint() const { return m_untrustedFingerprint; }
    QString untrustedReason() const { return m_untrustedReason; }

    // Each returns the request's id, or 0 when the request fails at once (LastError tells why).
    int connectToServer(const FtpConnectSettings &settings);
    int openFolder(const QString &path); // absolute, or relative to RemotePath
    int put(const QString &localPath, const QString &remotePath);
    int makeFolder(const QString &remotePath);
    int requestAttributes(const QString &remotePath);
    // Lists a folder without making it the current one: FolderListed, then Done.
    int listFolder(const QString &remotePath);
    int refresh();
    // Closes the session; every request still waiting ends at once.
    void disconnectFromServer();

    // Resolves a path against the current remote folder.
    QString resolve(const QString &path) const;
    static QString errorCodeText(int code);

signals:
    void connected(int code, const QString &text);
    void disconnected();
    void progress(qint64 position, qint64 total);
    void listItems(const QList<FtpListItem> &items);
    void folderListed(const QString &folder, const QList<FtpListItem> &items);
    void attributes(qint64 size);
    void done(int id, int code, const QString &text);
    void ftpReply(const QString &command, int code, const QString &text);
    void preTranslateCommand(const QString &command);

private:
    friend class FtpSessionWorker;
    int submit(int kind, const QString &a, const QString &b);
    int submit(FtpRequest request);
    bool current(int generation) const { return generation == m_generation->load(); }
    void finish(int generation, int id, int code, const QString &text, const QString &fingerprint,
                const QString &reason);

    QThread *m_thread = nullptr;
    FtpSessionWorker *m_worker = nullptr;
    // Raised by Disconnect: requests of an older generation are abandoned.
    std::shared_ptr<std::atomic<int>> m_generation;
    int m_nextId = 1;
    QSet<int> m_pending;
    int m_connectId = 0;
    bool m_connected = false;
    QString m_remotePath = QStringLiteral("/");
    QList<FtpListItem> m_listing;
    int m_lastError = NoError;
    QString m_lastErrorText;
    QString m_untrustedFingerprint;
    QString m_untrustedReason;
};
