#include "PhotoFixtures.h"
#include "ImageProcessor.h"
#include "JpegMarkers.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ImageProcessorTest, RoundHalfToEven)
{
    EXPECT_EQ(ImageProcessor::roundHalfEven(112.5), 112);
    EXPECT_EQ(ImageProcessor::roundHalfEven(113.5), 114);
    EXPECT_EQ(ImageProcessor::roundHalfEven(0.5), 0);
    EXPECT_EQ(ImageProcessor::roundHalfEven(1.5), 2);
    EXPECT_EQ(ImageProcessor::roundHalfEven(742.857), 743);
    EXPECT_EQ(ImageProcessor::roundHalfEven(138.4), 138);
    EXPECT_EQ(ImageProcessor::roundHalfEven(600.0), 600);
}

struct SizeCase
{
    QSize source;
    QSize big;
    bool bigScaled;
    QSize thumb;
};

class SizeRuleTest : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(SizeRuleTest, BoundsOf800x600AndThumbnails)
{
    const SizeCase c = GetParam();
    ImportJob job; // 800 x 600, resizing on
    bool scaled = false;
    EXPECT_EQ(ImageProcessor::bigImageSize(c.source, job, &scaled), c.big);
    EXPECT_EQ(scaled, c.bigScaled);
    bool thumbScaled = false;
    EXPECT_EQ(ImageProcessor::thumbnailSize(c.source, job, &thumbScaled), c.thumb);
    EXPECT_EQ(thumbScaled, c.source != QSize(150, 100));
}

INSTANTIATE_TEST_SUITE_P(Part42, SizeRuleTest,
                         ::testing::Values(SizeCase{{4000, 3000}, {800, 600}, true, {150, 112}},
                                           SizeCase{{3000, 4000}, {450, 600}, true, {75, 100}},
                                           SizeCase{{1000, 1000}, {600, 600}, true, {100, 100}},
                                           SizeCase{{1000, 900}, {800, 720}, true, {150, 135}},
                                           SizeCase{{700, 650}, {800, 743}, true, {150, 139}},
                                           SizeCase{{640, 480}, {640, 480}, false, {150, 112}},
                                           SizeCase{{800, 600}, {800, 600}, false, {150, 112}},
                                           SizeCase{{801, 600}, {800, 599}, true, {150, 112}},
                                           SizeCase{{800, 601}, {800, 601}, true, {150, 113}},
                                           SizeCase{{150, 100}, {150, 100}, false, {150, 100}},
                                           SizeCase{{150, 112}, {150, 112}, false, {150, 112}}));

TEST(ImageProcessorTest, ResizingOffLeavesTheBigImage)
{
    ImportJob job;
    job.resizeImages = false;
    bool scaled = true;
    EXPECT_EQ(ImageProcessor::bigImageSize(QSize(4000, 3000), job, &scaled), QSize(4000, 3000));
    EXPECT_FALSE(scaled);
}

TEST(ImageProcessorTest, ZeroSizeIsNotScaled)
{
    ImportJob job;
    bool scaled = true;
    EXPECT_EQ(ImageProcessor::bigImageSize(QSize(0, 3000), job, &scaled), QSize(0, 3000));
    EXPECT_FALSE(scaled);
    EXPECT_EQ(ImageProcessor::thumbnailSize(QSize(0, 0), job, &scaled), QSize(0, 0));
    EXPECT_FALSE(scaled);
}

TEST(ImageProcessorTest, CaseSensitiveJpgExtension)
{
    EXPECT_TRUE(ImageProcessor::hasJpgExtension(u"/a/b/a.jpg"_s));
    EXPECT_FALSE(ImageProcessor::hasJpgExtension(u"/a/b/a.JPG"_s));
    EXPECT_FALSE(ImageProcessor::hasJpgExtension(u"/a/b/a.jpeg"_s));
    EXPECT_FALSE(ImageProcessor::hasJpgExtension(u"/a/b/a.Jpg"_s));
    EXPECT_TRUE(ImageProcessor::hasJpgExtension(u"/a/b/holiday.2007.jpg"_s));
    EXPECT_FALSE(ImageProcessor::hasJpgExtension(u"/a/b.jpg/noext"_s));
}

TEST(ImageProcessorTest, EncodesBaselineAtQuality80)
{
    for (const QImage &picture : {markedPicture(320, 240), QImage(markedPicture(64, 64).convertToFormat(QImage::Format_Grayscale8))}) {
        const QByteArray jpeg = ImageProcessor::encodeJpeg(picture);
        const JpegMarkers m = JpegMarkers::read(jpeg);
        EXPECT_TRUE(m.isBaseline());
        EXPECT_EQ(QSize(m.width, m.height), picture.size());
        EXPECT_EQ(firstQuantTable(jpeg), standardLuminanceTable(80));
    }
}

TEST(ImageProcessorTest, FailureMessageListsEveryFile)
{
    const QList<ImportFailure> two = {{u"/p/a.jpg"_s, u"the file is incomplete"_s}, {u"/p/b.jpg"_s, u"not a picture"_s}};
    const QString skipped = ImportFailure::Message(two, false);
    EXPECT_TRUE(skipped.contains(u"were not added"_s));
    EXPECT_TRUE(skipped.contains(u"/p/a.jpg (the file is incomplete)"_s));
    EXPECT_TRUE(skipped.contains(u"/p/b.jpg (not a picture)"_s));
    EXPECT_TRUE(ImportFailure::Message(two, true).contains(u"stay in their albums"_s));
    EXPECT_TRUE(ImportFailure::Message({}, false).isEmpty());
}
