#include "PanelTestSupport.h"

#include "app/AppState.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "gallery/FflashMovie.h"
#include "panels/ColorButton.h"
#include "panels/TGalleryPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class GalleryPanelTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        m_panel = std::make_unique<TGalleryPanel>();
        m_panel->Bind(m_gallery.get());
    }
    void TearDown() override
    {
        m_panel.reset();
        PanelTest::TearDown();
    }
    std::unique_ptr<TGalleryPanel> m_panel;
};

// A user's change on one control and what it must have done to the gallery.
struct GalleryEdit
{
    const char *control;
    std::function<void(TGalleryPanel &)> edit;
    std::function<bool(FflashMovie &)> applied;
};

const std::vector<GalleryEdit> &GalleryEdits()
{
    static const std::vector<GalleryEdit> edits = {
        {"Width:", [](TGalleryPanel &p) { p.WidthEdit()->setValue(640); },
         [](FflashMovie &g) { return g.Width() == 640; }},
        {"Height:", [](TGalleryPanel &p) { p.HeightEdit()->setValue(700); },
         [](FflashMovie &g) { return g.Height() == 700; }},
        {"Background Color:", [](TGalleryPanel &p) { p.BackgroundColorButton()->SetColor(RgbColor(10, 20, 30)); },
         [](FflashMovie &g) { return g.FillColor() == RgbColor(10, 20, 30); }},
        {"Show Border:", [](TGalleryPanel &p) { p.ShowBorderBox()->click(); },
         [](FflashMovie &g) { return !g.BorderOn(); }},
        {"Dashed:", [](TGalleryPanel &p) { p.DashedBox()->click(); },
         [](FflashMovie &g) { return !g.BorderSolid(); }},
        {"Border Color:", [](TGalleryPanel &p) { p.BorderColorButton()->SetColor(RgbColor(200, 0, 9)); },
         [](FflashMovie &g) { return g.BorderColor() == RgbColor(200, 0, 9); }},
        {"Show Audio Button", [](TGalleryPanel &p) { p.ShowAudioButtonBox()->click(); },
         [](FflashMovie &g) { return !g.SoundsButton()->Visible(); }},
        {"Show Albums Button", [](TGalleryPanel &p) { p.ShowAlbumsButtonBox()->click(); },
         [](FflashMovie &g) { return !g.AlbumsButton()->Visible(); }},
        {"Show Play Button", [](TGalleryPanel &p) { p.ShowPlayButtonBox()->click(); },
         [](FflashMovie &g) { return !g.PlayButton()->Visible(); }},
        {"Show Albums on Startup", [](TGalleryPanel &p) { p.AlbumsOnStartupBox()->click(); },
         [](FflashMovie &g) { return g.AlbumsOnStartup(); }},
        {"Play SlideShow on Startup", [](TGalleryPanel &p) { p.PlayOnStartupBox()->click(); },
         [](FflashMovie &g) { return g.PlayOnStartup(); }},
        {"Open Full Image On Click", [](TGalleryPanel &p) { p.ClickFullSizeBox()->click(); },
         [](FflashMovie &g) { return !g.ImageDisplay()->ClickFullSize(); }},
        {"SlideShow Speed", [](TGalleryPanel &p) { p.SlideshowSpeedEdit()->setValue(3); },
         [](FflashMovie &g) { return g.SlideshowSpeed == 72; }},
        {"Thumbnail Scroll Speed:", [](TGalleryPanel &p) { p.ScrollSpeedEdit()->setValue(7); },
         [](FflashMovie &g) { return g.ThumbScrollSpeed == 7; }},
    };
    return edits;
}

} // namespace

TEST_F(GalleryPanelTest, FillingShowsTheGalleryAndWritesNothingBack)
{
    EXPECT_EQ(m_panel->WidthEdit()->value(), 500);
    EXPECT_EQ(m_panel->HeightEdit()->value(), 462);
    // 100 / 24 seconds, truncated.
    EXPECT_EQ(m_panel->SlideshowSpeedEdit()->value(), 4);
    EXPECT_EQ(m_panel->ScrollSpeedEdit()->value(), 15);
    EXPECT_FALSE(m_panel->BackgroundColorRow()->isHidden());
    EXPECT_EQ(m_panel->BackgroundColorButton()->Color(), Colors::Black);
    EXPECT_TRUE(m_panel->ShowBorderBox()->isChecked());
    EXPECT_FALSE(m_panel->DashedBox()->isChecked());
    EXPECT_EQ(m_panel->BorderColorButton()->Color(), Colors::Gray);
    EXPECT_TRUE(m_panel->ShowAudioButtonBox()->isChecked());
    EXPECT_TRUE(m_panel->ShowAlbumsButtonBox()->isChecked());
    EXPECT_TRUE(m_panel->ShowPlayButtonBox()->isChecked());
    EXPECT_FALSE(m_panel->AlbumsOnStartupBox()->isChecked());
    EXPECT_FALSE(m_panel->PlayOnStartupBox()->isChecked());
    EXPECT_TRUE(m_panel->ClickFullSizeBox()->isChecked());
    EXPECT_FALSE(m_gallery->Modified());

    // A refill from different values writes none of them back.
    m_gallery->SetBorderSolid(false);
    m_gallery->SetAlbumsOnStartup(true);
    m_gallery->SlideshowSpeed = 100;
    m_gallery->PlayButton()->SetVisible(false);
    m_gallery->ClearModified();
    m_gallery->ShowGalleryProperties();
    EXPECT_TRUE(m_panel->DashedBox()->isChecked());
    EXPECT_TRUE(m_panel->AlbumsOnStartupBox()->isChecked());
    EXPECT_FALSE(m_panel->ShowPlayButtonBox()->isChecked());
    EXPECT_FALSE(m_gallery->Modified());
    EXPECT_FALSE(m_gallery->PlayButton()->Visible());
}

TEST_F(GalleryPanelTest, EachControlWritesThroughAndMarksTheGalleryModified)
{
    for (const GalleryEdit &edit : GalleryEdits()) {
        SCOPED_TRACE(edit.control);
        m_gallery = std::make_unique<FflashMovie>();
        m_panel->Bind(m_gallery.get());
        ASSERT_FALSE(m_gallery->Modified());
        QSignalSpy modified(m_gallery.get(), &FflashMovie::ModifiedChanged);
        edit.edit(*m_panel);
        EXPECT_TRUE(edit.applied(*m_gallery));
        EXPECT_TRUE(m_gallery->Modified());
        EXPECT_EQ(modified.size(), 1);
    }
}

TEST_F(GalleryPanelTest, NoControlWritesWhilePanelsAreUpdating)
{
    for (const GalleryEdit &edit : GalleryEdits()) {
        SCOPED_TRACE(edit.control);
        m_gallery = std::make_unique<FflashMovie>();
        m_panel->Bind(m_gallery.get());
        {
            UpdatingPanelsGuard filling;
            edit.edit(*m_panel);
        }
        EXPECT_FALSE(edit.applied(*m_gallery));
        EXPECT_FALSE(m_gallery->Modified());
    }
}

TEST_F(GalleryPanelTest, ControlsDoNothingWithoutAGallery)
{
    m_panel->Bind(nullptr);
    for (const GalleryEdit &edit : GalleryEdits()) {
        SCOPED_TRACE(edit.control);
        edit.edit(*m_panel);
    }
    EXPECT_FALSE(m_gallery->Modified());
    EXPECT_EQ(m_gallery->Width(), 500);
}

TEST_F(GalleryPanelTest, TypingAWiderWidthRefillsThePanelThroughTheResize)
{
    int refills = 0;
    QObject::connect(m_gallery.get(), &FflashMovie::GalleryPropertiesChanged, [&refills] { ++refills; });
    m_panel->WidthEdit()->setValue(800);
    EXPECT_EQ(m_gallery->Width(), 800);
    EXPECT_EQ(m_gallery->LastWidth(), 800);
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(m_gallery->Height(), 462);
    EXPECT_TRUE(m_gallery->Modified());

    // A resize from elsewhere (a dragged edge) shows up in the panel without echoing back.
    m_gallery->SetBounds(0, 0, 720, 480);
    EXPECT_EQ(m_panel->WidthEdit()->value(), 720);
    EXPECT_EQ(m_panel->HeightEdit()->value(), 480);
    EXPECT_EQ(m_gallery->Width(), 720);
}

TEST_F(GalleryPanelTest, HidingThePlayButtonLeavesItOutOfTheSavedGallery)
{
    ASSERT_TRUE(m_gallery->WriteXml().contains(u"toggleplaypause"_s));
    m_panel->ShowPlayButtonBox()->click();
    EXPECT_FALSE(m_gallery->PlayButton()->Visible());
    EXPECT_FALSE(m_gallery->WriteXml().contains(u"toggleplaypause"_s));
    EXPECT_TRUE(m_gallery->WriteXml().contains(u"togglesounds"_s));
    EXPECT_TRUE(m_gallery->Modified());
}

TEST_F(GalleryPanelTest, SlideshowSecondsAreStoredInTwentyFourths)
{
    struct Case { int stored; int shown; };
    for (const Case c : {Case{100, 4}, Case{72, 3}, Case{47, 1}, Case{2880, 120}}) {
        m_gallery->SlideshowSpeed = c.stored;
        m_gallery->ShowGalleryProperties();
        EXPECT_EQ(m_panel->SlideshowSpeedEdit()->value(), c.shown) << c.stored;
    }
    m_panel->SlideshowSpeedEdit()->setValue(10);
    EXPECT_EQ(m_gallery->SlideshowSpeed, 240);
}

TEST_F(GalleryPanelTest, RangesAndHints)
{
    struct Range { QSpinBox *box; int minimum; int maximum; };
    for (const Range r : {Range{m_panel->WidthEdit(), 0, 1000}, Range{m_panel->HeightEdit(), 0, 5000},
                          Range{m_panel->SlideshowSpeedEdit(), 1, 120}, Range{m_panel->ScrollSpeedEdit(), 1, 120}}) {
        EXPECT_EQ(r.box->minimum(), r.minimum);
        EXPECT_EQ(r.box->maximum(), r.maximum);
        EXPECT_EQ(r.box->singleStep(), 1);
    }
    // A value beyond the range is held at its limit.
    m_panel->WidthEdit()->setValue(1500);
    EXPECT_EQ(m_gallery->Width(), 1000);
    EXPECT_EQ(m_panel->SlideshowSpeedEdit()->toolTip(),
              u"Slideshow Speed:\nThe number of seconds each slide is shown."_s);
    EXPECT_EQ(m_panel->ScrollSpeedEdit()->toolTip(), u"Scroll Speed:\nSmaller Numbers are Faster"_s);
}

TEST_F(GalleryPanelTest, CaptionsInTheirOrder)
{
    const QStringList expected = {
        u"Width:"_s, u"Height:"_s, u"Background Color:"_s, u"Show Border:"_s, u"Dashed:"_s, u"Border Color:"_s,
        u"Background Sound:"_s, u"Browse"_s, u"Remove Sound"_s, u"Mouse Over Sound:"_s, u"Browse"_s,
        u"Remove Sound"_s, u"Don't Play Any Sounds"_s, u"Show Audio Button"_s, u"Show Albums Button"_s,
        u"Show Play Button"_s, u"Show Albums on Startup"_s, u"Play SlideShow on Startup"_s,
        u"Open Full Image On Click"_s, u"SlideShow Speed"_s, u"Thumbnail Scroll Speed:"_s};
    EXPECT_EQ(CaptionsInReadingOrder(m_panel.get()), expected.join(u'|'));
    EXPECT_EQ(m_panel->objectName(), u"mainPanel"_s);
}

TEST_F(GalleryPanelTest, BackgroundColourRowFollowsTheExclusiveFills)
{
    m_gallery->SetBackgroundGradient(true);
    m_gallery->ShowGalleryProperties();
    EXPECT_TRUE(m_panel->BackgroundColorRow()->isHidden());

    // With no fill at all the row keeps the state it had.
    m_gallery->SetBackgroundGradient(false);
    ASSERT_FALSE(m_gallery->BackgroundSolid());
    m_gallery->ShowGalleryProperties();
    EXPECT_TRUE(m_panel->BackgroundColorRow()->isHidden());

    m_gallery->SetFillColor(RgbColor(0, 200, 0));
    m_gallery->SetBackgroundSolid(true);
    m_gallery->ShowGalleryProperties();
    EXPECT_FALSE(m_panel->BackgroundColorRow()->isHidden());
    EXPECT_EQ(m_panel->BackgroundColorButton()->Color(), RgbColor(0, 200, 0));

    m_gallery->SetBackgroundImageOn(true);
    m_gallery->ShowGalleryProperties();
    EXPECT_FALSE(m_panel->BackgroundColorRow()->isHidden());
}
