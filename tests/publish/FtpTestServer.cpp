#include "FtpTestServer.h"
#include "TestCertificate.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;


FtpTestServer::FtpTestServer(const Options &options)
{
    QDir().mkpath(root());
    QStringList arguments{QStringLiteral(FOTOVIA_FTP_SERVER_SCRIPT), u"--root"_s, root()};
    if (options.anonymous)
        arguments << u"--anonymous"_s;
    if (options.noMlsd)
        arguments << u"--no-mlsd"_s;
    if (options.tls != u"none"_s) {
        const TestCertificate certificate = TestCertificate::make(m_dir.path());
        m_fingerprint = certificate.fingerprint;
        arguments << u"--tls"_s << options.tls << u"--cert"_s << certificate.cert << u"--key"_s << certificate.key;
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
    stop();
}

void FtpTestServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}
