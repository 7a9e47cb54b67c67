#pragma once

#include <QString>
#include <QStringList>

// The user's proxy settings for internet access, kept beside the server profiles. The port and the
// type are kept as the texts the dialog shows.
struct ProxySettings
{
    static const QString ProxyKey; // "Software\Pellicon Software\Internet\Proxy"
    static QStringList typeNames(); // in the order the dialog lists them

    QString hostName;
    QString login;
    QString password; // plain in memory
    QString port;
    QString type;

    // Both open the key, creating it if missing; false when it can be neither opened nor created
    // (then the settings stay empty, or nothing is stored). storePath: empty for the per-user file.
    bool load(const QString &storePath = {});
    bool save(const QString &storePath = {}) const;
};
