#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "AppFolders.h"
#include "support/TestSupport.h"

#include <QFontMetrics>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class Components : public ::testing::Test
{
protected:
    TestAppFolder m_app;
    GalleryDocument m_gallery;
};

TEST_F(Components, HitTestBandsAndTheirOverlapOrder)
{
    struct Case { int w, h, x, y; HitZone zone; };
    const Case cases[] = {
        {100, 50, 4, 20, HitZone::Left},   {100, 50, 5, 20, HitZone::Client},
        {100, 50, 95, 20, HitZone::Client}, {100, 50, 96, 20, HitZone::Right},
        {100, 50, 50, 4, HitZone::Top},    {100, 50, 50, 45, HitZone::Client},
        {100, 50, 50, 46, HitZone::Bottom}, {100, 50, 0, 0, HitZone::TopLeft},
        {100, 50, 99, 0, HitZone::TopRight}, {100, 50, 99, 49, HitZone::BottomRight},
        {100, 50, 0, 49, HitZone::BottomLeft},
        // On tiny objects the bands overlap: the first rule wins.
        {6, 6, 4, 3, HitZone::TopLeft},    {6, 6, 5, 3, HitZone::TopRight},
        {6, 6, 4, 5, HitZone::BottomRight}, {6, 6, 0, 5, HitZone::BottomLeft},
        {8, 8, 2, 6, HitZone::BottomLeft}, {8, 8, 6, 6, HitZone::BottomRight},
    };
    CanvasObject object;
    for (const Case &c : cases) {
        object.setBounds(0, 0, c.w, c.h);
        EXPECT_EQ(object.hitTest(c.x, c.y), c.zone) << c.w << "x" << c.h << " at " << c.x << "," << c.y;
    }
    object.setResizable(false);
    EXPECT_EQ(object.hitTest(0, 0), HitZone::Client);
}

TEST_F(Components, DisplayAndStripAreResizedBySideEdgesOnly)
{
    for (CanvasObject *c : {static_cast<CanvasObject *>(m_gallery.imageDisplay()),
                                     static_cast<CanvasObject *>(m_gallery.thumbnailStrip())}) {
        const int w = c->width();
        EXPECT_EQ(c->hitTest(4, 0), HitZone::Left);
        EXPECT_EQ(c->hitTest(w - 4, 0), HitZone::Right);
        EXPECT_EQ(c->hitTest(w / 2, 3), HitZone::Client); // near the top edge it moves
        EXPECT_EQ(c->hitTest(w / 2, c->height() - 1), HitZone::Client);
    }
}

TEST_F(Components, ExclusiveFills)
{
    GalleryButton *b = m_gallery.playButton();
    using Step = std::function<void()>;
    struct Case { const char *name; std::vector<Step> steps; bool solid, gradient, picture; };
    const Case cases[] = {
        {"solid off leaves no fill", {[&] { b->setSolidFill(true); }, [&] { b->setSolidFill(false); }}, false, false, false},
        {"picture after gradient", {[&] { b->setGradientFill(true); }, [&] { b->setPictureFill(true); }}, false, false, true},
        {"solid after picture", {[&] { b->setPictureFill(true); }, [&] { b->setSolidFill(true); }}, true, false, false},
        {"gradient off touches nothing", {[&] { b->setSolidFill(true); }, [&] { b->setGradientFill(false); }}, true, false, false},
    };
    for (const Case &c : cases) {
        for (const Step &step : c.steps)
            step();
        EXPECT_EQ(b->solidFill(), c.solid) << c.name;
        EXPECT_EQ(b->gradientFill(), c.gradient) << c.name;
        EXPECT_EQ(b->pictureFill(), c.picture) << c.name;
    }
}

TEST_F(Components, EverySetterMarksTheComponentAndTheGalleryModified)
{
    GalleryButton *b = m_gallery.soundsButton();
    ThumbnailStrip *s = m_gallery.thumbnailStrip();
    ImageDisplay *d = m_gallery.imageDisplay();
    const std::vector<std::pair<StyledComponent *, std::function<void()>>> setters = {
        {b, [&] { b->setFillColor(Colors::Red); }}, {b, [&] { b->setFillAlpha(5); }},
        {b, [&] { b->setGradientAngle(1); }}, {b, [&] { b->setShowBorder(true); }},
        {b, [&] { b->setMask(false); }}, {b, [&] { b->setFontSize(48); }},
        {b, [&] { b->setFontText(u"x"_s); }}, {b, [&] { b->setText(u"Go"_s); }},
        {b, [&] { b->setToggle(false); }}, {b, [&] { b->setAction(u"toggleplaypause"_s); }},
        {b, [&] { b->setOnIcon(u"/nowhere.png"_s); }}, {b, [&] { b->setPictureFile(u"/nowhere.png"_s); }},
        {d, [&] { d->setLoaderWidth(10); }}, {d, [&] { d->setKeepAspect(true); }},
        {s, [&] { s->setThumbSpacing(9); }}, {s, [&] { s->setThumbShadowColor(Colors::Red); }},
        {s, [&] { s->setThumbFade(true); }},
    };
    for (size_t i = 0; i < setters.size(); ++i) {
        m_gallery.clearModified();
        setters[i].second();
        EXPECT_TRUE(setters[i].first->modified()) << "setter " << i;
        EXPECT_TRUE(m_gallery.modified()) << "setter " << i;
    }
    m_gallery.clearModified();
    b->setPictureName(u"quiet.jpg"_s);
    EXPECT_FALSE(b->modified());
    EXPECT_FALSE(m_gallery.modified());
}

TEST_F(Components, PreviewFontFollowsOnlyTheMappedSizes)
{
    GalleryButton *b = m_gallery.playButton();
    b->setFontSize(12);
    EXPECT_EQ(b->previewFont().pointSize(), 10);
    b->setFontSize(48);
    EXPECT_EQ(b->fontSize(), 48);
    EXPECT_EQ(b->previewFont().pointSize(), 10);
    b->setFontSize(36);
    EXPECT_EQ(b->previewFont().pointSize(), 34);
}

TEST_F(Components, ImageDisplayKeepsFourToThree)
{
    ImageDisplay *d = m_gallery.imageDisplay();
    struct Case { int width, height; };
    for (const Case &c : {Case{480, 360}, Case{401, 300}, Case{403, 300}, Case{3, 0}, Case{400, 300}}) {
        d->setWidth(c.width);
        EXPECT_EQ(d->height(), c.height) << c.width;
    }
    d->setHeight(50); // the height always follows the width
    EXPECT_EQ(d->height(), 300);
    EXPECT_EQ(m_gallery.zOrder().first(), d);
}

TEST_F(Components, StripHeightFollowsCellHeightAndOffset)
{
    ThumbnailStrip *s = m_gallery.thumbnailStrip();
    EXPECT_EQ(s->height(), 80);
    s->setThumbOffset(10);
    EXPECT_EQ(s->height(), 90);
    s->setThumbHeight(50);
    EXPECT_EQ(s->height(), 70);
}

TEST_F(Components, recomputePictureBox)
{
    ThumbnailStrip *s = m_gallery.thumbnailStrip();
    struct Case { int inset, cellW, cellH, w, h, x, y; };
    const Case cases[] = {
        {1, 100, 70, 98, 68, 1, 1},
        {1, 1, 70, 1, 68, 1, 1},  // -1 becomes 1
        {1, 2, 2, 0, 0, 1, 1},    // 0 stays 0
        {-3, 40, 30, 40, 30, 0, 0},
    };
    for (const Case &c : cases) {
        s->setPictureInset(c.inset);
        s->setThumbWidth(c.cellW);
        s->setThumbHeight(c.cellH);
        s->recomputePictureBox();
        EXPECT_EQ(s->thumbImageWidth(), c.w) << c.cellW;
        EXPECT_EQ(s->thumbImageHeight(), c.h) << c.cellH;
        EXPECT_EQ(s->thumbImageX(), c.x);
        EXPECT_EQ(s->thumbImageY(), c.y);
        EXPECT_GE(s->pictureInset(), 0);
    }
}

TEST_F(Components, ShowTextWidensTheButtonAndTheGallery)
{
    GalleryButton *b = m_gallery.albumsButton();
    const QFontMetrics metrics(b->previewFont());
    const QString narrow = u"i"_s;
    ASSERT_LE(metrics.horizontalAdvance(narrow) + 10, 25);
    b->setText(narrow);
    b->setShowText(true);
    EXPECT_EQ(b->width(), 25);

    b->setShowText(false);
    const QString wide = u"A caption far wider than the button"_s;
    b->setText(wide);
    b->setLeft(480);
    b->setShowText(true);
    const int expected = metrics.horizontalAdvance(wide) + 13;
    EXPECT_EQ(b->width(), expected);
    EXPECT_EQ(m_gallery.width(), 480 + expected);
    EXPECT_TRUE(m_gallery.modified());

    b->setText(wide + wide); // editing the text later does not widen again
    EXPECT_EQ(b->width(), expected);
}

TEST_F(Components, IconsGetCleanedUniqueWorkingNames)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString first = m_app.path(u"src/My Photo.PNG.jpg"_s);
    const QString second = m_app.path(u"src/My Photo.jpg"_s);
    QDir().mkpath(m_app.path(u"src"_s));
    ASSERT_TRUE(picture.save(first, "JPG"));
    ASSERT_TRUE(picture.save(second, "JPG"));

    GalleryButton *b = m_gallery.playButton();
    b->setOnIcon(first);
    EXPECT_EQ(b->onIconName(), u"my_photo.jpg"_s);
    EXPECT_EQ(b->onIconPath(), AppFolders::imagesWorkFolder() + u"my_photo.jpg"_s);
    EXPECT_TRUE(QFileInfo::exists(b->onIconPath()));
    b->setOffIcon(second);
    EXPECT_EQ(b->offIconName(), u"my_photo(2).jpg"_s);
    EXPECT_FALSE(b->iconPicture().isNull());

    b->setOnIcon(QString());
    EXPECT_TRUE(b->onIconName().isEmpty());
    EXPECT_TRUE(b->onIconPath().isEmpty());
    b->setOffIcon(m_app.path(u"src/missing.jpg"_s));
    EXPECT_TRUE(b->offIconName().isEmpty());
}

TEST_F(Components, IconNamesRelativeToTheGalleryFolder)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QDir().mkpath(m_app.path(u"site/images"_s));
    ASSERT_TRUE(picture.save(m_app.path(u"site/images/up.jpg"_s), "JPG"));
    m_gallery.setFolderFromPath(m_app.path(u"site"_s));
    m_gallery.playButton()->setOnIcon(u"images/up.jpg"_s);
    EXPECT_EQ(m_gallery.playButton()->onIconName(), u"up.jpg"_s);
}

TEST_F(Components, PictureFileKeepsTheNameAndReloads)
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(Qt::green);
    QDir().mkpath(m_app.path(u"a"_s));
    QDir().mkpath(m_app.path(u"b"_s));
    ASSERT_TRUE(red.save(m_app.path(u"a/bg.png"_s)));
    ASSERT_TRUE(green.save(m_app.path(u"b/bg.png"_s)));
    ImageDisplay *d = m_gallery.imageDisplay();
    d->setPictureFile(m_app.path(u"a/bg.png"_s));
    EXPECT_EQ(d->pictureName(), u"bg.png"_s);
    EXPECT_EQ(d->previewPicture().pixelColor(0, 0), QColor(Qt::red));
    d->setPictureFile(m_app.path(u"b/bg.png"_s));
    EXPECT_EQ(d->pictureName(), u"bg.png"_s);
    EXPECT_EQ(d->previewPicture().pixelColor(0, 0), QColor(Qt::green));
    d->setPictureFile(m_app.path(u"missing/other.png"_s)); // keeps the last picture
    EXPECT_EQ(d->pictureName(), u"other.png"_s);
    EXPECT_EQ(d->previewPicture().pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(Components, DragsAndNudges)
{
    ImageDisplay *d = m_gallery.imageDisplay();
    GalleryButton *b = m_gallery.soundsButton();
    const auto before = m_gallery.zOrder();
    b->finishDrag();
    EXPECT_EQ(m_gallery.zOrder(), before); // buttons keep their place
    EXPECT_EQ(m_gallery.selectedObject(), b);
    m_gallery.sendToBack(m_gallery.thumbnailStrip());
    d->finishDrag();
    EXPECT_EQ(m_gallery.zOrder().first(), d);
    EXPECT_EQ(m_gallery.selectedObject(), d);
    EXPECT_TRUE(d->selected());
    EXPECT_FALSE(b->selected());

    const QRect start = b->bounds();
    b->nudge(-1, 0);
    b->nudge(0, 1);
    EXPECT_EQ(b->bounds(), start.translated(-1, 1));
}
