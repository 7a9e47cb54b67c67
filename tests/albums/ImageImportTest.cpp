#include "ImportTestSupport.h"
#include "JpegMarkers.h"
#include "Utils.h"

#include <QDir>

using namespace Qt::StringLiterals;

// --- names ---------------------------------------------------------------------------------

TEST_F(ImportTest, NamesAreCleanedLowerCasedAndUnique)
{
    const QString path = makeJpeg(photo(u"My Photo.JPG"_s), 320, 240);
    AlbumPhoto *first = album->addImage(path);
    EXPECT_EQ(first->bigFileName(), u"my_photo.jpg"_s);
    EXPECT_EQ(first->thumbFileName(), u"my_photo_s.jpg"_s);
    EXPECT_EQ(first->sourcePath(), path);
    AlbumPhoto *second = album->addImage(path);
    EXPECT_EQ(second->bigFileName(), u"my_photo(2).jpg"_s);
    EXPECT_EQ(second->thumbFileName(), u"my_photo(2)_s.jpg"_s);
}

TEST_F(ImportTest, StemEndsAtTheFirstDotAndMediaCharactersGo)
{
    AlbumPhoto *holiday = album->addImage(makePicture(photo(u"holiday.2007.png"_s), markedPicture(64, 48), "png"));
    EXPECT_EQ(holiday->bigFileName(), u"holiday.jpg"_s);
    EXPECT_EQ(holiday->thumbFileName(), u"holiday_s.jpg"_s);
    AlbumPhoto *ab = album->addImage(makePicture(photo(u"a&b.gif"_s), markedPicture(64, 48), "gif"));
    EXPECT_EQ(ab->bigFileName(), u"ab.jpg"_s);
    EXPECT_EQ(ab->thumbFileName(), u"ab_s.jpg"_s);
    EXPECT_TRUE(hasFiles(holiday));
    EXPECT_TRUE(hasFiles(ab));
}

TEST_F(ImportTest, NamesForMatchesUniqueFileName)
{
    writeFile(work(u"x.jpg"_s));
    writeFile(work(u"x(2).jpg"_s));
    writeFile(work(u"x(3)_s.jpg"_s));
    const auto names = AlbumPhoto::namesFor(u"X.png"_s);
    EXPECT_EQ(names.big, u"x(3).jpg"_s);
    EXPECT_EQ(names.thumb, u"x(3)_s(2).jpg"_s);
    const auto promised = AlbumPhoto::namesFor(u"x.png"_s, {u"x(3).jpg"_s});
    EXPECT_EQ(promised.big, u"x(4).jpg"_s);
    EXPECT_EQ(promised.thumb, u"x(4)_s.jpg"_s);
}

// --- sizes ---------------------------------------------------------------------------------

struct ImportSizeCase
{
    int w, h;
    int bigW, bigH;
    int thumbW, thumbH;
};

class ImportSizeTest : public ImportTest, public ::testing::WithParamInterface<ImportSizeCase>
{
};

TEST_P(ImportSizeTest, BigImageAndThumbnailSizes)
{
    const ImportSizeCase c = GetParam();
    AlbumPhoto *image = album->addImage(makeJpeg(photo(u"photo.jpg"_s), c.w, c.h));
    const QImage big = this->big(image);
    const QImage thumb = this->thumb(image);
    EXPECT_EQ(big.size(), QSize(c.bigW, c.bigH));
    EXPECT_EQ(thumb.size(), QSize(c.thumbW, c.thumbH));
    // Every re-encoded file is baseline at quality 80.
    for (const QByteArray &jpeg : {bigBytes(image), thumbBytes(image)}) {
        EXPECT_TRUE(JpegMarkers::read(jpeg).isBaseline());
        EXPECT_EQ(firstQuantTable(jpeg), standardLuminanceTable(80));
    }
    // The picture is scaled, not cropped: the corners keep their colours.
    for (const QImage &picture : {big, thumb}) {
        EXPECT_EQ(colourAt(picture, 2, 2), 'r');
        EXPECT_EQ(colourAt(picture, picture.width() - 3, 2), 'g');
        EXPECT_EQ(colourAt(picture, picture.width() / 2, picture.height() - 3), 'b');
    }
}

INSTANTIATE_TEST_SUITE_P(Part42EdgeCases, ImportSizeTest,
                         ::testing::Values(ImportSizeCase{4000, 3000, 800, 600, 150, 112},
                                           ImportSizeCase{3000, 4000, 450, 600, 75, 100},
                                           ImportSizeCase{1000, 1000, 600, 600, 100, 100},
                                           ImportSizeCase{1000, 900, 800, 720, 150, 135},
                                           ImportSizeCase{700, 650, 800, 743, 150, 139}));

// --- copy or encode ------------------------------------------------------------------------

TEST_F(ImportTest, JpgWithinTheBoundsIsCopiedByteForByte)
{
    const QString path = makeJpeg(photo(u"a.jpg"_s), 640, 480);
    AlbumPhoto *image = album->addImage(path);
    EXPECT_EQ(bigBytes(image), readFile(path));
    EXPECT_EQ(thumb(image).size(), QSize(150, 112));
}

TEST_F(ImportTest, UpperCaseJpgAndJpegAreReEncoded)
{
    for (const QString &name : {u"a.JPG"_s, u"a.jpeg"_s}) {
        const QString path = makeJpeg(photo(name), 640, 480);
        AlbumPhoto *image = album->addImage(path);
        const QByteArray big = bigBytes(image);
        EXPECT_NE(big, readFile(path)) << name.toStdString();
        EXPECT_EQ(this->big(image).size(), QSize(640, 480));
        EXPECT_TRUE(JpegMarkers::read(big).isBaseline());
        EXPECT_EQ(firstQuantTable(big), standardLuminanceTable(80));
    }
}

TEST_F(ImportTest, ProgressiveInputComesOutBaseline)
{
    JpegFixture progressive;
    progressive.progressive = true;
    const QString path = makeJpeg(photo(u"wide.jpg"_s), 4000, 3000, progressive);
    ASSERT_TRUE(JpegMarkers::readFile(path).isProgressive());
    AlbumPhoto *image = album->addImage(path);
    EXPECT_TRUE(JpegMarkers::read(bigBytes(image)).isBaseline());
    EXPECT_TRUE(JpegMarkers::read(thumbBytes(image)).isBaseline());
    EXPECT_EQ(big(image).size(), QSize(800, 600));
    EXPECT_EQ(thumb(image).size(), QSize(150, 112));
}

TEST_F(ImportTest, ExactThumbnailSizeJpgIsCopiedAndLeavesTheBarAt30)
{
    const QString path = makeJpeg(photo(u"tiny.jpg"_s), 150, 100);
    AlbumPhoto *image = album->addImage(path);
    EXPECT_EQ(thumbBytes(image), readFile(path));
    EXPECT_EQ(bigBytes(image), readFile(path));
    EXPECT_EQ(progress.calls, (QStringList{u"status:Loading..."_s, u"image:tiny.jpg"_s, u"percent:10"_s, u"percent:30"_s}));
}

TEST_F(ImportTest, ExactThumbnailSizePngIsEncoded)
{
    const QString path = makePicture(photo(u"tiny.png"_s), markedPicture(150, 100), "png");
    AlbumPhoto *image = album->addImage(path);
    EXPECT_EQ(thumb(image).size(), QSize(150, 100));
    EXPECT_TRUE(JpegMarkers::read(thumbBytes(image)).isBaseline());
}

TEST_F(ImportTest, ResizingOffCopiesALargeJpgButStillMakesTheThumbnail)
{
    ImageResizeSettings::instance().resizeImages = false;
    const QString path = makeJpeg(photo(u"large.jpg"_s), 4000, 3000);
    AlbumPhoto *image = album->addImage(path);
    EXPECT_EQ(bigBytes(image), readFile(path));
    EXPECT_EQ(thumb(image).size(), QSize(150, 112));
    EXPECT_EQ(colourAt(thumb(image), 2, 2), 'r');
}

TEST_F(ImportTest, ProgressCallsOfAScaledPhoto)
{
    album->addImage(makeJpeg(photo(u"big.jpg"_s), 4000, 3000));
    EXPECT_EQ(progress.calls, (QStringList{u"status:Loading..."_s, u"image:big.jpg"_s, u"percent:10"_s, u"percent:30"_s,
                                           u"status:Scaling..."_s, u"percent:40"_s, u"percent:60"_s,
                                           u"status:Creating Thumbnail..."_s, u"percent:70"_s, u"percent:100"_s,
                                           u"status:Done"_s}));
}

TEST_F(ImportTest, OtherFormatsAreConverted)
{
    const QList<std::pair<QString, const char *>> formats = {
        {u"p.png"_s, "png"}, {u"g.gif"_s, "gif"}, {u"b.bmp"_s, "bmp"}, {u"t.tif"_s, "tiff"}, {u"t2.tiff"_s, "tiff"}};
    for (const auto &[name, format] : formats) {
        AlbumPhoto *image = album->addImage(makePicture(photo(name), markedPicture(1000, 750), format));
        EXPECT_FALSE(image->undecodable()) << name.toStdString() << " " << image->undecodableReason().toStdString();
        EXPECT_EQ(big(image).size(), QSize(800, 600)) << name.toStdString();
        EXPECT_EQ(thumb(image).size(), QSize(150, 112)) << name.toStdString();
        EXPECT_EQ(colourAt(big(image), 5, 5), 'r') << name.toStdString();
        EXPECT_TRUE(JpegMarkers::read(bigBytes(image)).isBaseline());
    }
}

TEST_F(ImportTest, TransparentPartsComeOutWhite)
{
    QImage picture(200, 100, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    AlbumPhoto *image = album->addImage(makePicture(photo(u"clear.png"_s), picture, "png"));
    EXPECT_EQ(colourAt(big(image), 100, 50), 'w');
    EXPECT_EQ(colourAt(thumb(image), 75, 37), 'w');
}

// --- a thumbnail beside the source ---------------------------------------------------------

TEST_F(ImportTest, ThumbnailBesideTheSourceIsCopied)
{
    const QString path = makeJpeg(photo(u"photo.jpg"_s), 1000, 750);
    const QString beside = makeJpeg(photo(u"photo_s.jpg"_s), plainPicture(150, 100, Qt::green));
    AlbumPhoto *image = album->addImage(path);
    EXPECT_EQ(thumbBytes(image), readFile(beside));
    EXPECT_EQ(big(image).size(), QSize(800, 600));
}

TEST_F(ImportTest, ThumbnailBesideTheSourceIsScaledWhenItIsNot150x100)
{
    const QString path = makeJpeg(photo(u"photo.jpg"_s), 1000, 750);
    makeJpeg(photo(u"photo_s.jpg"_s), plainPicture(200, 150, Qt::green));
    AlbumPhoto *image = album->addImage(path);
    EXPECT_EQ(thumb(image).size(), QSize(150, 112));
    EXPECT_EQ(colourAt(thumb(image), 75, 56), 'g');
    EXPECT_EQ(colourAt(big(image), 10, 10), 'r');
}

TEST_F(ImportTest, OpenedGalleryImageIsCopiedWithItsThumbnail)
{
    // As the loader imports a published image: resizing off, the thumbnail beside it.
    ImageResizeSettings::instance().resizeImages = false;
    const QString path = makeJpeg(photo(u"images/photo.jpg"_s), 800, 600);
    const QString beside = makeJpeg(photo(u"images/photo_s.jpg"_s), plainPicture(150, 100, Qt::green));
    AlbumPhoto *image = album->addImage(path);
    EXPECT_EQ(bigBytes(image), readFile(path));
    EXPECT_EQ(thumbBytes(image), readFile(beside));
}

// --- EXIF orientation ----------------------------------------------------------------------

TEST_F(ImportTest, ExifRotatedPhotoComesOutUpright)
{
    JpegFixture rotated;
    rotated.exifOrientation = 6; // stored landscape, shown turned a quarter clockwise
    AlbumPhoto *image = album->addImage(makeJpeg(photo(u"phone.jpg"_s), 4000, 3000, rotated));
    const QImage big = this->big(image);
    const QImage thumb = this->thumb(image);
    EXPECT_EQ(big.size(), QSize(450, 600));
    EXPECT_EQ(thumb.size(), QSize(75, 100));
    for (const QImage &picture : {big, thumb}) {
        // The stored top-left (red) is now top-right, the stored top-right (green) bottom-right.
        EXPECT_EQ(colourAt(picture, picture.width() - 3, 2), 'r');
        EXPECT_EQ(colourAt(picture, picture.width() - 3, picture.height() - 3), 'g');
        EXPECT_EQ(colourAt(picture, 2, 2), 'b');
    }
    // The re-encoded files carry no orientation of their own.
    EXPECT_EQ(JpegMarkers::read(bigBytes(image)).exifOrientation, 0);
}

TEST_F(ImportTest, ScalingIsDecidedOnTheUprightSize)
{
    JpegFixture rotated;
    rotated.exifOrientation = 6;
    // Stored 700 x 800 (would be 525 x 600); upright 800 x 700: wider than tall, so the width
    // bound applies: 800 x 700, taller than 600.
    AlbumPhoto *image = album->addImage(makeJpeg(photo(u"turned.jpg"_s), 700, 800, rotated));
    EXPECT_EQ(big(image).size(), QSize(800, 700));
    EXPECT_EQ(thumb(image).size(), QSize(150, 131));
}

TEST_F(ImportTest, CopiedJpegKeepsItsOrientationTag)
{
    JpegFixture rotated;
    rotated.exifOrientation = 6;
    const QString path = makeJpeg(photo(u"small.jpg"_s), 400, 300, rotated);
    AlbumPhoto *image = album->addImage(path);
    EXPECT_EQ(bigBytes(image), readFile(path));
    EXPECT_EQ(JpegMarkers::read(bigBytes(image)).exifOrientation, 6);
    EXPECT_EQ(thumb(image).size(), QSize(75, 100)); // upright 300 x 400
    EXPECT_EQ(colourAt(thumb(image), 72, 2), 'r');
}

// --- failures ------------------------------------------------------------------------------

TEST_F(ImportTest, MissingFileKeepsItsNamesWithoutFiles)
{
    AlbumPhoto *image = album->addImage(photo(u"gone.jpg"_s));
    EXPECT_EQ(image->bigFileName(), u"gone.jpg"_s);
    EXPECT_EQ(image->thumbFileName(), u"gone_s.jpg"_s);
    EXPECT_FALSE(hasFiles(image));
    EXPECT_FALSE(image->undecodable());
    EXPECT_EQ(progress.calls, (QStringList{u"status:Loading..."_s, u"image:gone.jpg"_s, u"percent:10"_s}));
    EXPECT_EQ(album->images().size(), 1);
}

TEST_F(ImportTest, MissingFileIsLookedForInTheGalleryFolder)
{
    gallery->setFolderFromPath(includeTrailingSlash(m_dir.path() + u"/photos"_s));
    const QString there = makeJpeg(photo(u"found.jpg"_s), 320, 240);
    AlbumPhoto *image = album->addImage(m_dir.path() + u"/elsewhere/found.jpg"_s);
    EXPECT_EQ(image->sourcePath(), there);
    EXPECT_EQ(bigBytes(image), readFile(there));
}

TEST_F(ImportTest, UndecodableFilesStayAsMissingOnes)
{
    const QByteArray jpeg = jpegBytes(markedPicture(1000, 750));
    const QString truncated = writeFile(photo(u"cut.jpg"_s), jpeg.left(jpeg.size() / 2));
    const QString text = writeFile(photo(u"notes.jpg"_s), "these are not the pixels you are looking for");
    for (const QString &path : {truncated, text}) {
        AlbumPhoto *image = album->addImage(path);
        EXPECT_TRUE(image->undecodable()) << path.toStdString();
        EXPECT_FALSE(image->undecodableReason().isEmpty());
        EXPECT_FALSE(hasFiles(image));
    }
    EXPECT_EQ(album->images().size(), 2);
    EXPECT_TRUE(QDir(AppFolders::imagesWorkFolder()).isEmpty());
}

TEST_F(ImportTest, PictureTooLargeToDecodeIsUndecodable)
{
    // A real JPEG whose frame header claims 20000 x 20000 pixels.
    QByteArray jpeg = jpegBytes(markedPicture(16, 16));
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    for (int offset : {5, 7}) {
        jpeg[sof + offset] = char(20000 >> 8);
        jpeg[sof + offset + 1] = char(20000 & 0xFF);
    }
    AlbumPhoto *image = album->addImage(writeFile(photo(u"huge.jpg"_s), jpeg));
    EXPECT_TRUE(image->undecodable());
    EXPECT_TRUE(image->undecodableReason().contains(u"too large"_s)) << image->undecodableReason().toStdString();
    EXPECT_FALSE(hasFiles(image));
}

// --- the album ---------------------------------------------------------------------------

TEST_F(ImportTest, AddImageSetsCoverCaptionAndSelection)
{
    AlbumPhoto *first = album->addImage(makeJpeg(photo(u"one.jpg"_s), 320, 240));
    AlbumPhoto *second = album->addImage(makeJpeg(photo(u"two.jpg"_s), 320, 240));
    EXPECT_EQ(album->coverFileName(), u"one_s.jpg"_s);
    EXPECT_FALSE(album->coverPicture().isNull());
    EXPECT_EQ(first->caption(), u"Enter your image caption here"_s);
    EXPECT_TRUE(second->caption().isEmpty());
    EXPECT_FALSE(first->selected());
    EXPECT_TRUE(second->selected());
    EXPECT_EQ(second->viewLeft(), 104);
    EXPECT_EQ(first->loadThumbnail().size(), QSize(150, 112));
    EXPECT_TRUE(gallery->modified());
    EXPECT_FALSE(gallery->thumbnailStrip()->preview()[0].placeholder);
}

TEST_F(ImportTest, ExistingWorkingFileIsNeverRewritten)
{
    const QString path = makeJpeg(photo(u"p.jpg"_s), 1000, 750);
    AlbumPhoto *image = album->addImage(path);
    const QByteArray before = bigBytes(image);
    writeFile(work(image->bigFileName()), "kept");
    image->processImage(path);
    EXPECT_EQ(bigBytes(image), QByteArray("kept"));
    EXPECT_NE(before, QByteArray("kept"));
}
