#include "FtpTestServer.h"
#include "UploadTestSupport.h"
#include "GalleryUploader.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

struct ModeCase
{
    const char *name;
    const char *tls;
    int protocol;
    bool noMlsd;
    bool passive;
};

class FtpUploadModes : public ::testing::TestWithParam<ModeCase>
{
};

// A first upload puts everything where the gallery expects it, images first and the page last; a
// second one skips every image already there and sends the top-level files again.
TEST_P(FtpUploadModes, UploadsGalleryThenSkipsExistingImages)
{
    const ModeCase mode = GetParam();
    FtpTestServer server({QString::fromLatin1(mode.tls), false, mode.noMlsd});
    ASSERT_TRUE(server.isRunning()) << server.error().toStdString();
    QDir().mkpath(server.root() + u"/site"_s);
    GalleryFolder gallery;

    ServerProfile profile = testProfile(server.port(), mode.protocol);
    profile.hostDirName = u"site"_s;
    profile.passiveMode = mode.passive;
    profile.trustedFingerprints = {server.certificateFingerprint()};
    GalleryUploader uploader;
    Recorder rec(uploader);
    ASSERT_TRUE(uploader.connectProfile(profile)) << rec.log.join(u'\n').toStdString();
    EXPECT_EQ(uploader.session()->remotePath(), u"/site/"_s);
    EXPECT_EQ(rec.lastStatus(), u"Connected"_s);

    EXPECT_TRUE(uploader.upload(gallery.path(), gallery.files, gallery.images).isEmpty());
    EXPECT_EQ(rec.lastStatus(), u"Done."_s);
    for (const QString &f : gallery.files)
        EXPECT_EQ(readFile(server.root() + u"/site/"_s + f), GalleryFolder::fileContent(f)) << f.toStdString();
    for (const QString &f : gallery.images)
        EXPECT_EQ(readFile(server.root() + u"/site/images/"_s + f), GalleryFolder::imageContent(f));
    QStringList expectedOrder;
    for (const QString &f : gallery.images)
        expectedOrder << u"images/"_s + f;
    expectedOrder << u"myalbum.swf"_s << u"back.jpg"_s << u"default.mp3"_s << u"myalbum.xml"_s << u"myalbum.html"_s;
    EXPECT_EQ(rec.matching(u"UPLOADING: "_s), expectedOrder);
    EXPECT_TRUE(rec.log.contains(u"PASS ****"_s));
    EXPECT_FALSE(rec.log.join(u'\n').contains(u"secret"_s));

    rec.log.clear();
    EXPECT_TRUE(uploader.upload(gallery.path(), gallery.files, gallery.images).isEmpty());
    EXPECT_EQ(rec.matching(u"NOT UPLOADING FILE EXISTS:  images/"_s), gallery.images);
    EXPECT_EQ(sorted(rec.matching(u"UPLOADING: "_s)), sorted(gallery.files));
    EXPECT_EQ(rec.lastStatus(), u"Done."_s);
    uploader.disconnectFromServer();
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FtpUploadModes,
    ::testing::Values(ModeCase{"FtpMlsd", "none", ServerProfile::Ftp, false, true},
                      ModeCase{"FtpList", "none", ServerProfile::Ftp, true, true},
                      ModeCase{"FtpActive", "none", ServerProfile::Ftp, false, false},
                      ModeCase{"FtpsControl", "explicit", ServerProfile::FtpSsl, false, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FtpUpload, AnonymousProfileLogsInAsAnonymousWhateverItsUserName)
{
    FtpTestServer server({u"none"_s, true, false});
    ASSERT_TRUE(server.isRunning());
    ServerProfile profile = testProfile(server.port());
    profile.anonymous = true;
    profile.username = u"someone"_s;
    profile.password = u"wrong"_s;
    GalleryUploader uploader;
    Recorder rec(uploader);
    ASSERT_TRUE(uploader.connectProfile(profile)) << rec.log.join(u'\n').toStdString();
    EXPECT_TRUE(rec.log.contains(u"USER anonymous"_s));
    EXPECT_EQ(rec.loginFailed, 0);
}

TEST(FtpUpload, WrongPasswordBringsTheLoginMessage)
{
    FtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    ServerProfile profile = testProfile(server.port());
    profile.password = u"not the password"_s;
    GalleryUploader uploader;
    Recorder rec(uploader);
    EXPECT_FALSE(uploader.connectProfile(profile));
    EXPECT_EQ(rec.loginFailed, 1);
    EXPECT_EQ(rec.siteNotFound, 0);
    EXPECT_EQ(rec.lastStatus(), u"Error Connecting"_s);
}

TEST(FtpUpload, UnknownHostBringsTheSiteNotFoundMessage)
{
    ServerProfile profile = testProfile(21);
    profile.hostName = u"  no-such-host.invalid "_s;
    GalleryUploader uploader;
    Recorder rec(uploader);
    EXPECT_FALSE(uploader.connectProfile(profile));
    EXPECT_EQ(rec.siteNotFound, 1);
    EXPECT_TRUE(rec.log.contains(u"Host not found."_s));
    EXPECT_EQ(rec.lastStatus(), u"Error Connecting"_s);
    EXPECT_FALSE(uploader.session()->isConnected());
}

// A server that goes away in the middle of an upload: the files after that point are reported,
// one by one, and the upload does not claim to be done.
TEST(FtpUpload, ServerStoppedMidwayEndsWithTheFailureCount)
{
    auto server = std::make_unique<FtpTestServer>();
    ASSERT_TRUE(server->isRunning());
    GalleryFolder gallery;
    ServerProfile profile = testProfile(server->port());
    profile.timeout = 5;
    GalleryUploader uploader;
    Recorder rec(uploader);
    ASSERT_TRUE(uploader.connectProfile(profile));
    int uploads = 0;
    QObject::connect(&uploader, &GalleryUploader::logLine, [&](const QString &line) {
        if (line.startsWith(u"UPLOADING: "_s) && ++uploads == 3)
            server->stop();
    });
    const QStringList failed = uploader.upload(gallery.path(), gallery.files, gallery.images);
    ASSERT_FALSE(failed.isEmpty());
    EXPECT_EQ(rec.lastStatus(), u"Done, %1 files could not be uploaded."_s.arg(failed.size()));
    EXPECT_EQ(rec.matching(u"COULD NOT UPLOAD: "_s), failed);
    EXPECT_TRUE(failed.contains(u"myalbum.html"_s));
    EXPECT_FALSE(rec.status.contains(u"Done."_s));
}

TEST(FtpUpload, UploadWhileNotConnectedUploadsNothingAndEndsDone)
{
    GalleryFolder gallery;
    GalleryUploader uploader;
    Recorder rec(uploader);
    EXPECT_TRUE(uploader.upload(gallery.path(), gallery.files, gallery.images).isEmpty());
    EXPECT_TRUE(rec.matching(u"UPLOADING: "_s).isEmpty());
    EXPECT_EQ(rec.lastStatus(), u"Done."_s);
}

// A server that accepts the connection and then never says a word.
TEST(FtpUpload, SilentServerEndsTheConnectAfterTheProfileTimeout)
{
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    ServerProfile profile = testProfile(silent.serverPort());
    profile.timeout = 1;
    GalleryUploader uploader;
    Recorder rec(uploader);
    EXPECT_FALSE(uploader.connectProfile(profile));
    EXPECT_TRUE(rec.log.contains(u"The server did not answer within 1 seconds."_s)) << rec.log.join(u'\n').toStdString();
}

TEST(FtpUpload, UntrustedCertificateIsRefusedUnlessTrusted)
{
    FtpTestServer server({u"explicit"_s, false, false});
    ASSERT_TRUE(server.isRunning());
    ASSERT_FALSE(server.certificateFingerprint().isEmpty());
    ServerProfile profile = testProfile(server.port(), ServerProfile::FtpSsl);

    {   // nobody to ask: refused, and no password went out
        GalleryUploader uploader;
        Recorder rec(uploader);
        EXPECT_FALSE(uploader.connectProfile(profile));
        EXPECT_FALSE(rec.log.contains(u"PASS ****"_s));
        EXPECT_TRUE(rec.log.join(u'\n').contains(server.certificateFingerprint()));
    }
    {   // the user cancels
        GalleryUploader uploader;
        QString asked;
        uploader.setTrustQuestion([&](const QString &fp, const QString &) {
            asked = fp;
            return GalleryUploader::TrustChoice::Cancel;
        });
        EXPECT_FALSE(uploader.connectProfile(profile));
        EXPECT_EQ(asked, server.certificateFingerprint());
    }
    {   // trusted once: connects, the profile keeps nothing
        GalleryUploader uploader;
        uploader.setTrustQuestion([](const QString &, const QString &) { return GalleryUploader::TrustChoice::Once; });
        EXPECT_TRUE(uploader.connectProfile(profile));
        EXPECT_TRUE(profile.trustedFingerprints.isEmpty());
    }
    {   // trusted always: remembered with the profile, and later connections need no question
        GalleryUploader uploader;
        uploader.setTrustQuestion([](const QString &, const QString &) { return GalleryUploader::TrustChoice::Always; });
        EXPECT_TRUE(uploader.connectProfile(profile));
        EXPECT_EQ(profile.trustedFingerprints, QStringList{server.certificateFingerprint()});
    }
    GalleryUploader later;
    EXPECT_TRUE(later.connectProfile(profile));
}

struct ProxyCase
{
    const char *type;
    const char *expectedLog; // empty: only that the connection fails
};

class FtpProxy : public ::testing::TestWithParam<ProxyCase>
{
};

// The proxy reaches the session: a proxy that is not there makes the connection fail, and a
// relay is refused as unsupported before anything is sent.
TEST_P(FtpProxy, ProxySettingsApplyWhenAHostIsSet)
{
    FtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 deadPort = closed.serverPort();
    closed.close();

    ProxySettings proxy;
    proxy.hostName = u"127.0.0.1"_s;
    proxy.port = QString::number(deadPort);
    proxy.type = QString::fromLatin1(GetParam().type);
    GalleryUploader uploader;
    uploader.setProxy(proxy);
    Recorder rec(uploader);
    ServerProfile profile = testProfile(server.port());
    EXPECT_FALSE(uploader.connectProfile(profile));
    EXPECT_FALSE(rec.log.contains(u"USER tester"_s));
    if (*GetParam().expectedLog) {
        EXPECT_TRUE(rec.log.contains(QString::fromLatin1(GetParam().expectedLog))) << rec.log.join(u'\n').toStdString();
    }

    GalleryUploader direct;
    EXPECT_TRUE(direct.connectProfile(profile)); // no proxy host: straight to the server
}

INSTANTIATE_TEST_SUITE_P(Types, FtpProxy,
                         ::testing::Values(ProxyCase{"Socks4", ""}, ProxyCase{"Socks4a", ""},
                                           ProxyCase{"Socks5", ""}, ProxyCase{"Web Standard", ""},
                                           ProxyCase{"Relay", "Relay proxies are not supported."}),
                         [](const auto &info) {
                             std::string n = info.param.type;
                             std::erase(n, ' ');
                             return n;
                         });
