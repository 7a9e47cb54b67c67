#include "FtpSession.h"

#include "FtpSessionWorker.h"

#include <QThread>

#include <curl/curl.h>

#include <mutex>

using namespace Qt::StringLiterals;

FtpSession::FtpSession(QObject *parent)
    : QObject(parent), m_generation(std::make_shared<std::atomic<int>>(0))
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_thread = new QThread(this);
    m_thread->setObjectName(u"FtpSession"_s);
    m_worker = new FtpSessionWorker(this, m_generation);
    m_worker->moveToThread(m_thread);
    m_thread->start();
}

FtpSession::~FtpSession()
{
    m_generation->fetch_add(1); // the running request gives up at its next progress call
    FtpSessionWorker *worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker] { delete worker; }, Qt::QueuedConnection);
    m_thread->quit();
    m_thread->wait();
}

QString FtpSession::errorCodeText(int code)
{
    switch (code) {
    case NoError: return u"No error."_s;
    case HostNotFound: return u"Host not found."_s;
    case CouldNotConnect: return u"Could not connect to the server."_s;
    case LoginDenied: return u"Login denied."_s;
    case TimedOut: return u"The server did not answer in time."_s;
    case Untrusted: return u"The server could not be verified."_s;
    case NotConnected: return u"Not connected."_s;
    case Aborted: return u"Cancelled."_s;
    case LocalFileError: return u"A local file could not be read."_s;
    case ProxyNotSupported: return u"The proxy type is not supported."_s;
    case RemoteFailed: return u"The server refused the request."_s;
    default: return u"The request failed."_s;
    }
}

QString FtpSession::resolve(const QString &path) const
{
    if (path.startsWith(u'/'))
        return path;
    QString base = m_remotePath;
    if (!base.endsWith(u'/'))
        base += u'/';
    QStringList parts;
    for (const QString &part : QString(base + path).split(u'/', Qt::SkipEmptyParts)) {
        if (part == u".."_s) {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (part != u"."_s) {
            parts.append(part);
        }
    }
    QString resolved = u"/"_s + parts.join(u'/');
    if (path.endsWith(u'/') && !resolved.endsWith(u'/'))
        resolved += u'/';
    return resolved;
}

int FtpSession::submit(int kind, const QString &a, const QString &b)
{
    FtpRequest request;
    request.kind = FtpRequest::Kind(kind);
    request.a = a;
    request.b = b;
    return submit(request);
}

int FtpSession::submit(FtpRequest request)
{
    if (request.kind != FtpRequest::Connect && !m_connected) {
        m_lastError = NotConnected;
        m_lastErrorText = errorCodeText(NotConnected);
        return 0;
    }
    request.id = m_nextId++;
    request.generation = m_generation->load();
    m_pending.insert(request.id);
    FtpSessionWorker *worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker, request] { worker->execute(request); }, Qt::QueuedConnection);
    return request.id;
}

int FtpSession::connectToServer(const FtpConnectSettings &settings)
{
    if (m_connected)
        disconnectFromServer();
    m_untrustedFingerprint.clear();
    m_untrustedReason.clear();
    m_remotePath = u"/"_s;
    m_listing.clear();
    FtpRequest request;
    request.kind = FtpRequest::Connect;
    request.settings = settings;
    const int id = submit(request);
    m_connected = true;
    m_connectId = id;
    return id;
}

int FtpSession::openFolder(const QString &path)
{
    return submit(FtpRequest::Open, resolve(path), {});
}

int FtpSession::put(const QString &localPath, const QString &remotePath)
{
    return submit(FtpRequest::Put, localPath, resolve(remotePath));
}

int FtpSession::makeFolder(const QString &remotePath)
{
    return submit(FtpRequest::MakeFolder, resolve(remotePath), {});
}

int FtpSession::requestAttributes(const QString &remotePath)
{
    return submit(FtpRequest::Attributes, resolve(remotePath), {});
}

int FtpSession::listFolder(const QString &remotePath)
{
    return submit(FtpRequest::List, resolve(remotePath), {});
}

int FtpSession::refresh()
{
    return submit(FtpRequest::Open, m_remotePath, {});
}

void FtpSession::disconnectFromServer()
{
    const bool wasConnected = m_connected;
    m_generation->fetch_add(1);
    m_connected = false;
    FtpSessionWorker *worker = m_worker;
    const int generation = m_generation->load();
    QMetaObject::invokeMethod(worker, [worker, generation] {
        FtpRequest close;
        close.kind = FtpRequest::Close;
        close.generation = generation;
        worker->execute(close);
    }, Qt::QueuedConnection);
    // Requests still waiting end now; their late answers belong to the old generation.
    const QList<int> pending(m_pending.begin(), m_pending.end());
    m_pending.clear();
    if (wasConnected)
        emit disconnected();
    for (int id : pending)
        emit done(id, Aborted, errorCodeText(Aborted));
}

void FtpSession::finish(int generation, int id, int code, const QString &text, const QString &fingerprint,
                        const QString &reason)
{
    if (!current(generation))
        return;
    m_pending.remove(id);
    if (id == m_connectId && code != NoError)
        m_connected = false;
    if (code != NoError) {
        m_lastError = code;
        m_lastErrorText = text;
        if (code == Untrusted) {
            m_untrustedFingerprint = fingerprint;
            m_untrustedReason = reason;
        }
    }
    emit done(id, code, text);
}
