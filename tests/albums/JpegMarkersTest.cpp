#include "PhotoFixtures.h"
#include "JpegMarkers.h"

#include <gtest/gtest.h>

TEST(JpegMarkersTest, BaselineFrameAndSize)
{
    const JpegMarkers m = JpegMarkers::read(jpegBytes(markedPicture(64, 48)));
    EXPECT_TRUE(m.isJpeg);
    EXPECT_EQ(m.frameMarker, 0xC0);
    EXPECT_TRUE(m.isBaseline());
    EXPECT_FALSE(m.isProgressive());
    EXPECT_EQ(m.width, 64);
    EXPECT_EQ(m.height, 48);
    EXPECT_EQ(m.exifOrientation, 0);
    EXPECT_TRUE(m.complete);
}

TEST(JpegMarkersTest, ProgressiveFrame)
{
    JpegFixture progressive;
    progressive.progressive = true;
    const JpegMarkers m = JpegMarkers::read(jpegBytes(markedPicture(64, 48), progressive));
    EXPECT_EQ(m.frameMarker, 0xC2);
    EXPECT_TRUE(m.isProgressive());
    EXPECT_FALSE(m.isBaseline());
    EXPECT_TRUE(m.complete);
}

TEST(JpegMarkersTest, exifOrientation)
{
    for (int orientation = 1; orientation <= 8; ++orientation) {
        JpegFixture options;
        options.exifOrientation = orientation;
        const JpegMarkers m = JpegMarkers::read(jpegBytes(markedPicture(40, 30), options));
        EXPECT_EQ(m.exifOrientation, orientation);
        EXPECT_EQ(m.width, 40); // the stored size
        EXPECT_TRUE(m.complete);
    }
}

TEST(JpegMarkersTest, TruncatedFileIsIncomplete)
{
    const QByteArray jpeg = jpegBytes(markedPicture(200, 150));
    const JpegMarkers cut = JpegMarkers::read(jpeg.left(jpeg.size() / 2));
    EXPECT_TRUE(cut.isJpeg);
    EXPECT_FALSE(cut.complete);
    // Bytes after the end-of-image marker (as some cameras append) leave it complete.
    EXPECT_TRUE(JpegMarkers::read(jpeg + QByteArray(100, 'x')).complete);
}

TEST(JpegMarkersTest, NotAJpeg)
{
    EXPECT_FALSE(JpegMarkers::read(QByteArray("hello, world")).isJpeg);
    EXPECT_FALSE(JpegMarkers::read(QByteArray()).isJpeg);
    EXPECT_FALSE(JpegMarkers::read(jpegBytes(markedPicture(8, 8)).left(20)).isJpeg); // no frame header yet
    EXPECT_FALSE(JpegMarkers::readFile(QStringLiteral("/no/such/file.jpg")).isJpeg);
}
