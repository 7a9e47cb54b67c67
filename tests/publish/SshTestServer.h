#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A throw-away OpenSSH server on 127.0.0.1 for SFTP, with a host key and a client key made for
// it. The client key lies in Home() + "/.ssh/id_rsa", where libcurl looks for it; the server lets
// the running user in with that key only.
class SshTestServer
{
public:
    SshTestServer();
    ~SshTestServer();

    bool IsRunning() const { return m_port > 0; }
    int Port() const { return m_port; }
    QString Home() const { return m_dir.path() + QStringLiteral("/home"); }
    QString Root() const { return m_dir.path() + QStringLiteral("/files"); }
    QString KnownHostsFile() const { return m_dir.path() + QStringLiteral("/known_hosts"); }
    QString HostKeyFingerprint() const { return m_fingerprint; }
    QString Error() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    QString m_fingerprint;
    QString m_error;
};
