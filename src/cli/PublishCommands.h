#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// The publishing commands of fotovia-cli: "profiles" lists and adds server profiles, "upload"
// puts a saved gallery on a profile's server as "Upload Files Here" does, logging to stderr.
class PublishCommands
{
public:
    PublishCommands(QTextStream &in, QTextStream &out, QTextStream &err);

    static bool handles(const QString &command);
    static QString help(const QString &command);
    // Returns the exit status: 1 when anything failed.
    int run(const QString &command, const QStringList &arguments);

private:
    int fail(const QString &message);
    int profiles(const QStringList &arguments);
    int addProfile(const QStringList &arguments);
    int upload(const QStringList &arguments);

    QTextStream &m_in;
    QTextStream &m_out;
    QTextStream &m_err;
};
