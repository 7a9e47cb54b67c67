#include "GalleryUploader.h"

#include "Utils.h"

#include <QDateTime>
#include <QEventLoop>
#include <QLocale>

using namespace Qt::StringLiterals;

const QString GalleryUploader::AnonymousPassword = u"PelliconFTP@"_s;
const QString GalleryUploader::LoginErrorText =
    u"Login Error: The Username and/or Password supplied are incorrect.\n\rPlease check your server settings and try again."_s;
const QString GalleryUploader::SiteNotFoundText =
    u"Site not found. Make sure you are connected to the internet and your hostname is spelled correctly."_s;

GalleryUploader::GalleryUploader(QObject *parent) : QObject(parent), m_session(new FtpSession(this))
{
    connect(m_session, &FtpSession::done, this, &GalleryUploader::onDone);
    connect(m_session, &FtpSession::progress, this, &GalleryUploader::onProgress);
    connect(m_session, &FtpSession::attributes, this, [this](qint64 size) { m_attributeMarker = size; });
    connect(m_session, &FtpSession::listItems, this, [this] { emit remotePathChanged(m_session->remotePath()); });
    connect(m_session, &FtpSession::preTranslateCommand, this,
            [this](const QString &command) { emit logLine(command, LogCommand); });
    connect(m_session, &FtpSession::ftpReply, this, [this](const QString &, int code, const QString &text) {
        emit logLine(text, LogReply);
        if (code == 530)
            emit loginFailed();
    });
    connect(m_session, &FtpSession::connected, this, [this] {
        if (!m_initialFolder.isEmpty())
            m_openAfterConnect = m_session->openFolder(m_initialFolder);
    });
    connect(m_session, &FtpSession::disconnected, this, [this] { emit statusText(u"Disconnected"_s); });
}

GalleryUploader::~GalleryUploader() = default;

QString GalleryUploader::sizeText(qint64 n)
{
    const QLocale locale;
    if (n < 1)
        return u"0"_s;
    if (n < 1024)
        return QString::number(n) + u" Bytes"_s;
    if (n < 1048576)
        return QString::number(n / 1024) + u" KB"_s;
    if (n < 1073741824)
        return locale.toString(double(n) / 1048576.0, 'f', 2) + u" MB"_s;
    return locale.toString(double(n) / 1073741824.0, 'f', 2) + u" GB"_s;
}

void GalleryUploader::onProgress(qint64 position, qint64 total)
{
    emit progressText(sizeText(position) + u" of "_s + sizeText(total) + u" complete"_s);
    emit progressBar(int(std::max<qint64>(0, total / 1000)), int(std::max<qint64>(0, position / 1000)));
}

void GalleryUploader::onDone(int id, int code, const QString &text)
{
    m_finished.insert(id);
    m_results.insert(id, {code, text});
    if (id == m_waitingFor)
        m_completed = true;
    emit logLine(QString(), LogText);
}

void GalleryUploader::prepareWait()
{
    m_completed = false;
}

int GalleryUploader::doFTPwait(int requestId)
{
    m_waitingFor = requestId;
    if (!m_finished.contains(requestId)) {
        QEventLoop loop;
        const auto stop = connect(m_session, &FtpSession::done, &loop, [&loop, requestId](int id) {
            if (id == requestId)
                loop.quit();
        });
        loop.exec();
        disconnect(stop);
    }
    m_completed = true;
    m_waitingFor = 0;
    m_finished.remove(requestId);
    const auto result = m_results.take(requestId);
    m_lastCode = result.first;
    m_lastText = result.second;
    return result.first;
}

bool GalleryUploader::connectProfile(ServerProfile &profile)
{
    m_initialFolder = profile.hostDirName;
    m_openAfterConnect = 0;
    if (m_session->isConnected())
        m_session->disconnectFromServer();
    emit statusText(u"Connecting to "_s + profile.hostName);
    emit logCleared();
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    emit logLine(u"Connecting to "_s + profile.hostName + u"         "_s
                     + locale.toString(now.date(), QLocale::ShortFormat) + u' '
                     + locale.toString(now.time(), QLocale::LongFormat),
                 LogText);

    FtpConnectSettings settings;
    settings.hostname = profile.hostName.trimmed();
    if (profile.anonymous) {
        m_login = u"anonymous"_s;
        m_password = AnonymousPassword;
    } else if (!profile.username.isEmpty() && !profile.password.isEmpty()) {
        m_login = profile.username.trimmed();
        m_password = profile.password.trimmed();
    } // otherwise the login of the previous connection stays in force
    settings.login = m_login;
    settings.password = m_password;
    settings.protocol = profile.protocol;
    settings.port = profile.port;
    settings.passive = profile.passiveMode;
    settings.timeout = profile.timeout;
    settings.proxy = m_proxy;
    settings.knownHostsFile = m_knownHosts;

    for (;;) {
        settings.trustedFingerprints = profile.trustedFingerprints + m_trustedOnce;
        prepareWait();
        const int id = m_session->connectToServer(settings);
        const int code = doFTPwait(id);
        if (code == FtpSession::NoError)
            break;
        const QString fingerprint = m_session->untrustedFingerprint();
        if (code == FtpSession::Untrusted && m_trustQuestion && !fingerprint.isEmpty()
            && !settings.trustedFingerprints.contains(fingerprint)) {
            emit logLine(m_lastText, LogError);
            const TrustChoice choice = m_trustQuestion(fingerprint, m_session->untrustedReason());
            if (choice == TrustChoice::Always) {
                profile.trustedFingerprints.append(fingerprint);
                continue;
            }
            if (choice == TrustChoice::Once) {
                m_trustedOnce.append(fingerprint);
                continue;
            }
        }
        m_session->disconnectFromServer();
        emit statusText(u"Error Connecting"_s);
        emit logLine(m_lastText, LogError);
        if (m_lastText == u"Host not found."_s)
            emit siteNotFound();
        return false;
    }
    if (m_openAfterConnect)
        doFTPwait(m_openAfterConnect);
    emit connectedTo(profile.itemName);
    emit statusText(u"Connected"_s);
    emit logLine(u"Connected."_s, LogText);
    return true;
}

void GalleryUploader::disconnectFromServer()
{
    m_session->disconnectFromServer();
}

bool GalleryUploader::uploadFile(const QString &remotePath, const QString &localPath)
{
    emit statusText(u"Uploading "_s + localPath + u"..."_s);
    emit logLine(u"UPLOADING: "_s + localPath, LogUploading);
    prepareWait();
    const int id = m_session->put(m_galleryFolder + localPath, remotePath);
    if (!id)
        return false;
    return doFTPwait(id) == FtpSession::NoError;
}

void GalleryUploader::remoteFileExists(const QString &remotePath)
{
    prepareWait();
    m_attributeMarker = NoAttributes;
    const int id = m_session->requestAttributes(remotePath);
    if (id)
        doFTPwait(id);
}

QStringList GalleryUploader::upload(const QString &galleryFolder, const QStringList &uploadFiles,
                                const QStringList &uploadImageFiles)
{
    QStringList failed;
    if (m_uploading)
        return failed;
    m_uploading = true;
    m_galleryFolder = includeTrailingSlash(galleryFolder);
    const auto notUploaded = [&](const QString &local) {
        failed.append(local);
        const QString reason = m_lastText.isEmpty() ? m_session->lastErrorText() : m_lastText;
        emit logLine(u"NOT UPLOADED: "_s + local + u" ("_s + reason + u')', LogError);
    };

    if (m_session->isConnected()) {
        emit progressVisible(true);
        QString folder = m_session->remotePath();
        if (!folder.endsWith(u'/'))
            folder += u'/';
        const QString images = folder + u"images/"_s;

        prepareWait();
        if (const int id = m_session->makeFolder(folder + u"images"_s))
            doFTPwait(id);

        // One listing of the images folder answers every existence question at once; the
        // attributes of each file are asked only when the listing cannot be had.
        QSet<QString> present;
        bool listed = false;
        QMetaObject::Connection listing = connect(m_session, &FtpSession::folderListed, this,
            [&](const QString &, const QList<FtpListItem> &items) {
                for (const FtpListItem &item : items) {
                    if (!item.isFolder)
                        present.insert(item.name);
                }
            });
        prepareWait();
        if (const int id = m_session->listFolder(images))
            listed = doFTPwait(id) == FtpSession::NoError;
        disconnect(listing);

        for (const QString &name : uploadImageFiles) {
            bool exists;
            if (listed) {
                exists = present.contains(name);
            } else {
                remoteFileExists(images + name);
                exists = m_attributeMarker != NoAttributes;
            }
            if (exists) {
                emit logLine(u"NOT UPLOADING FILE EXISTS:  images/"_s + name, LogText);
                continue;
            }
            m_lastText.clear();
            if (uploadFile(images + name, u"images/"_s + name))
                present.insert(name);
            else
                notUploaded(u"images/"_s + name);
        }

        // The gallery file and the page go last, so that a visitor never gets a page whose
        // pictures are still missing.
        QStringList ordered, last;
        for (const QString &file : uploadFiles) {
            if (file.endsWith(u".xml"_s, Qt::CaseInsensitive))
                last.prepend(file);
            else if (file.endsWith(u".html"_s, Qt::CaseInsensitive))
                last.append(file);
            else
                ordered.append(file);
        }
        for (const QString &file : ordered + last) {
            m_lastText.clear();
            if (!uploadFile(folder + fileNamePart(file), file))
                notUploaded(file);
        }
    }

    emit progressVisible(false);
    if (m_session->isConnected())
        m_session->refresh();
    if (failed.isEmpty()) {
        emit statusText(u"Done."_s);
    } else {
        for (const QString &file : failed)
            emit logLine(u"COULD NOT UPLOAD: "_s + file, LogError);
        emit statusText(u"Done, %1 files could not be uploaded."_s.arg(failed.size()));
    }
    m_uploading = false;
    return failed;
}
