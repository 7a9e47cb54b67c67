#include "PanelTestSupport.h"
#include "support/TestSupport.h"

#include "AppFolders.h"
#include "FillingGuard.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "GalleryDocument.h"
#include "BaselineJpeg.h"
#include "PicturePicker.h"
#include "SoundPicker.h"
#include "ComponentPanel.h"
#include "GallerySettingsPanel.h"

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
        m_components = std::make_unique<ComponentPanel>();
        m_components->bind(m_gallery.get());
        m_settings = std::make_unique<GallerySettingsPanel>();
        m_settings->bind(m_gallery.get());
        m_gallery->select(Button(), true);
        Button()->showProperties();
    }
    void TearDown() override
    {
        m_components.reset();
        m_settings.reset();
        PanelTest::TearDown();
    }
    GalleryButton *Button() const { return m_gallery->playButton(); }
    QString workImage(const QString &name) const { return AppFolders::imagesWorkFolder() + name; }

    std::unique_ptr<ComponentPanel> m_components;
    std::unique_ptr<GallerySettingsPanel> m_settings;
};

} // namespace

TEST_F(PickersTest, JpegTestReadsFormatAndFrameType)
{
    struct Case { const char *file; const char *format; bool progressive; bool usable; };
    for (const Case c : {Case{"baseline.jpg", "jpeg", false, true}, Case{"progressive.jpg", "jpeg", true, false},
                         Case{"picture.png", "png", false, false}, Case{"picture.gif", "gif", false, false},
                         Case{"picture.bmp", "bmp", false, false}}) {
        SCOPED_TRACE(c.file);
        const QString path = writePicture(tempPath(QString::fromLatin1(c.file)), c.format, c.progressive);
        EXPECT_EQ(BaselineJpeg::isProgressive(path), c.progressive);
        EXPECT_EQ(BaselineJpeg::isUsableAsIs(path), c.usable);
    }
    // The content decides, not the name.
    const QString disguised = writePicture(tempPath(u"really-a-png.jpg"_s), "png");
    EXPECT_EQ(BaselineJpeg::formatName(disguised), u"PNG"_s);
    EXPECT_FALSE(BaselineJpeg::isUsableAsIs(disguised));
    QFile::copy(tempPath(u"baseline.jpg"_s), tempPath(u"jpeg-named.png"_s));
    EXPECT_TRUE(BaselineJpeg::isUsableAsIs(tempPath(u"jpeg-named.png"_s)));

    for (const QByteArray &junk : {QByteArray("not a picture"), QByteArray("\xFF\xD8\xFF"), QByteArray()}) {
        const QString path = writeFile(tempPath(u"junk.jpg"_s), junk);
        EXPECT_FALSE(BaselineJpeg::isProgressive(path));
        EXPECT_FALSE(BaselineJpeg::isUsableAsIs(path));
    }
    EXPECT_FALSE(BaselineJpeg::isUsableAsIs(tempPath(u"missing.jpg"_s)));
}

TEST_F(PickersTest, ABaselineJpegBecomesTheIconWithoutAQuestion)
{
    const QString picture = writePicture(tempPath(u"pics/My Icon.jpg"_s), "jpeg");
    FileDialog::setNextFileName(picture);
    m_components->onIconBrowseButton()->click();
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
    EXPECT_EQ(Button()->onIconName(), u"my_icon.jpg"_s);
    EXPECT_TRUE(QFileInfo(workImage(u"my_icon.jpg"_s)).isFile());
    EXPECT_FALSE(Button()->iconPicture().isNull());
    EXPECT_TRUE(m_gallery->modified());

    FileDialog::setNextFileName(picture);
    m_components->offIconBrowseButton()->click();
    EXPECT_EQ(Button()->offIconName(), u"my_icon(2).jpg"_s);
    EXPECT_EQ(Button()->onIconName(), u"my_icon.jpg"_s);
}

TEST_F(PickersTest, OtherPicturesAreConvertedWhereTheUserChooses)
{
    struct Case { const char *file; const char *format; bool progressive; };
    for (const Case c : {Case{"progressive.jpg", "jpeg", true}, Case{"logo.png", "png", false},
                         Case{"anim.gif", "gif", false}, Case{"plain.bmp", "bmp", false}}) {
        SCOPED_TRACE(c.file);
        MessageBox::clearHistory();
        const QString source = writePicture(tempPath(u"in/"_s + QString::fromLatin1(c.file)), c.format, c.progressive);
        const QString target = tempPath(u"out/"_s + QFileInfo(source).completeBaseName() + u"-converted.jpg"_s);
        QDir().mkpath(QFileInfo(target).absolutePath());
        FileDialog::setNextFileName(source);
        FileDialog::setNextFileName(target);
        m_components->onIconBrowseButton()->click();

        ASSERT_EQ(MessageBox::shownTexts().size(), 1);
        EXPECT_EQ(MessageBox::lastText(), u"This image must be converted to work in Fotovia\n"
                                          u"Please choose where you want to save the converted version."_s);
        ASSERT_TRUE(QFileInfo(target).isFile());
        EXPECT_EQ(BaselineJpeg::formatName(target), u"JPEG"_s);
        EXPECT_FALSE(BaselineJpeg::isProgressive(target));
        EXPECT_EQ(QImage(target).size(), QImage(source).size());
        // The icon is made from the converted copy.
        const QString expectedName = QFileInfo(target).completeBaseName() + u".jpg"_s;
        EXPECT_EQ(Button()->onIconName(), expectedName);
        EXPECT_EQ(QFile(workImage(expectedName)).size(), QFile(target).size());
    }
}

TEST_F(PickersTest, ConvertingKeepsTransparentPartsLight)
{
    QImage picture(10, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const QString source = tempPath(u"clear.png"_s);
    ASSERT_TRUE(picture.save(source, "PNG"));
    QString error;
    ASSERT_TRUE(BaselineJpeg::saveAsBaseline(source, tempPath(u"clear.jpg"_s), &error)) << qPrintable(error);
    EXPECT_GT(QImage(tempPath(u"clear.jpg"_s)).pixelColor(5, 5).lightness(), 240);
}

TEST_F(PickersTest, DecliningTheConversionRemovesTheIcon)
{
    FileDialog::setNextFileName(writePicture(tempPath(u"first.jpg"_s), "jpeg"));
    m_components->onIconBrowseButton()->click();
    ASSERT_EQ(Button()->onIconName(), u"first.jpg"_s);

    FileDialog::setNextFileName(writePicture(tempPath(u"second.png"_s), "png"));
    FileDialog::setNextCancel();
    m_components->onIconBrowseButton()->click();
    EXPECT_EQ(MessageBox::shownTexts().size(), 1);
    EXPECT_TRUE(Button()->onIconName().isEmpty());
    EXPECT_TRUE(Button()->onIconPath().isEmpty());
}

TEST_F(PickersTest, CancellingThePictureDialogChangesNothing)
{
    FileDialog::setNextFileName(writePicture(tempPath(u"first.jpg"_s), "jpeg"));
    m_components->onIconBrowseButton()->click();
    m_gallery->clearModified();
    FileDialog::setNextCancel();
    m_components->onIconBrowseButton()->click();
    EXPECT_EQ(Button()->onIconName(), u"first.jpg"_s);
    EXPECT_FALSE(m_gallery->modified());
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
}

TEST_F(PickersTest, APictureThatCannotBeConvertedKeepsTheIcon)
{
    FileDialog::setNextFileName(writePicture(tempPath(u"first.jpg"_s), "jpeg"));
    m_components->onIconBrowseButton()->click();
    ASSERT_EQ(Button()->onIconName(), u"first.jpg"_s);

    const QString broken = writeFile(tempPath(u"broken.png"_s), "this is no picture");
    FileDialog::setNextFileName(broken);
    FileDialog::setNextFileName(tempPath(u"broken.jpg"_s));
    m_components->onIconBrowseButton()->click();
    // The conversion question, then the failure: the icon stays.
    ASSERT_EQ(MessageBox::shownTexts().size(), 2);
    EXPECT_TRUE(MessageBox::lastText().contains(broken));
    EXPECT_FALSE(QFileInfo::exists(tempPath(u"broken.jpg"_s)));
    EXPECT_EQ(Button()->onIconName(), u"first.jpg"_s);
}

TEST_F(PickersTest, RemoveImageClearsEachIcon)
{
    const QString picture = writePicture(tempPath(u"icon.jpg"_s), "jpeg");
    FileDialog::setNextFileName(picture);
    m_components->onIconBrowseButton()->click();
    FileDialog::setNextFileName(picture);
    m_components->offIconBrowseButton()->click();
    m_components->offIconRemoveButton()->click();
    EXPECT_TRUE(Button()->offIconName().isEmpty());
    EXPECT_FALSE(Button()->onIconName().isEmpty());
    m_components->onIconRemoveButton()->click();
    EXPECT_TRUE(Button()->onIconName().isEmpty());
}

TEST_F(PickersTest, IconButtonsDoNothingWhileUpdatingOrWithoutAButton)
{
    const QString picture = writePicture(tempPath(u"icon.jpg"_s), "jpeg");
    {
        const FillingGuard filling(m_components->fillingFlag());
        FileDialog::setNextFileName(picture);
        m_components->onIconBrowseButton()->click();
    }
    m_gallery->select(nullptr, false);
    m_components->onIconBrowseButton()->click();
    m_gallery->select(m_gallery->imageDisplay(), true);
    m_components->offIconBrowseButton()->click();
    m_components->onIconRemoveButton()->click();
    EXPECT_TRUE(Button()->onIconName().isEmpty());
    EXPECT_TRUE(Button()->offIconName().isEmpty());
    EXPECT_FALSE(m_gallery->modified());
    // No chooser was asked: the queued answer is still there.
    EXPECT_EQ(FileDialog::openFileName(nullptr, {}, {}, {}), picture);
}

TEST_F(PickersTest, PictureDialogStartsInTheFolderItIsToldAndReportsTheNextOne)
{
    PicturePicker *picker = m_components->iconPicker();
    QSignalSpy reported(picker, &PicturePicker::startFolderChanged);
    picker->setStartFolder(tempPath(u"remembered"_s));
    const QString picture = writePicture(tempPath(u"elsewhere/icon.jpg"_s), "jpeg");
    FileDialog::setNextFileName(picture);
    m_components->onIconBrowseButton()->click();
    EXPECT_EQ(FileDialog::lastStartPath(), tempPath(u"remembered/"_s));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_EQ(reported[0][0].toString(), tempPath(u"elsewhere/"_s));
    FileDialog::setNextCancel();
    m_components->offIconBrowseButton()->click();
    EXPECT_EQ(FileDialog::lastStartPath(), tempPath(u"elsewhere/"_s));
}

TEST_F(PickersTest, DialogFilters)
{
    EXPECT_EQ(PicturePicker::filter(), u"All graphics (*.jpeg *.jpg *.gif *.bmp *.png *tif *.tiff)"_s);
    EXPECT_EQ(PicturePicker::conversionFilter(), u"JPEG Bitmap (JPG,JPEG) (*.jpg *.jpeg)"_s);
    EXPECT_EQ(SoundPicker::filter(), u"MP3 (*.mp3)"_s);
}

TEST_F(PickersTest, ChoosingTheSameSoundTwiceGivesTwoWorkingCopies)
{
    const QString song = writeFile(tempPath(u"music/My Song.mp3"_s), "ID3 first");
    FileDialog::setNextFileName(song);
    m_settings->backgroundSoundBrowseButton()->click();
    EXPECT_EQ(m_gallery->backgroundSoundName(), u"my_song.mp3"_s);
    FileDialog::setNextFileName(song);
    m_settings->backgroundSoundBrowseButton()->click();
    EXPECT_EQ(m_gallery->backgroundSoundName(), u"my_song(2).mp3"_s);
    EXPECT_EQ(m_gallery->backgroundSoundWorkPath(), AppFolders::tempFolder() + u"my_song(2).mp3"_s);
    EXPECT_EQ(readFile(AppFolders::tempFolder() + u"my_song.mp3"_s), QByteArray("ID3 first"));
    EXPECT_EQ(readFile(AppFolders::tempFolder() + u"my_song(2).mp3"_s), QByteArray("ID3 first"));
    EXPECT_TRUE(m_gallery->modified());

    FileDialog::setNextFileName(writeFile(tempPath(u"music/Click Me.mp3"_s), "ID3 click"));
    m_settings->mouseOverSoundBrowseButton()->click();
    EXPECT_EQ(m_gallery->mouseOverSoundName(), u"click_me.mp3"_s);
    EXPECT_EQ(readFile(AppFolders::tempFolder() + u"click_me.mp3"_s), QByteArray("ID3 click"));
}

TEST_F(PickersTest, SoundDialogsStartInTheLibraryAndThenWhereTheLastChoiceWas)
{
    struct Case { QPushButton *browse; SoundPicker *picker; QString library; };
    for (const Case &c : {Case{m_settings->backgroundSoundBrowseButton(), m_settings->backgroundSoundPicker(),
                              AppFolders::backgroundSoundsFolder()},
                         Case{m_settings->mouseOverSoundBrowseButton(), m_settings->mouseOverSoundPicker(),
                              AppFolders::mouseOverSoundsFolder()}}) {
        QSignalSpy reported(c.picker, &SoundPicker::startFolderChanged);
        FileDialog::setNextFileName(writeFile(tempPath(u"mine/a.mp3"_s)));
        c.browse->click();
        EXPECT_EQ(FileDialog::lastStartPath(), c.library);
        ASSERT_EQ(reported.size(), 1);
        EXPECT_EQ(reported[0][0].toString(), tempPath(u"mine/"_s));
        FileDialog::setNextCancel();
        c.browse->click();
        EXPECT_EQ(FileDialog::lastStartPath(), tempPath(u"mine/"_s));
        EXPECT_EQ(reported.size(), 1);
    }
    // A folder remembered from an earlier run comes first.
    m_settings->backgroundSoundPicker()->setStartFolder(tempPath(u"kept"_s));
    FileDialog::setNextCancel();
    m_settings->backgroundSoundBrowseButton()->click();
    EXPECT_EQ(FileDialog::lastStartPath(), tempPath(u"kept/"_s));
}

TEST_F(PickersTest, CancellingTheSoundDialogKeepsTheSound)
{
    const QString before = m_gallery->backgroundSoundName();
    FileDialog::setNextCancel();
    m_settings->backgroundSoundBrowseButton()->click();
    EXPECT_EQ(m_gallery->backgroundSoundName(), before);
    EXPECT_FALSE(m_gallery->modified());
}

TEST_F(PickersTest, RemovingSounds)
{
    auto chooseBoth = [this] {
        FileDialog::setNextFileName(writeFile(tempPath(u"bk.mp3"_s)));
        m_settings->backgroundSoundBrowseButton()->click();
        FileDialog::setNextFileName(writeFile(tempPath(u"over.mp3"_s)));
        m_settings->mouseOverSoundBrowseButton()->click();
        ASSERT_FALSE(m_gallery->backgroundSoundName().isEmpty());
        ASSERT_FALSE(m_gallery->mouseOverSoundName().isEmpty());
    };

    chooseBoth();
    m_settings->backgroundSoundRemoveButton()->click();
    EXPECT_TRUE(m_gallery->backgroundSoundName().isEmpty());
    EXPECT_FALSE(m_gallery->mouseOverSoundName().isEmpty());
    m_settings->mouseOverSoundRemoveButton()->click();
    EXPECT_TRUE(m_gallery->mouseOverSoundName().isEmpty());
    EXPECT_FALSE(m_gallery->writeXml().contains(u"bk.mp3"_s));

    // "Don't Play Any Sounds" removes both, ticked or cleared, and even while panels update.
    for (const bool guarded : {false, true, false}) {
        chooseBoth();
        std::optional<FillingGuard> filling;
        if (guarded)
            filling.emplace(m_settings->fillingFlag());
        m_settings->noSoundsBox()->click();
        EXPECT_TRUE(m_gallery->backgroundSoundName().isEmpty());
        EXPECT_TRUE(m_gallery->mouseOverSoundName().isEmpty());
    }
}

TEST_F(PickersTest, RemovingASoundDeletesItOnlyFromTheGalleryFolder)
{
    FileDialog::setNextFileName(writeFile(tempPath(u"bk.mp3"_s)));
    m_settings->backgroundSoundBrowseButton()->click();
    const QString work = m_gallery->backgroundSoundWorkPath();
    ASSERT_TRUE(QFileInfo(work).isFile());
    m_settings->backgroundSoundRemoveButton()->click();
    EXPECT_TRUE(QFileInfo(work).isFile());

    FileDialog::setNextFileName(writeFile(tempPath(u"over.mp3"_s)));
    m_settings->mouseOverSoundBrowseButton()->click();
    const QString overWork = m_gallery->mouseOverSoundWorkPath();
    m_gallery->setFolderFromPath(AppFolders::tempFolder());
    m_settings->mouseOverSoundRemoveButton()->click();
    EXPECT_FALSE(QFileInfo::exists(overWork));
    EXPECT_TRUE(m_gallery->mouseOverSoundName().isEmpty());
}

TEST_F(PickersTest, SoundButtonsDoNothingWithoutAGallery)
{
    m_settings->bind(nullptr);
    FileDialog::setNextFileName(writeFile(tempPath(u"bk.mp3"_s)));
    const QString before = m_gallery->backgroundSoundName();
    m_settings->backgroundSoundBrowseButton()->click();
    m_settings->mouseOverSoundRemoveButton()->click();
    m_settings->noSoundsBox()->click();
    EXPECT_EQ(m_gallery->backgroundSoundName(), before);
    EXPECT_FALSE(m_gallery->mouseOverSoundName().isEmpty());
    EXPECT_FALSE(m_gallery->modified());
}
