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
class FtpWorker;

// One entry of a remote folder listing.
struct FtpListItem
{
    QString Name;
    bool IsFolder = false;
    qint64 Size = 0;
};

// What a connection is made with.
struct FtpConnectSettings
{
    QString Hostname;
    QString Login;
    QString Password;
    int Protocol = 0; // JDServerData::ProtocolIndex
    int Port = 21;
    bool Passive = true;
    int Timeout = 60; // seconds: for connecting, for each reply, and for a transfer that stops moving
    ProxySettings Proxy; // applied when its host is set
    QStringList TrustedFingerprints; // certificates and host keys accepted although unverified
    QString KnownHostsFile; // SSH known hosts; empty for the user's own
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
    bool IsConnected() const { return m_connected; }
    // The remote folder of the listing, absolute, ending with "/".
    QString RemotePath() const { return m_remotePath; }
    const QList<FtpListItem> &Listing() const { return m_listing; }
    int LastError() const { return m_lastError; }
    QString LastErrorText() const { return m_lastErrorText; }
    // After a connection refused as Untrusted: what was not trusted.
    QString UntrustedFingerprint() const { return m_untrustedFingerprint; }
    QString UntrustedReason() const { return m_untrustedReason; }

    // Each returns the request's id, or 0 when the request fails at once (LastError tells why).
    int Connect(const FtpConnectSettings &settings);
    int OpenFolder(const QString &path); // absolute, or relative to RemotePath
    int Put(const QString &localPath, const QString &remotePath);
    int MakeFolder(const QString &remotePath);
    int RequestAttributes(const QString &remotePath);
    // Lists a folder without making it the current one: FolderListed, then Done.
    int ListFolder(const QString &remotePath);
    int Refresh();
    // Closes the session; every request still waiting ends at once.
    void Disconnect();

    // Resolves a path against the current remote folder.
    QString Resolve(const QString &path) const;
    static QString ErrorCodeText(int code);

signals:
    void Connected(int code, const QString &text);
    void Disconnected();
    void Progress(qint64 position, qint64 total);
    void ListItems(const QList<FtpListItem> &items);
    void FolderListed(const QString &folder, const QList<FtpListItem> &items);
    void Attributes(qint64 size);
    void Done(int id, int code, const QString &text);
    void FtpReply(const QString &command, int code, const QString &text);
    void PreTranslateCommand(const QString &command);

private:
    friend class FtpWorker;
    int Submit(int kind, const QString &a, const QString &b);
    int Submit(FtpRequest request);
    bool Current(int generation) const { return generation == m_generation->load(); }
    void Finish(int generation, int id, int code, const QString &text, const QString &fingerprint,
                const QString &reason);

    QThread *m_thread = nullptr;
    FtpWorker *m_worker = nullptr;
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
