#include "SshTestServer.h"
#include "publish/FtpUploader.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Points HOME at the test's client key for as long as it lives.
class HomeOverride
{
public:
    explicit HomeOverride(const QString &home) : m_old(qgetenv("HOME")) { qputenv("HOME", home.toUtf8()); }
    ~HomeOverride() { qputenv("HOME", m_old); }

private:
    QByteArray m_old;
};

} // namespace

// A first SFTP connection meets an unknown host key: refused unless the user trusts it; trusted
// always, it is kept with the profile and the upload runs as over FTP.
TEST(SftpUpload, UnknownHostKeyIsTrustedOnRequestThenTheGalleryIsUploaded)
{
    SshTestServer server;
    ASSERT_TRUE(server.IsRunning()) << server.Error().toStdString();
    HomeOverride home(server.Home());

    QTemporaryDir gallery;
    const QStringList files{u"myalbum.html"_s, u"myalbum.xml"_s};
    const QStringList images{u"a_t.jpg"_s, u"a.jpg"_s};
    for (const QString &f : files)
        WriteFile(gallery.path() + u'/' + f, f.toUtf8());
    for (const QString &f : images)
        WriteFile(gallery.path() + u"/images/"_s + f, f.toUtf8());

    JDServerData profile = JDServerData::MakeNew(u"Ssh"_s, u"127.0.0.1"_s, qEnvironmentVariable("USER", u"root"_s),
                                                 u"unused"_s, server.Root(), false, false);
    profile.Protocol = JDServerData::Sftp;
    profile.Port = server.Port();
    profile.Timeout = 20;

    {
        FtpUploader refused;
        refused.SetKnownHostsFile(server.KnownHostsFile());
        EXPECT_FALSE(refused.connectProfile(profile));
        EXPECT_EQ(refused.Session()->UntrustedFingerprint(), server.HostKeyFingerprint());
    }

    FtpUploader uploader;
    uploader.SetKnownHostsFile(server.KnownHostsFile());
    uploader.SetTrustQuestion([](const QString &, const QString &) { return FtpUploader::TrustChoice::Always; });
    QStringList log;
    QObject::connect(&uploader, &FtpUploader::LogLine, [&](const QString &t) { log.append(t); });
    ASSERT_TRUE(uploader.connectProfile(profile)) << log.join(u'\n').toStdString();
    EXPECT_EQ(profile.TrustedFingerprints, QStringList{server.HostKeyFingerprint()});
    EXPECT_EQ(uploader.Session()->RemotePath(), server.Root() + u'/');

    EXPECT_TRUE(uploader.Upload(gallery.path(), files, images).isEmpty()) << log.join(u'\n').toStdString();
    for (const QString &f : files)
        EXPECT_EQ(ReadFile(server.Root() + u'/' + f), f.toUtf8());
    for (const QString &f : images)
        EXPECT_EQ(ReadFile(server.Root() + u"/images/"_s + f), f.toUtf8());

    log.clear();
    EXPECT_TRUE(uploader.Upload(gallery.path(), files, images).isEmpty());
    EXPECT_TRUE(log.contains(u"NOT UPLOADING FILE EXISTS:  images/a_t.jpg"_s)) << log.join(u'\n').toStdString();
    EXPECT_TRUE(log.contains(u"NOT UPLOADING FILE EXISTS:  images/a.jpg"_s));
    uploader.Disconnect();
}
