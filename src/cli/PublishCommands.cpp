#include "PublishCommands.h"

#include "GalleryUploader.h"
#include "ProxySettings.h"
#include "ServerProfileStore.h"
#include "GalleryDocument.h"

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

PublishCommands::PublishCommands(QTextStream &in, QTextStream &out, QTextStream &err) : m_in(in), m_out(out), m_err(err) {}

bool PublishCommands::handles(const QString &command)
{
    return command == u"profiles"_s || command == u"upload"_s;
}

QString PublishCommands::help(const QString &command)
{
    return QString::fromUtf8(command == u"upload"_s ? UploadHelp : ProfilesHelp);
}

int PublishCommands::fail(const QString &message)
{
    m_err << "fotovia-cli: " << message << "\n";
    m_err.flush();
    return 1;
}

int PublishCommands::run(const QString &command, const QStringList &arguments)
{
    if (command == u"upload"_s)
        return upload(arguments);
    if (!arguments.isEmpty() && arguments.first() == u"add"_s)
        return addProfile(arguments.mid(1));
    if (!arguments.isEmpty())
        return fail(u"unknown profiles command '%1'; see fotovia-cli help profiles"_s.arg(arguments.first()));
    return profiles(arguments);
}

int PublishCommands::profiles(const QStringList &)
{
    ServerProfileStore profiles;
    const QString error = profiles.loadProfiles();
    const QStringList types = ServerProfile::protocolNames();
    for (const ServerProfile &p : profiles.items()) {
        const int protocol = p.secure ? int(ServerProfile::Sftp) : p.protocol;
        m_out << p.itemName << "\t" << p.hostName << ":" << p.port << "\t"
              << types.value(protocol, QString::number(protocol)) << "\t"
              << (p.anonymous ? u"anonymous"_s : p.username) << "\n";
    }
    m_out.flush();
    return error.isEmpty() ? 0 : fail(error);
}

int PublishCommands::addProfile(const QStringList &arguments)
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
            return fail(u"unknown or incomplete option %1; see fotovia-cli help profiles"_s.arg(arg));
        else if (name.isEmpty())
            name = arg;
        else
            return fail(u"profiles add takes one name; see fotovia-cli help profiles"_s);
    }
    if (name.isEmpty() || host.isEmpty())
        return fail(u"profiles add needs a name and --host; see fotovia-cli help profiles"_s);
    if (name.contains(u'/') || name.contains(u'\\'))
        return fail(u"a profile name cannot contain / or \\"_s);
    const int protocol = int(ProtocolOptions.indexOf(protocolText));
    if (protocol < 0)
        return fail(u"unknown protocol '%1'; use one of %2"_s.arg(protocolText, ProtocolOptions.join(u", "_s)));
    int port = protocol == ServerProfile::Sftp ? 22 : 21;
    if (!portText.isEmpty()) {
        bool ok = false;
        port = portText.toInt(&ok);
        if (!ok || port <= 0 || port > 65535)
            return fail(u"invalid port '%1'"_s.arg(portText));
    }

    ServerProfileStore profiles;
    const QString error = profiles.loadProfiles();
    if (!error.isEmpty())
        return fail(error);
    if (profiles.siteNameExists(name))
        return fail(ServerProfileStore::NameTakenText);
    if (!ServerProfileStore::isStorableName(name))
        return fail(ServerProfileStore::BadNameText);
    QString password;
    if (anonymous) {
        user = u"anonymous"_s;
        password = GalleryUploader::AnonymousPassword;
    } else {
        password = m_in.readLine();
    }
    ServerProfile p = ServerProfile::makeNew(name, host, user, password, folder, anonymous, true);
    p.protocol = protocol;
    p.port = port;
    p.passiveMode = !active;
    if (!fingerprint.isEmpty())
        p.trustedFingerprints.append(fingerprint);
    profiles.addProfile(p);
    if (!profiles.saveProfiles())
        return fail(ServerProfileStore::SaveErrorText);
    return 0;
}

int PublishCommands::upload(const QStringList &arguments)
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
            return fail(u"unknown or incomplete option %1; see fotovia-cli help upload"_s.arg(arg));
        } else if (galleryPath.isEmpty()) {
            galleryPath = arg;
        } else {
            return fail(u"upload takes one gallery file; see fotovia-cli help upload"_s);
        }
    }
    if (galleryPath.isEmpty() || profileName.isEmpty())
        return fail(u"upload needs a gallery file and --profile; see fotovia-cli help upload"_s);
    if (!QFileInfo(galleryPath).isFile())
        return fail(u"%1 does not exist"_s.arg(galleryPath));

    ServerProfileStore profiles;
    const QString error = profiles.loadProfiles();
    const int index = profiles.indexOf(profileName);
    if (index < 0)
        return fail(error.isEmpty() ? u"no profile named '%1'; see fotovia-cli profiles"_s.arg(profileName) : error);
    ServerProfile profile = profiles.items().at(index);
    if (haveRemoteDir)
        profile.hostDirName = remoteDir;

    GalleryDocument gallery;
    // The saved images folder holds every picture already: none needs reading.
    const GalleryLoadReport report = gallery.loadFromFile(QFileInfo(galleryPath).absoluteFilePath(), PhotoLoading::NamesOnly);
    if (!report.recognised)
        return fail(u"This file cannot be opened in Fotovia! (%1)"_s.arg(galleryPath));
    if (!report.error.isEmpty())
        return fail(report.error);
    gallery.fillUploadLists();

    GalleryUploader uploader;
    ProxySettings proxy;
    proxy.load();
    uploader.setProxy(proxy);
    QObject::connect(&uploader, &GalleryUploader::logLine, [this](const QString &text) {
        if (!text.isEmpty()) {
            m_err << text << "\n";
            m_err.flush();
        }
    });
    QObject::connect(&uploader, &GalleryUploader::loginFailed, [this] { m_err << GalleryUploader::LoginErrorText << "\n"; });
    QObject::connect(&uploader, &GalleryUploader::siteNotFound, [this] { m_err << GalleryUploader::SiteNotFoundText << "\n"; });
    QString status;
    QObject::connect(&uploader, &GalleryUploader::statusText, [&status](const QString &text) { status = text; });
    if (!uploader.connectProfile(profile))
        return fail(u"could not connect to %1"_s.arg(profile.hostName));
    const QStringList failed = uploader.upload(gallery.getFolder(), gallery.uploadFiles(), gallery.uploadImageFiles());
    const QString outcome = status; // before the disconnect changes it
    uploader.disconnectFromServer();
    m_err << outcome << "\n";
    m_err.flush();
    return failed.isEmpty() ? 0 : 1;
}
