#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// The publishing commands of fotovia-cli: "profiles" lists and adds server profiles, "upload"
// puts a saved gallery on a profile's server as "Upload Files Here" does, logging to stderr.
class PublishCli
{
public:
    PublishCli(QTextStream &in, QTextStream &out, QTextStream &err);

    static bool Handles(const QString &command);
    static QString Help(const QString &command);
    // Returns the exit status: 1 when anything failed.
    int Run(const QString &command, const QStringList &arguments);

private:
    int Fail(const QString &message);
    int Profiles(const QStringList &arguments);
    int AddProfile(const QStringList &arguments);
    int Upload(const QStringList &arguments);

    QTextStream &m_in;
    QTextStream &m_out;
    QTextStream &m_err;
};
