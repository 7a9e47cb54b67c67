#include "FtpUploader.h"

#include "app/Utils.h"

#include <QDateTime>
#include <QEventLoop>
#include <QLocale>

using namespace Qt::StringLiterals;

const QString FtpUploader::AnonymousPassword = u"PelliconFTP@"_s;
const QString FtpUploader::LoginErrorText =
    u"Login Error: The Username and/or Password supplied are incorrect.\n\rPlease check your server settings and try again."_s;
const QString FtpUploader::SiteNotFoundText =
    u"Site not found. Make sure you are connected to the internet and your hostname is spelled correctly."_s;

FtpUploader::FtpUploader(QObject *parent) : QObject(parent), m_session(new FtpSession(this))
{
    connect(m_session, &FtpSession::Done, this, &FtpUploader::OnDone);
    connect(m_session, &FtpSession::Progress, this, &FtpUploader::OnProgress);
    connect(m_session, &FtpSession::Attributes, this, [this](qint64 size) { m_attributeMarker = size; });
    connect(m_session, &FtpSession::ListItems, this, [this] { emit RemotePathChanged(m_session->RemotePath()); });
    connect(m_session, &FtpSession::PreTranslateCommand, this,
            [this](const QString &command) { emit LogLine(command, LogCommand); });
    connect(m_session, &FtpSession::FtpReply, this, [this](const QString &, int code, const QString &text) {
        emit LogLine(text, LogReply);
        if (code == 530)
            emit LoginFailed();
    });
    connect(m_session, &FtpSession::Connected, this, [this] {
        if (!m_initialFolder.isEmpty())
            m_openAfterConnect = m_session->OpenFolder(m_initialFolder);
    });
    connect(m_session, &FtpSession::Disconnected, this, [this] { emit StatusText(u"Disconnected"_s); });
}

FtpUploader::~FtpUploader() = default;

QString FtpUploader::SizeText(qint64 n)
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

void FtpUploader::OnProgress(qint64 position, qint64 total)
{
    emit ProgressText(SizeText(position) + u" of "_s + SizeText(total) + u" complete"_s);
    emit ProgressBar(int(std::max<qint64>(0, total / 1000)), int(std::max<qint64>(0, position / 1000)));
}

void FtpUploader::OnDone(int id, int code, const QString &text)
{
    m_finished.insert(id);
    m_results.insert(id, {code, text});
    if (id == m_waitingFor)
        m_completed = true;
    emit LogLine(QString(), LogText);
}

void FtpUploader::prepareWait()
{
    m_completed = false;
}

int FtpUploader::doFTPwait(int requestId)
{
    m_waitingFor = requestId;
    if (!m_finished.contains(requestId)) {
        QEventLoop loop;
        const auto stop = connect(m_session, &FtpSession::Done, &loop, [&loop, requestId](int id) {
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

bool FtpUploader::connectProfile(JDServerData &profile)
{
    m_initialFolder = profile.HostDirName;
    m_openAfterConnect = 0;
    if (m_session->IsConnected())
        m_session->Disconnect();
    emit StatusText(u"Connecting to "_s + profile.HostName);
    emit LogCleared();
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    emit LogLine(u"Connecting to "_s + profile.HostName + u"         "_s
                     + locale.toString(now.date(), QLocale::ShortFormat) + u' '
                     + locale.toString(now.time(), QLocale::LongFormat),
                 LogText);

    FtpConnectSettings settings;
    settings.Hostname = profile.HostName.trimmed();
    if (profile.Anonymous) {
        m_login = u"anonymous"_s;
        m_password = AnonymousPassword;
    } else if (!profile.Username.isEmpty() && !profile.Password.isEmpty()) {
        m_login = profile.Username.trimmed();
        m_password = profile.Password.trimmed();
    } // otherwise the login of the previous connection stays in force
    settings.Login = m_login;
    settings.Password = m_password;
    settings.Protocol = profile.Protocol;
    settings.Port = profile.Port;
    settings.Passive = profile.PassiveMode;
    settings.Timeout = profile.Timeout;
    settings.Proxy = m_proxy;
    settings.KnownHostsFile = m_knownHosts;

    for (;;) {
        settings.TrustedFingerprints = profile.TrustedFingerprints + m_trustedOnce;
        prepareWait();
        const int id = m_session->Connect(settings);
        const int code = doFTPwait(id);
        if (code == FtpSession::NoError)
            break;
        const QString fingerprint = m_session->UntrustedFingerprint();
        if (code == FtpSession::Untrusted && m_trustQuestion && !fingerprint.isEmpty()
            && !settings.TrustedFingerprints.contains(fingerprint)) {
            emit LogLine(m_lastText, LogError);
            const TrustChoice choice = m_trustQuestion(fingerprint, m_session->UntrustedReason());
            if (choice == TrustChoice::Always) {
                profile.TrustedFingerprints.append(fingerprint);
                continue;
            }
            if (choice == TrustChoice::Once) {
                m_trustedOnce.append(fingerprint);
                continue;
            }
        }
        m_session->Disconnect();
        emit StatusText(u"Error Connecting"_s);
        emit LogLine(m_lastText, LogError);
        if (m_lastText == u"Host not found."_s)
            emit SiteNotFound();
        return false;
    }
    if (m_openAfterConnect)
        doFTPwait(m_openAfterConnect);
    emit ConnectedTo(profile.ItemName);
    emit StatusText(u"Connected"_s);
    emit LogLine(u"Connected."_s, LogText);
    return true;
}

void FtpUploader::Disconnect()
{
    m_session->Disconnect();
}

bool FtpUploader::uploadFile(const QString &remotePath, const QString &localPath)
{
    emit StatusText(u"Uploading "_s + localPath + u"..."_s);
    emit LogLine(u"UPLOADING: "_s + localPath, LogUploading);
    prepareWait();
    const int id = m_session->Put(m_galleryFolder + localPath, remotePath);
    if (!id)
        return false;
    return doFTPwait(id) == FtpSession::NoError;
}

void FtpUploader::remoteFileExists(const QString &remotePath)
{
    prepareWait();
    m_attributeMarker = NoAttributes;
    const int id = m_session->RequestAttributes(remotePath);
    if (id)
        doFTPwait(id);
}

QStringList FtpUploader::Upload(const QString &galleryFolder, const QStringList &uploadFiles,
                                const QStringList &uploadImageFiles)
{
    QStringList failed;
    if (m_uploading)
        return failed;
    m_uploading = true;
    m_galleryFolder = IncludeTrailingSlash(galleryFolder);
    const auto notUploaded = [&](const QString &local) {
        failed.append(local);
        const QString reason = m_lastText.isEmpty() ? m_session->LastErrorText() : m_lastText;
        emit LogLine(u"NOT UPLOADED: "_s + local + u" ("_s + reason + u')', LogError);
    };

    if (m_session->IsConnected()) {
        emit ProgressVisible(true);
        QString folder = m_session->RemotePath();
        if (!folder.endsWith(u'/'))
            folder += u'/';
        const QString images = folder + u"images/"_s;

        prepareWait();
        if (const int id = m_session->MakeFolder(folder + u"images"_s))
            doFTPwait(id);

        // One listing of the images folder answers every existence question at once; the
        // attributes of each file are asked only when the listing cannot be had.
        QSet<QString> present;
        bool listed = false;
        QMetaObject::Connection listing = connect(m_session, &FtpSession::FolderListed, this,
            [&](const QString &, const QList<FtpListItem> &items) {
                for (const FtpListItem &item : items) {
                    if (!item.IsFolder)
                        present.insert(item.Name);
                }
            });
        prepareWait();
        if (const int id = m_session->ListFolder(images))
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
                emit LogLine(u"NOT UPLOADING FILE EXISTS:  images/"_s + name, LogText);
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
            if (!uploadFile(folder + FileNamePart(file), file))
                notUploaded(file);
        }
    }

    emit ProgressVisible(false);
    if (m_session->IsConnected())
        m_session->Refresh();
    if (failed.isEmpty()) {
        emit StatusText(u"Done."_s);
    } else {
        for (const QString &file : failed)
            emit LogLine(u"COULD NOT UPLOAD: "_s + file, LogError);
        emit StatusText(u"Done, %1 files could not be uploaded."_s.arg(failed.size()));
    }
    m_uploading = false;
    return failed;
}
