#include "JDServerData.h"

using namespace Qt::StringLiterals;

QStringList JDServerData::ProtocolNames()
{
    return {u"FTP"_s, u"SFTP"_s, u"FTP + SSL"_s, u"FTP + SSL + Data"_s, u"FTP + SSL Implicit"_s};
}

JDServerData JDServerData::MakeNew(const QString &name, const QString &host, const QString &user,
                                   const QString &password, const QString &hostFolder, bool anonymous,
                                   bool savePassword)
{
    JDServerData p;
    p.ItemName = name;
    p.HostName = host;
    p.Username = user;
    p.Password = password;
    p.HostDirName = hostFolder;
    p.Anonymous = anonymous;
    p.SavePassword = savePassword;
    p.Port = 21;
    p.Timeout = 120;
    p.PassiveMode = true;
    p.Protocol = Ftp;
    return p;
}
