#pragma once

#include <QString>
#include <QStringList>

// One stored FTP server profile. The defaults are those of a fresh record; a profile made by the
// wizard is built with MakeNew, and the loader fills in what the store holds.
struct ServerProfile
{
    QString itemName;
    QString hostName;
    QString username;
    QString password; // plain in memory, encoded only in the store
    int port = 21;
    int timeout = 60; // seconds
    QString localDirName;
    QString hostDirName;
    bool anonymous = false;
    bool passiveMode = true;
    bool savePassword = false;
    bool secure = false;
    QString comment;
    bool useNoop = false;
    int protocol = 0; // index into protocolNames()
    QStringList bookmarks;
    // Certificates and host keys the user chose to trust always for this site.
    QStringList trustedFingerprints;

    enum ProtocolIndex { Ftp = 0, Sftp = 1, FtpSsl = 2, FtpSslData = 3, FtpSslImplicit = 4 };
    static QStringList protocolNames();

    // What the wizard hands over, with the defaults of a new profile.
    static ServerProfile makeNew(const QString &name, const QString &host, const QString &user,
                                const QString &password, const QString &hostFolder, bool anonymous,
                                bool savePassword);
};
