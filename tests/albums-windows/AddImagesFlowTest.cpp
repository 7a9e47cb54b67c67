#include "AlbumsWindowFixture.h"

#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailImageData.h"
#include "albums/TwImageChooser.h"
#include "albums/TwinImages.h"
#include "albums/TwinSaveProgress.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"

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

QStringList SourceNames(const FThummnailCatagory *album)
{
    QStringList names;
    for (const FThummnailImageData *image : album->images())
        names.append(QFileInfo(image->sourcePath).fileName());
    return names;
}

void WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST_F(AlbumsWindowTest, FolderFlowCountsEveryEntryAndAddsOnlyPictures)
{
    for (const QString &name : {u"a.jpg"_s, u"b.png"_s, u"c.bmp"_s})
        MakePhoto(name);
    const QString folder = TempPath(u"photos"_s);
    WriteText(folder + u"/notes.txt"_s, "not a photo");
    WriteText(folder + u"/raw.xyz"_s, "nor this");

    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::Folder);
    FileDialog::SetNextFileName(folder);
    m_window->AddImagesExecute();

    FThummnailCatagory *album = FirstAlbum();
    QStringList added = SourceNames(album);
    added.sort();
    EXPECT_EQ(added, (QStringList{u"a.jpg"_s, u"b.png"_s, u"c.bmp"_s}));
    EXPECT_EQ(m_progress->Total(), u"5"_s);
    EXPECT_EQ(m_progress->Counter(), 5);
    EXPECT_EQ(m_progress->LoadingRow(), u"Loading: 5 of 5 images"_s);
    EXPECT_FALSE(m_progress->isVisible());
    EXPECT_FALSE(m_window->AddingImages());
    EXPECT_FALSE(m_window->ImageStrip()->isHidden());
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_F(AlbumsWindowTest, IndividualFilesAreAddedInTheChosenOrder)
{
    const QString b = MakePhoto(u"b.png"_s);
    const QString a = MakePhoto(u"a.jpg"_s);
    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::Images);
    FileDialog::SetNextFileNames({b, a});
    m_window->AddImagesExecute();
    FThummnailCatagory *album = FirstAlbum();
    EXPECT_EQ(SourceNames(album), (QStringList{u"b.png"_s, u"a.jpg"_s}));
    EXPECT_EQ(m_progress->LoadingRow(), u"Loading: 2 of 2 images"_s);
    // The first photo of the first album is its cover; the last one added is selected.
    EXPECT_EQ(album->coverFileName(), album->images()[0]->thumbFileName);
    EXPECT_TRUE(album->images()[1]->selected);
    EXPECT_FALSE(album->images()[0]->selected);
    EXPECT_FALSE(m_window->ImageRow()->isHidden());
    EXPECT_TRUE(m_gallery->Modified());
}

TEST_F(AlbumsWindowTest, CancelDuringTheThirdOfFiveStopsAfterIt)
{
    QStringList files;
    for (const QString &name : {u"a.png"_s, u"b.png"_s, u"c.png"_s, u"d.png"_s, u"e.png"_s})
        files.append(MakePhoto(name));
    bool shownWithoutModality = false;
    QObject::connect(m_progress, &TwinSaveProgress::CurrentImageChanged, m_progress, [&](const QString &name) {
        if (name == u"c.png"_s) {
            shownWithoutModality = m_progress->isVisible() && !m_progress->isModal();
            QTest::mouseClick(m_progress->CancelButton(), Qt::LeftButton);
        }
    });
    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::Images);
    FileDialog::SetNextFileNames(files);
    m_window->AddImagesExecute();

    EXPECT_TRUE(shownWithoutModality);
    EXPECT_EQ(SourceNames(FirstAlbum()), (QStringList{u"a.png"_s, u"b.png"_s, u"c.png"_s}));
    EXPECT_EQ(m_progress->Counter(), 3);
    EXPECT_EQ(m_progress->LoadingRow(), u"Loading: 3 of 5 images"_s);
    EXPECT_FALSE(m_progress->isVisible());
    // The next run starts without the cancel mark.
    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::Images);
    FileDialog::SetNextFileNames({files[3]});
    m_window->AddImagesExecute();
    EXPECT_EQ(FirstAlbum()->images().size(), 4);
}

TEST_F(AlbumsWindowTest, OtherCommandsWaitWhilePhotosAreAdded)
{
    QStringList files;
    for (const QString &name : {u"a.png"_s, u"b.png"_s, u"c.png"_s})
        files.append(MakePhoto(name));
    bool tried = false;
    QObject::connect(m_progress, &TwinSaveProgress::CurrentImageChanged, m_progress, [&](const QString &name) {
        if (name != u"b.png"_s)
            return;
        tried = true;
        EXPECT_TRUE(m_window->AddingImages());
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        m_window->DeleteAlbumExecute();
        m_window->AddAlbumExecute();
        m_window->MoveImagesLeftExecute();
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        m_window->DeleteImagesExecute();
        m_window->BackToGalleryExecute();
        EXPECT_FALSE(m_window->ActionDeleteAlbum()->isEnabled());
    });
    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::Images);
    FileDialog::SetNextFileNames(files);
    m_window->AddImagesExecute();
    ASSERT_TRUE(tried);
    ASSERT_EQ(m_gallery->ThumbnailStrip()->Albums().size(), 1);
    EXPECT_EQ(SourceNames(FirstAlbum()), (QStringList{u"a.png"_s, u"b.png"_s, u"c.png"_s}));
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_window->ActionDeleteAlbum()->isEnabled());
    MessageBox::ClearHistory();
}

TEST_F(AlbumsWindowTest, ChooserClosedOrFileDialogCancelledAddsNothing)
{
    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::None);
    m_window->AddImagesExecute();
    EXPECT_FALSE(m_progress->isVisible());
    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::Images);
    FileDialog::SetNextCancel();
    m_window->AddImagesExecute();
    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::Folder);
    FileDialog::SetNextCancel();
    m_window->AddImagesExecute();
    EXPECT_TRUE(FirstAlbum()->images().isEmpty());
    EXPECT_FALSE(m_progress->isVisible());
    EXPECT_FALSE(m_window->AddingImages());
    EXPECT_FALSE(m_gallery->Modified());
}

TEST_F(AlbumsWindowTest, AFileThatIsNoPictureIsReportedAndLeftOut)
{
    const QString good = MakePhoto(u"good.png"_s);
    const QString bad = TempPath(u"photos/broken.jpg"_s);
    WriteText(bad, "this is no JPEG");
    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::Images);
    FileDialog::SetNextFileNames({bad, good});
    m_window->AddImagesExecute();
    EXPECT_EQ(SourceNames(FirstAlbum()), QStringList{u"good.png"_s});
    ASSERT_EQ(MessageBox::ShownTexts().size(), 1);
    EXPECT_TRUE(MessageBox::LastText().contains(u"broken.jpg"_s)) << qPrintable(MessageBox::LastText());
}

TEST_F(AlbumsWindowTest, APictureOfThumbnailSizeLeavesTheBarAt30)
{
    const QString path = MakePhoto(u"exact.jpg"_s, 150, 100);
    TwImageChooser::SetNextAnswer(TwImageChooser::Choice::Images);
    FileDialog::SetNextFileNames({path});
    m_window->AddImagesExecute();
    EXPECT_EQ(m_progress->BarPercent(), 30);
    EXPECT_EQ(m_progress->StatusText(), u"Loading..."_s);
    EXPECT_EQ(m_progress->CurrentImageText(), u"exact.jpg"_s);
}

TEST_F(AlbumsWindowTest, DroppedPhotosGoIntoTheCurrentAlbum)
{
    const QString a = MakePhoto(u"drop1.png"_s);
    const QString b = MakePhoto(u"drop2.jpg"_s);
    const QString text = TempPath(u"photos/readme.txt"_s);
    WriteText(text, "text");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(text), QUrl::fromLocalFile(b)});

    QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &drop);
    EXPECT_TRUE(drop.isAccepted());
    // No chooser is asked: the photos come in once the drop is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return FirstAlbum()->images().size() == 2; }));
    EXPECT_EQ(SourceNames(FirstAlbum()), (QStringList{u"drop1.png"_s, u"drop2.jpg"_s}));
    EXPECT_EQ(m_progress->LoadingRow(), u"Loading: 3 of 3 images"_s);
}

TEST_F(AlbumsWindowTest, DropWithoutPicturesIsRefused)
{
    const QString text = TempPath(u"notes.txt"_s);
    WriteText(text, "text");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(text)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(AlbumsWindowTest, DropWithoutACurrentAlbumSaysWhy)
{
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    m_window->DeleteAlbumExecute();
    m_window->AddDroppedFiles({MakePhoto(u"x.png"_s)});
    EXPECT_EQ(MessageBox::LastText(), u"You must select the catagory you want to add your images to."_s);
}
