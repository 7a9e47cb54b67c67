#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "app/AppFolders.h"
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
    FflashMovie m_gallery;
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
    FflashObjectBaseClass object;
    for (const Case &c : cases) {
        object.SetBounds(0, 0, c.w, c.h);
        EXPECT_EQ(object.HitTest(c.x, c.y), c.zone) << c.w << "x" << c.h << " at " << c.x << "," << c.y;
    }
    object.SetResizable(false);
    EXPECT_EQ(object.HitTest(0, 0), HitZone::Client);
}

TEST_F(Components, DisplayAndStripAreResizedBySideEdgesOnly)
{
    for (FflashObjectBaseClass *c : {static_cast<FflashObjectBaseClass *>(m_gallery.ImageDisplay()),
                                     static_cast<FflashObjectBaseClass *>(m_gallery.ThumbnailStrip())}) {
        const int w = c->Width();
        EXPECT_EQ(c->HitTest(4, 0), HitZone::Left);
        EXPECT_EQ(c->HitTest(w - 4, 0), HitZone::Right);
        EXPECT_EQ(c->HitTest(w / 2, 3), HitZone::Client); // near the top edge it moves
        EXPECT_EQ(c->HitTest(w / 2, c->Height() - 1), HitZone::Client);
    }
}

TEST_F(Components, ExclusiveFills)
{
    FflashButtonClass *b = m_gallery.PlayButton();
    using Step = std::function<void()>;
    struct Case { const char *name; std::vector<Step> steps; bool solid, gradient, picture; };
    const Case cases[] = {
        {"solid off leaves no fill", {[&] { b->SetSolidFill(true); }, [&] { b->SetSolidFill(false); }}, false, false, false},
        {"picture after gradient", {[&] { b->SetGradientFill(true); }, [&] { b->SetPictureFill(true); }}, false, false, true},
        {"solid after picture", {[&] { b->SetPictureFill(true); }, [&] { b->SetSolidFill(true); }}, true, false, false},
        {"gradient off touches nothing", {[&] { b->SetSolidFill(true); }, [&] { b->SetGradientFill(false); }}, true, false, false},
    };
    for (const Case &c : cases) {
        for (const Step &step : c.steps)
            step();
        EXPECT_EQ(b->SolidFill(), c.solid) << c.name;
        EXPECT_EQ(b->GradientFill(), c.gradient) << c.name;
        EXPECT_EQ(b->PictureFill(), c.picture) << c.name;
    }
}

TEST_F(Components, EverySetterMarksTheComponentAndTheGalleryModified)
{
    FflashButtonClass *b = m_gallery.SoundsButton();
    FflashThumbnailerClass *s = m_gallery.ThumbnailStrip();
    FflashImageDisplay *d = m_gallery.ImageDisplay();
    const std::vector<std::pair<FflashComponentBaseClass *, std::function<void()>>> setters = {
        {b, [&] { b->SetFillColor(Colors::Red); }}, {b, [&] { b->SetFillAlpha(5); }},
        {b, [&] { b->SetGradientAngle(1); }}, {b, [&] { b->SetShowBorder(true); }},
        {b, [&] { b->SetMask(false); }}, {b, [&] { b->SetFontSize(48); }},
        {b, [&] { b->SetFontText(u"x"_s); }}, {b, [&] { b->SetText(u"Go"_s); }},
        {b, [&] { b->SetToggle(false); }}, {b, [&] { b->SetAction(u"togglesounds"_s); }},
        {b, [&] { b->SetOnIcon(QString()); }}, {b, [&] { b->SetPictureFile(u"/nowhere.png"_s); }},
        {d, [&] { d->SetLoaderWidth(10); }}, {d, [&] { d->SetKeepAspect(true); }},
        {s, [&] { s->SetThumbSpacing(9); }}, {s, [&] { s->SetThumbShadowColor(Colors::Red); }},
        {s, [&] { s->SetThumbFade(true); }},
    };
    for (size_t i = 0; i < setters.size(); ++i) {
        m_gallery.ClearModified();
        setters[i].second();
        EXPECT_TRUE(setters[i].first->Modified()) << "setter " << i;
        EXPECT_TRUE(m_gallery.Modified()) << "setter " << i;
    }
    m_gallery.ClearModified();
    b->SetPictureName(u"quiet.jpg"_s);
    EXPECT_FALSE(b->Modified());
    EXPECT_FALSE(m_gallery.Modified());
}

TEST_F(Components, PreviewFontFollowsOnlyTheMappedSizes)
{
    FflashButtonClass *b = m_gallery.PlayButton();
    b->SetFontSize(12);
    EXPECT_EQ(b->PreviewFont().pointSize(), 10);
    b->SetFontSize(48);
    EXPECT_EQ(b->FontSize(), 48);
    EXPECT_EQ(b->PreviewFont().pointSize(), 10);
    b->SetFontSize(36);
    EXPECT_EQ(b->PreviewFont().pointSize(), 34);
}

TEST_F(Components, ImageDisplayKeepsFourToThree)
{
    FflashImageDisplay *d = m_gallery.ImageDisplay();
    struct Case { int width, height; };
    for (const Case &c : {Case{480, 360}, Case{401, 300}, Case{403, 300}, Case{3, 0}, Case{400, 300}}) {
        d->SetWidth(c.width);
        EXPECT_EQ(d->Height(), c.height) << c.width;
    }
    d->SetHeight(50); // the height always follows the width
    EXPECT_EQ(d->Height(), 300);
    EXPECT_EQ(m_gallery.ZOrder().first(), d);
}

TEST_F(Components, StripHeightFollowsCellHeightAndOffset)
{
    FflashThumbnailerClass *s = m_gallery.ThumbnailStrip();
    EXPECT_EQ(s->Height(), 80);
    s->SetThumbOffset(10);
    EXPECT_EQ(s->Height(), 90);
    s->SetThumbHeight(50);
    EXPECT_EQ(s->Height(), 70);
}

TEST_F(Components, RecomputePictureBox)
{
    FflashThumbnailerClass *s = m_gallery.ThumbnailStrip();
    struct Case { int inset, cellW, cellH, w, h, x, y; };
    const Case cases[] = {
        {1, 100, 70, 98, 68, 1, 1},
        {1, 1, 70, 1, 68, 1, 1},  // -1 becomes 1
        {1, 2, 2, 0, 0, 1, 1},    // 0 stays 0
        {-3, 40, 30, 40, 30, 0, 0},
    };
    for (const Case &c : cases) {
        s->SetPictureInset(c.inset);
        s->SetThumbWidth(c.cellW);
        s->SetThumbHeight(c.cellH);
        s->RecomputePictureBox();
        EXPECT_EQ(s->ThumbImageWidth(), c.w) << c.cellW;
        EXPECT_EQ(s->ThumbImageHeight(), c.h) << c.cellH;
        EXPECT_EQ(s->ThumbImageX(), c.x);
        EXPECT_EQ(s->ThumbImageY(), c.y);
        EXPECT_GE(s->PictureInset(), 0);
    }
}

TEST_F(Components, ShowTextWidensTheButtonAndTheGallery)
{
    FflashButtonClass *b = m_gallery.AlbumsButton();
    const QFontMetrics metrics(b->PreviewFont());
    const QString narrow = u"i"_s;
    ASSERT_LE(metrics.horizontalAdvance(narrow) + 10, 25);
    b->SetText(narrow);
    b->SetShowText(true);
    EXPECT_EQ(b->Width(), 25);

    b->SetShowText(false);
    const QString wide = u"A caption far wider than the button"_s;
    b->SetText(wide);
    b->SetLeft(480);
    b->SetShowText(true);
    const int expected = metrics.horizontalAdvance(wide) + 13;
    EXPECT_EQ(b->Width(), expected);
    EXPECT_EQ(m_gallery.Width(), 480 + expected);
    EXPECT_TRUE(m_gallery.Modified());

    b->SetText(wide + wide); // editing the text later does not widen again
    EXPECT_EQ(b->Width(), expected);
}

TEST_F(Components, IconsGetCleanedUniqueWorkingNames)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString first = m_app.Path(u"src/My Photo.PNG.jpg"_s);
    const QString second = m_app.Path(u"src/My Photo.jpg"_s);
    QDir().mkpath(m_app.Path(u"src"_s));
    ASSERT_TRUE(picture.save(first, "JPG"));
    ASSERT_TRUE(picture.save(second, "JPG"));

    FflashButtonClass *b = m_gallery.PlayButton();
    b->SetOnIcon(first);
    EXPECT_EQ(b->OnIconName(), u"my_photo.jpg"_s);
    EXPECT_EQ(b->OnIconPath(), AppFolders::ImagesWorkFolder() + u"my_photo.jpg"_s);
    EXPECT_TRUE(QFileInfo::exists(b->OnIconPath()));
    b->SetOffIcon(second);
    EXPECT_EQ(b->OffIconName(), u"my_photo(2).jpg"_s);
    EXPECT_FALSE(b->IconPicture().isNull());

    b->SetOnIcon(QString());
    EXPECT_TRUE(b->OnIconName().isEmpty());
    EXPECT_TRUE(b->OnIconPath().isEmpty());
    b->SetOffIcon(m_app.Path(u"src/missing.jpg"_s));
    EXPECT_TRUE(b->OffIconName().isEmpty());
}

TEST_F(Components, IconNamesRelativeToTheGalleryFolder)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QDir().mkpath(m_app.Path(u"site/images"_s));
    ASSERT_TRUE(picture.save(m_app.Path(u"site/images/up.jpg"_s), "JPG"));
    m_gallery.SetFolderFromPath(m_app.Path(u"site"_s));
    m_gallery.PlayButton()->SetOnIcon(u"images/up.jpg"_s);
    EXPECT_EQ(m_gallery.PlayButton()->OnIconName(), u"up.jpg"_s);
}

TEST_F(Components, PictureFileKeepsTheNameAndReloads)
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(Qt::green);
    QDir().mkpath(m_app.Path(u"a"_s));
    QDir().mkpath(m_app.Path(u"b"_s));
    ASSERT_TRUE(red.save(m_app.Path(u"a/bg.png"_s)));
    ASSERT_TRUE(green.save(m_app.Path(u"b/bg.png"_s)));
    FflashImageDisplay *d = m_gallery.ImageDisplay();
    d->SetPictureFile(m_app.Path(u"a/bg.png"_s));
    EXPECT_EQ(d->PictureName(), u"bg.png"_s);
    EXPECT_EQ(d->PreviewPicture().pixelColor(0, 0), QColor(Qt::red));
    d->SetPictureFile(m_app.Path(u"b/bg.png"_s));
    EXPECT_EQ(d->PictureName(), u"bg.png"_s);
    EXPECT_EQ(d->PreviewPicture().pixelColor(0, 0), QColor(Qt::green));
    d->SetPictureFile(m_app.Path(u"missing/other.png"_s)); // keeps the last picture
    EXPECT_EQ(d->PictureName(), u"other.png"_s);
    EXPECT_EQ(d->PreviewPicture().pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(Components, DragsAndNudges)
{
    FflashImageDisplay *d = m_gallery.ImageDisplay();
    FflashButtonClass *b = m_gallery.SoundsButton();
    const auto before = m_gallery.ZOrder();
    b->FinishDrag();
    EXPECT_EQ(m_gallery.ZOrder(), before); // buttons keep their place
    EXPECT_EQ(m_gallery.SelectedObject(), b);
    m_gallery.SendToBack(m_gallery.ThumbnailStrip());
    d->FinishDrag();
    EXPECT_EQ(m_gallery.ZOrder().first(), d);
    EXPECT_EQ(m_gallery.SelectedObject(), d);
    EXPECT_TRUE(d->Selected());
    EXPECT_FALSE(b->Selected());

    const QRect start = b->Bounds();
    b->Nudge(-1, 0);
    b->Nudge(0, 1);
    EXPECT_EQ(b->Bounds(), start.translated(-1, 1));
}
