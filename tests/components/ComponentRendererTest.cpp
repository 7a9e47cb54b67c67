#include "app/AppFolders.h"
#include "app/AppState.h"
#include "components/ButtonIcons.h"
#include "components/ComponentRenderer.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QRgb Rgb(FColor c)
{
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

class RenderingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppFolders::Setup(m_dir.path() + u"/"_s);
        m_gallery = std::make_unique<FflashMovie>();
        AppState::CurrentGallery = m_gallery.get();
    }
    void TearDown() override
    {
        m_gallery.reset();
        AppState::CurrentGallery = nullptr;
    }

    // One component on its own, after the gallery has been painted (for show-through).
    QImage Paint(const FflashComponentBaseClass &component, QRgb underneath = qRgb(1, 2, 3))
    {
        QImage canvas(m_gallery->Width(), m_gallery->Height(), QImage::Format_RGB32);
        QPainter gallery(&canvas);
        m_renderer.PaintGallery(gallery, *m_gallery);
        gallery.end();
        QImage image(component.Width(), component.Height(), QImage::Format_RGB32);
        image.fill(underneath);
        QPainter painter(&image);
        m_renderer.PaintComponent(painter, component);
        return image;
    }

    QString WriteSolidPicture(const QString &name, QSize size, QColor color)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(color);
        const QString path = m_dir.path() + u"/"_s + name;
        EXPECT_TRUE(picture.save(path, "PNG"));
        return path;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<FflashMovie> m_gallery;
    ComponentRenderer m_renderer;
};

TEST_F(RenderingTest, GallerySolidFillAndSolidBorder)
{
    m_gallery->SetFillColor(Colors::Red);
    m_gallery->SetBorderColor(Colors::Blue);
    const QImage image = ComponentRenderer::RenderGallery(*m_gallery);
    const int w = m_gallery->Width();
    const int h = m_gallery->Height();
    ASSERT_EQ(image.size(), QSize(500, 462));
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1), QPoint(0, h - 1), QPoint(w / 2, 0)})
        EXPECT_EQ(image.pixel(corner), Rgb(Colors::Blue)) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixel(1, 1), Rgb(Colors::Red));
    EXPECT_EQ(image.pixel(w - 2, h - 2), Rgb(Colors::Red));

    m_gallery->SetBorderOn(false);
    EXPECT_EQ(ComponentRenderer::RenderGallery(*m_gallery).pixel(0, 0), Rgb(Colors::Red));
}

TEST_F(RenderingTest, GalleryGradientRunsFromTopLeftToBottomRight)
{
    m_gallery->SetBorderOn(false);
    m_gallery->SetFillColor(Colors::Black);
    m_gallery->SetGradientColor(Colors::White);
    m_gallery->SetBackgroundGradient(true);
    QImage image(m_gallery->Width(), m_gallery->Height(), QImage::Format_RGB32);
    QPainter painter(&image);
    m_renderer.PaintGallery(painter, *m_gallery); // the background alone, no components
    painter.end();
    EXPECT_EQ(m_renderer.DrawBuffer(), image);
    const int w = image.width();
    const int h = image.height();
    EXPECT_GE(qGray(image.pixel(0, 0)), 250);         // the gradient colour
    EXPECT_LE(qGray(image.pixel(w - 1, h - 1)), 5);   // the fill colour
    // Lines of equal colour run parallel to the other diagonal, whatever the shape.
    EXPECT_NEAR(qGray(image.pixel(0, h - 1)), qGray(image.pixel(w - 1, 0)), 2);
    EXPECT_NEAR(qGray(image.pixel(0, h - 1)), 128, 4);
    EXPECT_NEAR(qGray(image.pixel(w / 4, h / 4)), qGray(image.pixel(0, h / 2)), 2);
}

TEST_F(RenderingTest, GradientOfEqualColoursIsOnePlainColour)
{
    QImage image(37, 23, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const FColor teal = RgbColor(0, 128, 128);
    ComponentRenderer::PaintGradient(painter, 37, 23, teal, teal);
    painter.end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), Rgb(teal)) << x << "," << y;
}

TEST_F(RenderingTest, ComponentGradientFill)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    button->SetShowThrough(false);
    button->SetFillColor(Colors::Blue);
    button->SetGradientColor(Colors::Blue);
    button->SetGradientFill(true);
    button->SetAction(u"none"_s); // no icon over the fill
    const QImage plain = Paint(*button);
    for (const QPoint p : {QPoint(0, 0), QPoint(12, 12), QPoint(24, 24)})
        EXPECT_EQ(plain.pixel(p), Rgb(Colors::Blue));

    button->SetGradientColor(Colors::Red);
    const QImage blend = Paint(*button);
    EXPECT_GT(qRed(blend.pixel(0, 0)), 230);
    EXPECT_GT(qBlue(blend.pixel(24, 24)), 230);
}

TEST_F(RenderingTest, DottedOutlineHasGapsAndASolidOneAfterItHasNone)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    ComponentRenderer::PaintOutline(painter, 40, 30, Colors::White, false);
    painter.end();
    int white = 0;
    int gaps = 0;
    for (int x = 0; x < 40; ++x)
        (image.pixel(x, 0) == qRgb(255, 255, 255) ? white : gaps)++;
    EXPECT_GT(white, 5);
    EXPECT_GT(gaps, 5);
    EXPECT_EQ(image.pixel(20, 15), qRgb(0, 0, 0)); // no fill

    // The pen is back to solid for the next outline in the same paint.
    QImage both(40, 30, QImage::Format_RGB32);
    both.fill(Qt::black);
    QPainter p2(&both);
    ComponentRenderer::PaintOutline(p2, 40, 30, Colors::Red, false);
    ComponentRenderer::PaintOutline(p2, 40, 30, Colors::Green, true);
    p2.end();
    for (int x = 0; x < 40; ++x) {
        ASSERT_EQ(both.pixel(x, 0), Rgb(Colors::Green)) << x;
        ASSERT_EQ(both.pixel(x, 29), Rgb(Colors::Green)) << x;
    }
    for (int y = 0; y < 30; ++y) {
        ASSERT_EQ(both.pixel(0, y), Rgb(Colors::Green)) << y;
        ASSERT_EQ(both.pixel(39, y), Rgb(Colors::Green)) << y;
    }
}

TEST_F(RenderingTest, DottedGalleryBorder)
{
    m_gallery->SetFillColor(Colors::Black);
    m_gallery->SetBorderColor(Colors::White);
    m_gallery->SetBorderSolid(false);
    const QImage image = ComponentRenderer::RenderGallery(*m_gallery);
    int white = 0;
    for (int x = 0; x < 100; ++x)
        white += image.pixel(x, 0) == qRgb(255, 255, 255);
    EXPECT_GT(white, 20);
    EXPECT_LT(white, 80);
}

TEST_F(RenderingTest, ShowThroughShowsTheGalleryBackgroundNotTheComponentsBelow)
{
    m_gallery->SetBorderOn(false);
    m_gallery->SetFillColor(Colors::Red);
    // The sounds button over the middle of the image display: no fill, no border, text mode
    // without text, so nothing of its own covers the background.
    FflashButtonClass *button = m_gallery->SoundsButton();
    button->SetShowText(true);
    button->SetText(QString());
    button->SetBounds(200, 150, 25, 25);
    ASSERT_TRUE(button->ShowThrough());
    ASSERT_FALSE(button->SolidFill());
    ASSERT_FALSE(button->ShowBorder());

    const QImage image = ComponentRenderer::RenderGallery(*m_gallery);
    // Around the button the image display covers the gallery.
    EXPECT_EQ(image.pixel(190, 150), ComponentRenderer::PictureViewBackground().rgb());
    for (const QPoint p : {QPoint(200, 150), QPoint(212, 162), QPoint(224, 174)})
        EXPECT_EQ(image.pixel(p), Rgb(Colors::Red)) << p.x() << "," << p.y();
}

TEST_F(RenderingTest, PictureFillIsDrawnUnscaledFromTheTopLeftCorner)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    button->SetShowThrough(false);
    button->SetAction(u"none"_s);
    button->SetPictureFile(WriteSolidPicture(u"big.png"_s, QSize(100, 100), Qt::green));
    button->SetPictureFill(true);
    const QImage big = Paint(*button);
    EXPECT_EQ(big.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(big.pixel(24, 24), qRgb(0, 255, 0));

    // A smaller picture leaves the rest as the earlier steps painted it.
    button->SetPictureFile(WriteSolidPicture(u"small.png"_s, QSize(10, 10), Qt::green));
    const QImage small = Paint(*button, qRgb(9, 9, 9));
    EXPECT_EQ(small.pixel(9, 9), qRgb(0, 255, 0));
    EXPECT_EQ(small.pixel(10, 10), qRgb(9, 9, 9));
}

TEST_F(RenderingTest, IconOfA25PixelButtonIsCutOffAtItsEdge)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    ASSERT_EQ(button->Bounds().size(), QSize(25, 25));
    button->SetShowThrough(false);
    button->SetOnIcon(WriteSolidPicture(u"icon.png"_s, QSize(24, 24), Qt::blue));
    const QImage image = Paint(*button, qRgb(0, 0, 0));
    int blueInRow = 0;
    for (int x = 0; x < 25; ++x)
        blueInRow += image.pixel(x, 10) == qRgb(0, 0, 255);
    EXPECT_EQ(blueInRow, 23); // columns 2 to 24: the icon's last column lies outside
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(24, 24), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));
}

TEST_F(RenderingTest, BuiltInIconsHaveTheirSizesAndTransparentBackgrounds)
{
    struct Case { QString action; QSize size; };
    for (const Case &c : {Case{u"toggleplaypause"_s, QSize(24, 24)}, Case{u"togglesounds"_s, QSize(19, 22)},
                          Case{u"showcatagories"_s, QSize(24, 21)}}) {
        const QImage &icon = ButtonIcons::ForAction(c.action);
        EXPECT_EQ(icon.size(), c.size) << c.action.toStdString();
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << c.action.toStdString();
    }
    EXPECT_TRUE(ButtonIcons::ForAction(u"other"_s).isNull());

    // Without an icon of its own, the button shows the built-in one at (2, 2).
    FflashButtonClass *button = m_gallery->SoundsButton();
    button->SetShowThrough(false);
    const QImage image = Paint(*button, qRgb(0, 0, 0));
    QImage expected(25, 25, QImage::Format_RGB32);
    expected.fill(qRgb(0, 0, 0));
    QPainter p(&expected);
    p.drawImage(2, 2, ButtonIcons::Sound());
    p.end();
    EXPECT_EQ(image, expected);
}

TEST_F(RenderingTest, ButtonTextIsCentred)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    button->SetShowThrough(false);
    button->SetBounds(0, 0, 120, 40);
    button->SetFontColor(Colors::White);
    button->SetText(u"Play"_s);
    button->SetShowText(true);
    const QImage image = Paint(*button, qRgb(0, 0, 0));
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 128)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 60, 4);
    EXPECT_NEAR(ink.center().y(), 20, 5);
}

TEST_F(RenderingTest, SelectionFrameIsWhiteWithRedDotsOverTheContent)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    button->SetShowThrough(false);
    button->SetAction(u"none"_s);
    button->SetSolidFill(true);
    button->SetFillColor(Colors::Blue);
    m_gallery->Select(button, true);
    const QImage image = Paint(*button);
    int white = 0;
    int red = 0;
    const auto count = [&](QPoint p) {
        const QRgb c = image.pixel(p);
        white += c == qRgb(255, 255, 255);
        red += c == qRgb(255, 0, 0);
        EXPECT_TRUE(c == qRgb(255, 255, 255) || c == qRgb(255, 0, 0)) << p.x() << "," << p.y();
    };
    for (int i = 0; i < 25; ++i) {
        count(QPoint(i, 0));
        count(QPoint(i, 24));
        count(QPoint(0, i));
        count(QPoint(24, i));
    }
    EXPECT_GT(white, 10);
    EXPECT_GT(red, 10);
    EXPECT_EQ(image.pixel(12, 12), Rgb(Colors::Blue));

    m_gallery->Select(nullptr, false);
    EXPECT_EQ(Paint(*button).pixel(0, 0), Rgb(Colors::Blue));
}

TEST_F(RenderingTest, StripCellsWithBorderOnAndOff)
{
    FflashThumbnailerClass *strip = m_gallery->ThumbnailStrip();
    strip->SetShowThrough(false);
    strip->SetShowBorder(false);
    strip->SetSolidFill(true);
    strip->SetFillColor(Colors::Black);
    ASSERT_EQ(strip->ThumbOffset(), 5);
    ASSERT_EQ(strip->ThumbWidth(), 100);
    ASSERT_EQ(strip->ThumbImageWidth(), 98);
    const QRgb placeholder = FflashThumbnailerClass::NoImagePlaceholder().pixel(45, 5);

    // Border on: the white outline, the picture 1 pixel inside it.
    strip->SetThumbBorder(true);
    QImage on = Paint(*strip);
    EXPECT_EQ(on.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(on.pixel(104, 40), qRgb(255, 255, 255));
    EXPECT_EQ(on.pixel(110, 40), qRgb(255, 255, 255)); // the second cell starts 5 pixels on
    EXPECT_EQ(on.pixel(5 + 50, 5 + 5), placeholder);
    EXPECT_EQ(on.pixel(107, 40), qRgb(0, 0, 0));       // spacing shows the strip

    // Border off: the picture is stretched over the whole cell (98 + 2 pixels).
    strip->SetThumbBorder(false);
    QImage off = Paint(*strip);
    EXPECT_NE(off.pixel(5, 40), qRgb(255, 255, 255));
    EXPECT_NE(off.pixel(5, 40), qRgb(0, 0, 0));
    EXPECT_NE(off.pixel(104, 40), qRgb(0, 0, 0));
    EXPECT_EQ(off.pixel(105, 40), qRgb(0, 0, 0));
}

TEST_F(RenderingTest, ImageDisplayShowsItsPictureViewInside)
{
    m_gallery->SetBorderOn(false);
    m_gallery->SetFillColor(Colors::Red);
    FflashImageDisplay *display = m_gallery->ImageDisplay();
    const QImage image = Paint(*display);
    EXPECT_EQ(image.pixel(1, 1), Rgb(Colors::Red)); // show-through around the view
    EXPECT_EQ(image.pixel(3, 3), ComponentRenderer::PictureViewBackground().rgb());
    EXPECT_EQ(image.pixel(display->Width() / 2, display->Height() / 2), ComponentRenderer::PictureViewBackground().rgb());

    // A 2:1 photo fills the view's width, centred between bands of the background.
    QImage photo(200, 100, QImage::Format_RGB32);
    photo.fill(Qt::green);
    const QString path = m_dir.path() + u"/photo.png"_s;
    ASSERT_TRUE(photo.save(path));
    display->ShowPicture(path);
    const QImage shown = Paint(*display);
    const int cx = display->Width() / 2;
    EXPECT_EQ(shown.pixel(cx, display->Height() / 2), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(4, display->Height() / 2), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(cx, 4), ComponentRenderer::PictureViewBackground().rgb());
}

TEST_F(RenderingTest, HiddenComponentsAreNotDrawn)
{
    m_gallery->SetBorderOn(false);
    m_gallery->SetFillColor(Colors::Red);
    FflashImageDisplay *display = m_gallery->ImageDisplay();
    const QPoint inside(display->Left() + display->Width() / 2, display->Top() + display->Height() / 2);
    EXPECT_NE(ComponentRenderer::RenderGallery(*m_gallery).pixel(inside), Rgb(Colors::Red));
    display->SetVisible(false);
    EXPECT_EQ(ComponentRenderer::RenderGallery(*m_gallery).pixel(inside), Rgb(Colors::Red));
}

} // namespace
