#include "UploadTestSupport.h"
#include "VsftpdTestServer.h"
#include "GalleryUploader.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ServerProfile profileFor(const VsftpdTestServer &server, int protocol)
{
    ServerProfile p = testProfile(server.port(), protocol);
    p.anonymous = server.anonymous();
    p.hostDirName = u"site"_s;
    return p;
}

// Where the login's "site" folder is as the server names it.
QString sitePath(const VsftpdTestServer &server)
{
    return (server.anonymous() ? server.root() : QString()) + u"/site/"_s;
}

QString joined(const QStringList &log)
{
    return log.join(u'\n');
}

} // namespace

struct TlsCase
{
    const char *name;
    VsftpdTestServer::Tls tls;
    int protocol;
};

class FtpsUploadModes : public ::testing::TestWithParam<TlsCase>
{
};

// The server turns away data connections without TLS, so every listing and every file that
// arrives went over TLS. A second upload finds the images there and sends the pages again.
TEST_P(FtpsUploadModes, UploadsGalleryThenSkipsExistingImages)
{
    VsftpdTestServer server(GetParam().tls);
    ASSERT_TRUE(server.isRunning()) << server.error().toStdString();
    QDir().mkpath(server.root() + u"/site"_s);
    GalleryFolder gallery;
    ServerProfile profile = profileFor(server, GetParam().protocol);
    profile.trustedFingerprints = {server.certificateFingerprint()};

    GalleryUploader uploader;
    Recorder rec(uploader);
    ASSERT_TRUE(uploader.connectProfile(profile)) << joined(rec.log).toStdString();
    EXPECT_EQ(uploader.session()->remotePath(), sitePath(server));

    EXPECT_TRUE(uploader.upload(gallery.path(), gallery.files, gallery.images).isEmpty()) << joined(rec.log).toStdString();
    EXPECT_EQ(rec.lastStatus(), u"Done."_s);
    for (const QString &f : gallery.files)
        EXPECT_EQ(readFile(server.root() + u"/site/"_s + f), GalleryFolder::fileContent(f)) << f.toStdString();
    for (const QString &f : gallery.images)
        EXPECT_EQ(readFile(server.root() + u"/site/images/"_s + f), GalleryFolder::imageContent(f)) << f.toStdString();

    rec.log.clear();
    EXPECT_TRUE(uploader.upload(gallery.path(), gallery.files, gallery.images).isEmpty()) << joined(rec.log).toStdString();
    EXPECT_EQ(rec.matching(u"NOT UPLOADING FILE EXISTS:  images/"_s), gallery.images) << joined(rec.log).toStdString();
    EXPECT_EQ(sorted(rec.matching(u"UPLOADING: "_s)), sorted(gallery.files));
    EXPECT_EQ(rec.lastStatus(), u"Done."_s);
    uploader.disconnectFromServer();
}

// The self-signed certificate stops the connection before the password goes out, and names
// itself so that the user can be asked; once its fingerprint is trusted, the login goes ahead.
TEST_P(FtpsUploadModes, UntrustedCertificateIsRefusedUnlessTrusted)
{
    VsftpdTestServer server(GetParam().tls);
    ASSERT_TRUE(server.isRunning()) << server.error().toStdString();
    ServerProfile profile = profileFor(server, GetParam().protocol);
    {
        GalleryUploader uploader;
        Recorder rec(uploader);
        EXPECT_FALSE(uploader.connectProfile(profile));
        EXPECT_FALSE(rec.log.contains(u"PASS ****"_s)) << joined(rec.log).toStdString();
        EXPECT_EQ(uploader.session()->untrustedFingerprint(), server.certificateFingerprint());
        EXPECT_TRUE(joined(rec.log).contains(server.certificateFingerprint())) << joined(rec.log).toStdString();
    }
    profile.trustedFingerprints = {server.certificateFingerprint()};
    GalleryUploader uploader;
    Recorder rec(uploader);
    EXPECT_TRUE(uploader.connectProfile(profile)) << joined(rec.log).toStdString();
    EXPECT_TRUE(rec.log.contains(u"PASS ****"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FtpsUploadModes,
    ::testing::Values(TlsCase{"ControlAndData", VsftpdTestServer::Tls::ExplicitData, ServerProfile::FtpSslData},
                      TlsCase{"Implicit", VsftpdTestServer::Tls::Implicit, ServerProfile::FtpSslImplicit}),
    [](const auto &info) { return std::string(info.param.name); });

// The server that the tests above rely on does refuse clear data: a profile that protects the
// control connection only gets nothing through, and says so for every file.
TEST(FtpsUpload, ControlOnlyTlsGetsNoFileThroughAServerThatWantsTlsForData)
{
    VsftpdTestServer server(VsftpdTestServer::Tls::ExplicitData);
    ASSERT_TRUE(server.isRunning()) << server.error().toStdString();
    QDir().mkpath(server.root() + u"/site"_s);
    GalleryFolder gallery;
    ServerProfile profile = profileFor(server, ServerProfile::FtpSsl);
    profile.trustedFingerprints = {server.certificateFingerprint()};

    GalleryUploader uploader;
    Recorder rec(uploader);
    ASSERT_TRUE(uploader.connectProfile(profile)) << joined(rec.log).toStdString();
    const QStringList failed = uploader.upload(gallery.path(), gallery.files, gallery.images);
    QStringList everything = gallery.files;
    for (const QString &f : gallery.images)
        everything << u"images/"_s + f;
    EXPECT_EQ(sorted(failed), sorted(everything)) << joined(rec.log).toStdString();
    EXPECT_EQ(rec.lastStatus(), u"Done, %1 files could not be uploaded."_s.arg(failed.size()));
    EXPECT_TRUE(QDir(server.root() + u"/site"_s).isEmpty(QDir::Files));
}
