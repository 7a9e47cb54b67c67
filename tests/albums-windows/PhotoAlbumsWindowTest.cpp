#include "AlbumsWindowFixture.h"

#include "AlbumMenuPanelView.h"
#include "AlbumThumbnailsPanel.h"
#include "AlbumTileView.h"
#include "AlbumMenuStyle.h"
#include "Album.h"
#include "AlbumMenuBackground.h"
#include "AlbumPhoto.h"
#include "ThumbnailView.h"
#include "PhotoAlbumsWindow.h"
#include "PhotoLinkDialog.h"
#include "AppFolders.h"
#include "NudgeKeyFilter.h"
#include "MessageBox.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "ColorButton.h"

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

QStringList names(const ThumbnailStrip *strip)
{
    QStringList names;
    for (const Album *album : strip->albums())
        names.append(album->name());
    return names;
}
} // namespace

TEST_F(AlbumsWindowTest, NewGalleryShowsItsAlbumAsCurrentWithSettingsTab)
{
    Album *album = firstAlbum();
    ASSERT_NE(album, nullptr);
    EXPECT_EQ(m_window->currentAlbum(), album);
    EXPECT_TRUE(album->selected());
    EXPECT_EQ(m_window->styleTabs()->currentIndex(), 0);
    EXPECT_EQ(m_window->styleTabs()->tabText(0), u"Settings"_s);
    EXPECT_EQ(m_window->styleTabs()->tabText(1), u"Background"_s);
    EXPECT_FALSE(m_window->albumFields()->isHidden());
    EXPECT_EQ(m_window->titleEdit()->text(), u"My Images"_s);
    EXPECT_EQ(m_window->descriptionEdit()->toPlainText(), u"Put the description of your images here."_s);
    // An album without photos: no strip and no image row, the placeholder instead.
    EXPECT_TRUE(m_window->imageStrip()->isHidden());
    EXPECT_FALSE(m_window->stripPlaceholder()->isHidden());
    EXPECT_TRUE(m_window->imageRow()->isHidden());
    // Showing the window and filling its album fields is no change of the gallery.
    EXPECT_FALSE(m_gallery->modified());
}

TEST_F(AlbumsWindowTest, ToolbarCaptionsAndHints)
{
    const struct { QAction *action; const char16_t *caption; const char16_t *hint; } expected[] = {
        {m_window->actionAddAlbum(), u"Add Album", u"Add a new Photo Album"},
        {m_window->actionAddImages(), u"Add Images", u"Add Images to your Photo Album"},
        {m_window->actionMoveLeft(), u"Move Left", u"Move Album Left"},
        {m_window->actionMoveRight(), u"Move Right", u"Move Album Right"},
        {m_window->actionDeleteAlbum(), u"Delete Album", u"Remove the selected Photo Album"},
        {m_window->actionPreview(), u"&Preview", u"Preview in Browser"},
        {m_window->actionBack(), u"Back to Gallery", u"Close this Window and return to Gallery"},
    };
    for (const auto &e : expected) {
        EXPECT_EQ(e.action->text(), QString::fromUtf16(e.caption));
        EXPECT_EQ(e.action->toolTip(), QString::fromUtf16(e.hint));
    }
}

TEST_F(AlbumsWindowTest, AddAlbumAppendsATileAndMakesItCurrent)
{
    Album *first = firstAlbum();
    Album *second = addAlbum();
    ASSERT_NE(second, first);
    EXPECT_EQ(m_gallery->thumbnailStrip()->albums().size(), 2);
    EXPECT_EQ(second->name(), u"My Images"_s);
    EXPECT_EQ(m_window->currentAlbum(), second);
    EXPECT_TRUE(second->selected());
    EXPECT_FALSE(first->selected());
    EXPECT_TRUE(m_gallery->modified());
    ASSERT_NE(m_window->tileOf(second), nullptr);
    // Tiles in a row: pad, then tile width + pad further on.
    const int pad = m_gallery->menuStyle()->tilePadding();
    EXPECT_EQ(first->bounds().topLeft(), QPoint(pad, pad));
    EXPECT_EQ(m_window->tileOf(second)->geometry(), second->bounds());
    if (m_window->albumArea()->viewport()->width() >= 2 * first->width() + 3 * pad) {
        EXPECT_EQ(second->bounds().topLeft(), QPoint(pad + first->width() + pad, pad));
    } else {
        EXPECT_EQ(second->bounds().topLeft(), QPoint(pad, pad + first->height() + pad));
    }
}

TEST_F(AlbumsWindowTest, TilesWrapWhenTheNextOneWouldPassThePanelsEdge)
{
    m_window->resize(560, 500);
    QApplication::processEvents();
    for (int i = 0; i < 4; ++i)
        addAlbum();
    m_window->layoutAlbumTiles();
    const int areaWidth = m_window->albumArea()->viewport()->width();
    const AlbumMenuStyle *style = m_gallery->menuStyle();
    const int pad = style->tilePadding();
    int x = pad;
    int y = pad;
    for (const Album *album : m_gallery->thumbnailStrip()->albums()) {
        EXPECT_EQ(album->bounds().topLeft(), QPoint(x, y));
        x += style->tileWidth() + pad;
        if (x + style->tileWidth() > areaWidth) {
            x = pad;
            y += style->tileHeight() + pad;
        }
    }
    EXPECT_EQ(m_gallery->menuPanel()->width(), areaWidth);
    EXPECT_GE(m_gallery->menuPanel()->height(), m_window->albumArea()->viewport()->height());
}

TEST_F(AlbumsWindowTest, DeleteAlbumAsksAndNoKeepsEverything)
{
    addAlbum();
    m_gallery->setModified(false);
    MessageBox::setNextAnswer(QMessageBox::No);
    m_window->deleteAlbum();
    EXPECT_EQ(MessageBox::lastText(), DeleteAlbumQuestion);
    EXPECT_EQ(m_gallery->thumbnailStrip()->albums().size(), 2);
    EXPECT_NE(m_window->currentAlbum(), nullptr);
    EXPECT_FALSE(m_gallery->modified());
}

TEST_F(AlbumsWindowTest, DeleteAlbumYesRemovesTheCurrentOne)
{
    Album *first = firstAlbum();
    addAlbum();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    m_window->deleteAlbum();
    ASSERT_EQ(m_gallery->thumbnailStrip()->albums().size(), 1);
    EXPECT_EQ(firstAlbum(), first);
    EXPECT_EQ(m_window->currentAlbum(), nullptr);
    EXPECT_TRUE(m_window->albumFields()->isHidden());
    EXPECT_TRUE(m_gallery->modified());
    // With no current album, Yes on a second delete removes nothing.
    MessageBox::setNextAnswer(QMessageBox::Yes);
    m_window->deleteAlbum();
    EXPECT_EQ(MessageBox::lastText(), DeleteAlbumQuestion);
    EXPECT_EQ(m_gallery->thumbnailStrip()->albums().size(), 1);
}

TEST_F(AlbumsWindowTest, DeletingTheLastAlbumLeavesAnEmptyAreaAsTallAsItself)
{
    addPhotos(firstAlbum(), 1);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    m_window->deleteAlbum();
    QApplication::processEvents();
    EXPECT_TRUE(m_gallery->thumbnailStrip()->albums().isEmpty());
    EXPECT_EQ(m_gallery->menuPanel()->height(), m_window->albumArea()->viewport()->height());
    EXPECT_EQ(m_window->menuPanelView()->height(), m_window->albumArea()->viewport()->height());
    EXPECT_TRUE(m_window->albumFields()->isHidden());
    EXPECT_TRUE(m_window->imageRow()->isHidden());
    EXPECT_TRUE(m_window->imageStrip()->isHidden());
    // Commands that need an album do nothing; Add Images tells why.
    m_window->moveAlbumLeft();
    m_window->addImages();
    EXPECT_EQ(MessageBox::lastText(), u"You must select the catagory you want to add your images to."_s);
}

TEST_F(AlbumsWindowTest, DeleteKeyOnATileAsksAfterTheKeyEvent)
{
    addAlbum();
    AlbumTileView *tile = m_window->tileOf(m_window->currentAlbum());
    ASSERT_NE(tile, nullptr);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::keyRelease(tile, Qt::Key_Delete);
    // The question comes from the timer, not from the key event itself.
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
    EXPECT_TRUE(m_window->deferredAlbumDelete()->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_gallery->thumbnailStrip()->albums().size() == 1; }));
    EXPECT_EQ(MessageBox::lastText(), DeleteAlbumQuestion);
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
    Album *a = firstAlbum();
    a->setName(u"A"_s);
    addAlbum()->setName(u"B"_s);
    addAlbum()->setName(u"C"_s);
    Album *current = m_gallery->thumbnailStrip()->albums()[c.current];
    m_window->selectAlbum(current);
    addPhotos(a, 1); // the strip's preview follows the first album
    m_gallery->setModified(false);
    if (c.left)
        m_window->moveAlbumLeft();
    else
        m_window->moveAlbumRight();
    EXPECT_EQ(names(m_gallery->thumbnailStrip()), c.expected);
    EXPECT_EQ(m_window->currentAlbum(), current);
    const bool moved = names(m_gallery->thumbnailStrip()) != QStringList{u"A"_s, u"B"_s, u"C"_s};
    EXPECT_EQ(m_gallery->modified(), moved);
    // Tiles follow the new order.
    const auto &albums = m_gallery->thumbnailStrip()->albums();
    EXPECT_LT(std::pair(albums[0]->top(), albums[0]->left()), std::pair(albums[1]->top(), albums[1]->left()));
    EXPECT_LT(std::pair(albums[1]->top(), albums[1]->left()), std::pair(albums[2]->top(), albums[2]->left()));
    // The canvas strip previews whatever album is first now.
    const bool firstHasPhotos = !albums[0]->images().isEmpty();
    EXPECT_EQ(m_gallery->thumbnailStrip()->preview()[0].placeholder, !firstHasPhotos);
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
    Album *first = firstAlbum();
    addPhotos(first, 2);
    Album *second = addAlbum();
    EXPECT_TRUE(m_window->imageStrip()->isHidden());
    QTest::mouseClick(m_window->tileOf(first), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(m_window->currentAlbum(), first);
    EXPECT_TRUE(first->selected());
    EXPECT_FALSE(second->selected());
    EXPECT_FALSE(m_window->imageStrip()->isHidden());
    EXPECT_FALSE(m_window->thumbnailsPanelOf(first)->isHidden());
    EXPECT_TRUE(m_window->thumbnailsPanelOf(second)->isHidden());
}

TEST_F(AlbumsWindowTest, TitleAndDescriptionWriteIntoTheCurrentAlbum)
{
    Album *album = firstAlbum();
    QTest::keyClicks(m_window->titleEdit(), u" & Co"_s);
    EXPECT_EQ(album->name(), u"My Images & Co"_s);
    m_window->descriptionEdit()->setPlainText(QString(200, u'x'));
    EXPECT_EQ(album->description(), QString(128, u'x'));
    EXPECT_TRUE(m_gallery->modified());
}

TEST_F(AlbumsWindowTest, SelectionWithAndWithoutShiftAndTheImageRow)
{
    const auto images = addPhotos(firstAlbum(), 3);
    // The last photo added is the selected one: the row shows its caption.
    EXPECT_TRUE(images[2]->selected());
    EXPECT_FALSE(m_window->imageRow()->isHidden());

    click(images[0]);
    EXPECT_TRUE(images[0]->selected());
    EXPECT_FALSE(images[2]->selected());
    EXPECT_FALSE(m_window->imageRow()->isHidden());
    EXPECT_EQ(m_window->captionEdit()->text(), u"Enter your image caption here"_s);

    click(images[1], true);
    EXPECT_TRUE(images[0]->selected());
    EXPECT_TRUE(images[1]->selected());
    EXPECT_TRUE(m_window->imageRow()->isHidden());

    // Shift on a selected photo takes only that one away.
    click(images[0], true);
    EXPECT_FALSE(images[0]->selected());
    EXPECT_TRUE(images[1]->selected());
    EXPECT_FALSE(m_window->imageRow()->isHidden());

    // A click on a selected photo without Shift leaves none selected.
    click(images[1]);
    for (const AlbumPhoto *image : images)
        EXPECT_FALSE(image->selected());
    EXPECT_TRUE(m_window->imageRow()->isHidden());
}

TEST_F(AlbumsWindowTest, CaptionBoxDoesNotWriteBackWhileItIsFilled)
{
    const auto images = addPhotos(firstAlbum(), 2);
    images[1]->setCaption(u"second"_s);
    m_gallery->setModified(false);
    click(images[0]);
    EXPECT_EQ(m_window->captionEdit()->text(), u"Enter your image caption here"_s);
    click(images[1]);
    EXPECT_EQ(m_window->captionEdit()->text(), u"second"_s);
    click(images[1]);
    click(images[0]);
    EXPECT_EQ(m_window->captionEdit()->text(), u"Enter your image caption here"_s);
    // Filling the box left both captions and the modified flag alone.
    EXPECT_EQ(images[1]->caption(), u"second"_s);
    EXPECT_EQ(images[0]->caption(), u"Enter your image caption here"_s);
    EXPECT_FALSE(m_gallery->modified());

    m_window->captionEdit()->clear();
    QTest::keyClicks(m_window->captionEdit(), u"Beach"_s);
    EXPECT_EQ(images[0]->caption(), u"Beach"_s);
    EXPECT_EQ(images[1]->caption(), u"second"_s);
    EXPECT_TRUE(m_gallery->modified());
}

TEST_F(AlbumsWindowTest, LinkButtonEditsTheLastSelectedPhotosLink)
{
    const auto images = addPhotos(firstAlbum(), 2);
    click(images[0]);
    click(images[1], true);
    m_gallery->setModified(false);
    PhotoLinkDialog::setNextAnswer(u"http://example.org/a"_s);
    m_window->editLink();
    EXPECT_EQ(images[1]->link(), u"http://example.org/a"_s);
    EXPECT_TRUE(images[0]->link().isEmpty());
    EXPECT_TRUE(m_gallery->modified());

    m_gallery->setModified(false);
    PhotoLinkDialog::setNextAnswer(std::nullopt);
    m_window->editLink();
    EXPECT_EQ(images[1]->link(), u"http://example.org/a"_s);
    EXPECT_FALSE(m_gallery->modified());
}

TEST_F(AlbumsWindowTest, MovingTheFirstPhotoRightChangesTheCover)
{
    Album *album = firstAlbum();
    const auto images = addPhotos(album, 3);
    EXPECT_EQ(album->coverFileName(), images[0]->thumbFileName());
    click(images[0]);
    m_gallery->setModified(false);
    m_window->moveImagesRight();
    ASSERT_EQ(album->images().size(), 3);
    EXPECT_EQ(album->images()[0], images[1]);
    EXPECT_EQ(album->images()[1], images[0]);
    EXPECT_EQ(album->coverFileName(), images[1]->thumbFileName());
    EXPECT_EQ(album->coverPath(), AppFolders::imagesWorkFolder() + images[1]->thumbFileName());
    EXPECT_TRUE(m_gallery->modified());
    // The views follow the new order.
    EXPECT_LT(m_window->viewOf(images[1])->x(), m_window->viewOf(images[0])->x());
    // The canvas strip previews the new first photo.
    EXPECT_EQ(m_gallery->thumbnailStrip()->preview()[0].path, AppFolders::imagesWorkFolder() + images[1]->thumbFileName());
}

TEST_F(AlbumsWindowTest, MovingTheSecondPhotoLeftChangesTheCover)
{
    Album *album = firstAlbum();
    const auto images = addPhotos(album, 3);
    click(images[1]);
    m_window->moveImagesLeft();
    EXPECT_EQ(album->images()[0], images[1]);
    EXPECT_EQ(album->coverFileName(), images[1]->thumbFileName());
}

TEST_F(AlbumsWindowTest, MovesAtTheEndsAndOfTwoSelectedPhotos)
{
    Album *album = firstAlbum();
    const auto images = addPhotos(album, 3);
    click(images[0]);
    m_window->moveImagesLeft(); // already first
    EXPECT_EQ(album->images(), images);
    click(images[2]);
    m_window->moveImagesRight(); // already last
    EXPECT_EQ(album->images(), images);

    // The first two selected: moving left swaps them with each other.
    click(images[0]);
    click(images[1], true);
    m_window->moveImagesLeft();
    EXPECT_EQ(album->images(), (QList<AlbumPhoto *>{images[1], images[0], images[2]}));
    EXPECT_EQ(album->coverFileName(), images[1]->thumbFileName());
    // Both moving right together keeps their order.
    m_window->moveImagesRight();
    EXPECT_EQ(album->images(), (QList<AlbumPhoto *>{images[2], images[1], images[0]}));
    EXPECT_EQ(album->coverFileName(), images[2]->thumbFileName());
}

TEST_F(AlbumsWindowTest, ArrowKeysMoveBothSelectedPhotosWhileAThumbnailHasTheFocus)
{
    NudgeKeyFilter keys(nullptr, nullptr);
    keys.setAlbumsWindowHandler([this](int key) { return m_window->handleArrowKey(key); });
    qApp->installEventFilter(&keys);
    Album *album = firstAlbum();
    const auto images = addPhotos(album, 4);
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
    click(images[1]);
    click(images[2], true);
    ASSERT_EQ(QApplication::focusWidget(), m_window->viewOf(images[2]));
    EXPECT_TRUE(m_window->imageRow()->isHidden());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(album->images(), (QList<AlbumPhoto *>{images[1], images[2], images[0], images[3]}));
    EXPECT_EQ(album->coverFileName(), images[1]->thumbFileName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(album->images(), (QList<AlbumPhoto *>{images[0], images[3], images[1], images[2]}));
    // Away from the thumbnails the arrows leave the photos alone.
    m_window->captionEdit()->show();
    m_window->titleEdit()->setFocus();
    QTest::keyClick(m_window->titleEdit(), Qt::Key_Left);
    EXPECT_EQ(album->images(), (QList<AlbumPhoto *>{images[0], images[3], images[1], images[2]}));
    qApp->removeEventFilter(&keys);
}

TEST_F(AlbumsWindowTest, DeleteImagesRemovesTheSelectedOnesAfterYes)
{
    Album *album = firstAlbum();
    const auto images = addPhotos(album, 3);
    const QString keptThumb = images[1]->thumbFileName();
    click(images[0]);
    click(images[2], true);

    MessageBox::setNextAnswer(QMessageBox::No);
    m_window->deleteImages();
    EXPECT_EQ(MessageBox::lastText(), DeleteImagesQuestion);
    EXPECT_EQ(album->images().size(), 3);

    MessageBox::setNextAnswer(QMessageBox::Yes);
    m_window->deleteImages();
    ASSERT_EQ(album->images().size(), 1);
    EXPECT_EQ(album->images()[0]->thumbFileName(), keptThumb);
    EXPECT_EQ(album->coverFileName(), keptThumb);
    EXPECT_EQ(album->thumbnailsPanelWidth(), 2 + 102);
    QApplication::processEvents();
    EXPECT_EQ(m_window->viewOf(album->images()[0])->x(), 2);
    EXPECT_FALSE(m_window->imageStrip()->isHidden());
}

TEST_F(AlbumsWindowTest, DeleteKeyOnAThumbnailDeletesEverySelectedPhoto)
{
    Album *album = firstAlbum();
    const auto images = addPhotos(album, 2);
    click(images[0]);
    click(images[1], true);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::keyRelease(m_window->viewOf(images[1]), Qt::Key_Delete);
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return album->images().isEmpty(); }));
    EXPECT_EQ(MessageBox::shownTexts(), QStringList{DeleteImagesQuestion});
    EXPECT_TRUE(album->coverFileName().isEmpty());
    EXPECT_EQ(album->thumbnailsPanelWidth(), 2);
    EXPECT_TRUE(m_window->imageStrip()->isHidden());
    EXPECT_TRUE(m_window->imageRow()->isHidden());
}

TEST_F(AlbumsWindowTest, TransparencyBoxesSetBothOpacities)
{
    m_window->tileControls().transparency->setValue(42);
    EXPECT_EQ(m_gallery->menuStyle()->fillAlpha(), 42);
    EXPECT_EQ(m_gallery->menuStyle()->gradientAlpha(), 42);
    m_window->backgroundControls().transparency->setValue(63);
    EXPECT_EQ(m_gallery->menuPanel()->fillAlpha(), 63);
    EXPECT_EQ(m_gallery->menuPanel()->gradientAlpha(), 63);
    EXPECT_TRUE(m_gallery->modified());
    // A box the user empties counts as 0.
    QSpinBox *box = m_window->backgroundControls().transparency;
    m_window->styleTabs()->setCurrentIndex(1);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(m_gallery->menuPanel()->fillAlpha(), 0);
    EXPECT_EQ(m_gallery->menuPanel()->gradientAlpha(), 0);
}

TEST_F(AlbumsWindowTest, DashedOnBothTabsTurnsTheSolidBorderOff)
{
    m_window->tileControls().dashed->setChecked(true);
    EXPECT_FALSE(m_gallery->menuStyle()->borderSolid());
    for (const Album *album : m_gallery->thumbnailStrip()->albums())
        EXPECT_FALSE(album->borderSolid());
    m_window->tileControls().dashed->setChecked(false);
    EXPECT_TRUE(m_gallery->menuStyle()->borderSolid());

    m_gallery->menuPanel()->setBorderSolid(true);
    m_window->fillControls();
    EXPECT_FALSE(m_window->backgroundControls().dashed->isChecked());
    m_window->backgroundControls().dashed->setChecked(true);
    EXPECT_FALSE(m_gallery->menuPanel()->borderSolid());
}

TEST_F(AlbumsWindowTest, TileColoursRestyleEveryAlbum)
{
    addAlbum();
    m_window->tileControls().fill->setColor(Colors::Red);
    m_window->tileControls().borderColor->setColor(Colors::Blue);
    m_window->tileControls().showBorder->setChecked(false);
    for (const Album *album : m_gallery->thumbnailStrip()->albums()) {
        EXPECT_EQ(album->fillColor(), Colors::Red);
        EXPECT_EQ(album->borderColor(), Colors::Blue);
        EXPECT_FALSE(album->showBorder());
    }
    // The tile is painted in the new colour (inside its border, away from cover and texts).
    const Album *album = m_gallery->thumbnailStrip()->albums().first();
    const QImage tile = m_window->tileOf(album)->grab().toImage();
    EXPECT_EQ(QColor(tile.pixel(album->width() - 3, album->height() - 3)), QColor(Qt::red));
}

TEST_F(AlbumsWindowTest, BackgroundStyleSwitchesThePanelAndItsColourRow)
{
    auto &bg = m_window->backgroundControls();
    EXPECT_FALSE(bg.solidRow->isHidden());
    EXPECT_TRUE(bg.gradientRow->isHidden());
    bg.style->setCurrentIndex(1);
    EXPECT_TRUE(m_gallery->menuPanel()->gradientFill());
    EXPECT_TRUE(bg.solidRow->isHidden());
    EXPECT_FALSE(bg.gradientRow->isHidden());
    bg.gradientSecond->setColor(Colors::Red);
    EXPECT_EQ(m_gallery->menuPanel()->gradientColor(), Colors::Red);
    bg.style->setCurrentIndex(0);
    EXPECT_FALSE(m_gallery->menuPanel()->gradientFill());
    EXPECT_TRUE(m_gallery->menuPanel()->solidFill());
}

TEST_F(AlbumsWindowTest, FillControlsShowsTheModelWithoutWritingBack)
{
    m_gallery->menuStyle()->setFillAlpha(55);
    m_gallery->menuStyle()->setBorderSolid(false);
    m_gallery->setCaptionFontColor(Colors::Red);
    m_gallery->setModified(false);
    m_window->fillControls();
    EXPECT_EQ(m_window->tileControls().transparency->value(), 55);
    EXPECT_TRUE(m_window->tileControls().dashed->isChecked());
    EXPECT_EQ(m_window->captionFontColor()->color(), Colors::Red);
    EXPECT_EQ(m_window->backgroundControls().transparency->value(), 25);
    EXPECT_EQ(m_gallery->menuStyle()->gradientAlpha(), 70);
    EXPECT_FALSE(m_gallery->modified());
}

TEST_F(AlbumsWindowTest, CaptionGroupEditsTheGallery)
{
    m_window->captionBackgroundColor()->setColor(Colors::Blue);
    EXPECT_EQ(m_gallery->captionFontBkColor(), Colors::Blue);
    m_window->captionFontColor()->setColor(Colors::Red);
    EXPECT_EQ(m_gallery->captionFontColor(), Colors::Red);
    EXPECT_TRUE(m_gallery->modified());
}

TEST_F(AlbumsWindowTest, BackToGalleryHidesTheWindow)
{
    addPhotos(firstAlbum(), 1);
    m_window->backToGallery();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_FALSE(m_gallery->thumbnailStrip()->preview()[0].placeholder);
    // It keeps its state for the next showing.
    m_window->show();
    EXPECT_EQ(m_window->currentAlbum(), firstAlbum());
}
