#include "AlbumsWindowFixture.h"

#include "Album.h"
#include "AlbumPhoto.h"
#include "AddImagesDialog.h"
#include "PhotoAlbumsWindow.h"
#include "ImportProgressDialog.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QStringList sourceNames(const Album *album)
{
    QStringList names;
    for (const AlbumPhoto *image : album->images())
        names.append(QFileInfo(image->sourcePath()).fileName());
    return names;
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST_F(AlbumsWindowTest, FolderFlowCountsEveryEntryAndAddsOnlyPictures)
{
    for (const QString &name : {u"a.jpg"_s, u"b.png"_s, u"c.bmp"_s})
        makePhoto(name);
    const QString folder = tempPath(u"photos"_s);
    writeText(folder + u"/notes.txt"_s, "not a photo");
    writeText(folder + u"/raw.xyz"_s, "nor this");

    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::Folder);
    FileDialog::setNextFileName(folder);
    m_window->addImages();

    Album *album = firstAlbum();
    QStringList added = sourceNames(album);
    added.sort();
    EXPECT_EQ(added, (QStringList{u"a.jpg"_s, u"b.png"_s, u"c.bmp"_s}));
    EXPECT_EQ(m_progress->total(), u"5"_s);
    EXPECT_EQ(m_progress->counter(), 5);
    EXPECT_EQ(m_progress->loadingRow(), u"Loading: 5 of 5 images"_s);
    EXPECT_FALSE(m_progress->isVisible());
    EXPECT_FALSE(m_window->addingImages());
    EXPECT_FALSE(m_window->imageStrip()->isHidden());
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
}

TEST_F(AlbumsWindowTest, IndividualFilesAreAddedInTheChosenOrder)
{
    const QString b = makePhoto(u"b.png"_s);
    const QString a = makePhoto(u"a.jpg"_s);
    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::Images);
    FileDialog::setNextFileNames({b, a});
    m_window->addImages();
    Album *album = firstAlbum();
    EXPECT_EQ(sourceNames(album), (QStringList{u"b.png"_s, u"a.jpg"_s}));
    EXPECT_EQ(m_progress->loadingRow(), u"Loading: 2 of 2 images"_s);
    // The first photo of the first album is its cover; the last one added is selected.
    EXPECT_EQ(album->coverFileName(), album->images()[0]->thumbFileName());
    EXPECT_TRUE(album->images()[1]->selected());
    EXPECT_FALSE(album->images()[0]->selected());
    EXPECT_FALSE(m_window->imageRow()->isHidden());
    EXPECT_TRUE(m_gallery->modified());
}

TEST_F(AlbumsWindowTest, CancelDuringTheThirdOfFiveStopsAfterIt)
{
    QStringList files;
    for (const QString &name : {u"a.png"_s, u"b.png"_s, u"c.png"_s, u"d.png"_s, u"e.png"_s})
        files.append(makePhoto(name));
    bool shownWithoutModality = false;
    QObject::connect(m_progress, &ImportProgressDialog::currentImageChanged, m_progress, [&](const QString &name) {
        if (name == u"c.png"_s) {
            shownWithoutModality = m_progress->isVisible() && !m_progress->isModal();
            QTest::mouseClick(m_progress->cancelButton(), Qt::LeftButton);
        }
    });
    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::Images);
    FileDialog::setNextFileNames(files);
    m_window->addImages();

    EXPECT_TRUE(shownWithoutModality);
    EXPECT_EQ(sourceNames(firstAlbum()), (QStringList{u"a.png"_s, u"b.png"_s, u"c.png"_s}));
    EXPECT_EQ(m_progress->counter(), 3);
    EXPECT_EQ(m_progress->loadingRow(), u"Loading: 3 of 5 images"_s);
    EXPECT_FALSE(m_progress->isVisible());
    // The next run starts without the cancel mark.
    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::Images);
    FileDialog::setNextFileNames({files[3]});
    m_window->addImages();
    EXPECT_EQ(firstAlbum()->images().size(), 4);
}

TEST_F(AlbumsWindowTest, OtherCommandsWaitWhilePhotosAreAdded)
{
    QStringList files;
    for (const QString &name : {u"a.png"_s, u"b.png"_s, u"c.png"_s})
        files.append(makePhoto(name));
    bool tried = false;
    QObject::connect(m_progress, &ImportProgressDialog::currentImageChanged, m_progress, [&](const QString &name) {
        if (name != u"b.png"_s)
            return;
        tried = true;
        EXPECT_TRUE(m_window->addingImages());
        MessageBox::setNextAnswer(QMessageBox::Yes);
        m_window->deleteAlbum();
        m_window->addAlbum();
        m_window->moveImagesLeft();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        m_window->deleteImages();
        m_window->backToGallery();
        EXPECT_FALSE(m_window->actionDeleteAlbum()->isEnabled());
    });
    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::Images);
    FileDialog::setNextFileNames(files);
    m_window->addImages();
    ASSERT_TRUE(tried);
    ASSERT_EQ(m_gallery->thumbnailStrip()->albums().size(), 1);
    EXPECT_EQ(sourceNames(firstAlbum()), (QStringList{u"a.png"_s, u"b.png"_s, u"c.png"_s}));
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_window->actionDeleteAlbum()->isEnabled());
    MessageBox::clearHistory();
}

TEST_F(AlbumsWindowTest, ChooserClosedOrFileDialogCancelledAddsNothing)
{
    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::None);
    m_window->addImages();
    EXPECT_FALSE(m_progress->isVisible());
    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::Images);
    FileDialog::setNextCancel();
    m_window->addImages();
    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::Folder);
    FileDialog::setNextCancel();
    m_window->addImages();
    EXPECT_TRUE(firstAlbum()->images().isEmpty());
    EXPECT_FALSE(m_progress->isVisible());
    EXPECT_FALSE(m_window->addingImages());
    EXPECT_FALSE(m_gallery->modified());
}

TEST_F(AlbumsWindowTest, AFileThatIsNoPictureIsReportedAndLeftOut)
{
    const QString good = makePhoto(u"good.png"_s);
    const QString bad = tempPath(u"photos/broken.jpg"_s);
    writeText(bad, "this is no JPEG");
    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::Images);
    FileDialog::setNextFileNames({bad, good});
    m_window->addImages();
    EXPECT_EQ(sourceNames(firstAlbum()), QStringList{u"good.png"_s});
    ASSERT_EQ(MessageBox::shownTexts().size(), 1);
    EXPECT_TRUE(MessageBox::lastText().contains(u"broken.jpg"_s)) << qPrintable(MessageBox::lastText());
}

TEST_F(AlbumsWindowTest, APictureOfThumbnailSizeLeavesTheBarAt30)
{
    const QString path = makePhoto(u"exact.jpg"_s, 150, 100);
    AddImagesDialog::setNextAnswer(AddImagesDialog::Choice::Images);
    FileDialog::setNextFileNames({path});
    m_window->addImages();
    EXPECT_EQ(m_progress->barPercent(), 30);
    EXPECT_EQ(m_progress->statusText(), u"Loading..."_s);
    EXPECT_EQ(m_progress->currentImageText(), u"exact.jpg"_s);
}

TEST_F(AlbumsWindowTest, DroppedPhotosGoIntoTheCurrentAlbum)
{
    const QString a = makePhoto(u"drop1.png"_s);
    const QString b = makePhoto(u"drop2.jpg"_s);
    const QString text = tempPath(u"photos/readme.txt"_s);
    writeText(text, "text");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(text), QUrl::fromLocalFile(b)});

    QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &drop);
    EXPECT_TRUE(drop.isAccepted());
    // No chooser is asked: the photos come in once the drop is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstAlbum()->images().size() == 2; }));
    EXPECT_EQ(sourceNames(firstAlbum()), (QStringList{u"drop1.png"_s, u"drop2.jpg"_s}));
    EXPECT_EQ(m_progress->loadingRow(), u"Loading: 3 of 3 images"_s);
}

TEST_F(AlbumsWindowTest, DropWithoutPicturesIsRefused)
{
    const QString text = tempPath(u"notes.txt"_s);
    writeText(text, "text");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(text)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(AlbumsWindowTest, DropWithoutACurrentAlbumSaysWhy)
{
    MessageBox::setNextAnswer(QMessageBox::Yes);
    m_window->deleteAlbum();
    m_window->addDroppedFiles({makePhoto(u"x.png"_s)});
    EXPECT_EQ(MessageBox::lastText(), u"You must select the catagory you want to add your images to."_s);
}
