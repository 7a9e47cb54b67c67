#include "PublishCli.h"

#include "FtpUploader.h"
#include "ProxySettings.h"
#include "ServerProfiles.h"
#include "gallery/FflashMovie.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const char *const ProfilesHelp =
    "Usage: fotovia-cli profiles\n"
    "       fotovia-cli profiles add NAME --host HOST [--port N] [--user USER]\n"
    "           [--protocol ftp|sftp|ftps|ftps-data|ftps-implicit] [--folder DIR]\n"
    "           [--anonymous] [--active] [--trust-fingerprint FP]\n"
    "\n"
    "Lists the stored server profiles (name, host:port, connection type, user), or stores a new\n"
    "one as the designer's wizard does. The password is read from standard input (one line);\n"
    "--trust-fingerprint records a server certificate or host key as trusted for the site.\n";

const char *const UploadHelp =
    "Usage: fotovia-cli upload GALLERY.xml --profile NAME [--remote-dir DIR]\n"
    "\n"
    "Uploads a saved gallery to the profile's server, into DIR or else the profile's initial\n"
    "folder, as the designer's \"Upload Files Here\" does. The log goes to standard error; the\n"
    "exit status is 1 when anything could not be uploaded.\n";

const QStringList ProtocolOptions{u"ftp"_s, u"sftp"_s, u"ftps"_s, u"ftps-data"_s, u"ftps-implicit"_s};

} // namespace

PublishCli::PublishCli(QTextStream &in, QTextStream &out, QTextStream &err) : m_in(in), m_out(out), m_err(err) {}

bool PublishCli::Handles(const QString &command)
{
    return command == u"profiles"_s || command == u"upload"_s;
}

QString PublishCli::Help(const QString &command)
{
    return QString::fromUtf8(command == u"upload"_s ? UploadHelp : ProfilesHelp);
}

int PublishCli::Fail(const QString &message)
{
    m_err << "fotovia-cli: " << message << "\n";
    m_err.flush();
    return 1;
}

int PublishCli::Run(const QString &command, const QStringList &arguments)
{
    if (command == u"upload"_s)
        return Upload(arguments);
    if (!arguments.isEmpty() && arguments.first() == u"add"_s)
        return AddProfile(arguments.mid(1));
    if (!arguments.isEmpty())
        return Fail(u"unknown profiles command '%1'; see fotovia-cli help profiles"_s.arg(arguments.first()));
    return Profiles(arguments);
}

int PublishCli::Profiles(const QStringList &)
{
    ServerProfiles profiles;
    const QString error = profiles.loadProfiles();
    const QStringList types = JDServerData::ProtocolNames();
    for (const JDServerData &p : profiles.Items()) {
        const int protocol = p.Secure ? int(JDServerData::Sftp) : p.Protocol;
        m_out << p.ItemName << "\t" << p.HostName << ":" << p.Port << "\t"
              << types.value(protocol, QString::number(protocol)) << "\t"
              << (p.Anonymous ? u"anonymous"_s : p.Username) << "\n";
    }
    m_out.flush();
    return error.isEmpty() ? 0 : Fail(error);
}

int PublishCli::AddProfile(const QStringList &arguments)
{
    QString name, host, user, folder, protocolText = u"ftp"_s, portText, fingerprint;
    bool anonymous = false, active = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == u"--anonymous"_s)
            anonymous = true;
        else if (arg == u"--active"_s)
            active = true;
        else if (arg == u"--host"_s && hasValue)
            host = arguments[++i];
        else if (arg == u"--port"_s && hasValue)
            portText = arguments[++i];
        else if (arg == u"--user"_s && hasValue)
            user = arguments[++i];
        else if (arg == u"--protocol"_s && hasValue)
            protocolText = arguments[++i].toLower();
        else if (arg == u"--folder"_s && hasValue)
            folder = arguments[++i];
        else if (arg == u"--trust-fingerprint"_s && hasValue)
            fingerprint = arguments[++i];
        else if (arg.startsWith(u"--"_s))
            return Fail(u"unknown or incomplete option %1; see fotovia-cli help profiles"_s.arg(arg));
        else if (name.isEmpty())
            name = arg;
        else
            return Fail(u"profiles add takes one name; see fotovia-cli help profiles"_s);
    }
    if (name.isEmpty() || host.isEmpty())
        return Fail(u"profiles add needs a name and --host; see fotovia-cli help profiles"_s);
    if (name.contains(u'/') || name.contains(u'\\'))
        return Fail(u"a profile name cannot contain / or \\"_s);
    const int protocol = int(ProtocolOptions.indexOf(protocolText));
    if (protocol < 0)
        return Fail(u"unknown protocol '%1'; use one of %2"_s.arg(protocolText, ProtocolOptions.join(u", "_s)));
    int port = protocol == JDServerData::Sftp ? 22 : 21;
    if (!portText.isEmpty()) {
        bool ok = false;
        port = portText.toInt(&ok);
        if (!ok || port <= 0 || port > 65535)
            return Fail(u"invalid port '%1'"_s.arg(portText));
    }

    ServerProfiles profiles;
    const QString error = profiles.loadProfiles();
    if (!error.isEmpty())
        return Fail(error);
    if (profiles.siteNameExists(name))
        return Fail(ServerProfiles::NameTakenText);
    if (!ServerProfiles::IsStorableName(name))
        return Fail(ServerProfiles::BadNameText);
    QString password;
    if (anonymous) {
        user = u"anonymous"_s;
        password = FtpUploader::AnonymousPassword;
    } else {
        password = m_in.readLine();
    }
    JDServerData p = JDServerData::MakeNew(name, host, user, password, folder, anonymous, true);
    p.Protocol = protocol;
    p.Port = port;
    p.PassiveMode = !active;
    if (!fingerprint.isEmpty())
        p.TrustedFingerprints.append(fingerprint);
    profiles.addProfile(p);
    if (!profiles.saveProfiles())
        return Fail(ServerProfiles::SaveErrorText);
    return 0;
}

int PublishCli::Upload(const QStringList &arguments)
{
    QString galleryPath, profileName, remoteDir;
    bool haveRemoteDir = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == u"--profile"_s && i + 1 < arguments.size()) {
            profileName = arguments[++i];
        } else if (arg == u"--remote-dir"_s && i + 1 < arguments.size()) {
            remoteDir = arguments[++i];
            haveRemoteDir = true;
        } else if (arg.startsWith(u"--"_s)) {
            return Fail(u"unknown or incomplete option %1; see fotovia-cli help upload"_s.arg(arg));
        } else if (galleryPath.isEmpty()) {
            galleryPath = arg;
        } else {
            return Fail(u"upload takes one gallery file; see fotovia-cli help upload"_s);
        }
    }
    if (galleryPath.isEmpty() || profileName.isEmpty())
        return Fail(u"upload needs a gallery file and --profile; see fotovia-cli help upload"_s);
    if (!QFileInfo(galleryPath).isFile())
        return Fail(u"%1 does not exist"_s.arg(galleryPath));

    ServerProfiles profiles;
    const QString error = profiles.loadProfiles();
    const int index = profiles.IndexOf(profileName);
    if (index < 0)
        return Fail(error.isEmpty() ? u"no profile named '%1'; see fotovia-cli profiles"_s.arg(profileName) : error);
    JDServerData profile = profiles.Items().at(index);
    if (haveRemoteDir)
        profile.HostDirName = remoteDir;

    FflashMovie gallery;
    // The saved images folder holds every picture already: none needs reading.
    const GalleryLoadReport report = gallery.LoadFromFile(QFileInfo(galleryPath).absoluteFilePath(), PhotoLoading::NamesOnly);
    if (!report.recognised)
        return Fail(u"This file cannot be opened in Fotovia! (%1)"_s.arg(galleryPath));
    if (!report.error.isEmpty())
        return Fail(report.error);
    gallery.FillUploadLists();

    FtpUploader uploader;
    ProxySettings proxy;
    proxy.Load();
    uploader.SetProxy(proxy);
    QObject::connect(&uploader, &FtpUploader::LogLine, [this](const QString &text) {
        if (!text.isEmpty()) {
            m_err << text << "\n";
            m_err.flush();
        }
    });
    QObject::connect(&uploader, &FtpUploader::LoginFailed, [this] { m_err << FtpUploader::LoginErrorText << "\n"; });
    QObject::connect(&uploader, &FtpUploader::SiteNotFound, [this] { m_err << FtpUploader::SiteNotFoundText << "\n"; });
    QString status;
    QObject::connect(&uploader, &FtpUploader::StatusText, [&status](const QString &text) { status = text; });
    if (!uploader.connectProfile(profile))
        return Fail(u"could not connect to %1"_s.arg(profile.HostName));
    const QStringList failed = uploader.Upload(gallery.GetFolder(), gallery.UploadFiles, gallery.UploadImageFiles);
    const QString outcome = status; // before the disconnect changes it
    uploader.Disconnect();
    m_err << outcome << "\n";
    m_err.flush();
    return failed.isEmpty() ? 0 : 1;
}
