#include "ServerProfile.h"

using namespace Qt::StringLiterals;

QStringList ServerProfile::protocolNames()
{
    return {u"FTP"_s, u"SFTP"_s, u"FTP + SSL"_s, u"FTP + SSL + Data"_s, u"FTP + SSL Implicit"_s};
}

ServerProfile ServerProfile::makeNew(const QString &name, const QString &host, const QString &user,
                                   const QString &password, const QString &hostFolder, bool anonymous,
                                   bool savePassword)
{
    ServerProfile p;
    p.itemName = name;
    p.hostName = host;
    p.username = user;
    p.password = password;
    p.hostDirName = hostFolder;
    p.anonymous = anonymous;
    p.savePassword = savePassword;
    p.port = 21;
    p.timeout = 120;
    p.passiveMode = true;
    p.protocol = Ftp;
    return p;
}
