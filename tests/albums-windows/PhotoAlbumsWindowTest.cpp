#include "AlbumsWindowFixture.h"

#include "albums/AlbumMenuPanelView.h"
#include "albums/AlbumThumbnailsPanel.h"
#include "albums/AlbumTileView.h"
#include "albums/FCatagoryMenuStyle.h"
#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailCatagoryPanel.h"
#include "albums/FThummnailImageData.h"
#include "albums/ThumbnailView.h"
#include "albums/TwinImages.h"
#include "albums/TwinimageLink.h"
#include "app/AppFolders.h"
#include "app/AppState.h"
#include "app/ArrowKeyHandler.h"
#include "app/MessageBox.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "panels/ColorButton.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
const QString DeleteAlbumQuestion = u"Are you sure you want to delete this album?"_s;
const QString DeleteImagesQuestion = u"Are you sure you want to delete the selected image(s)?"_s;

QStringList Names(const FflashThumbnailerClass *strip)
{
    QStringList names;
    for (const FThummnailCatagory *album : strip->Albums())
        names.append(album->name());
    return names;
}
} // namespace

TEST_F(AlbumsWindowTest, NewGalleryShowsItsAlbumAsCurrentWithSettingsTab)
{
    FThummnailCatagory *album = FirstAlbum();
    ASSERT_NE(album, nullptr);
    EXPECT_EQ(m_window->CurrentAlbum(), album);
    EXPECT_TRUE(album->Selected());
    EXPECT_EQ(m_window->PageControl()->currentIndex(), 0);
    EXPECT_EQ(m_window->PageControl()->tabText(0), u"Settings"_s);
    EXPECT_EQ(m_window->PageControl()->tabText(1), u"Background"_s);
    EXPECT_FALSE(m_window->AlbumFields()->isHidden());
    EXPECT_EQ(m_window->TitleEdit()->text(), u"My Images"_s);
    EXPECT_EQ(m_window->DescriptionEdit()->toPlainText(), u"Put the description of your images here."_s);
    // An album without photos: no strip and no image row, the placeholder instead.
    EXPECT_TRUE(m_window->ImageStrip()->isHidden());
    EXPECT_FALSE(m_window->StripPlaceholder()->isHidden());
    EXPECT_TRUE(m_window->ImageRow()->isHidden());
    // Showing the window and filling its album fields is no change of the gallery.
    EXPECT_FALSE(m_gallery->Modified());
}

TEST_F(AlbumsWindowTest, ToolbarCaptionsAndHints)
{
    const struct { QAction *action; const char16_t *caption; const char16_t *hint; } expected[] = {
        {m_window->ActionAddAlbum(), u"Add Album", u"Add a new Photo Album"},
        {m_window->ActionAddImages(), u"Add Images", u"Add Images to your Photo Album"},
        {m_window->ActionMoveLeft(), u"Move Left", u"Move Album Left"},
        {m_window->ActionMoveRight(), u"Move Right", u"Move Album Right"},
        {m_window->ActionDeleteAlbum(), u"Delete Album", u"Remove the selected Photo Album"},
        {m_window->ActionPreview(), u"&Preview", u"Preview in Browser"},
        {m_window->ActionBack(), u"Back to Gallery", u"Close this Window and return to Gallery"},
    };
    for (const auto &e : expected) {
        EXPECT_EQ(e.action->text(), QString::fromUtf16(e.caption));
        EXPECT_EQ(e.action->toolTip(), QString::fromUtf16(e.hint));
    }
}

TEST_F(AlbumsWindowTest, AddAlbumAppendsATileAndMakesItCurrent)
{
    FThummnailCatagory *first = FirstAlbum();
    FThummnailCatagory *second = AddAlbum();
    ASSERT_NE(second, first);
    EXPECT_EQ(m_gallery->ThumbnailStrip()->Albums().size(), 2);
    EXPECT_EQ(second->name(), u"My Images"_s);
    EXPECT_EQ(m_window->CurrentAlbum(), second);
    EXPECT_TRUE(second->Selected());
    EXPECT_FALSE(first->Selected());
    EXPECT_TRUE(m_gallery->Modified());
    ASSERT_NE(m_window->TileOf(second), nullptr);
    // Tiles in a row: pad, then tile width + pad further on.
    const int pad = m_gallery->MenuStyle()->catxypadding;
    EXPECT_EQ(first->Bounds().topLeft(), QPoint(pad, pad));
    EXPECT_EQ(m_window->TileOf(second)->geometry(), second->Bounds());
    if (m_window->AlbumArea()->viewport()->width() >= 2 * first->Width() + 3 * pad) {
        EXPECT_EQ(second->Bounds().topLeft(), QPoint(pad + first->Width() + pad, pad));
    } else {
        EXPECT_EQ(second->Bounds().topLeft(), QPoint(pad, pad + first->Height() + pad));
    }
}

TEST_F(AlbumsWindowTest, TilesWrapWhenTheNextOneWouldPassThePanelsEdge)
{
    m_window->resize(560, 500);
    QApplication::processEvents();
    for (int i = 0; i < 4; ++i)
        AddAlbum();
    m_window->LayoutAlbumTiles();
    const int areaWidth = m_window->AlbumArea()->viewport()->width();
    const FCatagoryMenuStyle *style = m_gallery->MenuStyle();
    const int pad = style->catxypadding;
    int x = pad;
    int y = pad;
    for (const FThummnailCatagory *album : m_gallery->ThumbnailStrip()->Albums()) {
        EXPECT_EQ(album->Bounds().topLeft(), QPoint(x, y));
        x += style->catw + pad;
        if (x + style->catw > areaWidth) {
            x = pad;
            y += style->cath + pad;
        }
    }
    EXPECT_EQ(m_gallery->MenuPanel()->Width(), areaWidth);
    EXPECT_GE(m_gallery->MenuPanel()->Height(), m_window->AlbumArea()->viewport()->height());
}

TEST_F(AlbumsWindowTest, DeleteAlbumAsksAndNoKeepsEverything)
{
    AddAlbum();
    m_gallery->SetModified(false);
    MessageBox::SetNextAnswer(QMessageBox::No);
    m_window->DeleteAlbumExecute();
    EXPECT_EQ(MessageBox::LastText(), DeleteAlbumQuestion);
    EXPECT_EQ(m_gallery->ThumbnailStrip()->Albums().size(), 2);
    EXPECT_NE(m_window->CurrentAlbum(), nullptr);
    EXPECT_FALSE(m_gallery->Modified());
}

TEST_F(AlbumsWindowTest, DeleteAlbumYesRemovesTheCurrentOne)
{
    FThummnailCatagory *first = FirstAlbum();
    AddAlbum();
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    m_window->DeleteAlbumExecute();
    ASSERT_EQ(m_gallery->ThumbnailStrip()->Albums().size(), 1);
    EXPECT_EQ(FirstAlbum(), first);
    EXPECT_EQ(m_window->CurrentAlbum(), nullptr);
    EXPECT_TRUE(m_window->AlbumFields()->isHidden());
    EXPECT_TRUE(m_gallery->Modified());
    // With no current album, Yes on a second delete removes nothing.
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    m_window->DeleteAlbumExecute();
    EXPECT_EQ(MessageBox::LastText(), DeleteAlbumQuestion);
    EXPECT_EQ(m_gallery->ThumbnailStrip()->Albums().size(), 1);
}

TEST_F(AlbumsWindowTest, DeletingTheLastAlbumLeavesAnEmptyAreaAsTallAsItself)
{
    AddPhotos(FirstAlbum(), 1);
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    m_window->DeleteAlbumExecute();
    QApplication::processEvents();
    EXPECT_TRUE(m_gallery->ThumbnailStrip()->Albums().isEmpty());
    EXPECT_EQ(m_gallery->MenuPanel()->Height(), m_window->AlbumArea()->viewport()->height());
    EXPECT_EQ(m_window->MenuPanelView()->height(), m_window->AlbumArea()->viewport()->height());
    EXPECT_TRUE(m_window->AlbumFields()->isHidden());
    EXPECT_TRUE(m_window->ImageRow()->isHidden());
    EXPECT_TRUE(m_window->ImageStrip()->isHidden());
    // Commands that need an album do nothing; Add Images tells why.
    m_window->MoveAlbumLeftExecute();
    m_window->AddImagesExecute();
    EXPECT_EQ(MessageBox::LastText(), u"You must select the catagory you want to add your images to."_s);
}

TEST_F(AlbumsWindowTest, DeleteKeyOnATileAsksAfterTheKeyEvent)
{
    AddAlbum();
    AlbumTileView *tile = m_window->TileOf(m_window->CurrentAlbum());
    ASSERT_NE(tile, nullptr);
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    QTest::keyRelease(tile, Qt::Key_Delete);
    // The question comes from the timer, not from the key event itself.
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_TRUE(m_window->DeleteAlbumTimer()->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_gallery->ThumbnailStrip()->Albums().size() == 1; }));
    EXPECT_EQ(MessageBox::LastText(), DeleteAlbumQuestion);
}

struct AlbumMoveCase
{
    const char *name;
    int current;
    bool left;
    QStringList expected;
};

class AlbumMoveTest : public AlbumsWindowTest, public ::testing::WithParamInterface<AlbumMoveCase>
{
};

TEST_P(AlbumMoveTest, MovesTheCurrentAlbumOnePlaceExceptAtTheEnds)
{
    const AlbumMoveCase &c = GetParam();
    FThummnailCatagory *a = FirstAlbum();
    a->SetName(u"A"_s);
    AddAlbum()->SetName(u"B"_s);
    AddAlbum()->SetName(u"C"_s);
    FThummnailCatagory *current = m_gallery->ThumbnailStrip()->Albums()[c.current];
    m_window->SelectAlbum(current);
    AddPhotos(a, 1); // the strip's preview follows the first album
    m_gallery->SetModified(false);
    if (c.left)
        m_window->MoveAlbumLeftExecute();
    else
        m_window->MoveAlbumRightExecute();
    EXPECT_EQ(Names(m_gallery->ThumbnailStrip()), c.expected);
    EXPECT_EQ(m_window->CurrentAlbum(), current);
    const bool moved = Names(m_gallery->ThumbnailStrip()) != QStringList{u"A"_s, u"B"_s, u"C"_s};
    EXPECT_EQ(m_gallery->Modified(), moved);
    // Tiles follow the new order.
    const auto &albums = m_gallery->ThumbnailStrip()->Albums();
    EXPECT_LT(std::pair(albums[0]->Top(), albums[0]->Left()), std::pair(albums[1]->Top(), albums[1]->Left()));
    EXPECT_LT(std::pair(albums[1]->Top(), albums[1]->Left()), std::pair(albums[2]->Top(), albums[2]->Left()));
    // The canvas strip previews whatever album is first now.
    const bool firstHasPhotos = !albums[0]->images().isEmpty();
    EXPECT_EQ(m_gallery->ThumbnailStrip()->Preview()[0].placeholder, !firstHasPhotos);
}

INSTANTIATE_TEST_SUITE_P(Ends, AlbumMoveTest,
    ::testing::Values(AlbumMoveCase{"FirstLeft", 0, true, {u"A"_s, u"B"_s, u"C"_s}},
                      AlbumMoveCase{"FirstRight", 0, false, {u"B"_s, u"A"_s, u"C"_s}},
                      AlbumMoveCase{"MiddleLeft", 1, true, {u"B"_s, u"A"_s, u"C"_s}},
                      AlbumMoveCase{"MiddleRight", 1, false, {u"A"_s, u"C"_s, u"B"_s}},
                      AlbumMoveCase{"LastLeft", 2, true, {u"A"_s, u"C"_s, u"B"_s}},
                      AlbumMoveCase{"LastRight", 2, false, {u"A"_s, u"B"_s, u"C"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AlbumsWindowTest, ClickingATileSelectsItsAlbumAndShowsItsPhotos)
{
    FThummnailCatagory *first = FirstAlbum();
    AddPhotos(first, 2);
    FThummnailCatagory *second = AddAlbum();
    EXPECT_TRUE(m_window->ImageStrip()->isHidden());
    QTest::mouseClick(m_window->TileOf(first), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(m_window->CurrentAlbum(), first);
    EXPECT_TRUE(first->Selected());
    EXPECT_FALSE(second->Selected());
    EXPECT_FALSE(m_window->ImageStrip()->isHidden());
    EXPECT_FALSE(m_window->ThumbnailsPanelOf(first)->isHidden());
    EXPECT_TRUE(m_window->ThumbnailsPanelOf(second)->isHidden());
}

TEST_F(AlbumsWindowTest, TitleAndDescriptionWriteIntoTheCurrentAlbum)
{
    FThummnailCatagory *album = FirstAlbum();
    QTest::keyClicks(m_window->TitleEdit(), u" & Co"_s);
    EXPECT_EQ(album->name(), u"My Images & Co"_s);
    m_window->DescriptionEdit()->setPlainText(QString(200, u'x'));
    EXPECT_EQ(album->description(), QString(128, u'x'));
    EXPECT_TRUE(m_gallery->Modified());
}

TEST_F(AlbumsWindowTest, SelectionWithAndWithoutShiftAndTheImageRow)
{
    const auto images = AddPhotos(FirstAlbum(), 3);
    // The last photo added is the selected one: the row shows its caption.
    EXPECT_TRUE(images[2]->selected);
    EXPECT_FALSE(m_window->ImageRow()->isHidden());

    Click(images[0]);
    EXPECT_TRUE(images[0]->selected);
    EXPECT_FALSE(images[2]->selected);
    EXPECT_FALSE(m_window->ImageRow()->isHidden());
    EXPECT_EQ(m_window->CaptionEdit()->text(), u"Enter your image caption here"_s);

    Click(images[1], true);
    EXPECT_TRUE(images[0]->selected);
    EXPECT_TRUE(images[1]->selected);
    EXPECT_TRUE(m_window->ImageRow()->isHidden());

    // Shift on a selected photo takes only that one away.
    Click(images[0], true);
    EXPECT_FALSE(images[0]->selected);
    EXPECT_TRUE(images[1]->selected);
    EXPECT_FALSE(m_window->ImageRow()->isHidden());

    // A click on a selected photo without Shift leaves none selected.
    Click(images[1]);
    for (const FThummnailImageData *image : images)
        EXPECT_FALSE(image->selected);
    EXPECT_TRUE(m_window->ImageRow()->isHidden());
}

TEST_F(AlbumsWindowTest, CaptionBoxDoesNotWriteBackWhileItIsFilled)
{
    const auto images = AddPhotos(FirstAlbum(), 2);
    images[1]->caption = u"second"_s;
    m_gallery->SetModified(false);
    Click(images[0]);
    EXPECT_EQ(m_window->CaptionEdit()->text(), u"Enter your image caption here"_s);
    Click(images[1]);
    EXPECT_EQ(m_window->CaptionEdit()->text(), u"second"_s);
    Click(images[1]);
    Click(images[0]);
    EXPECT_EQ(m_window->CaptionEdit()->text(), u"Enter your image caption here"_s);
    // Filling the box left both captions and the modified flag alone.
    EXPECT_EQ(images[1]->caption, u"second"_s);
    EXPECT_EQ(images[0]->caption, u"Enter your image caption here"_s);
    EXPECT_FALSE(m_gallery->Modified());

    m_window->CaptionEdit()->clear();
    QTest::keyClicks(m_window->CaptionEdit(), u"Beach"_s);
    EXPECT_EQ(images[0]->caption, u"Beach"_s);
    EXPECT_EQ(images[1]->caption, u"second"_s);
    EXPECT_TRUE(m_gallery->Modified());
}

TEST_F(AlbumsWindowTest, LinkButtonEditsTheLastSelectedPhotosLink)
{
    const auto images = AddPhotos(FirstAlbum(), 2);
    Click(images[0]);
    Click(images[1], true);
    m_gallery->SetModified(false);
    TwinimageLink::SetNextAnswer(u"http://example.org/a"_s);
    m_window->EditLinkExecute();
    EXPECT_EQ(images[1]->link, u"http://example.org/a"_s);
    EXPECT_TRUE(images[0]->link.isEmpty());
    EXPECT_TRUE(m_gallery->Modified());

    m_gallery->SetModified(false);
    TwinimageLink::SetNextAnswer(std::nullopt);
    m_window->EditLinkExecute();
    EXPECT_EQ(images[1]->link, u"http://example.org/a"_s);
    EXPECT_FALSE(m_gallery->Modified());
}

TEST_F(AlbumsWindowTest, MovingTheFirstPhotoRightChangesTheCover)
{
    FThummnailCatagory *album = FirstAlbum();
    const auto images = AddPhotos(album, 3);
    EXPECT_EQ(album->coverFileName(), images[0]->thumbFileName);
    Click(images[0]);
    m_gallery->SetModified(false);
    m_window->MoveImagesRightExecute();
    ASSERT_EQ(album->images().size(), 3);
    EXPECT_EQ(album->images()[0], images[1]);
    EXPECT_EQ(album->images()[1], images[0]);
    EXPECT_EQ(album->coverFileName(), images[1]->thumbFileName);
    EXPECT_EQ(album->coverPath(), AppFolders::ImagesWorkFolder() + images[1]->thumbFileName);
    EXPECT_TRUE(m_gallery->Modified());
    // The views follow the new order.
    EXPECT_LT(m_window->ViewOf(images[1])->x(), m_window->ViewOf(images[0])->x());
    // The canvas strip previews the new first photo.
    EXPECT_EQ(m_gallery->ThumbnailStrip()->Preview()[0].path, AppFolders::ImagesWorkFolder() + images[1]->thumbFileName);
}

TEST_F(AlbumsWindowTest, MovingTheSecondPhotoLeftChangesTheCover)
{
    FThummnailCatagory *album = FirstAlbum();
    const auto images = AddPhotos(album, 3);
    Click(images[1]);
    m_window->MoveImagesLeftExecute();
    EXPECT_EQ(album->images()[0], images[1]);
    EXPECT_EQ(album->coverFileName(), images[1]->thumbFileName);
}

TEST_F(AlbumsWindowTest, MovesAtTheEndsAndOfTwoSelectedPhotos)
{
    FThummnailCatagory *album = FirstAlbum();
    const auto images = AddPhotos(album, 3);
    Click(images[0]);
    m_window->MoveImagesLeftExecute(); // already first
    EXPECT_EQ(album->images(), images);
    Click(images[2]);
    m_window->MoveImagesRightExecute(); // already last
    EXPECT_EQ(album->images(), images);

    // The first two selected: moving left swaps them with each other.
    Click(images[0]);
    Click(images[1], true);
    m_window->MoveImagesLeftExecute();
    EXPECT_EQ(album->images(), (QList<FThummnailImageData *>{images[1], images[0], images[2]}));
    EXPECT_EQ(album->coverFileName(), images[1]->thumbFileName);
    // Both moving right together keeps their order.
    m_window->MoveImagesRightExecute();
    EXPECT_EQ(album->images(), (QList<FThummnailImageData *>{images[2], images[1], images[0]}));
    EXPECT_EQ(album->coverFileName(), images[2]->thumbFileName);
}

TEST_F(AlbumsWindowTest, ArrowKeysMoveBothSelectedPhotosWhileAThumbnailHasTheFocus)
{
    ArrowKeyHandler keys(nullptr, nullptr);
    keys.SetAlbumsWindowHandler([this](int key) { return m_window->HandleArrowKey(key); });
    qApp->installEventFilter(&keys);
    FThummnailCatagory *album = FirstAlbum();
    const auto images = AddPhotos(album, 4);
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
    Click(images[1]);
    Click(images[2], true);
    ASSERT_EQ(QApplication::focusWidget(), m_window->ViewOf(images[2]));
    EXPECT_TRUE(m_window->ImageRow()->isHidden());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(album->images(), (QList<FThummnailImageData *>{images[1], images[2], images[0], images[3]}));
    EXPECT_EQ(album->coverFileName(), images[1]->thumbFileName);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(album->images(), (QList<FThummnailImageData *>{images[0], images[3], images[1], images[2]}));
    // Away from the thumbnails the arrows leave the photos alone.
    m_window->CaptionEdit()->show();
    m_window->TitleEdit()->setFocus();
    QTest::keyClick(m_window->TitleEdit(), Qt::Key_Left);
    EXPECT_EQ(album->images(), (QList<FThummnailImageData *>{images[0], images[3], images[1], images[2]}));
    qApp->removeEventFilter(&keys);
}

TEST_F(AlbumsWindowTest, DeleteImagesRemovesTheSelectedOnesAfterYes)
{
    FThummnailCatagory *album = FirstAlbum();
    const auto images = AddPhotos(album, 3);
    const QString keptThumb = images[1]->thumbFileName;
    Click(images[0]);
    Click(images[2], true);

    MessageBox::SetNextAnswer(QMessageBox::No);
    m_window->DeleteImagesExecute();
    EXPECT_EQ(MessageBox::LastText(), DeleteImagesQuestion);
    EXPECT_EQ(album->images().size(), 3);

    MessageBox::SetNextAnswer(QMessageBox::Yes);
    m_window->DeleteImagesExecute();
    ASSERT_EQ(album->images().size(), 1);
    EXPECT_EQ(album->images()[0]->thumbFileName, keptThumb);
    EXPECT_EQ(album->coverFileName(), keptThumb);
    EXPECT_EQ(album->thumbnailsPanelWidth(), 2 + 102);
    QApplication::processEvents();
    EXPECT_EQ(m_window->ViewOf(album->images()[0])->x(), 2);
    EXPECT_FALSE(m_window->ImageStrip()->isHidden());
}

TEST_F(AlbumsWindowTest, DeleteKeyOnAThumbnailDeletesEverySelectedPhoto)
{
    FThummnailCatagory *album = FirstAlbum();
    const auto images = AddPhotos(album, 2);
    Click(images[0]);
    Click(images[1], true);
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    QTest::keyRelease(m_window->ViewOf(images[1]), Qt::Key_Delete);
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return album->images().isEmpty(); }));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{DeleteImagesQuestion});
    EXPECT_TRUE(album->coverFileName().isEmpty());
    EXPECT_EQ(album->thumbnailsPanelWidth(), 2);
    EXPECT_TRUE(m_window->ImageStrip()->isHidden());
    EXPECT_TRUE(m_window->ImageRow()->isHidden());
}

TEST_F(AlbumsWindowTest, TransparencyBoxesSetBothOpacities)
{
    m_window->TileControls().transparency->setValue(42);
    EXPECT_EQ(m_gallery->MenuStyle()->catfillalpha, 42);
    EXPECT_EQ(m_gallery->MenuStyle()->catgradalpha, 42);
    m_window->BackgroundControls().transparency->setValue(63);
    EXPECT_EQ(m_gallery->MenuPanel()->FillAlpha(), 63);
    EXPECT_EQ(m_gallery->MenuPanel()->GradientAlpha(), 63);
    EXPECT_TRUE(m_gallery->Modified());
    // A box the user empties counts as 0.
    QSpinBox *box = m_window->BackgroundControls().transparency;
    m_window->PageControl()->setCurrentIndex(1);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(m_gallery->MenuPanel()->FillAlpha(), 0);
    EXPECT_EQ(m_gallery->MenuPanel()->GradientAlpha(), 0);
}

TEST_F(AlbumsWindowTest, DashedOnBothTabsTurnsTheSolidBorderOff)
{
    m_window->TileControls().dashed->setChecked(true);
    EXPECT_FALSE(m_gallery->MenuStyle()->catbdrsolid);
    for (const FThummnailCatagory *album : m_gallery->ThumbnailStrip()->Albums())
        EXPECT_FALSE(album->BorderSolid());
    m_window->TileControls().dashed->setChecked(false);
    EXPECT_TRUE(m_gallery->MenuStyle()->catbdrsolid);

    m_gallery->MenuPanel()->SetBorderSolid(true);
    m_window->FillControls();
    EXPECT_FALSE(m_window->BackgroundControls().dashed->isChecked());
    m_window->BackgroundControls().dashed->setChecked(true);
    EXPECT_FALSE(m_gallery->MenuPanel()->BorderSolid());
}

TEST_F(AlbumsWindowTest, TileColoursRestyleEveryAlbum)
{
    AddAlbum();
    m_window->TileControls().fill->SetColor(Colors::Red);
    m_window->TileControls().borderColor->SetColor(Colors::Blue);
    m_window->TileControls().showBorder->setChecked(false);
    for (const FThummnailCatagory *album : m_gallery->ThumbnailStrip()->Albums()) {
        EXPECT_EQ(album->FillColor(), Colors::Red);
        EXPECT_EQ(album->BorderColor(), Colors::Blue);
        EXPECT_FALSE(album->ShowBorder());
    }
    // The tile is painted in the new colour (inside its border, away from cover and texts).
    const FThummnailCatagory *album = m_gallery->ThumbnailStrip()->Albums().first();
    const QImage tile = m_window->TileOf(album)->grab().toImage();
    EXPECT_EQ(QColor(tile.pixel(album->Width() - 3, album->Height() - 3)), QColor(Qt::red));
}

TEST_F(AlbumsWindowTest, BackgroundStyleSwitchesThePanelAndItsColourRow)
{
    auto &bg = m_window->BackgroundControls();
    EXPECT_FALSE(bg.solidRow->isHidden());
    EXPECT_TRUE(bg.gradientRow->isHidden());
    bg.style->setCurrentIndex(1);
    EXPECT_TRUE(m_gallery->MenuPanel()->GradientFill());
    EXPECT_TRUE(bg.solidRow->isHidden());
    EXPECT_FALSE(bg.gradientRow->isHidden());
    bg.gradientSecond->SetColor(Colors::Red);
    EXPECT_EQ(m_gallery->MenuPanel()->GradientColor(), Colors::Red);
    bg.style->setCurrentIndex(0);
    EXPECT_FALSE(m_gallery->MenuPanel()->GradientFill());
    EXPECT_TRUE(m_gallery->MenuPanel()->SolidFill());
}

TEST_F(AlbumsWindowTest, FillControlsShowsTheModelWithoutWritingBack)
{
    m_gallery->MenuStyle()->catfillalpha = 55;
    m_gallery->MenuStyle()->catbdrsolid = false;
    m_gallery->CaptionFontColor = Colors::Red;
    m_gallery->SetModified(false);
    m_window->FillControls();
    EXPECT_EQ(m_window->TileControls().transparency->value(), 55);
    EXPECT_TRUE(m_window->TileControls().dashed->isChecked());
    EXPECT_EQ(m_window->CaptionFontColor()->Color(), Colors::Red);
    EXPECT_EQ(m_window->BackgroundControls().transparency->value(), 25);
    EXPECT_EQ(m_gallery->MenuStyle()->catgradalpha, 70);
    EXPECT_FALSE(m_gallery->Modified());
}

TEST_F(AlbumsWindowTest, CaptionGroupEditsTheGallery)
{
    m_window->CaptionBackgroundColor()->SetColor(Colors::Blue);
    EXPECT_EQ(m_gallery->CaptionFontBkColor, Colors::Blue);
    m_window->CaptionFontColor()->SetColor(Colors::Red);
    EXPECT_EQ(m_gallery->CaptionFontColor, Colors::Red);
    EXPECT_TRUE(m_gallery->Modified());
}

TEST_F(AlbumsWindowTest, BackToGalleryHidesTheWindow)
{
    AddPhotos(FirstAlbum(), 1);
    m_window->BackToGalleryExecute();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_FALSE(m_gallery->ThumbnailStrip()->Preview()[0].placeholder);
    // It keeps its state for the next showing.
    m_window->show();
    EXPECT_EQ(m_window->CurrentAlbum(), FirstAlbum());
}
