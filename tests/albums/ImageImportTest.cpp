#include "ImportTestSupport.h"
#include "albums/JpegMarkers.h"
#include "app/Utils.h"

#include <QDir>

using namespace Qt::StringLiterals;

// --- names ---------------------------------------------------------------------------------

TEST_F(ImportTest, NamesAreCleanedLowerCasedAndUnique)
{
    const QString path = MakeJpeg(Photo(u"My Photo.JPG"_s), 320, 240);
    FThummnailImageData *first = album->AddImage(path);
    EXPECT_EQ(first->bigFileName, u"my_photo.jpg"_s);
    EXPECT_EQ(first->thumbFileName, u"my_photo_s.jpg"_s);
    EXPECT_EQ(first->sourcePath, path);
    FThummnailImageData *second = album->AddImage(path);
    EXPECT_EQ(second->bigFileName, u"my_photo(2).jpg"_s);
    EXPECT_EQ(second->thumbFileName, u"my_photo(2)_s.jpg"_s);
}

TEST_F(ImportTest, StemEndsAtTheFirstDotAndMediaCharactersGo)
{
    FThummnailImageData *holiday = album->AddImage(MakePicture(Photo(u"holiday.2007.png"_s), MarkedPicture(64, 48), "png"));
    EXPECT_EQ(holiday->bigFileName, u"holiday.jpg"_s);
    EXPECT_EQ(holiday->thumbFileName, u"holiday_s.jpg"_s);
    FThummnailImageData *ab = album->AddImage(MakePicture(Photo(u"a&b.gif"_s), MarkedPicture(64, 48), "gif"));
    EXPECT_EQ(ab->bigFileName, u"ab.jpg"_s);
    EXPECT_EQ(ab->thumbFileName, u"ab_s.jpg"_s);
    EXPECT_TRUE(HasFiles(holiday));
    EXPECT_TRUE(HasFiles(ab));
}

TEST_F(ImportTest, NamesForMatchesUniqueFileName)
{
    WriteFile(Work(u"x.jpg"_s));
    WriteFile(Work(u"x(2).jpg"_s));
    WriteFile(Work(u"x(3)_s.jpg"_s));
    const auto names = FThummnailImageData::NamesFor(u"X.png"_s);
    EXPECT_EQ(names.big, u"x(3).jpg"_s);
    EXPECT_EQ(names.thumb, u"x(3)_s(2).jpg"_s);
    const auto promised = FThummnailImageData::NamesFor(u"x.png"_s, {u"x(3).jpg"_s});
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
    FThummnailImageData *image = album->AddImage(MakeJpeg(Photo(u"photo.jpg"_s), c.w, c.h));
    const QImage big = Big(image);
    const QImage thumb = Thumb(image);
    EXPECT_EQ(big.size(), QSize(c.bigW, c.bigH));
    EXPECT_EQ(thumb.size(), QSize(c.thumbW, c.thumbH));
    // Every re-encoded file is baseline at quality 80.
    for (const QByteArray &jpeg : {BigBytes(image), ThumbBytes(image)}) {
        EXPECT_TRUE(JpegMarkers::Read(jpeg).IsBaseline());
        EXPECT_EQ(FirstQuantTable(jpeg), StandardLuminanceTable(80));
    }
    // The picture is scaled, not cropped: the corners keep their colours.
    for (const QImage &picture : {big, thumb}) {
        EXPECT_EQ(ColourAt(picture, 2, 2), 'r');
        EXPECT_EQ(ColourAt(picture, picture.width() - 3, 2), 'g');
        EXPECT_EQ(ColourAt(picture, picture.width() / 2, picture.height() - 3), 'b');
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
    const QString path = MakeJpeg(Photo(u"a.jpg"_s), 640, 480);
    FThummnailImageData *image = album->AddImage(path);
    EXPECT_EQ(BigBytes(image), ReadFile(path));
    EXPECT_EQ(Thumb(image).size(), QSize(150, 112));
}

TEST_F(ImportTest, UpperCaseJpgAndJpegAreReEncoded)
{
    for (const QString &name : {u"a.JPG"_s, u"a.jpeg"_s}) {
        const QString path = MakeJpeg(Photo(name), 640, 480);
        FThummnailImageData *image = album->AddImage(path);
        const QByteArray big = BigBytes(image);
        EXPECT_NE(big, ReadFile(path)) << name.toStdString();
        EXPECT_EQ(Big(image).size(), QSize(640, 480));
        EXPECT_TRUE(JpegMarkers::Read(big).IsBaseline());
        EXPECT_EQ(FirstQuantTable(big), StandardLuminanceTable(80));
    }
}

TEST_F(ImportTest, ProgressiveInputComesOutBaseline)
{
    JpegFixture progressive;
    progressive.progressive = true;
    const QString path = MakeJpeg(Photo(u"wide.jpg"_s), 4000, 3000, progressive);
    ASSERT_TRUE(JpegMarkers::ReadFile(path).IsProgressive());
    FThummnailImageData *image = album->AddImage(path);
    EXPECT_TRUE(JpegMarkers::Read(BigBytes(image)).IsBaseline());
    EXPECT_TRUE(JpegMarkers::Read(ThumbBytes(image)).IsBaseline());
    EXPECT_EQ(Big(image).size(), QSize(800, 600));
    EXPECT_EQ(Thumb(image).size(), QSize(150, 112));
}

TEST_F(ImportTest, ExactThumbnailSizeJpgIsCopiedAndLeavesTheBarAt30)
{
    const QString path = MakeJpeg(Photo(u"tiny.jpg"_s), 150, 100);
    FThummnailImageData *image = album->AddImage(path);
    EXPECT_EQ(ThumbBytes(image), ReadFile(path));
    EXPECT_EQ(BigBytes(image), ReadFile(path));
    EXPECT_EQ(progress.calls, (QStringList{u"status:Loading..."_s, u"image:tiny.jpg"_s, u"percent:10"_s, u"percent:30"_s}));
}

TEST_F(ImportTest, ExactThumbnailSizePngIsEncoded)
{
    const QString path = MakePicture(Photo(u"tiny.png"_s), MarkedPicture(150, 100), "png");
    FThummnailImageData *image = album->AddImage(path);
    EXPECT_EQ(Thumb(image).size(), QSize(150, 100));
    EXPECT_TRUE(JpegMarkers::Read(ThumbBytes(image)).IsBaseline());
}

TEST_F(ImportTest, ResizingOffCopiesALargeJpgButStillMakesTheThumbnail)
{
    ImageResizeSettings::Instance().resizeImages = false;
    const QString path = MakeJpeg(Photo(u"large.jpg"_s), 4000, 3000);
    FThummnailImageData *image = album->AddImage(path);
    EXPECT_EQ(BigBytes(image), ReadFile(path));
    EXPECT_EQ(Thumb(image).size(), QSize(150, 112));
    EXPECT_EQ(ColourAt(Thumb(image), 2, 2), 'r');
}

TEST_F(ImportTest, ProgressCallsOfAScaledPhoto)
{
    album->AddImage(MakeJpeg(Photo(u"big.jpg"_s), 4000, 3000));
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
        FThummnailImageData *image = album->AddImage(MakePicture(Photo(name), MarkedPicture(1000, 750), format));
        EXPECT_FALSE(image->undecodable) << name.toStdString() << " " << image->undecodableReason.toStdString();
        EXPECT_EQ(Big(image).size(), QSize(800, 600)) << name.toStdString();
        EXPECT_EQ(Thumb(image).size(), QSize(150, 112)) << name.toStdString();
        EXPECT_EQ(ColourAt(Big(image), 5, 5), 'r') << name.toStdString();
        EXPECT_TRUE(JpegMarkers::Read(BigBytes(image)).IsBaseline());
    }
}

TEST_F(ImportTest, TransparentPartsComeOutWhite)
{
    QImage picture(200, 100, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    FThummnailImageData *image = album->AddImage(MakePicture(Photo(u"clear.png"_s), picture, "png"));
    EXPECT_EQ(ColourAt(Big(image), 100, 50), 'w');
    EXPECT_EQ(ColourAt(Thumb(image), 75, 37), 'w');
}

// --- a thumbnail beside the source ---------------------------------------------------------

TEST_F(ImportTest, ThumbnailBesideTheSourceIsCopied)
{
    const QString path = MakeJpeg(Photo(u"photo.jpg"_s), 1000, 750);
    const QString beside = MakeJpeg(Photo(u"photo_s.jpg"_s), PlainPicture(150, 100, Qt::green));
    FThummnailImageData *image = album->AddImage(path);
    EXPECT_EQ(ThumbBytes(image), ReadFile(beside));
    EXPECT_EQ(Big(image).size(), QSize(800, 600));
}

TEST_F(ImportTest, ThumbnailBesideTheSourceIsScaledWhenItIsNot150x100)
{
    const QString path = MakeJpeg(Photo(u"photo.jpg"_s), 1000, 750);
    MakeJpeg(Photo(u"photo_s.jpg"_s), PlainPicture(200, 150, Qt::green));
    FThummnailImageData *image = album->AddImage(path);
    EXPECT_EQ(Thumb(image).size(), QSize(150, 112));
    EXPECT_EQ(ColourAt(Thumb(image), 75, 56), 'g');
    EXPECT_EQ(ColourAt(Big(image), 10, 10), 'r');
}

TEST_F(ImportTest, OpenedGalleryImageIsCopiedWithItsThumbnail)
{
    // As the loader imports a published image: resizing off, the thumbnail beside it.
    ImageResizeSettings::Instance().resizeImages = false;
    const QString path = MakeJpeg(Photo(u"images/photo.jpg"_s), 800, 600);
    const QString beside = MakeJpeg(Photo(u"images/photo_s.jpg"_s), PlainPicture(150, 100, Qt::green));
    FThummnailImageData *image = album->AddImage(path);
    EXPECT_EQ(BigBytes(image), ReadFile(path));
    EXPECT_EQ(ThumbBytes(image), ReadFile(beside));
}

// --- EXIF orientation ----------------------------------------------------------------------

TEST_F(ImportTest, ExifRotatedPhotoComesOutUpright)
{
    JpegFixture rotated;
    rotated.exifOrientation = 6; // stored landscape, shown turned a quarter clockwise
    FThummnailImageData *image = album->AddImage(MakeJpeg(Photo(u"phone.jpg"_s), 4000, 3000, rotated));
    const QImage big = Big(image);
    const QImage thumb = Thumb(image);
    EXPECT_EQ(big.size(), QSize(450, 600));
    EXPECT_EQ(thumb.size(), QSize(75, 100));
    for (const QImage &picture : {big, thumb}) {
        // The stored top-left (red) is now top-right, the stored top-right (green) bottom-right.
        EXPECT_EQ(ColourAt(picture, picture.width() - 3, 2), 'r');
        EXPECT_EQ(ColourAt(picture, picture.width() - 3, picture.height() - 3), 'g');
        EXPECT_EQ(ColourAt(picture, 2, 2), 'b');
    }
    // The re-encoded files carry no orientation of their own.
    EXPECT_EQ(JpegMarkers::Read(BigBytes(image)).exifOrientation, 0);
}

TEST_F(ImportTest, ScalingIsDecidedOnTheUprightSize)
{
    JpegFixture rotated;
    rotated.exifOrientation = 6;
    // Stored 700 x 800 (would be 525 x 600); upright 800 x 700: wider than tall, so the width
    // bound applies: 800 x 700, taller than 600.
    FThummnailImageData *image = album->AddImage(MakeJpeg(Photo(u"turned.jpg"_s), 700, 800, rotated));
    EXPECT_EQ(Big(image).size(), QSize(800, 700));
    EXPECT_EQ(Thumb(image).size(), QSize(150, 131));
}

TEST_F(ImportTest, CopiedJpegKeepsItsOrientationTag)
{
    JpegFixture rotated;
    rotated.exifOrientation = 6;
    const QString path = MakeJpeg(Photo(u"small.jpg"_s), 400, 300, rotated);
    FThummnailImageData *image = album->AddImage(path);
    EXPECT_EQ(BigBytes(image), ReadFile(path));
    EXPECT_EQ(JpegMarkers::Read(BigBytes(image)).exifOrientation, 6);
    EXPECT_EQ(Thumb(image).size(), QSize(75, 100)); // upright 300 x 400
    EXPECT_EQ(ColourAt(Thumb(image), 72, 2), 'r');
}

// --- failures ------------------------------------------------------------------------------

TEST_F(ImportTest, MissingFileKeepsItsNamesWithoutFiles)
{
    FThummnailImageData *image = album->AddImage(Photo(u"gone.jpg"_s));
    EXPECT_EQ(image->bigFileName, u"gone.jpg"_s);
    EXPECT_EQ(image->thumbFileName, u"gone_s.jpg"_s);
    EXPECT_FALSE(HasFiles(image));
    EXPECT_FALSE(image->undecodable);
    EXPECT_EQ(progress.calls, (QStringList{u"status:Loading..."_s, u"image:gone.jpg"_s, u"percent:10"_s}));
    EXPECT_EQ(album->images().size(), 1);
}

TEST_F(ImportTest, MissingFileIsLookedForInTheGalleryFolder)
{
    gallery->SetFolderFromPath(IncludeTrailingSlash(m_dir.path() + u"/photos"_s));
    const QString there = MakeJpeg(Photo(u"found.jpg"_s), 320, 240);
    FThummnailImageData *image = album->AddImage(m_dir.path() + u"/elsewhere/found.jpg"_s);
    EXPECT_EQ(image->sourcePath, there);
    EXPECT_EQ(BigBytes(image), ReadFile(there));
}

TEST_F(ImportTest, UndecodableFilesStayAsMissingOnes)
{
    const QByteArray jpeg = JpegBytes(MarkedPicture(1000, 750));
    const QString truncated = WriteFile(Photo(u"cut.jpg"_s), jpeg.left(jpeg.size() / 2));
    const QString text = WriteFile(Photo(u"notes.jpg"_s), "these are not the pixels you are looking for");
    for (const QString &path : {truncated, text}) {
        FThummnailImageData *image = album->AddImage(path);
        EXPECT_TRUE(image->undecodable) << path.toStdString();
        EXPECT_FALSE(image->undecodableReason.isEmpty());
        EXPECT_FALSE(HasFiles(image));
    }
    EXPECT_EQ(album->images().size(), 2);
    EXPECT_TRUE(QDir(AppFolders::ImagesWorkFolder()).isEmpty());
}

TEST_F(ImportTest, PictureTooLargeToDecodeIsUndecodable)
{
    // A real JPEG whose frame header claims 20000 x 20000 pixels.
    QByteArray jpeg = JpegBytes(MarkedPicture(16, 16));
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    for (int offset : {5, 7}) {
        jpeg[sof + offset] = char(20000 >> 8);
        jpeg[sof + offset + 1] = char(20000 & 0xFF);
    }
    FThummnailImageData *image = album->AddImage(WriteFile(Photo(u"huge.jpg"_s), jpeg));
    EXPECT_TRUE(image->undecodable);
    EXPECT_TRUE(image->undecodableReason.contains(u"too large"_s)) << image->undecodableReason.toStdString();
    EXPECT_FALSE(HasFiles(image));
}

// --- the album ---------------------------------------------------------------------------

TEST_F(ImportTest, AddImageSetsCoverCaptionAndSelection)
{
    FThummnailImageData *first = album->AddImage(MakeJpeg(Photo(u"one.jpg"_s), 320, 240));
    FThummnailImageData *second = album->AddImage(MakeJpeg(Photo(u"two.jpg"_s), 320, 240));
    EXPECT_EQ(album->coverFileName(), u"one_s.jpg"_s);
    EXPECT_FALSE(album->coverPicture().isNull());
    EXPECT_EQ(first->caption, u"Enter your image caption here"_s);
    EXPECT_TRUE(second->caption.isEmpty());
    EXPECT_FALSE(first->selected);
    EXPECT_TRUE(second->selected);
    EXPECT_EQ(second->viewLeft, 104);
    EXPECT_EQ(first->LoadThumbnail().size(), QSize(150, 112));
    EXPECT_TRUE(gallery->Modified());
    EXPECT_FALSE(gallery->ThumbnailStrip()->Preview()[0].placeholder);
}

TEST_F(ImportTest, ExistingWorkingFileIsNeverRewritten)
{
    const QString path = MakeJpeg(Photo(u"p.jpg"_s), 1000, 750);
    FThummnailImageData *image = album->AddImage(path);
    const QByteArray before = BigBytes(image);
    WriteFile(Work(image->bigFileName), "kept");
    image->ProcessImage(path);
    EXPECT_EQ(BigBytes(image), QByteArray("kept"));
    EXPECT_NE(before, QByteArray("kept"));
}
