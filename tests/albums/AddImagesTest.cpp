#include "ImportTestSupport.h"
#include "ImageImportQueue.h"

#include <QCryptographicHash>
#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// What an import left behind, to compare a batch with AddImage one by one.
struct Made
{
    QString source, big, thumb;
    QByteArray bigHash, thumbHash; // empty when the file is missing
    bool undecodable = false;
    bool operator==(const Made &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Made &m)
{
    return os << m.source.toStdString() << " -> " << m.big.toStdString() << " " << m.thumb.toStdString()
              << (m.bigHash.isEmpty() ? " (no big)" : "") << (m.thumbHash.isEmpty() ? " (no thumb)" : "")
              << (m.undecodable ? " undecodable" : "");
}

QByteArray hash(const QString &path)
{
    const QByteArray bytes = readFile(path);
    return bytes.isEmpty() ? QByteArray() : QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

} // namespace

class AddImagesTest : public ImportTest
{
protected:
    QList<Made> describe() const
    {
        QList<Made> made;
        for (const AlbumPhoto *image : album->images())
            made.append(Made{image->sourcePath(), image->bigFileName(), image->thumbFileName(), hash(work(image->bigFileName())),
                             hash(work(image->thumbFileName())), image->undecodable()});
        return made;
    }

    // Imports the paths one by one with AddImage in a fresh application folder.
    QList<Made> oneByOne(const QStringList &paths, const QString &app)
    {
        setupApp(app);
        newGallery();
        for (const QString &path : paths)
            album->addImage(path);
        return describe();
    }

    AddImagesResult batch(const QStringList &paths, const QString &app, AddImagesOptions options = {})
    {
        setupApp(app);
        newGallery();
        return album->addImages(paths, options);
    }

    // Photos whose names collide across folders, of every kind of outcome.
    QStringList mixedPhotos()
    {
        const QByteArray cut = jpegBytes(markedPicture(800, 600));
        JpegFixture progressive;
        progressive.progressive = true;
        JpegFixture turned;
        turned.exifOrientation = 6;
        return {
            makeJpeg(photo(u"1/a.jpg"_s), 1600, 1200),
            makeJpeg(photo(u"2/A.JPG"_s), 640, 480),
            writeFile(photo(u"3/a.jpg"_s), cut.left(cut.size() / 3)),        // truncated
            makeJpeg(photo(u"4/a.jpg"_s), 300, 200),
            makePicture(photo(u"5/a_s.png"_s), markedPicture(900, 900), "png"),
            photo(u"6/a.jpg"_s),                                             // missing
            makeJpeg(photo(u"7/a.jpg"_s), 2000, 1500, progressive),
            writeFile(photo(u"8/a b.jpg"_s), "not a picture"),
            makeJpeg(photo(u"9/a b.jpg"_s), 1200, 1600, turned),
            makeJpeg(photo(u"9/a_b_s.jpg"_s), plainPicture(150, 100, Qt::green)), // the thumbnail of "a b"
            makeJpeg(photo(u"10/tiny.jpg"_s), 150, 100),
            makePicture(photo(u"10/g.gif"_s), markedPicture(400, 300), "gif"),
            makeJpeg(photo(u"11/a.jpg"_s), 1000, 900),
        };
    }
};

TEST_F(AddImagesTest, BatchGivesWhatAddImageOneByOneGives)
{
    const QStringList photos = mixedPhotos();
    const QList<Made> expected = oneByOne(photos, m_dir.path() + u"/sequential"_s);
    const AddImagesResult result = batch(photos, m_dir.path() + u"/batch"_s, AddImagesOptions{nullptr, false, false, true});
    EXPECT_EQ(describe(), expected);
    EXPECT_EQ(result.added.size(), photos.size());
    ASSERT_EQ(result.undecodable.size(), 2);
    EXPECT_EQ(result.undecodable[0].path, photos[2]);
    EXPECT_EQ(result.undecodable[1].path, photos[7]);
    EXPECT_FALSE(result.cancelled);
}

TEST_F(AddImagesTest, UndecodableFilesAreSkippedAsIfTheyWereNotThere)
{
    QStringList photos = mixedPhotos();
    const QStringList withoutBad = {photos[0], photos[1], photos[3], photos[4], photos[5], photos[6],
                                    photos[8], photos[9], photos[10], photos[11], photos[12]};
    const QList<Made> expected = oneByOne(withoutBad, m_dir.path() + u"/sequential"_s);
    const AddImagesResult result = batch(photos, m_dir.path() + u"/batch"_s);
    EXPECT_EQ(describe(), expected);
    EXPECT_EQ(result.added.size(), withoutBad.size());
    ASSERT_EQ(result.undecodable.size(), 2);
    EXPECT_EQ(result.undecodable[0].path, photos[2]);
    EXPECT_TRUE(result.undecodable[0].reason.contains(u"incomplete"_s));
    EXPECT_EQ(result.undecodable[1].path, photos[7]);
    const QString message = ImportFailure::Message(result.undecodable, false);
    EXPECT_TRUE(message.contains(photos[2]));
    EXPECT_TRUE(message.contains(photos[7]));
}

TEST_F(AddImagesTest, SkippedPhotoFreesTheNameItWouldHaveTaken)
{
    // The bad first a.jpg leaves "a.jpg" free, so the second one takes it and its thumbnail
    // name "a_s.jpg"; a thumbnail lying beside it as "a(2)_s.jpg" (the name foreseen while the
    // first was still on its way) must not be used.
    const QByteArray jpeg = jpegBytes(markedPicture(800, 600));
    const QStringList photos = {writeFile(photo(u"bad/a.jpg"_s), jpeg.left(jpeg.size() / 2)),
                                makeJpeg(photo(u"good/a.jpg"_s), 1000, 750)};
    makeJpeg(photo(u"good/a(2)_s.jpg"_s), plainPicture(150, 100, Qt::green));
    const AddImagesResult result = batch(photos, m_dir.path() + u"/batch"_s);
    ASSERT_EQ(result.added.size(), 1);
    const AlbumPhoto *image = result.added.first();
    EXPECT_EQ(image->bigFileName(), u"a.jpg"_s);
    EXPECT_EQ(image->thumbFileName(), u"a_s.jpg"_s);
    EXPECT_EQ(colourAt(thumb(image), 3, 3), 'r'); // made from the photo, not from a(2)_s.jpg
}

TEST_F(AddImagesTest, ProgressOfTheAddImagesFlow)
{
    const QStringList photos = {makeJpeg(photo(u"big.jpg"_s), 4000, 3000), makeJpeg(photo(u"small.jpg"_s), 640, 480)};
    const AddImagesResult result = album->addImages(photos);
    EXPECT_EQ(result.added.size(), 2);
    EXPECT_EQ(progress.calls,
              (QStringList{u"total:2"_s, u"step:1"_s, u"status:Loading..."_s, u"image:big.jpg"_s, u"percent:10"_s,
                           u"percent:30"_s, u"status:Scaling..."_s, u"percent:40"_s, u"percent:60"_s,
                           u"status:Creating Thumbnail..."_s, u"percent:70"_s, u"percent:100"_s, u"status:Done"_s,
                           u"step:2"_s, u"status:Loading..."_s, u"image:small.jpg"_s, u"percent:10"_s,
                           u"percent:30"_s, u"status:Creating Thumbnail..."_s, u"percent:70"_s, u"percent:100"_s,
                           u"status:Done"_s}));
}

TEST_F(AddImagesTest, CancelDuringTheThirdOfFiveStopsAfterIt)
{
    QStringList photos;
    for (int i = 1; i <= 5; ++i)
        photos << makeJpeg(photo(u"p%1.jpg"_s.arg(i)), 1600, 1200);
    progress.cancelAfterSteps = 3;
    const AddImagesResult result = album->addImages(photos);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.added.size(), 3);
    EXPECT_EQ(album->images().size(), 3);
    EXPECT_EQ(progress.counter, 3);
    EXPECT_EQ(progress.total, 5);
    // The photos after the cancel left no file behind.
    EXPECT_EQ(QDir(AppFolders::imagesWorkFolder()).entryList(QDir::Files).size(), 6);
    EXPECT_EQ(album->images().last()->bigFileName(), u"p3.jpg"_s);
}

TEST_F(AddImagesTest, FolderEntriesThatAreNoPicturesAreCountedNotAdded)
{
    const QStringList entries = {makeJpeg(photo(u"one.jpg"_s), 320, 240), writeFile(photo(u"readme.txt"_s)),
                                 makePicture(photo(u"two.PNG"_s), markedPicture(320, 240), "png"),
                                 writeFile(photo(u"Thumbs.db"_s)), makeJpeg(photo(u"three.jpeg"_s), 320, 240)};
    AddImagesOptions options;
    options.folderEntries = true;
    const AddImagesResult result = album->addImages(entries, options);
    EXPECT_EQ(result.added.size(), 3);
    EXPECT_EQ(progress.total, 5);
    EXPECT_EQ(progress.counter, 5);
    EXPECT_TRUE(result.undecodable.isEmpty());
    EXPECT_EQ(album->images()[1]->bigFileName(), u"two.jpg"_s);
}

TEST_F(AddImagesTest, FolderPictureExtensions)
{
    for (const QString &name : {u"a.jpg"_s, u"a.JPEG"_s, u"a.gif"_s, u"a.Bmp"_s, u"a.png"_s, u"a.TIF"_s})
        EXPECT_TRUE(Album::isFolderPictureEntry(name)) << name.toStdString();
    for (const QString &name : {u"a.txt"_s, u"a"_s, u"a.tiff"_s, u"a.jpg.db"_s})
        EXPECT_FALSE(Album::isFolderPictureEntry(name)) << name.toStdString();
}

TEST_F(AddImagesTest, WithoutTheAddFlowNoStepsAndNoCancel)
{
    progress.cancelAfterSteps = 0; // would cancel at once
    AddImagesOptions options;
    options.addFlow = false;
    const AddImagesResult result = album->addImages({makeJpeg(photo(u"x.jpg"_s), 320, 240)}, options);
    EXPECT_EQ(result.added.size(), 1);
    EXPECT_FALSE(progress.calls.contains(u"step:1"_s));
    EXPECT_EQ(progress.total, -1);
}

TEST_F(AddImagesTest, FirstImageOfTheFirstAlbumGetsTheCaption)
{
    const AddImagesResult result = album->addImages({makeJpeg(photo(u"x.jpg"_s), 320, 240), makeJpeg(photo(u"y.jpg"_s), 320, 240)});
    ASSERT_EQ(result.added.size(), 2);
    EXPECT_EQ(result.added[0]->caption(), u"Enter your image caption here"_s);
    EXPECT_TRUE(result.added[1]->caption().isEmpty());
    EXPECT_EQ(album->coverFileName(), u"x_s.jpg"_s);
    EXPECT_TRUE(result.added[1]->selected());
    EXPECT_FALSE(result.added[0]->selected());

    Album *second = gallery->thumbnailStrip()->addAlbum(u"Second"_s);
    const AddImagesResult other = second->addImages({makeJpeg(photo(u"z.jpg"_s), 320, 240)});
    ASSERT_EQ(other.added.size(), 1);
    EXPECT_TRUE(other.added[0]->caption().isEmpty());
}

TEST_F(AddImagesTest, ManyPhotosUseEveryWorker)
{
    QStringList photos;
    for (int i = 0; i < 16; ++i)
        photos << makeJpeg(photo(u"s%1/photo.jpg"_s.arg(i % 3)), 1200 + 8 * i, 900);
    const QList<Made> expected = oneByOne(photos, m_dir.path() + u"/sequential"_s);
    batch(photos, m_dir.path() + u"/batch"_s);
    EXPECT_EQ(describe(), expected);
    EXPECT_GE(ImageImportQueue::workerCount(), 1);
}

TEST_F(AddImagesTest, WaitingOffTheWindowThreadBlocks)
{
    const QString path = makeJpeg(photo(u"w.jpg"_s), 1000, 750);
    ImportOutcome outcome;
    std::thread other([&] {
        auto task = ImageImportQueue::start(ImportJob::withCurrentSettings(path, QString()));
        ImageImportQueue::wait(task);
        outcome = task->Outcome();
    });
    other.join();
    EXPECT_EQ(outcome.result, ImportOutcome::Result::Made);
    EXPECT_EQ(outcome.bigSize, QSize(800, 600));
}
