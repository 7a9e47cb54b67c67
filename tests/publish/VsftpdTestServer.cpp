#include "VsftpdTestServer.h"
#include "TestCertificate.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool write(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

VsftpdTestServer::VsftpdTestServer(Tls tls) : m_anonymous(::geteuid() != 0)
{
    QDir().mkpath(root());
    QDir().mkpath(m_dir.path() + u"/empty"_s);
    if (!makeCertificate() || !writeLogin())
        return;
    // The port is free when probed but may be taken before vsftpd binds it; another one then.
    for (int attempt = 0; attempt < 3 && !isRunning(); ++attempt) {
        const int port = freePort();
        if (!writeConfig(tls, port))
            return;
        start(port);
    }
}

VsftpdTestServer::~VsftpdTestServer()
{
    stop();
}

bool VsftpdTestServer::makeCertificate()
{
    const TestCertificate certificate = TestCertificate::make(m_dir.path());
    m_fingerprint = certificate.fingerprint;
    if (m_fingerprint.isEmpty())
        m_error = u"openssl could not make the certificate"_s;
    return !m_fingerprint.isEmpty();
}

// PAM reads its services from /etc/pam.d only; pam_wrapper points it at the temporary folder,
// where pam_matrix checks the password against a file of our own. The "other" service is there
// too because PAM loads it as well, and a complaint about it would land on the control connection.
bool VsftpdTestServer::writeLogin()
{
    if (m_anonymous)
        return true;
    const QString modules = QStringLiteral(FOTOVIA_PAM_WRAPPER_MODULE_DIR);
    if (modules.isEmpty() || !QFile::exists(QStringLiteral(FOTOVIA_PAM_WRAPPER_LIBRARY))) {
        m_error = u"libpam-wrapper is not installed (scripts/install-deps installs it)"_s;
        return false;
    }
    const QString passdb = m_dir.path() + u"/passdb"_s;
    QString service;
    for (const char *type : {"auth", "account", "session"})
        service += u"%1 required %2/pam_matrix.so passdb=%3\n"_s.arg(QLatin1StringView(type), modules, passdb);
    QDir().mkpath(m_dir.path() + u"/pam.d"_s);
    return write(passdb, u"tester:secret:vsftpd\n"_s) && write(m_dir.path() + u"/pam.d/vsftpd"_s, service)
        && write(m_dir.path() + u"/pam.d/other"_s, service);
}

bool VsftpdTestServer::writeConfig(Tls tls, int port)
{
    QString config = QStringLiteral(
        "listen=YES\nlisten_address=127.0.0.1\nlisten_port=%1\nbackground=NO\n"
        "write_enable=YES\nlocal_umask=022\nanon_umask=022\nsecure_chroot_dir=%2/empty\n"
        "ssl_enable=YES\nrsa_cert_file=%2/cert.pem\nrsa_private_key_file=%2/key.pem\nimplicit_ssl=%3\n"
        // vsftpd's default, said out loud: like most servers it refuses a data connection that
        // does not resume the control connection's TLS session.
        "require_ssl_reuse=YES\n")
                         .arg(port)
                         .arg(m_dir.path(), tls == Tls::Implicit ? u"YES"_s : u"NO"_s);
    if (m_anonymous) {
        // Without root vsftpd cannot switch users or lock a login into a folder.
        config += QStringLiteral(
            "run_as_launching_user=YES\nanonymous_enable=YES\nlocal_enable=NO\nanon_root=%1\n"
            "anon_upload_enable=YES\nanon_mkdir_write_enable=YES\nanon_other_write_enable=YES\n"
            "anon_world_readable_only=NO\nallow_anon_ssl=YES\nforce_anon_logins_ssl=YES\nforce_anon_data_ssl=YES\n")
                      .arg(root());
    } else {
        config += QStringLiteral(
            "anonymous_enable=NO\nlocal_enable=YES\nguest_enable=YES\nguest_username=root\nvirtual_use_local_privs=YES\n"
            "local_root=%1\nchroot_local_user=YES\nallow_writeable_chroot=YES\npam_service_name=vsftpd\n"
            "force_local_logins_ssl=YES\nforce_local_data_ssl=YES\n")
                      .arg(root());
    }
    if (!write(m_dir.path() + u"/vsftpd.conf"_s, config)) {
        m_error = u"cannot write the vsftpd configuration"_s;
        return false;
    }
    return true;
}

bool VsftpdTestServer::start(int port)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!m_anonymous) {
        environment.insert(u"LD_PRELOAD"_s, QStringLiteral(FOTOVIA_PAM_WRAPPER_LIBRARY));
        environment.insert(u"PAM_WRAPPER"_s, u"1"_s);
        environment.insert(u"PAM_WRAPPER_SERVICE_DIR"_s, m_dir.path() + u"/pam.d"_s);
    }
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // A test that dies takes the listener with it; the processes vsftpd forks for each
    // connection end when the test's side of their connection closes.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.start(u"/usr/sbin/vsftpd"_s, {m_dir.path() + u"/vsftpd.conf"_s});
    if (!m_process.waitForStarted(10000)) {
        m_error = m_process.errorString();
        return false;
    }
    for (int i = 0; i < 100 && m_process.state() == QProcess::Running; ++i) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (socket.waitForConnected(200) && m_process.state() == QProcess::Running) {
            m_port = port;
            return true;
        }
        QThread::msleep(50);
    }
    m_process.waitForFinished(1000);
    m_error = QString::fromUtf8(m_process.readAll());
    stop();
    return false;
}

void VsftpdTestServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}
