#pragma once

#include <QString>
#include <QStringList>

// The user's proxy settings for internet access, kept beside the server profiles. The port and the
// type are kept as the texts the dialog shows.
struct ProxySettings
{
    static const QString ProxyKey; // "Software\Pellicon Software\Internet\Proxy"
    static QStringList TypeNames(); // in the order the dialog lists them

    QString HostName;
    QString Login;
    QString Password; // plain in memory
    QString Port;
    QString Type;

    // Both open the key, creating it if missing; false when it can be neither opened nor created
    // (then the settings stay empty, or nothing is stored). storePath: empty for the per-user file.
    bool Load(const QString &storePath = {});
    bool Save(const QString &storePath = {}) const;
};
