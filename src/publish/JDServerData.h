#pragma once

#include <QString>
#include <QStringList>

// One stored FTP server profile. The defaults are those of a fresh record; a profile made by the
// wizard is built with MakeNew, and the loader fills in what the store holds.
struct JDServerData
{
    QString ItemName;
    QString HostName;
    QString Username;
    QString Password; // plain in memory, encoded only in the store
    int Port = 21;
    int Timeout = 60; // seconds
    QString LocalDirName;
    QString HostDirName;
    bool Anonymous = false;
    bool PassiveMode = true;
    bool SavePassword = false;
    bool Secure = false;
    QString Comment;
    bool UseNoop = false;
    int Protocol = 0; // index into ProtocolNames()
    QStringList Bookmarks;
    // Certificates and host keys the user chose to trust always for this site.
    QStringList TrustedFingerprints;

    enum ProtocolIndex { Ftp = 0, Sftp = 1, FtpSsl = 2, FtpSslData = 3, FtpSslImplicit = 4 };
    static QStringList ProtocolNames();

    // What the wizard hands over, with the defaults of a new profile.
    static JDServerData MakeNew(const QString &name, const QString &host, const QString &user,
                                const QString &password, const QString &hostFolder, bool anonymous,
                                bool savePassword);
};
