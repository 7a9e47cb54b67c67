#include "FtpTestServer.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QString RunTool(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

FtpTestServer::FtpTestServer(const Options &options)
{
    QDir().mkpath(Root());
    QStringList arguments{QStringLiteral(FOTOVIA_FTP_SERVER_SCRIPT), u"--root"_s, Root()};
    if (options.anonymous)
        arguments << u"--anonymous"_s;
    if (options.noMlsd)
        arguments << u"--no-mlsd"_s;
    if (options.tls != u"none"_s) {
        const QString key = m_dir.path() + u"/key.pem"_s;
        const QString cert = m_dir.path() + u"/cert.pem"_s;
        RunTool(u"openssl"_s, {u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-subj"_s,
                               u"/CN=localhost"_s, u"-days"_s, u"2"_s, u"-keyout"_s, key, u"-out"_s, cert});
        const QString out = RunTool(u"openssl"_s, {u"x509"_s, u"-in"_s, cert, u"-noout"_s, u"-fingerprint"_s, u"-sha256"_s});
        const qsizetype eq = out.indexOf(u'=');
        if (eq >= 0)
            m_fingerprint = u"SHA256:"_s + out.mid(eq + 1).trimmed().toUpper();
        arguments << u"--tls"_s << options.tls << u"--cert"_s << cert << u"--key"_s << key;
    }
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(u"/usr/bin/python3"_s, arguments);
    if (!m_process.waitForStarted(10000)) {
        m_error = m_process.errorString();
        return;
    }
    QByteArray line;
    while (!line.contains('\n') && m_process.waitForReadyRead(20000))
        line += m_process.readAllStandardOutput();
    if (line.startsWith("PORT "))
        m_port = line.mid(5).trimmed().toInt();
    else
        m_error = QString::fromUtf8(line + m_process.readAllStandardError());
}

FtpTestServer::~FtpTestServer()
{
    Stop();
}

void FtpTestServer::Stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}
