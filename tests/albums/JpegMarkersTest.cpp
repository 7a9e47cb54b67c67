#include "PhotoFixtures.h"
#include "albums/JpegMarkers.h"

#include <gtest/gtest.h>

TEST(JpegMarkersTest, BaselineFrameAndSize)
{
    const JpegMarkers m = JpegMarkers::Read(JpegBytes(MarkedPicture(64, 48)));
    EXPECT_TRUE(m.isJpeg);
    EXPECT_EQ(m.frameMarker, 0xC0);
    EXPECT_TRUE(m.IsBaseline());
    EXPECT_FALSE(m.IsProgressive());
    EXPECT_EQ(m.width, 64);
    EXPECT_EQ(m.height, 48);
    EXPECT_EQ(m.exifOrientation, 0);
    EXPECT_TRUE(m.complete);
}

TEST(JpegMarkersTest, ProgressiveFrame)
{
    JpegFixture progressive;
    progressive.progressive = true;
    const JpegMarkers m = JpegMarkers::Read(JpegBytes(MarkedPicture(64, 48), progressive));
    EXPECT_EQ(m.frameMarker, 0xC2);
    EXPECT_TRUE(m.IsProgressive());
    EXPECT_FALSE(m.IsBaseline());
    EXPECT_TRUE(m.complete);
}

TEST(JpegMarkersTest, ExifOrientation)
{
    for (int orientation = 1; orientation <= 8; ++orientation) {
        JpegFixture options;
        options.exifOrientation = orientation;
        const JpegMarkers m = JpegMarkers::Read(JpegBytes(MarkedPicture(40, 30), options));
        EXPECT_EQ(m.exifOrientation, orientation);
        EXPECT_EQ(m.width, 40); // the stored size
        EXPECT_TRUE(m.complete);
    }
}

TEST(JpegMarkersTest, TruncatedFileIsIncomplete)
{
    const QByteArray jpeg = JpegBytes(MarkedPicture(200, 150));
    const JpegMarkers cut = JpegMarkers::Read(jpeg.left(jpeg.size() / 2));
    EXPECT_TRUE(cut.isJpeg);
    EXPECT_FALSE(cut.complete);
    // Bytes after the end-of-image marker (as some cameras append) leave it complete.
    EXPECT_TRUE(JpegMarkers::Read(jpeg + QByteArray(100, 'x')).complete);
}

TEST(JpegMarkersTest, NotAJpeg)
{
    EXPECT_FALSE(JpegMarkers::Read(QByteArray("hello, world")).isJpeg);
    EXPECT_FALSE(JpegMarkers::Read(QByteArray()).isJpeg);
    EXPECT_FALSE(JpegMarkers::Read(JpegBytes(MarkedPicture(8, 8)).left(20)).isJpeg); // no frame header yet
    EXPECT_FALSE(JpegMarkers::ReadFile(QStringLiteral("/no/such/file.jpg")).isJpeg);
}
