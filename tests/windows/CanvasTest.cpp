#include "WindowTestSupport.h"

#include "app/AppState.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "components/GalleryCanvas.h"
#include "gallery/FflashMovie.h"

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
        m_gallery = std::make_unique<FflashMovie>();
        m_gallery->ResetAsNewGallery();
        AppState::CurrentGallery = m_gallery.get();
        m_canvas = std::make_unique<GalleryCanvas>();
        m_canvas->SetGallery(m_gallery.get());
        m_canvas->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_canvas.get()));
    }
    void TearDown() override
    {
        m_canvas.reset();
        m_gallery.reset();
        AppState::CurrentGallery = nullptr;
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

    static QPoint Inside(const FflashObjectBaseClass *object, int x, int y)
    {
        return object->Bounds().topLeft() + QPoint(x, y);
    }

    std::unique_ptr<FflashMovie> m_gallery;
    std::unique_ptr<GalleryCanvas> m_canvas;
};

TEST_F(CanvasTest, FollowsTheGallerysSize)
{
    EXPECT_EQ(m_canvas->size(), QSize(500, 462));
    QSignalSpy resized(m_canvas.get(), &GalleryCanvas::GallerySizeChanged);
    m_gallery->SetWidth(640);
    EXPECT_EQ(m_canvas->size(), QSize(640, 462));
    EXPECT_EQ(resized.count(), 1);
}

TEST_F(CanvasTest, ClickSelectsTheTopmostObjectUnderThePointer)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, Inside(button, 12, 12));
    EXPECT_EQ(m_gallery->SelectedObject(), button);
    EXPECT_TRUE(button->Selected());
    EXPECT_EQ(button->Bounds().topLeft(), QPoint(462, 375));

    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, Inside(m_gallery->ImageDisplay(), 200, 100));
    EXPECT_EQ(m_gallery->SelectedObject(), m_gallery->ImageDisplay());
    EXPECT_FALSE(button->Selected());

    // The gallery's own background, between the components.
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, QPoint(250, 372));
    EXPECT_EQ(m_gallery->SelectedObject(), m_gallery.get());

    // Only the left button selects.
    QTest::mouseClick(m_canvas.get(), Qt::RightButton, {}, Inside(button, 12, 12));
    EXPECT_EQ(m_gallery->SelectedObject(), m_gallery.get());
    EXPECT_FALSE(m_gallery->Modified());
}

TEST_F(CanvasTest, HiddenComponentsCannotBeClicked)
{
    FflashButtonClass *button = m_gallery->AlbumsButton();
    button->SetVisible(false);
    EXPECT_EQ(m_canvas->ObjectAt(Inside(button, 12, 12)), m_gallery.get());
}

TEST_F(CanvasTest, DragMovesFreelyAndSelects)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    const QList<FflashObjectBaseClass *> zOrder = m_gallery->ZOrder();
    Drag(Inside(button, 12, 12), QPoint(15, -40));
    EXPECT_EQ(button->Bounds(), QRect(462 + 15, 375 - 40, 25, 25));
    EXPECT_EQ(m_gallery->SelectedObject(), button);
    EXPECT_EQ(m_gallery->ZOrder(), zOrder) << "a button keeps its place in the z-order";

    // No snapping and no keeping inside the gallery.
    Drag(Inside(button, 12, 12), QPoint(100, 50));
    EXPECT_EQ(button->Bounds().topLeft(), QPoint(462 + 15 + 100, 375 - 40 + 50));
}

TEST_F(CanvasTest, DragOfTheImageDisplayPutsItBehindTheOthers)
{
    FflashImageDisplay *display = m_gallery->ImageDisplay();
    m_gallery->SendToBack(m_gallery->PlayButton());
    ASSERT_NE(m_gallery->ZOrder().first(), display);
    Drag(Inside(display, 200, 100), QPoint(5, 7));
    EXPECT_EQ(display->Bounds().topLeft(), QPoint(15, 17));
    EXPECT_EQ(m_gallery->ZOrder().first(), display);
    EXPECT_EQ(m_gallery->SelectedObject(), display);
}

TEST_F(CanvasTest, OtherButtonsAndTheGalleryDoNotMove)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    Drag(Inside(button, 12, 12), QPoint(30, 30), Qt::RightButton);
    EXPECT_EQ(button->Bounds().topLeft(), QPoint(462, 375));
    EXPECT_EQ(m_gallery->SelectedObject(), nullptr);

    // The gallery is not movable; its client area drags nothing.
    Drag(QPoint(250, 372), QPoint(40, 40));
    EXPECT_EQ(m_gallery->Bounds(), QRect(0, 0, 500, 462));
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
    FflashButtonClass *button = m_gallery->PlayButton();
    QTest::mouseMove(m_canvas.get(), Inside(button, c.grab.x(), c.grab.y()));
    EXPECT_EQ(m_canvas->cursor().shape(), c.cursor);
    Drag(Inside(button, c.grab.x(), c.grab.y()), c.by);
    EXPECT_EQ(button->Bounds(), c.result);
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
    FflashImageDisplay *display = m_gallery->ImageDisplay();
    ASSERT_EQ(display->Bounds(), QRect(10, 10, 480, 360));
    Drag(Inside(display, 478, 100), QPoint(-80, 0));
    EXPECT_EQ(display->Bounds(), QRect(10, 10, 400, 300));
    Drag(Inside(display, 1, 100), QPoint(-8, 30));
    EXPECT_EQ(display->Bounds(), QRect(2, 10, 408, 306));
    // Its top edge is no resize zone: pressing there moves it.
    Drag(Inside(display, 200, 1), QPoint(0, 5));
    EXPECT_EQ(display->Bounds(), QRect(2, 15, 408, 306));
}

TEST_F(CanvasTest, StripResizesByItsSides)
{
    FflashThumbnailerClass *strip = m_gallery->ThumbnailStrip();
    const QRect start = strip->Bounds();
    Drag(Inside(strip, start.width() - 2, 40), QPoint(30, 0));
    EXPECT_EQ(strip->Bounds(), QRect(start.x(), start.y(), start.width() + 30, start.height()));
}

TEST_F(CanvasTest, GalleryResizesFromItsEdges)
{
    // The right edge beside the image display, above the buttons.
    Drag(QPoint(498, 200), QPoint(60, 0));
    EXPECT_EQ(m_gallery->Bounds(), QRect(0, 0, 560, 462));
    EXPECT_EQ(m_canvas->size(), QSize(560, 462));
    EXPECT_TRUE(m_gallery->Modified());
    EXPECT_EQ(m_gallery->ImageDisplay()->Bounds(), QRect(10, 10, 480, 360)) << "components stay";
}

TEST_F(CanvasTest, FocusFollowsTheSelection)
{
    m_gallery->Select(m_gallery->SoundsButton(), true);
    EXPECT_EQ(m_canvas->FocusedObject(), m_gallery->SoundsButton());
    m_gallery->Select(m_gallery.get(), true);
    EXPECT_EQ(m_canvas->FocusedObject(), m_gallery.get());
}

} // namespace
