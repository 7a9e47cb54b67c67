#include "UploadTestSupport.h"
#include "VsftpdTestServer.h"
#include "publish/FtpUploader.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

JDServerData ProfileFor(const VsftpdTestServer &server, int protocol)
{
    JDServerData p = Profile(server.Port(), protocol);
    p.Anonymous = server.Anonymous();
    p.HostDirName = u"site"_s;
    return p;
}

// Where the login's "site" folder is as the server names it.
QString SitePath(const VsftpdTestServer &server)
{
    return (server.Anonymous() ? server.Root() : QString()) + u"/site/"_s;
}

QString Joined(const QStringList &log)
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
    ASSERT_TRUE(server.IsRunning()) << server.Error().toStdString();
    QDir().mkpath(server.Root() + u"/site"_s);
    GalleryFolder gallery;
    JDServerData profile = ProfileFor(server, GetParam().protocol);
    profile.TrustedFingerprints = {server.CertificateFingerprint()};

    FtpUploader uploader;
    Recorder rec(uploader);
    ASSERT_TRUE(uploader.connectProfile(profile)) << Joined(rec.log).toStdString();
    EXPECT_EQ(uploader.Session()->RemotePath(), SitePath(server));

    EXPECT_TRUE(uploader.Upload(gallery.Path(), gallery.files, gallery.images).isEmpty()) << Joined(rec.log).toStdString();
    EXPECT_EQ(rec.LastStatus(), u"Done."_s);
    for (const QString &f : gallery.files)
        EXPECT_EQ(ReadFile(server.Root() + u"/site/"_s + f), GalleryFolder::FileContent(f)) << f.toStdString();
    for (const QString &f : gallery.images)
        EXPECT_EQ(ReadFile(server.Root() + u"/site/images/"_s + f), GalleryFolder::ImageContent(f)) << f.toStdString();

    rec.log.clear();
    EXPECT_TRUE(uploader.Upload(gallery.Path(), gallery.files, gallery.images).isEmpty()) << Joined(rec.log).toStdString();
    EXPECT_EQ(rec.Matching(u"NOT UPLOADING FILE EXISTS:  images/"_s), gallery.images) << Joined(rec.log).toStdString();
    EXPECT_EQ(Sorted(rec.Matching(u"UPLOADING: "_s)), Sorted(gallery.files));
    EXPECT_EQ(rec.LastStatus(), u"Done."_s);
    uploader.Disconnect();
}

// The self-signed certificate stops the connection before the password goes out, and names
// itself so that the user can be asked; once its fingerprint is trusted, the login goes ahead.
TEST_P(FtpsUploadModes, UntrustedCertificateIsRefusedUnlessTrusted)
{
    VsftpdTestServer server(GetParam().tls);
    ASSERT_TRUE(server.IsRunning()) << server.Error().toStdString();
    JDServerData profile = ProfileFor(server, GetParam().protocol);
    {
        FtpUploader uploader;
        Recorder rec(uploader);
        EXPECT_FALSE(uploader.connectProfile(profile));
        EXPECT_FALSE(rec.log.contains(u"PASS ****"_s)) << Joined(rec.log).toStdString();
        EXPECT_EQ(uploader.Session()->UntrustedFingerprint(), server.CertificateFingerprint());
        EXPECT_TRUE(Joined(rec.log).contains(server.CertificateFingerprint())) << Joined(rec.log).toStdString();
    }
    profile.TrustedFingerprints = {server.CertificateFingerprint()};
    FtpUploader uploader;
    Recorder rec(uploader);
    EXPECT_TRUE(uploader.connectProfile(profile)) << Joined(rec.log).toStdString();
    EXPECT_TRUE(rec.log.contains(u"PASS ****"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FtpsUploadModes,
    ::testing::Values(TlsCase{"ControlAndData", VsftpdTestServer::Tls::ExplicitData, JDServerData::FtpSslData},
                      TlsCase{"Implicit", VsftpdTestServer::Tls::Implicit, JDServerData::FtpSslImplicit}),
    [](const auto &info) { return std::string(info.param.name); });

// The server that the tests above rely on does refuse clear data: a profile that protects the
// control connection only gets nothing through, and says so for every file.
TEST(FtpsUpload, ControlOnlyTlsGetsNoFileThroughAServerThatWantsTlsForData)
{
    VsftpdTestServer server(VsftpdTestServer::Tls::ExplicitData);
    ASSERT_TRUE(server.IsRunning()) << server.Error().toStdString();
    QDir().mkpath(server.Root() + u"/site"_s);
    GalleryFolder gallery;
    JDServerData profile = ProfileFor(server, JDServerData::FtpSsl);
    profile.TrustedFingerprints = {server.CertificateFingerprint()};

    FtpUploader uploader;
    Recorder rec(uploader);
    ASSERT_TRUE(uploader.connectProfile(profile)) << Joined(rec.log).toStdString();
    const QStringList failed = uploader.Upload(gallery.Path(), gallery.files, gallery.images);
    QStringList everything = gallery.files;
    for (const QString &f : gallery.images)
        everything << u"images/"_s + f;
    EXPECT_EQ(Sorted(failed), Sorted(everything)) << Joined(rec.log).toStdString();
    EXPECT_EQ(rec.LastStatus(), u"Done, %1 files could not be uploaded."_s.arg(failed.size()));
    EXPECT_TRUE(QDir(server.Root() + u"/site"_s).isEmpty(QDir::Files));
}
