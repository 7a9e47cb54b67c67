#include "FtpTestServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// fotovia-cli with its own per-user settings folder.
class PublishCommands : public ::testing::Test
{
protected:
    ProcessResult cli(const QStringList &arguments, const QByteArray &input = {})
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, m_config.path());
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        p.setProcessEnvironment(env);
        p.start(builtAppFolder() + u"/fotovia-cli"_s, arguments);
        p.write(input);
        p.closeWriteChannel();
        ProcessResult r;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    QTemporaryDir m_config;
};

TEST_F(PublishCommands, AddsListsAndUploadsWithAProfile)
{
    FtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    QDir().mkpath(server.root() + u"/www"_s);
    const QString port = QString::number(server.port());

    ProcessResult r = cli({u"profiles"_s, u"add"_s, u"Local Test"_s, u"--host"_s, u"127.0.0.1"_s, u"--port"_s, port,
                           u"--user"_s, u"tester"_s, u"--folder"_s, u"www"_s}, "secret\n");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = cli({u"profiles"_s, u"add"_s, u"Local Test"_s, u"--host"_s, u"other"_s}, "x\n");
    EXPECT_EQ(r.exitCode, 1);
    r = cli({u"profiles"_s, u"add"_s, u"Local/Test"_s, u"--host"_s, u"other"_s}, "x\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"cannot contain"_s)) << r.err.toStdString();
    r = cli({u"profiles"_s});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, u"Local Test\t127.0.0.1:%1\tFTP\ttester\n"_s.arg(port));
    EXPECT_FALSE(r.out.contains(u"secret"_s));

    QTemporaryDir galleryDir;
    const QString xml = galleryDir.path() + u"/myalbum.xml"_s;
    const QString photos = galleryDir.path() + u"/photos"_s;
    QDir().mkpath(photos);
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkYellow);
    ASSERT_TRUE(picture.save(photos + u"/harbour.jpg"_s));
    r = cli({u"build"_s, photos, xml});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    r = cli({u"upload"_s, xml, u"--profile"_s, u"Local Test"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(server.root() + u"/www/myalbum.xml"_s));
    EXPECT_TRUE(QFileInfo::exists(server.root() + u"/www/myalbum.html"_s));
    for (const QString &image : {u"harbour.jpg"_s, u"harbour_s.jpg"_s})
        EXPECT_EQ(readFile(server.root() + u"/www/images/"_s + image), readFile(galleryDir.path() + u"/images/"_s + image));
    EXPECT_TRUE(r.err.contains(u"UPLOADING: myalbum.xml"_s));
    EXPECT_TRUE(r.err.contains(u"PASS ****"_s));
    EXPECT_FALSE(r.err.contains(u"secret"_s));
    EXPECT_TRUE(r.err.trimmed().endsWith(u"Done."_s)) << r.err.toStdString();

    QDir().mkpath(server.root() + u"/elsewhere"_s);
    r = cli({u"upload"_s, xml, u"--profile"_s, u"Local Test"_s, u"--remote-dir"_s, u"/elsewhere"_s});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(server.root() + u"/elsewhere/myalbum.xml"_s));

    server.stop();
    r = cli({u"upload"_s, xml, u"--profile"_s, u"Local Test"_s});
    EXPECT_EQ(r.exitCode, 1);
    r = cli({u"upload"_s, xml, u"--profile"_s, u"Nobody"_s});
    EXPECT_EQ(r.exitCode, 1);
}
