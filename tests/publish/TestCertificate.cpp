#include "TestCertificate.h"

#include <QProcess>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TestCertificate TestCertificate::make(const QString &folder)
{
    TestCertificate c;
    c.key = folder + u"/key.pem"_s;
    c.cert = folder + u"/cert.pem"_s;
    runTool(u"openssl"_s, {u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-subj"_s, u"/CN=127.0.0.1"_s,
                           u"-addext"_s, u"subjectAltName=IP:127.0.0.1"_s, u"-days"_s, u"2"_s, u"-keyout"_s, c.key,
                           u"-out"_s, c.cert});
    const QString out = runTool(u"openssl"_s, {u"x509"_s, u"-in"_s, c.cert, u"-noout"_s, u"-fingerprint"_s, u"-sha256"_s});
    const qsizetype eq = out.indexOf(u'=');
    if (eq >= 0)
        c.fingerprint = u"SHA256:"_s + out.mid(eq + 1).trimmed().toUpper();
    return c;
}
