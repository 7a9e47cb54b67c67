#include "PanelTestSupport.h"
#include "support/TestSupport.h"

#include "app/AppFolders.h"
#include "app/AppState.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "gallery/FflashMovie.h"
#include "panels/JpegPicture.h"
#include "panels/PicturePicker.h"
#include "panels/SoundPicker.h"
#include "panels/TComponentPanel.h"
#include "panels/TGalleryPanel.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

class PickersTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        m_components = std::make_unique<TComponentPanel>();
        m_components->Bind(m_gallery.get());
        m_settings = std::make_unique<TGalleryPanel>();
        m_settings->Bind(m_gallery.get());
        m_gallery->Select(Button(), true);
        Button()->ShowProperties();
    }
    void TearDown() override
    {
        m_components.reset();
        m_settings.reset();
        PanelTest::TearDown();
    }
    FflashButtonClass *Button() const { return m_gallery->PlayButton(); }
    QString WorkImage(const QString &name) const { return AppFolders::ImagesWorkFolder() + name; }

    std::unique_ptr<TComponentPanel> m_components;
    std::unique_ptr<TGalleryPanel> m_settings;
};

} // namespace

TEST_F(PickersTest, JpegTestReadsFormatAndFrameType)
{
    struct Case { const char *file; const char *format; bool progressive; bool usable; };
    for (const Case c : {Case{"baseline.jpg", "jpeg", false, true}, Case{"progressive.jpg", "jpeg", true, false},
                         Case{"picture.png", "png", false, false}, Case{"picture.gif", "gif", false, false},
                         Case{"picture.bmp", "bmp", false, false}}) {
        SCOPED_TRACE(c.file);
        const QString path = WritePicture(TempPath(QString::fromLatin1(c.file)), c.format, c.progressive);
        EXPECT_EQ(JpegPicture::IsProgressive(path), c.progressive);
        EXPECT_EQ(JpegPicture::IsUsableAsIs(path), c.usable);
    }
    // The content decides, not the name.
    const QString disguised = WritePicture(TempPath(u"really-a-png.jpg"_s), "png");
    EXPECT_EQ(JpegPicture::FormatName(disguised), u"PNG"_s);
    EXPECT_FALSE(JpegPicture::IsUsableAsIs(disguised));
    QFile::copy(TempPath(u"baseline.jpg"_s), TempPath(u"jpeg-named.png"_s));
    EXPECT_TRUE(JpegPicture::IsUsableAsIs(TempPath(u"jpeg-named.png"_s)));

    for (const QByteArray &junk : {QByteArray("not a picture"), QByteArray("\xFF\xD8\xFF"), QByteArray()}) {
        const QString path = WriteFile(TempPath(u"junk.jpg"_s), junk);
        EXPECT_FALSE(JpegPicture::IsProgressive(path));
        EXPECT_FALSE(JpegPicture::IsUsableAsIs(path));
    }
    EXPECT_FALSE(JpegPicture::IsUsableAsIs(TempPath(u"missing.jpg"_s)));
}

TEST_F(PickersTest, ABaselineJpegBecomesTheIconWithoutAQuestion)
{
    const QString picture = WritePicture(TempPath(u"pics/My Icon.jpg"_s), "jpeg");
    FileDialog::SetNextFileName(picture);
    m_components->OnIconBrowseButton()->click();
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_EQ(Button()->OnIconName(), u"my_icon.jpg"_s);
    EXPECT_TRUE(QFileInfo(WorkImage(u"my_icon.jpg"_s)).isFile());
    EXPECT_FALSE(Button()->IconPicture().isNull());
    EXPECT_TRUE(m_gallery->Modified());

    FileDialog::SetNextFileName(picture);
    m_components->OffIconBrowseButton()->click();
    EXPECT_EQ(Button()->OffIconName(), u"my_icon(2).jpg"_s);
    EXPECT_EQ(Button()->OnIconName(), u"my_icon.jpg"_s);
}

TEST_F(PickersTest, OtherPicturesAreConvertedWhereTheUserChooses)
{
    struct Case { const char *file; const char *format; bool progressive; };
    for (const Case c : {Case{"progressive.jpg", "jpeg", true}, Case{"logo.png", "png", false},
                         Case{"anim.gif", "gif", false}, Case{"plain.bmp", "bmp", false}}) {
        SCOPED_TRACE(c.file);
        MessageBox::ClearHistory();
        const QString source = WritePicture(TempPath(u"in/"_s + QString::fromLatin1(c.file)), c.format, c.progressive);
        const QString target = TempPath(u"out/"_s + QFileInfo(source).completeBaseName() + u"-converted.jpg"_s);
        QDir().mkpath(QFileInfo(target).absolutePath());
        FileDialog::SetNextFileName(source);
        FileDialog::SetNextFileName(target);
        m_components->OnIconBrowseButton()->click();

        ASSERT_EQ(MessageBox::ShownTexts().size(), 1);
        EXPECT_EQ(MessageBox::LastText(), u"This image must be converted to work in Fotovia\n"
                                          u"Please choose where you want to save the converted version."_s);
        ASSERT_TRUE(QFileInfo(target).isFile());
        EXPECT_EQ(JpegPicture::FormatName(target), u"JPEG"_s);
        EXPECT_FALSE(JpegPicture::IsProgressive(target));
        EXPECT_EQ(QImage(target).size(), QImage(source).size());
        // The icon is made from the converted copy.
        const QString expectedName = QFileInfo(target).completeBaseName() + u".jpg"_s;
        EXPECT_EQ(Button()->OnIconName(), expectedName);
        EXPECT_EQ(QFile(WorkImage(expectedName)).size(), QFile(target).size());
    }
}

TEST_F(PickersTest, ConvertingKeepsTransparentPartsLight)
{
    QImage picture(10, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const QString source = TempPath(u"clear.png"_s);
    ASSERT_TRUE(picture.save(source, "PNG"));
    QString error;
    ASSERT_TRUE(JpegPicture::SaveAsBaseline(source, TempPath(u"clear.jpg"_s), &error)) << qPrintable(error);
    EXPECT_GT(QImage(TempPath(u"clear.jpg"_s)).pixelColor(5, 5).lightness(), 240);
}

TEST_F(PickersTest, DecliningTheConversionRemovesTheIcon)
{
    FileDialog::SetNextFileName(WritePicture(TempPath(u"first.jpg"_s), "jpeg"));
    m_components->OnIconBrowseButton()->click();
    ASSERT_EQ(Button()->OnIconName(), u"first.jpg"_s);

    FileDialog::SetNextFileName(WritePicture(TempPath(u"second.png"_s), "png"));
    FileDialog::SetNextCancel();
    m_components->OnIconBrowseButton()->click();
    EXPECT_EQ(MessageBox::ShownTexts().size(), 1);
    EXPECT_TRUE(Button()->OnIconName().isEmpty());
    EXPECT_TRUE(Button()->OnIconPath().isEmpty());
}

TEST_F(PickersTest, CancellingThePictureDialogChangesNothing)
{
    FileDialog::SetNextFileName(WritePicture(TempPath(u"first.jpg"_s), "jpeg"));
    m_components->OnIconBrowseButton()->click();
    m_gallery->ClearModified();
    FileDialog::SetNextCancel();
    m_components->OnIconBrowseButton()->click();
    EXPECT_EQ(Button()->OnIconName(), u"first.jpg"_s);
    EXPECT_FALSE(m_gallery->Modified());
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_F(PickersTest, APictureThatCannotBeConvertedKeepsTheIcon)
{
    FileDialog::SetNextFileName(WritePicture(TempPath(u"first.jpg"_s), "jpeg"));
    m_components->OnIconBrowseButton()->click();
    ASSERT_EQ(Button()->OnIconName(), u"first.jpg"_s);

    const QString broken = WriteFile(TempPath(u"broken.png"_s), "this is no picture");
    FileDialog::SetNextFileName(broken);
    FileDialog::SetNextFileName(TempPath(u"broken.jpg"_s));
    m_components->OnIconBrowseButton()->click();
    // The conversion question, then the failure: the icon stays.
    ASSERT_EQ(MessageBox::ShownTexts().size(), 2);
    EXPECT_TRUE(MessageBox::LastText().contains(broken));
    EXPECT_FALSE(QFileInfo::exists(TempPath(u"broken.jpg"_s)));
    EXPECT_EQ(Button()->OnIconName(), u"first.jpg"_s);
}

TEST_F(PickersTest, RemoveImageClearsEachIcon)
{
    const QString picture = WritePicture(TempPath(u"icon.jpg"_s), "jpeg");
    FileDialog::SetNextFileName(picture);
    m_components->OnIconBrowseButton()->click();
    FileDialog::SetNextFileName(picture);
    m_components->OffIconBrowseButton()->click();
    m_components->OffIconRemoveButton()->click();
    EXPECT_TRUE(Button()->OffIconName().isEmpty());
    EXPECT_FALSE(Button()->OnIconName().isEmpty());
    m_components->OnIconRemoveButton()->click();
    EXPECT_TRUE(Button()->OnIconName().isEmpty());
}

TEST_F(PickersTest, IconButtonsDoNothingWhileUpdatingOrWithoutAButton)
{
    const QString picture = WritePicture(TempPath(u"icon.jpg"_s), "jpeg");
    {
        UpdatingPanelsGuard filling;
        FileDialog::SetNextFileName(picture);
        m_components->OnIconBrowseButton()->click();
    }
    m_gallery->Select(nullptr, false);
    m_components->OnIconBrowseButton()->click();
    m_gallery->Select(m_gallery->ImageDisplay(), true);
    m_components->OffIconBrowseButton()->click();
    m_components->OnIconRemoveButton()->click();
    EXPECT_TRUE(Button()->OnIconName().isEmpty());
    EXPECT_TRUE(Button()->OffIconName().isEmpty());
    EXPECT_FALSE(m_gallery->Modified());
    // No chooser was asked: the queued answer is still there.
    EXPECT_EQ(FileDialog::OpenFileName(nullptr, {}, {}, {}), picture);
}

TEST_F(PickersTest, PictureDialogStartsInTheFolderItIsToldAndReportsTheNextOne)
{
    PicturePicker *picker = m_components->IconPicker();
    QSignalSpy reported(picker, &PicturePicker::StartFolderChanged);
    picker->SetStartFolder(TempPath(u"remembered"_s));
    const QString picture = WritePicture(TempPath(u"elsewhere/icon.jpg"_s), "jpeg");
    FileDialog::SetNextFileName(picture);
    m_components->OnIconBrowseButton()->click();
    EXPECT_EQ(FileDialog::LastStartPath(), TempPath(u"remembered/"_s));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_EQ(reported[0][0].toString(), TempPath(u"elsewhere/"_s));
    FileDialog::SetNextCancel();
    m_components->OffIconBrowseButton()->click();
    EXPECT_EQ(FileDialog::LastStartPath(), TempPath(u"elsewhere/"_s));
}

TEST_F(PickersTest, DialogFilters)
{
    EXPECT_EQ(PicturePicker::Filter(), u"All graphics (*.jpeg *.jpg *.gif *.bmp *.png *tif *.tiff)"_s);
    EXPECT_EQ(PicturePicker::ConversionFilter(), u"JPEG Bitmap (JPG,JPEG) (*.jpg *.jpeg)"_s);
    EXPECT_EQ(SoundPicker::Filter(), u"MP3 (*.mp3)"_s);
}

TEST_F(PickersTest, ChoosingTheSameSoundTwiceGivesTwoWorkingCopies)
{
    const QString song = WriteFile(TempPath(u"music/My Song.mp3"_s), "ID3 first");
    FileDialog::SetNextFileName(song);
    m_settings->BackgroundSoundBrowseButton()->click();
    EXPECT_EQ(m_gallery->BackgroundSoundName(), u"my_song.mp3"_s);
    FileDialog::SetNextFileName(song);
    m_settings->BackgroundSoundBrowseButton()->click();
    EXPECT_EQ(m_gallery->BackgroundSoundName(), u"my_song(2).mp3"_s);
    EXPECT_EQ(m_gallery->BackgroundSoundWorkPath(), AppFolders::TempFolder() + u"my_song(2).mp3"_s);
    EXPECT_EQ(ReadFile(AppFolders::TempFolder() + u"my_song.mp3"_s), QByteArray("ID3 first"));
    EXPECT_EQ(ReadFile(AppFolders::TempFolder() + u"my_song(2).mp3"_s), QByteArray("ID3 first"));
    EXPECT_TRUE(m_gallery->Modified());

    FileDialog::SetNextFileName(WriteFile(TempPath(u"music/Click Me.mp3"_s), "ID3 click"));
    m_settings->MouseOverSoundBrowseButton()->click();
    EXPECT_EQ(m_gallery->MouseOverSoundName(), u"click_me.mp3"_s);
    EXPECT_EQ(ReadFile(AppFolders::TempFolder() + u"click_me.mp3"_s), QByteArray("ID3 click"));
}

TEST_F(PickersTest, SoundDialogsStartInTheLibraryAndThenWhereTheLastChoiceWas)
{
    struct Case { QPushButton *browse; SoundPicker *picker; QString library; };
    for (const Case &c : {Case{m_settings->BackgroundSoundBrowseButton(), m_settings->BackgroundSoundPicker(),
                              AppFolders::BackgroundSoundsFolder()},
                         Case{m_settings->MouseOverSoundBrowseButton(), m_settings->MouseOverSoundPicker(),
                              AppFolders::MouseOverSoundsFolder()}}) {
        QSignalSpy reported(c.picker, &SoundPicker::StartFolderChanged);
        FileDialog::SetNextFileName(WriteFile(TempPath(u"mine/a.mp3"_s)));
        c.browse->click();
        EXPECT_EQ(FileDialog::LastStartPath(), c.library);
        ASSERT_EQ(reported.size(), 1);
        EXPECT_EQ(reported[0][0].toString(), TempPath(u"mine/"_s));
        FileDialog::SetNextCancel();
        c.browse->click();
        EXPECT_EQ(FileDialog::LastStartPath(), TempPath(u"mine/"_s));
        EXPECT_EQ(reported.size(), 1);
    }
    // A folder remembered from an earlier run comes first.
    m_settings->BackgroundSoundPicker()->SetStartFolder(TempPath(u"kept"_s));
    FileDialog::SetNextCancel();
    m_settings->BackgroundSoundBrowseButton()->click();
    EXPECT_EQ(FileDialog::LastStartPath(), TempPath(u"kept/"_s));
}

TEST_F(PickersTest, CancellingTheSoundDialogKeepsTheSound)
{
    const QString before = m_gallery->BackgroundSoundName();
    FileDialog::SetNextCancel();
    m_settings->BackgroundSoundBrowseButton()->click();
    EXPECT_EQ(m_gallery->BackgroundSoundName(), before);
    EXPECT_FALSE(m_gallery->Modified());
}

TEST_F(PickersTest, RemovingSounds)
{
    auto chooseBoth = [this] {
        FileDialog::SetNextFileName(WriteFile(TempPath(u"bk.mp3"_s)));
        m_settings->BackgroundSoundBrowseButton()->click();
        FileDialog::SetNextFileName(WriteFile(TempPath(u"over.mp3"_s)));
        m_settings->MouseOverSoundBrowseButton()->click();
        ASSERT_FALSE(m_gallery->BackgroundSoundName().isEmpty());
        ASSERT_FALSE(m_gallery->MouseOverSoundName().isEmpty());
    };

    chooseBoth();
    m_settings->BackgroundSoundRemoveButton()->click();
    EXPECT_TRUE(m_gallery->BackgroundSoundName().isEmpty());
    EXPECT_FALSE(m_gallery->MouseOverSoundName().isEmpty());
    m_settings->MouseOverSoundRemoveButton()->click();
    EXPECT_TRUE(m_gallery->MouseOverSoundName().isEmpty());
    EXPECT_FALSE(m_gallery->WriteXml().contains(u"bk.mp3"_s));

    // "Don't Play Any Sounds" removes both, ticked or cleared, and even while panels update.
    for (const bool guarded : {false, true, false}) {
        chooseBoth();
        std::optional<UpdatingPanelsGuard> filling;
        if (guarded)
            filling.emplace();
        m_settings->NoSoundsBox()->click();
        EXPECT_TRUE(m_gallery->BackgroundSoundName().isEmpty());
        EXPECT_TRUE(m_gallery->MouseOverSoundName().isEmpty());
    }
}

TEST_F(PickersTest, RemovingASoundDeletesItOnlyFromTheGalleryFolder)
{
    FileDialog::SetNextFileName(WriteFile(TempPath(u"bk.mp3"_s)));
    m_settings->BackgroundSoundBrowseButton()->click();
    const QString work = m_gallery->BackgroundSoundWorkPath();
    ASSERT_TRUE(QFileInfo(work).isFile());
    m_settings->BackgroundSoundRemoveButton()->click();
    EXPECT_TRUE(QFileInfo(work).isFile());

    FileDialog::SetNextFileName(WriteFile(TempPath(u"over.mp3"_s)));
    m_settings->MouseOverSoundBrowseButton()->click();
    const QString overWork = m_gallery->MouseOverSoundWorkPath();
    m_gallery->SetFolderFromPath(AppFolders::TempFolder());
    m_settings->MouseOverSoundRemoveButton()->click();
    EXPECT_FALSE(QFileInfo::exists(overWork));
    EXPECT_TRUE(m_gallery->MouseOverSoundName().isEmpty());
}

TEST_F(PickersTest, SoundButtonsDoNothingWithoutAGallery)
{
    m_settings->Bind(nullptr);
    FileDialog::SetNextFileName(WriteFile(TempPath(u"bk.mp3"_s)));
    const QString before = m_gallery->BackgroundSoundName();
    m_settings->BackgroundSoundBrowseButton()->click();
    m_settings->MouseOverSoundRemoveButton()->click();
    m_settings->NoSoundsBox()->click();
    EXPECT_EQ(m_gallery->BackgroundSoundName(), before);
    EXPECT_FALSE(m_gallery->MouseOverSoundName().isEmpty());
    EXPECT_FALSE(m_gallery->Modified());
}
