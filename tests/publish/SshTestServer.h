#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A throw-away OpenSSH server on 127.0.0.1 for SFTP, with a host key and a client key made for
// it. The client key lies in home() + "/.ssh/id_rsa", where libcurl looks for it; the server lets
// the running user in with that key only.
class SshTestServer
{
public:
    SshTestServer();
    ~SshTestServer();

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    QString home() const { return m_dir.path() + QStringLiteral("/home"); }
    QString root() const { return m_dir.path() + QStringLiteral("/files"); }
    QString knownHostsFile() const { return m_dir.path() + QStringLiteral("/known_hosts"); }
    QString hostKeyFingerprint() const { return m_fingerprint; }
    QString error() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    QString m_fingerprint;
    QString m_error;
};
