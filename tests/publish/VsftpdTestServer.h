#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A throw-away vsftpd on 127.0.0.1 that insists on TLS for the login and for every data
// connection, with a self-signed certificate made for 127.0.0.1, serving a temporary folder.
//
// Started by root it takes the user "tester"/"secret": a virtual user checked by pam_matrix
// through pam_wrapper (so no system account and nothing in /etc), writing as root and locked
// into root(). vsftpd run by anybody else logs in anonymous users only, so then the login is
// anonymous with writing allowed, and root() is the folder the login starts in, not "/".
class VsftpdTestServer
{
public:
    enum class Tls
    {
        ExplicitData, // AUTH TLS on the control connection, PROT P required for data
        Implicit,     // TLS from the first byte of every connection
    };

    explicit VsftpdTestServer(Tls tls);
    ~VsftpdTestServer();

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    QString root() const { return m_dir.path() + QStringLiteral("/root"); }
    // "SHA256:AB:CD:..." of the server's certificate.
    QString certificateFingerprint() const { return m_fingerprint; }
    // True when the server takes anonymous logins only (see above).
    bool anonymous() const { return m_anonymous; }
    QString error() const { return m_error; }

private:
    bool makeCertificate();
    bool writeLogin();
    bool writeConfig(Tls tls, int port);
    bool start(int port);
    void stop();

    QTemporaryDir m_dir;
    QProcess m_process;
    bool m_anonymous = false;
    int m_port = 0;
    QString m_fingerprint;
    QString m_error;
};
