#include "FtpSessionWorker.h"

#include "FtpListing.h"
#include "ServerProfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <curl/curl.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <mutex>

using namespace Qt::StringLiterals;

namespace {

int trustIndex()
{
    static const int index = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return index;
}

QString certificateFingerprint(X509 *cert)
{
    unsigned char md[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!cert || X509_digest(cert, EVP_sha256(), md, &length) != 1)
        return {};
    const QByteArray hex = QByteArray(reinterpret_cast<const char *>(md), int(length)).toHex(':').toUpper();
    return u"SHA256:"_s + QString::fromLatin1(hex);
}

// Accepts a certificate that verifies and names the host, or one the user chose to trust;
// anything else is refused before a password is sent.
int verifyCertificate(int preverified, X509_STORE_CTX *store)
{
    SSL *ssl = static_cast<SSL *>(X509_STORE_CTX_get_ex_data(store, SSL_get_ex_data_X509_STORE_CTX_idx()));
    auto *check = ssl ? static_cast<FtpSessionWorker::TrustCheck *>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), trustIndex()))
                      : nullptr;
    if (!check)
        return preverified;
    X509 *leaf = X509_STORE_CTX_get0_cert(store);
    const QString fingerprint = certificateFingerprint(leaf);
    if (!fingerprint.isEmpty() && check->trusted.contains(fingerprint)) {
        X509_STORE_CTX_set_error(store, X509_V_OK);
        return 1;
    }
    if (!preverified) {
        check->refused = true;
        check->foundFingerprint = fingerprint;
        check->reason = QString::fromUtf8(X509_verify_cert_error_string(X509_STORE_CTX_get_error(store)));
        return 0;
    }
    if (X509_STORE_CTX_get_error_depth(store) == 0) {
        const QByteArray host = check->host.toUtf8();
        int matches = X509_check_ip_asc(leaf, host.constData(), 0);
        if (matches == -2) // not an address
            matches = X509_check_host(leaf, host.constData(), size_t(host.size()), 0, nullptr);
        if (matches != 1) {
            check->refused = true;
            check->foundFingerprint = fingerprint;
            check->reason = u"the certificate is not made out to %1"_s.arg(check->host);
            X509_STORE_CTX_set_error(store, X509_V_ERR_HOSTNAME_MISMATCH);
            return 0;
        }
    }
    return 1;
}

CURLcode setUpTls(CURL *, void *sslContext, void *check)
{
    auto *ctx = static_cast<SSL_CTX *>(sslContext);
    SSL_CTX_set_ex_data(ctx, trustIndex(), check);
    SSL_CTX_set_verify(ctx, SSL_VERIFY_PEER, verifyCertificate);
    return CURLE_OK;
}

int checkHostKey(CURL *, const curl_khkey *, const curl_khkey *found, curl_khmatch match, void *data)
{
    auto *check = static_cast<FtpSessionWorker::TrustCheck *>(data);
    if (match == CURLKHMATCH_OK)
        return CURLKHSTAT_FINE;
    const QByteArray raw = found->len ? QByteArray(found->key, qsizetype(found->len))
                                      : QByteArray::fromBase64(QByteArray(found->key));
    QByteArray digest = QCryptographicHash::hash(raw, QCryptographicHash::Sha256).toBase64();
    while (digest.endsWith('='))
        digest.chop(1);
    const QString fingerprint = u"SHA256:"_s + QString::fromLatin1(digest);
    if (check->trusted.contains(fingerprint))
        return CURLKHSTAT_FINE;
    check->refused = true;
    check->foundFingerprint = fingerprint;
    check->reason = match == CURLKHMATCH_MISMATCH ? u"the host key differs from the one known for this host"_s
                                                  : u"the host key is not known"_s;
    return CURLKHSTAT_REJECT;
}

int debug(CURL *, curl_infotype type, char *data, size_t size, void *worker)
{
    static_cast<FtpSessionWorker *>(worker)->onDebug(int(type), QByteArray(data, qsizetype(size)));
    return 0;
}

int transferInfo(void *worker, curl_off_t, curl_off_t, curl_off_t ultotal, curl_off_t ulnow)
{
    return static_cast<FtpSessionWorker *>(worker)->onProgress(ultotal, ulnow) ? 0 : 1;
}

size_t receiveChunk(char *data, size_t size, size_t count, void *buffer)
{
    static_cast<QByteArray *>(buffer)->append(data, qsizetype(size * count));
    return size * count;
}

size_t sendChunk(char *data, size_t size, size_t count, void *file)
{
    const qint64 read = static_cast<QFile *>(file)->read(data, qint64(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
}

QString encode(const QString &path)
{
    QStringList parts = path.split(u'/');
    for (QString &part : parts)
        part = QString::fromLatin1(QUrl::toPercentEncoding(part));
    return parts.join(u'/');
}

QString asFolder(QString path)
{
    if (!path.startsWith(u'/'))
        path.prepend(u'/');
    if (!path.endsWith(u'/'))
        path.append(u'/');
    return path;
}

QByteArray bytes(const QString &text) { return text.toUtf8(); }

} // namespace

FtpSessionWorker::FtpSessionWorker(FtpSession *session, std::shared_ptr<std::atomic<int>> generation)
    : m_session(session), m_generation(std::move(generation))
{
}

FtpSessionWorker::~FtpSessionWorker()
{
    close();
}

template <typename F> void FtpSessionWorker::post(F &&f)
{
    FtpSession *session = m_session;
    const int generation = m_requestGeneration;
    QMetaObject::invokeMethod(
        session, [session, generation, f = std::forward<F>(f)]() {
            if (session->current(generation))
                f();
        },
        Qt::QueuedConnection);
}

bool FtpSessionWorker::sftp() const { return m_settings.protocol == ServerProfile::Sftp; }

QString FtpSessionWorker::baseUrl() const
{
    const QString scheme = sftp() ? u"sftp"_s
        : m_settings.protocol == ServerProfile::FtpSslImplicit ? u"ftps"_s : u"ftp"_s;
    QString host = m_settings.hostname;
    if (host.contains(u':'))
        host = u'[' + host + u']';
    return scheme + u"://"_s + host + u':' + QString::number(m_settings.port);
}

// Paths are absolute: "%2F" makes the first folder the root for FTP, where a plain path would
// be taken relative to the login folder.
QString FtpSessionWorker::folderUrl(const QString &path) const
{
    const QString folder = asFolder(path);
    return sftp() ? QString(baseUrl() + encode(folder)) : QString(baseUrl() + u"/%2F"_s + encode(folder.mid(1)));
}

QString FtpSessionWorker::fileUrl(const QString &path) const
{
    QString file = path;
    if (!file.startsWith(u'/'))
        file.prepend(u'/');
    return sftp() ? QString(baseUrl() + encode(file)) : QString(baseUrl() + u"/%2F"_s + encode(file.mid(1)));
}

void FtpSessionWorker::setup(const QString &url)
{
    CURL *c = m_curl;
    curl_easy_reset(c);
    m_received.clear();
    m_errorBuffer[0] = '\0';
    m_trust.refused = false;
    m_trust.foundFingerprint.clear();
    m_trust.reason.clear();
    m_trust.trusted = m_settings.trustedFingerprints;
    m_trust.host = m_settings.hostname;

    curl_easy_setopt(c, CURLOPT_URL, bytes(url).constData());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, m_errorBuffer);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, debug);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, transferInfo);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, receiveChunk);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &m_received);

    const long timeout = std::max(1, m_settings.timeout);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, timeout);
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeout);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, timeout);

    if (!m_settings.login.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, bytes(m_settings.login).constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, bytes(m_settings.password).constData());
    }

    // Commands name full paths instead of changing folder first: after a CWD, this libcurl
    // (7.88) waits a second for each passive data connection of a transfer in the same folder.
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    if (!m_settings.passive)
        curl_easy_setopt(c, CURLOPT_FTPPORT, "-");
    switch (m_settings.protocol) {
    case ServerProfile::FtpSsl:
        curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_CONTROL));
        break;
    case ServerProfile::FtpSslData:
    case ServerProfile::FtpSslImplicit:
        curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        // Servers want every data connection to resume the control connection's TLS session.
        // A TLS 1.3 session ticket resumes once, and libcurl takes no fresh ticket from a data
        // connection it only uploads on, so the one after an upload is refused ("522 ... session
        // reuse required"). TLS 1.2 sessions resume as often as needed.
        curl_easy_setopt(c, CURLOPT_SSLVERSION, long(CURL_SSLVERSION_DEFAULT) | long(CURL_SSLVERSION_MAX_TLSv1_2));
        break;
    default:
        break;
    }
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 0L); // checked in VerifyCertificate
    curl_easy_setopt(c, CURLOPT_SSL_CTX_FUNCTION, setUpTls);
    curl_easy_setopt(c, CURLOPT_SSL_CTX_DATA, &m_trust);

    if (sftp()) {
        const QString knownHosts = m_settings.knownHostsFile.isEmpty()
            ? QDir::homePath() + u"/.ssh/known_hosts"_s : m_settings.knownHostsFile;
        curl_easy_setopt(c, CURLOPT_SSH_KNOWNHOSTS, bytes(knownHosts).constData());
        curl_easy_setopt(c, CURLOPT_SSH_KEYFUNCTION, checkHostKey);
        curl_easy_setopt(c, CURLOPT_SSH_KEYDATA, &m_trust);
    }

    const ProxySettings &proxy = m_settings.proxy;
    if (proxy.hostName.trimmed().isEmpty()) {
        curl_easy_setopt(c, CURLOPT_PROXY, ""); // not the environment's either
    } else {
        curl_easy_setopt(c, CURLOPT_PROXY, bytes(proxy.hostName.trimmed()).constData());
        const long port = proxy.port.trimmed().toLong();
        if (port > 0)
            curl_easy_setopt(c, CURLOPT_PROXYPORT, port);
        long type = CURLPROXY_HTTP;
        if (proxy.type == u"Socks4"_s)
            type = CURLPROXY_SOCKS4;
        else if (proxy.type == u"Socks4a"_s)
            type = CURLPROXY_SOCKS4A;
        else if (proxy.type == u"Socks5"_s)
            type = CURLPROXY_SOCKS5_HOSTNAME;
        curl_easy_setopt(c, CURLOPT_PROXYTYPE, type);
        if (type == CURLPROXY_HTTP)
            curl_easy_setopt(c, CURLOPT_HTTPPROXYTUNNEL, 1L);
        if (!proxy.login.isEmpty()) {
            curl_easy_setopt(c, CURLOPT_PROXYUSERNAME, bytes(proxy.login).constData());
            curl_easy_setopt(c, CURLOPT_PROXYPASSWORD, bytes(proxy.password).constData());
        }
    }
}

// Strings given to curl_easy_setopt are copied by libcurl, so Setup's temporaries are safe.
FtpSessionWorker::Outcome FtpSessionWorker::perform()
{
    if (curl_multi_add_handle(m_multi, m_curl) != CURLM_OK)
        return {FtpSession::OtherError, u"The request could not be started."_s};
    // This libcurl (7.88) now and then leaves a passive data connection that is still being made
    // out of the sockets it waits on, and only notices it at its next timer, a second later. Short
    // waits keep such a stall short; while data flows, the sockets wake the wait anyway.
    constexpr int LongestWaitMs = 10;
    int running = 1;
    CURLMcode status = CURLM_OK;
    while (status == CURLM_OK) {
        status = curl_multi_perform(m_multi, &running);
        if (status != CURLM_OK || running == 0)
            break;
        long due = -1;
        curl_multi_timeout(m_multi, &due);
        const int wait = due < 0 || due > LongestWaitMs ? LongestWaitMs : int(due);
        status = curl_multi_poll(m_multi, nullptr, 0, wait, nullptr);
    }
    CURLcode result = status == CURLM_OK ? CURLE_OK : CURLE_FAILED_INIT;
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == m_curl)
            result = message->data.result;
    }
    curl_multi_remove_handle(m_multi, m_curl);
    return translate(result);
}

FtpSessionWorker::Outcome FtpSessionWorker::translate(int curlCode)
{
    const auto code = CURLcode(curlCode);
    const QString detail = m_errorBuffer[0] ? QString::fromUtf8(m_errorBuffer)
                                            : QString::fromUtf8(curl_easy_strerror(code));
    if (code == CURLE_OK)
        return {};
    if (m_trust.refused) {
        if (sftp())
            return {FtpSession::Untrusted, u"The server's host key could not be checked: %1 (%2)."_s
                                               .arg(m_trust.reason, m_trust.foundFingerprint)};
        return {FtpSession::Untrusted, u"The server's certificate could not be verified: %1 (%2)."_s
                                           .arg(m_trust.reason, m_trust.foundFingerprint)};
    }
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return {FtpSession::HostNotFound, u"Host not found."_s};
    case CURLE_COULDNT_RESOLVE_PROXY:
        return {FtpSession::CouldNotConnect, u"Proxy host not found."_s};
    case CURLE_COULDNT_CONNECT:
        return {FtpSession::CouldNotConnect, u"Could not connect to the server: %1"_s.arg(detail)};
    case CURLE_OPERATION_TIMEDOUT:
        return {FtpSession::TimedOut, u"The server did not answer within %1 seconds."_s
                                          .arg(std::max(1, m_settings.timeout))};
    case CURLE_LOGIN_DENIED:
        return {FtpSession::LoginDenied, u"Login denied."_s};
    case CURLE_ABORTED_BY_CALLBACK:
        return {FtpSession::Aborted, u"Cancelled."_s};
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return {FtpSession::Untrusted, u"The server could not be verified: %1"_s.arg(detail)};
    case CURLE_READ_ERROR:
        return {FtpSession::LocalFileError, detail};
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_PARTIAL_FILE:
        return {FtpSession::RemoteFailed, u"The connection to the server was lost: %1"_s.arg(detail)};
    default:
        return {FtpSession::RemoteFailed, detail};
    }
}

void FtpSessionWorker::onDebug(int type, const QByteArray &data)
{
    if (type != CURLINFO_HEADER_OUT && type != CURLINFO_HEADER_IN)
        return;
    for (QByteArray line : data.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        QString text = QString::fromUtf8(line);
        if (type == CURLINFO_HEADER_OUT) {
            if (text.startsWith(u"PASS"_s, Qt::CaseInsensitive))
                text = u"PASS ****"_s;
            m_lastCommand = text;
            post([s = m_session, text] { emit s->preTranslateCommand(text); });
        } else {
            const bool final = text.size() >= 4 && text.at(3) == u' ';
            const int code = final ? text.left(3).toInt() : 0;
            const QString command = m_lastCommand;
            m_lastReplyCode = final ? code : m_lastReplyCode;
            if (final && command.startsWith(u"MKD "_s)) {
                m_quoteReply = code;
                m_quoteReplyText = text;
            }
            post([s = m_session, command, code, text] { emit s->ftpReply(command, code, text); });
        }
    }
}

bool FtpSessionWorker::onProgress(qint64 total, qint64 now)
{
    if (m_generation->load() != m_requestGeneration)
        return false;
    if (m_reportProgress && now != m_lastProgress) {
        m_lastProgress = now;
        post([s = m_session, now, total] { emit s->progress(now, total); });
    }
    return true;
}

void FtpSessionWorker::close()
{
    if (m_curl) {
        // The goodbye must not hold up a closing window when the server has stopped answering.
        // The multi handle says it, with the limits of the last handle added to it.
        curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, 2L);
        curl_easy_setopt(m_curl, CURLOPT_TIMEOUT, 3L);
        curl_easy_setopt(m_curl, CURLOPT_VERBOSE, 0L);
        if (m_multi && curl_multi_add_handle(m_multi, m_curl) == CURLM_OK)
            curl_multi_remove_handle(m_multi, m_curl);
        curl_easy_cleanup(m_curl);
    }
    if (m_multi)
        curl_multi_cleanup(m_multi);
    m_curl = nullptr;
    m_multi = nullptr;
}

FtpSessionWorker::Outcome FtpSessionWorker::doConnect(const Request &r)
{
    close();
    m_settings = r.settings;
    m_noMlsd = false;
    m_entryPath = u"/"_s;
    const ProxySettings &proxy = m_settings.proxy;
    if (!proxy.hostName.trimmed().isEmpty()) {
        static const QStringList supported = {u"Socks4"_s, u"Socks4a"_s, u"Socks5"_s, u"Web Standard"_s};
        if (proxy.type == u"Relay"_s)
            return {FtpSession::ProxyNotSupported, u"Relay proxies are not supported."_s};
        if (!supported.contains(proxy.type))
            return {FtpSession::ProxyNotSupported, u"The proxy type \"%1\" is not supported."_s.arg(proxy.type)};
    }
    m_curl = curl_easy_init();
    m_multi = curl_multi_init();
    if (!m_curl || !m_multi) {
        close();
        return {FtpSession::OtherError, u"The connection could not be set up."_s};
    }
    setup(baseUrl() + u"/"_s);
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    Outcome result = perform();
    if (result.code != FtpSession::NoError) {
        close();
        return result;
    }
    char *entry = nullptr;
    if (curl_easy_getinfo(m_curl, CURLINFO_FTP_ENTRY_PATH, &entry) == CURLE_OK && entry && *entry)
        m_entryPath = asFolder(QString::fromUtf8(entry));
    const QString entryPath = m_entryPath;
    post([s = m_session, entryPath] {
        s->m_remotePath = entryPath;
        emit s->connected(0, QString());
    });
    QList<FtpListItem> items;
    if (doList(m_entryPath, &items).code == FtpSession::NoError) {
        post([s = m_session, entryPath, items] {
            s->m_listing = items;
            emit s->listItems(items);
        });
    }
    return {};
}

FtpSessionWorker::Outcome FtpSessionWorker::doList(const QString &folder, QList<FtpListItem> *items)
{
    if (!sftp() && !m_noMlsd) {
        setup(folderUrl(folder));
        curl_easy_setopt(m_curl, CURLOPT_CUSTOMREQUEST, "MLSD");
        m_lastReplyCode = 0;
        const Outcome result = perform();
        if (result.code == FtpSession::NoError) {
            *items = FtpListing::parseMlsd(m_received);
            return result;
        }
        if (m_lastReplyCode < 500 || m_lastReplyCode > 504)
            return result;
        m_noMlsd = true; // the server does not know the command
    }
    setup(folderUrl(folder));
    const Outcome result = perform();
    if (result.code == FtpSession::NoError)
        *items = FtpListing::parseList(m_received);
    return result;
}

FtpSessionWorker::Outcome FtpSessionWorker::doPut(const QString &local, const QString &remote)
{
    QFile file(local);
    if (!file.open(QIODevice::ReadOnly))
        return {FtpSession::LocalFileError, u"Cannot read %1: %2"_s.arg(local, file.errorString())};
    setup(fileUrl(remote));
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, sendChunk);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, &file);
    curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    m_reportProgress = true;
    m_lastProgress = -1;
    const Outcome result = perform();
    m_reportProgress = false;
    return result;
}

FtpSessionWorker::Outcome FtpSessionWorker::doMakeFolder(const QString &remote)
{
    QString path = remote;
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    setup(folderUrl(m_entryPath));
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    // "*": a refused MKD (most of the time the folder is there already) must not make libcurl
    // drop the connection and log in again; the reply tells the outcome instead.
    const QByteArray command = sftp() ? bytes(u"mkdir \""_s + path + u"\""_s) : bytes(u"*MKD "_s + path);
    curl_slist *quote = curl_slist_append(nullptr, command.constData());
    curl_easy_setopt(m_curl, CURLOPT_QUOTE, quote);
    m_quoteReply = 0;
    m_quoteReplyText.clear();
    Outcome result = perform();
    curl_easy_setopt(m_curl, CURLOPT_QUOTE, nullptr);
    curl_slist_free_all(quote);
    if (result.code == FtpSession::NoError && m_quoteReply >= 400)
        result = {FtpSession::RemoteFailed, m_quoteReplyText};
    return result;
}

FtpSessionWorker::Outcome FtpSessionWorker::doAttributes(const QString &remote, qint64 *size)
{
    setup(fileUrl(remote));
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(m_curl, CURLOPT_FILETIME, 1L);
    const Outcome result = perform();
    if (result.code == FtpSession::NoError) {
        curl_off_t length = -1;
        curl_easy_getinfo(m_curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        *size = length < 0 ? 0 : qint64(length);
    }
    return result;
}

void FtpSessionWorker::execute(const Request &r)
{
    m_requestGeneration = r.generation;
    if (r.kind == FtpRequest::Close) {
        close();
        return;
    }
    Outcome result;
    if (m_generation->load() != r.generation) {
        result = {FtpSession::Aborted, u"Cancelled."_s};
    } else if (r.kind != FtpRequest::Connect && !m_curl) {
        result = {FtpSession::NotConnected, u"Not connected."_s};
    } else {
        switch (r.kind) {
        case FtpRequest::Connect:
            result = doConnect(r);
            break;
        case FtpRequest::Open: {
            QList<FtpListItem> items;
            result = doList(r.a, &items);
            if (result.code == FtpSession::NoError) {
                const QString folder = asFolder(r.a);
                post([s = m_session, folder, items] {
                    s->m_remotePath = folder;
                    s->m_listing = items;
                    emit s->listItems(items);
                });
            }
            break;
        }
        case FtpRequest::List: {
            QList<FtpListItem> items;
            result = doList(r.a, &items);
            if (result.code == FtpSession::NoError) {
                const QString folder = asFolder(r.a);
                post([s = m_session, folder, items] { emit s->folderListed(folder, items); });
            }
            break;
        }
        case FtpRequest::Put:
            result = doPut(r.a, r.b);
            break;
        case FtpRequest::MakeFolder:
            result = doMakeFolder(r.a);
            break;
        case FtpRequest::Attributes: {
            qint64 size = 0;
            result = doAttributes(r.a, &size);
            if (result.code == FtpSession::NoError)
                post([s = m_session, size] { emit s->attributes(size); });
            break;
        }
        case FtpRequest::Close:
            break;
        }
    }
    if (sftp() && result.code == FtpSession::LoginDenied) {
        // SFTP has no reply codes; the window recognises a refused login by the FTP one.
        const QString command = u"USER "_s + m_settings.login;
        post([s = m_session, command] { emit s->ftpReply(command, 530, u"530 Login denied."_s); });
    }
    const int id = r.id;
    const int generation = r.generation;
    const QString fingerprint = result.code == FtpSession::Untrusted ? m_trust.foundFingerprint : QString();
    const QString reason = m_trust.reason;
    post([s = m_session, generation, id, result, fingerprint, reason] {
        s->finish(generation, id, result.code, result.text, fingerprint, reason);
    });
}
