#include "WindowTestSupport.h"

#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryCanvas.h"
#include "GalleryDocument.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

class CanvasTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        if (HasFatalFailure())
            return;
        m_gallery = std::make_unique<GalleryDocument>();
        m_gallery->resetAsNewGallery();
        m_canvas = std::make_unique<GalleryCanvas>();
        m_canvas->setGallery(m_gallery.get());
        m_canvas->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_canvas.get()));
    }
    void TearDown() override
    {
        m_canvas.reset();
        m_gallery.reset();
        WindowTest::TearDown();
    }

    // A press, a move in two steps and a release, as a hand would do it.
    void Drag(QPoint from, QPoint by, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(m_canvas.get(), button, {}, from);
        QTest::mouseMove(m_canvas.get(), from + by / 2);
        QTest::mouseMove(m_canvas.get(), from + by);
        QTest::mouseRelease(m_canvas.get(), button, {}, from + by);
    }

    static QPoint inside(const CanvasObject *object, int x, int y)
    {
        return object->bounds().topLeft() + QPoint(x, y);
    }

    std::unique_ptr<GalleryDocument> m_gallery;
    std::unique_ptr<GalleryCanvas> m_canvas;
};

TEST_F(CanvasTest, FollowsTheGallerysSize)
{
    EXPECT_EQ(m_canvas->size(), QSize(500, 462));
    QSignalSpy resized(m_canvas.get(), &GalleryCanvas::gallerySizeChanged);
    m_gallery->setWidth(640);
    EXPECT_EQ(m_canvas->size(), QSize(640, 462));
    EXPECT_EQ(resized.count(), 1);
}

TEST_F(CanvasTest, ClickSelectsTheTopmostObjectUnderThePointer)
{
    GalleryButton *button = m_gallery->playButton();
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, inside(button, 12, 12));
    EXPECT_EQ(m_gallery->selectedObject(), button);
    EXPECT_TRUE(button->selected());
    EXPECT_EQ(button->bounds().topLeft(), QPoint(462, 375));

    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, inside(m_gallery->imageDisplay(), 200, 100));
    EXPECT_EQ(m_gallery->selectedObject(), m_gallery->imageDisplay());
    EXPECT_FALSE(button->selected());

    // The gallery's own background, between the components.
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, QPoint(250, 372));
    EXPECT_EQ(m_gallery->selectedObject(), m_gallery.get());

    // Only the left button selects.
    QTest::mouseClick(m_canvas.get(), Qt::RightButton, {}, inside(button, 12, 12));
    EXPECT_EQ(m_gallery->selectedObject(), m_gallery.get());
    EXPECT_FALSE(m_gallery->modified());
}

TEST_F(CanvasTest, HiddenComponentsCannotBeClicked)
{
    GalleryButton *button = m_gallery->albumsButton();
    button->setVisible(false);
    EXPECT_EQ(m_canvas->objectAt(inside(button, 12, 12)), m_gallery.get());
}

TEST_F(CanvasTest, DragMovesFreelyAndSelects)
{
    GalleryButton *button = m_gallery->playButton();
    const QList<CanvasObject *> zOrder = m_gallery->zOrder();
    Drag(inside(button, 12, 12), QPoint(15, -40));
    EXPECT_EQ(button->bounds(), QRect(462 + 15, 375 - 40, 25, 25));
    EXPECT_EQ(m_gallery->selectedObject(), button);
    EXPECT_EQ(m_gallery->zOrder(), zOrder) << "a button keeps its place in the z-order";

    // No snapping and no keeping inside the gallery.
    Drag(inside(button, 12, 12), QPoint(100, 50));
    EXPECT_EQ(button->bounds().topLeft(), QPoint(462 + 15 + 100, 375 - 40 + 50));
}

TEST_F(CanvasTest, DragOfTheImageDisplayPutsItBehindTheOthers)
{
    ImageDisplay *display = m_gallery->imageDisplay();
    m_gallery->sendToBack(m_gallery->playButton());
    ASSERT_NE(m_gallery->zOrder().first(), display);
    Drag(inside(display, 200, 100), QPoint(5, 7));
    EXPECT_EQ(display->bounds().topLeft(), QPoint(15, 17));
    EXPECT_EQ(m_gallery->zOrder().first(), display);
    EXPECT_EQ(m_gallery->selectedObject(), display);
}

TEST_F(CanvasTest, OtherButtonsAndTheGalleryDoNotMove)
{
    GalleryButton *button = m_gallery->playButton();
    Drag(inside(button, 12, 12), QPoint(30, 30), Qt::RightButton);
    EXPECT_EQ(button->bounds().topLeft(), QPoint(462, 375));
    EXPECT_EQ(m_gallery->selectedObject(), nullptr);

    // The gallery is not movable; its client area drags nothing.
    Drag(QPoint(250, 372), QPoint(40, 40));
    EXPECT_EQ(m_gallery->bounds(), QRect(0, 0, 500, 462));
}

struct EdgeCase
{
    const char *name;
    QPoint grab;   // in the button's own coordinates (25 x 25 at 462, 375)
    QPoint by;
    QRect result;
    Qt::CursorShape cursor;
};

std::ostream &operator<<(std::ostream &out, const EdgeCase &c)
{
    return out << c.name;
}

class CanvasEdgeTest : public CanvasTest, public ::testing::WithParamInterface<EdgeCase>
{
};

TEST_P(CanvasEdgeTest, ResizesFromTheEdgeTheOppositeOneStays)
{
    const EdgeCase c = GetParam();
    GalleryButton *button = m_gallery->playButton();
    QTest::mouseMove(m_canvas.get(), inside(button, c.grab.x(), c.grab.y()));
    EXPECT_EQ(m_canvas->cursor().shape(), c.cursor);
    Drag(inside(button, c.grab.x(), c.grab.y()), c.by);
    EXPECT_EQ(button->bounds(), c.result);
}

INSTANTIATE_TEST_SUITE_P(Zones, CanvasEdgeTest, ::testing::Values(
    EdgeCase{"right", {23, 12}, {10, 3}, QRect(462, 375, 35, 25), Qt::SizeHorCursor},
    EdgeCase{"left", {2, 12}, {-10, 3}, QRect(452, 375, 35, 25), Qt::SizeHorCursor},
    EdgeCase{"top", {12, 1}, {4, -6}, QRect(462, 369, 25, 31), Qt::SizeVerCursor},
    EdgeCase{"bottom", {12, 23}, {4, 6}, QRect(462, 375, 25, 31), Qt::SizeVerCursor},
    EdgeCase{"bottomRight", {23, 23}, {5, 6}, QRect(462, 375, 30, 31), Qt::SizeFDiagCursor},
    EdgeCase{"topLeft", {1, 1}, {-5, -6}, QRect(457, 369, 30, 31), Qt::SizeFDiagCursor},
    EdgeCase{"topRight", {23, 1}, {5, -6}, QRect(462, 369, 30, 31), Qt::SizeBDiagCursor},
    EdgeCase{"bottomLeft", {1, 23}, {-5, 6}, QRect(457, 375, 30, 31), Qt::SizeBDiagCursor},
    EdgeCase{"narrowedToOnePixel", {23, 12}, {-60, 0}, QRect(462, 375, 1, 25), Qt::SizeHorCursor},
    EdgeCase{"client", {12, 12}, {3, 4}, QRect(465, 379, 25, 25), Qt::ArrowCursor}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CanvasTest, ImageDisplayResizesByItsSidesAndKeepsFourToThree)
{
    ImageDisplay *display = m_gallery->imageDisplay();
    ASSERT_EQ(display->bounds(), QRect(10, 10, 480, 360));
    Drag(inside(display, 478, 100), QPoint(-80, 0));
    EXPECT_EQ(display->bounds(), QRect(10, 10, 400, 300));
    Drag(inside(display, 1, 100), QPoint(-8, 30));
    EXPECT_EQ(display->bounds(), QRect(2, 10, 408, 306));
    // Its top edge is no resize zone: pressing there moves it.
    Drag(inside(display, 200, 1), QPoint(0, 5));
    EXPECT_EQ(display->bounds(), QRect(2, 15, 408, 306));
}

TEST_F(CanvasTest, StripResizesByItsSides)
{
    ThumbnailStrip *strip = m_gallery->thumbnailStrip();
    const QRect start = strip->bounds();
    Drag(inside(strip, start.width() - 2, 40), QPoint(30, 0));
    EXPECT_EQ(strip->bounds(), QRect(start.x(), start.y(), start.width() + 30, start.height()));
}

TEST_F(CanvasTest, GalleryResizesFromItsEdges)
{
    // The right edge beside the image display, above the buttons.
    Drag(QPoint(498, 200), QPoint(60, 0));
    EXPECT_EQ(m_gallery->bounds(), QRect(0, 0, 560, 462));
    EXPECT_EQ(m_canvas->size(), QSize(560, 462));
    EXPECT_TRUE(m_gallery->modified());
    EXPECT_EQ(m_gallery->imageDisplay()->bounds(), QRect(10, 10, 480, 360)) << "components stay";
}

TEST_F(CanvasTest, FocusFollowsTheSelection)
{
    m_gallery->select(m_gallery->soundsButton(), true);
    EXPECT_EQ(m_canvas->focusedObject(), m_gallery->soundsButton());
    m_gallery->select(m_gallery.get(), true);
    EXPECT_EQ(m_canvas->focusedObject(), m_gallery.get());
}

} // namespace
