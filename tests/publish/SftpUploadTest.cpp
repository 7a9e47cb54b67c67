#include "SshTestServer.h"
#include "GalleryUploader.h"
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
    ASSERT_TRUE(server.isRunning()) << server.error().toStdString();
    HomeOverride home(server.home());

    QTemporaryDir gallery;
    const QStringList files{u"myalbum.html"_s, u"myalbum.xml"_s};
    const QStringList images{u"a_t.jpg"_s, u"a.jpg"_s};
    for (const QString &f : files)
        writeFile(gallery.path() + u'/' + f, f.toUtf8());
    for (const QString &f : images)
        writeFile(gallery.path() + u"/images/"_s + f, f.toUtf8());

    ServerProfile profile = ServerProfile::makeNew(u"Ssh"_s, u"127.0.0.1"_s, qEnvironmentVariable("USER", u"root"_s),
                                                 u"unused"_s, server.root(), false, false);
    profile.protocol = ServerProfile::Sftp;
    profile.port = server.port();
    profile.timeout = 20;

    {
        GalleryUploader refused;
        refused.setKnownHostsFile(server.knownHostsFile());
        EXPECT_FALSE(refused.connectProfile(profile));
        EXPECT_EQ(refused.session()->untrustedFingerprint(), server.hostKeyFingerprint());
    }

    GalleryUploader uploader;
    uploader.setKnownHostsFile(server.knownHostsFile());
    uploader.setTrustQuestion([](const QString &, const QString &) { return GalleryUploader::TrustChoice::Always; });
    QStringList log;
    QObject::connect(&uploader, &GalleryUploader::logLine, [&](const QString &t) { log.append(t); });
    ASSERT_TRUE(uploader.connectProfile(profile)) << log.join(u'\n').toStdString();
    EXPECT_EQ(profile.trustedFingerprints, QStringList{server.hostKeyFingerprint()});
    EXPECT_EQ(uploader.session()->remotePath(), server.root() + u'/');

    EXPECT_TRUE(uploader.upload(gallery.path(), files, images).isEmpty()) << log.join(u'\n').toStdString();
    for (const QString &f : files)
        EXPECT_EQ(readFile(server.root() + u'/' + f), f.toUtf8());
    for (const QString &f : images)
        EXPECT_EQ(readFile(server.root() + u"/images/"_s + f), f.toUtf8());

    log.clear();
    EXPECT_TRUE(uploader.upload(gallery.path(), files, images).isEmpty());
    EXPECT_TRUE(log.contains(u"NOT UPLOADING FILE EXISTS:  images/a_t.jpg"_s)) << log.join(u'\n').toStdString();
    EXPECT_TRUE(log.contains(u"NOT UPLOADING FILE EXISTS:  images/a.jpg"_s));
    uploader.disconnectFromServer();
}
