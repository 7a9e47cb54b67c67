#include "SshTestServer.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

bool run(const QString &program, const QStringList &arguments, QString *out = nullptr)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return false;
    if (out)
        *out = QString::fromUtf8(p.readAllStandardOutput());
    return true;
}

} // namespace

SshTestServer::SshTestServer()
{
    const QString d = m_dir.path();
    QDir().mkpath(home() + u"/.ssh"_s);
    QDir().mkpath(root());
    const QString hostKey = d + u"/host_ed25519"_s;
    const QString clientKey = home() + u"/.ssh/id_rsa"_s;
    if (!run(u"ssh-keygen"_s, {u"-q"_s, u"-t"_s, u"ed25519"_s, u"-N"_s, QString(), u"-f"_s, hostKey})
        || !run(u"ssh-keygen"_s, {u"-q"_s, u"-t"_s, u"rsa"_s, u"-b"_s, u"2048"_s, u"-m"_s, u"PEM"_s, u"-N"_s, QString(),
                                  u"-f"_s, clientKey})) {
        m_error = u"ssh-keygen failed"_s;
        return;
    }
    QString listed;
    run(u"ssh-keygen"_s, {u"-l"_s, u"-f"_s, hostKey + u".pub"_s}, &listed);
    m_fingerprint = listed.section(u' ', 1, 1);
    QFile::copy(clientKey + u".pub"_s, d + u"/authorized_keys"_s);
    QFile(knownHostsFile()).open(QIODevice::WriteOnly);

    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const int port = probe.serverPort();
    probe.close();

    QFile config(d + u"/sshd_config"_s);
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral(
        "Port %1\nListenAddress 127.0.0.1\nHostKey %2\nPidFile %3/sshd.pid\nAuthorizedKeysFile %3/authorized_keys\n"
        "StrictModes no\nPasswordAuthentication no\nKbdInteractiveAuthentication no\nPubkeyAuthentication yes\n"
        "PermitRootLogin prohibit-password\nPubkeyAcceptedAlgorithms +ssh-rsa\nUsePAM no\nSubsystem sftp internal-sftp\nLogLevel ERROR\n")
                     .arg(port).arg(hostKey, d)
                     .toUtf8());
    config.close();
    QDir().mkpath(u"/run/sshd"_s); // the privilege separation folder sshd insists on

    m_process.start(u"/usr/sbin/sshd"_s, {u"-D"_s, u"-e"_s, u"-f"_s, config.fileName()});
    if (!m_process.waitForStarted(10000)) {
        m_error = m_process.errorString();
        return;
    }
    for (int i = 0; i < 100 && m_process.state() == QProcess::Running; ++i) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (socket.waitForConnected(200)) {
            m_port = port;
            return;
        }
        QThread::msleep(50);
    }
    m_error = QString::fromUtf8(m_process.readAllStandardError());
}

SshTestServer::~SshTestServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}
