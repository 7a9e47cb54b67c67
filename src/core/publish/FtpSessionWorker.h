#pragma once

#include "FtpSession.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

typedef void CURL;
typedef void CURLM;

// The libcurl side of an FtpSession. Lives on the session's worker thread and runs one request at
// a time on one easy handle within one multi handle, so that the control connection and its
// login are reused from one request to the next. Reports back by queuing calls onto the session's thread.
class FtpSessionWorker : public QObject
{
    Q_OBJECT
public:
    using Request = FtpRequest;

    FtpSessionWorker(FtpSession *session, std::shared_ptr<std::atomic<int>> generation);
    ~FtpSessionWorker() override;

    void execute(const Request &request);

    // libcurl callbacks.
    void onDebug(int type, const QByteArray &data);
    bool onProgress(qint64 total, qint64 now);

private:
    struct Outcome
    {
        int code = FtpSession::NoError;
        QString text;
    };

    bool sftp() const;
    QString baseUrl() const;
    QString folderUrl(const QString &path) const;
    QString fileUrl(const QString &path) const;
    void setup(const QString &url);
    Outcome perform();
    Outcome translate(int curlCode);
    Outcome doConnect(const Request &r);
    Outcome doList(const QString &folder, QList<FtpListItem> *items);
    Outcome doPut(const QString &local, const QString &remote);
    Outcome doMakeFolder(const QString &remote);
    Outcome doAttributes(const QString &remote, qint64 *size);
    void close();

    template <typename F> void post(F &&f);

    FtpSession *m_session;
    std::shared_ptr<std::atomic<int>> m_generation;
    int m_requestGeneration = 0;
    CURL *m_curl = nullptr;
    CURLM *m_multi = nullptr; // holds the connection between requests
    FtpConnectSettings m_settings;
    bool m_noMlsd = false;
    QString m_entryPath = QStringLiteral("/");
    QString m_lastCommand;
    int m_lastReplyCode = 0;
    int m_quoteReply = 0; // the reply to MKD
    QString m_quoteReplyText;
    QByteArray m_received;
    char m_errorBuffer[256] = {};
    qint64 m_lastProgress = -1;
    bool m_reportProgress = false;

public:
    // Filled by the certificate and host key checks during a request.
    struct TrustCheck
    {
        QStringList trusted;
        QString host;
        QString foundFingerprint;
        QString reason;
        bool refused = false;
    };

private:
    TrustCheck m_trust;
};
