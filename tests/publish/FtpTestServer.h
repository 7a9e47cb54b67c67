#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away FTP server on 127.0.0.1 (pyftpdlib), serving a temporary folder, with a user
// "tester"/"secret" and optionally anonymous access and TLS with a self-signed certificate made
// for it. Stopped when the object goes, or earlier by Stop to play a server that goes away.
class FtpTestServer
{
public:
    struct Options
    {
        QString tls = QStringLiteral("none"); // none, explicit, explicit-data, implicit
        bool anonymous = false;
        bool noMlsd = false;
    };

    explicit FtpTestServer(const Options &options);
    FtpTestServer() : FtpTestServer(Options{}) {}
    ~FtpTestServer();

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    QString root() const { return m_dir.path() + QStringLiteral("/root"); }
    // "SHA256:AB:CD:..." of the server's certificate.
    QString certificateFingerprint() const { return m_fingerprint; }
    QString error() const { return m_error; }
    void stop();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    QString m_fingerprint;
    QString m_error;
};
