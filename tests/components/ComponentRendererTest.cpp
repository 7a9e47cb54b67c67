#include "AppFolders.h"
#include "ButtonIcons.h"
#include "ComponentRenderer.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QRgb rgb(PackedColor c)
{
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

class RenderingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppFolders::setup(m_dir.path() + u"/"_s);
        m_gallery = std::make_unique<GalleryDocument>();
    }
    void TearDown() override
    {
        m_gallery.reset();
    }

    // One component on its own, after the gallery has been painted (for show-through).
    QImage paint(const StyledComponent &component, QRgb underneath = qRgb(1, 2, 3))
    {
        QImage canvas(m_gallery->width(), m_gallery->height(), QImage::Format_RGB32);
        QPainter gallery(&canvas);
        m_renderer.paintGallery(gallery, *m_gallery);
        gallery.end();
        QImage image(component.width(), component.height(), QImage::Format_RGB32);
        image.fill(underneath);
        QPainter painter(&image);
        m_renderer.paintComponent(painter, component);
        return image;
    }

    QString writeSolidPicture(const QString &name, QSize size, QColor color)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(color);
        const QString path = m_dir.path() + u"/"_s + name;
        EXPECT_TRUE(picture.save(path, "PNG"));
        return path;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<GalleryDocument> m_gallery;
    ComponentRenderer m_renderer;
};

TEST_F(RenderingTest, GallerySolidFillAndSolidBorder)
{
    m_gallery->setFillColor(Colors::Red);
    m_gallery->setBorderColor(Colors::Blue);
    const QImage image = ComponentRenderer::renderGallery(*m_gallery);
    const int w = m_gallery->width();
    const int h = m_gallery->height();
    ASSERT_EQ(image.size(), QSize(500, 462));
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1), QPoint(0, h - 1), QPoint(w / 2, 0)})
        EXPECT_EQ(image.pixel(corner), rgb(Colors::Blue)) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixel(1, 1), rgb(Colors::Red));
    EXPECT_EQ(image.pixel(w - 2, h - 2), rgb(Colors::Red));

    m_gallery->setBorderOn(false);
    EXPECT_EQ(ComponentRenderer::renderGallery(*m_gallery).pixel(0, 0), rgb(Colors::Red));
}

TEST_F(RenderingTest, GalleryGradientRunsFromTopLeftToBottomRight)
{
    m_gallery->setBorderOn(false);
    m_gallery->setFillColor(Colors::Black);
    m_gallery->setGradientColor(Colors::White);
    m_gallery->setBackgroundGradient(true);
    QImage image(m_gallery->width(), m_gallery->height(), QImage::Format_RGB32);
    QPainter painter(&image);
    m_renderer.paintGallery(painter, *m_gallery); // the background alone, no components
    painter.end();
    EXPECT_EQ(m_renderer.drawBuffer(), image);
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
    const PackedColor teal = rgbColor(0, 128, 128);
    ComponentRenderer::paintGradient(painter, 37, 23, teal, teal);
    painter.end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), rgb(teal)) << x << "," << y;
}

TEST_F(RenderingTest, ComponentGradientFill)
{
    GalleryButton *button = m_gallery->playButton();
    button->setShowThrough(false);
    button->setFillColor(Colors::Blue);
    button->setGradientColor(Colors::Blue);
    button->setGradientFill(true);
    button->setAction(u"none"_s); // no icon over the fill
    const QImage plain = paint(*button);
    for (const QPoint p : {QPoint(0, 0), QPoint(12, 12), QPoint(24, 24)})
        EXPECT_EQ(plain.pixel(p), rgb(Colors::Blue));

    button->setGradientColor(Colors::Red);
    const QImage blend = paint(*button);
    EXPECT_GT(qRed(blend.pixel(0, 0)), 230);
    EXPECT_GT(qBlue(blend.pixel(24, 24)), 230);
}

TEST_F(RenderingTest, DottedOutlineHasGapsAndASolidOneAfterItHasNone)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    ComponentRenderer::paintOutline(painter, 40, 30, Colors::White, false);
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
    ComponentRenderer::paintOutline(p2, 40, 30, Colors::Red, false);
    ComponentRenderer::paintOutline(p2, 40, 30, Colors::Green, true);
    p2.end();
    for (int x = 0; x < 40; ++x) {
        ASSERT_EQ(both.pixel(x, 0), rgb(Colors::Green)) << x;
        ASSERT_EQ(both.pixel(x, 29), rgb(Colors::Green)) << x;
    }
    for (int y = 0; y < 30; ++y) {
        ASSERT_EQ(both.pixel(0, y), rgb(Colors::Green)) << y;
        ASSERT_EQ(both.pixel(39, y), rgb(Colors::Green)) << y;
    }
}

TEST_F(RenderingTest, DottedGalleryBorder)
{
    m_gallery->setFillColor(Colors::Black);
    m_gallery->setBorderColor(Colors::White);
    m_gallery->setBorderSolid(false);
    const QImage image = ComponentRenderer::renderGallery(*m_gallery);
    int white = 0;
    for (int x = 0; x < 100; ++x)
        white += image.pixel(x, 0) == qRgb(255, 255, 255);
    EXPECT_GT(white, 20);
    EXPECT_LT(white, 80);
}

TEST_F(RenderingTest, ShowThroughShowsTheGalleryBackgroundNotTheComponentsBelow)
{
    m_gallery->setBorderOn(false);
    m_gallery->setFillColor(Colors::Red);
    // The sounds button over the middle of the image display: no fill, no border, text mode
    // without text, so nothing of its own covers the background.
    GalleryButton *button = m_gallery->soundsButton();
    button->setShowText(true);
    button->setText(QString());
    button->setBounds(200, 150, 25, 25);
    ASSERT_TRUE(button->showThrough());
    ASSERT_FALSE(button->solidFill());
    ASSERT_FALSE(button->showBorder());

    const QImage image = ComponentRenderer::renderGallery(*m_gallery);
    // Around the button the image display covers the gallery.
    EXPECT_EQ(image.pixel(190, 150), ComponentRenderer::pictureViewBackground().rgb());
    for (const QPoint p : {QPoint(200, 150), QPoint(212, 162), QPoint(224, 174)})
        EXPECT_EQ(image.pixel(p), rgb(Colors::Red)) << p.x() << "," << p.y();
}

TEST_F(RenderingTest, PictureFillIsDrawnUnscaledFromTheTopLeftCorner)
{
    GalleryButton *button = m_gallery->playButton();
    button->setShowThrough(false);
    button->setAction(u"none"_s);
    button->setPictureFile(writeSolidPicture(u"big.png"_s, QSize(100, 100), Qt::green));
    button->setPictureFill(true);
    const QImage big = paint(*button);
    EXPECT_EQ(big.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(big.pixel(24, 24), qRgb(0, 255, 0));

    // A smaller picture leaves the rest as the earlier steps painted it.
    button->setPictureFile(writeSolidPicture(u"small.png"_s, QSize(10, 10), Qt::green));
    const QImage small = paint(*button, qRgb(9, 9, 9));
    EXPECT_EQ(small.pixel(9, 9), qRgb(0, 255, 0));
    EXPECT_EQ(small.pixel(10, 10), qRgb(9, 9, 9));
}

TEST_F(RenderingTest, IconOfA25PixelButtonIsCutOffAtItsEdge)
{
    GalleryButton *button = m_gallery->playButton();
    ASSERT_EQ(button->bounds().size(), QSize(25, 25));
    button->setShowThrough(false);
    button->setOnIcon(writeSolidPicture(u"icon.png"_s, QSize(24, 24), Qt::blue));
    const QImage image = paint(*button, qRgb(0, 0, 0));
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
        const QImage &icon = ButtonIcons::forAction(c.action);
        EXPECT_EQ(icon.size(), c.size) << c.action.toStdString();
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << c.action.toStdString();
    }
    EXPECT_TRUE(ButtonIcons::forAction(u"other"_s).isNull());

    // Without an icon of its own, the button shows the built-in one at (2, 2).
    GalleryButton *button = m_gallery->soundsButton();
    button->setShowThrough(false);
    const QImage image = paint(*button, qRgb(0, 0, 0));
    QImage expected(25, 25, QImage::Format_RGB32);
    expected.fill(qRgb(0, 0, 0));
    QPainter p(&expected);
    p.drawImage(2, 2, ButtonIcons::sound());
    p.end();
    EXPECT_EQ(image, expected);
}

TEST_F(RenderingTest, ButtonTextIsCentred)
{
    GalleryButton *button = m_gallery->playButton();
    button->setShowThrough(false);
    button->setBounds(0, 0, 120, 40);
    button->setFontColor(Colors::White);
    button->setText(u"Play"_s);
    button->setShowText(true);
    const QImage image = paint(*button, qRgb(0, 0, 0));
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
    GalleryButton *button = m_gallery->playButton();
    button->setShowThrough(false);
    button->setAction(u"none"_s);
    button->setSolidFill(true);
    button->setFillColor(Colors::Blue);
    m_gallery->select(button, true);
    const QImage image = paint(*button);
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
    EXPECT_EQ(image.pixel(12, 12), rgb(Colors::Blue));

    m_gallery->select(nullptr, false);
    EXPECT_EQ(paint(*button).pixel(0, 0), rgb(Colors::Blue));
}

TEST_F(RenderingTest, StripCellsWithBorderOnAndOff)
{
    ThumbnailStrip *strip = m_gallery->thumbnailStrip();
    strip->setShowThrough(false);
    strip->setShowBorder(false);
    strip->setSolidFill(true);
    strip->setFillColor(Colors::Black);
    ASSERT_EQ(strip->thumbOffset(), 5);
    ASSERT_EQ(strip->thumbWidth(), 100);
    ASSERT_EQ(strip->thumbImageWidth(), 98);
    const QRgb placeholder = ThumbnailStrip::noImagePlaceholder().pixel(45, 5);

    // Border on: the white outline, the picture 1 pixel inside it.
    strip->setThumbBorder(true);
    QImage on = paint(*strip);
    EXPECT_EQ(on.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(on.pixel(104, 40), qRgb(255, 255, 255));
    EXPECT_EQ(on.pixel(110, 40), qRgb(255, 255, 255)); // the second cell starts 5 pixels on
    EXPECT_EQ(on.pixel(5 + 50, 5 + 5), placeholder);
    EXPECT_EQ(on.pixel(107, 40), qRgb(0, 0, 0));       // spacing shows the strip

    // Border off: the picture is stretched over the whole cell (98 + 2 pixels).
    strip->setThumbBorder(false);
    QImage off = paint(*strip);
    EXPECT_NE(off.pixel(5, 40), qRgb(255, 255, 255));
    EXPECT_NE(off.pixel(5, 40), qRgb(0, 0, 0));
    EXPECT_NE(off.pixel(104, 40), qRgb(0, 0, 0));
    EXPECT_EQ(off.pixel(105, 40), qRgb(0, 0, 0));
}

TEST_F(RenderingTest, ImageDisplayShowsItsPictureViewInside)
{
    m_gallery->setBorderOn(false);
    m_gallery->setFillColor(Colors::Red);
    ImageDisplay *display = m_gallery->imageDisplay();
    const QImage image = paint(*display);
    EXPECT_EQ(image.pixel(1, 1), rgb(Colors::Red)); // show-through around the view
    EXPECT_EQ(image.pixel(3, 3), ComponentRenderer::pictureViewBackground().rgb());
    EXPECT_EQ(image.pixel(display->width() / 2, display->height() / 2), ComponentRenderer::pictureViewBackground().rgb());

    // A 2:1 photo fills the view's width, centred between bands of the background.
    QImage photo(200, 100, QImage::Format_RGB32);
    photo.fill(Qt::green);
    const QString path = m_dir.path() + u"/photo.png"_s;
    ASSERT_TRUE(photo.save(path));
    display->showPicture(path);
    const QImage shown = paint(*display);
    const int cx = display->width() / 2;
    EXPECT_EQ(shown.pixel(cx, display->height() / 2), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(4, display->height() / 2), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(cx, 4), ComponentRenderer::pictureViewBackground().rgb());
}

TEST_F(RenderingTest, HiddenComponentsAreNotDrawn)
{
    m_gallery->setBorderOn(false);
    m_gallery->setFillColor(Colors::Red);
    ImageDisplay *display = m_gallery->imageDisplay();
    const QPoint inside(display->left() + display->width() / 2, display->top() + display->height() / 2);
    EXPECT_NE(ComponentRenderer::renderGallery(*m_gallery).pixel(inside), rgb(Colors::Red));
    display->setVisible(false);
    EXPECT_EQ(ComponentRenderer::renderGallery(*m_gallery).pixel(inside), rgb(Colors::Red));
}

} // namespace
