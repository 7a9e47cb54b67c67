#include "PanelTestSupport.h"

#include "FillingGuard.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "GalleryDocument.h"
#include "ColorButton.h"
#include "GallerySettingsPanel.h"

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
        m_panel = std::make_unique<GallerySettingsPanel>();
        m_panel->bind(m_gallery.get());
    }
    void TearDown() override
    {
        m_panel.reset();
        PanelTest::TearDown();
    }
    std::unique_ptr<GallerySettingsPanel> m_panel;
};

// A user's change on one control and what it must have done to the gallery.
struct GalleryEdit
{
    const char *control;
    std::function<void(GallerySettingsPanel &)> edit;
    std::function<bool(GalleryDocument &)> applied;
};

const std::vector<GalleryEdit> &galleryEdits()
{
    static const std::vector<GalleryEdit> edits = {
        {"Width:", [](GallerySettingsPanel &p) { p.widthEdit()->setValue(640); },
         [](GalleryDocument &g) { return g.width() == 640; }},
        {"Height:", [](GallerySettingsPanel &p) { p.heightEdit()->setValue(700); },
         [](GalleryDocument &g) { return g.height() == 700; }},
        {"Background Color:", [](GallerySettingsPanel &p) { p.backgroundColorButton()->setColor(rgbColor(10, 20, 30)); },
         [](GalleryDocument &g) { return g.fillColor() == rgbColor(10, 20, 30); }},
        {"Show Border:", [](GallerySettingsPanel &p) { p.showBorderBox()->click(); },
         [](GalleryDocument &g) { return !g.borderOn(); }},
        {"Dashed:", [](GallerySettingsPanel &p) { p.dashedBox()->click(); },
         [](GalleryDocument &g) { return !g.borderSolid(); }},
        {"Border Color:", [](GallerySettingsPanel &p) { p.borderColorButton()->setColor(rgbColor(200, 0, 9)); },
         [](GalleryDocument &g) { return g.borderColor() == rgbColor(200, 0, 9); }},
        {"Show Audio Button", [](GallerySettingsPanel &p) { p.showAudioButtonBox()->click(); },
         [](GalleryDocument &g) { return !g.soundsButton()->visible(); }},
        {"Show Albums Button", [](GallerySettingsPanel &p) { p.showAlbumsButtonBox()->click(); },
         [](GalleryDocument &g) { return !g.albumsButton()->visible(); }},
        {"Show Play Button", [](GallerySettingsPanel &p) { p.showPlayButtonBox()->click(); },
         [](GalleryDocument &g) { return !g.playButton()->visible(); }},
        {"Show Albums on Startup", [](GallerySettingsPanel &p) { p.albumsOnStartupBox()->click(); },
         [](GalleryDocument &g) { return g.albumsOnStartup(); }},
        {"Play SlideShow on Startup", [](GallerySettingsPanel &p) { p.playOnStartupBox()->click(); },
         [](GalleryDocument &g) { return g.playOnStartup(); }},
        {"Open Full Image On Click", [](GallerySettingsPanel &p) { p.clickFullSizeBox()->click(); },
         [](GalleryDocument &g) { return !g.imageDisplay()->clickFullSize(); }},
        {"SlideShow Speed", [](GallerySettingsPanel &p) { p.slideshowSpeedEdit()->setValue(3); },
         [](GalleryDocument &g) { return g.slideshowSpeed() == 72; }},
        {"Thumbnail Scroll Speed:", [](GallerySettingsPanel &p) { p.scrollSpeedEdit()->setValue(7); },
         [](GalleryDocument &g) { return g.thumbScrollSpeed() == 7; }},
    };
    return edits;
}

} // namespace

TEST_F(GalleryPanelTest, FillingShowsTheGalleryAndWritesNothingBack)
{
    EXPECT_EQ(m_panel->widthEdit()->value(), 500);
    EXPECT_EQ(m_panel->heightEdit()->value(), 462);
    // 100 / 24 seconds, truncated.
    EXPECT_EQ(m_panel->slideshowSpeedEdit()->value(), 4);
    EXPECT_EQ(m_panel->scrollSpeedEdit()->value(), 15);
    EXPECT_FALSE(m_panel->backgroundColorRow()->isHidden());
    EXPECT_EQ(m_panel->backgroundColorButton()->color(), Colors::Black);
    EXPECT_TRUE(m_panel->showBorderBox()->isChecked());
    EXPECT_FALSE(m_panel->dashedBox()->isChecked());
    EXPECT_EQ(m_panel->borderColorButton()->color(), Colors::Gray);
    EXPECT_TRUE(m_panel->showAudioButtonBox()->isChecked());
    EXPECT_TRUE(m_panel->showAlbumsButtonBox()->isChecked());
    EXPECT_TRUE(m_panel->showPlayButtonBox()->isChecked());
    EXPECT_FALSE(m_panel->albumsOnStartupBox()->isChecked());
    EXPECT_FALSE(m_panel->playOnStartupBox()->isChecked());
    EXPECT_TRUE(m_panel->clickFullSizeBox()->isChecked());
    EXPECT_FALSE(m_gallery->modified());

    // A refill from different values writes none of them back.
    m_gallery->setBorderSolid(false);
    m_gallery->setAlbumsOnStartup(true);
    m_gallery->setSlideshowSpeed(100);
    m_gallery->playButton()->setVisible(false);
    m_gallery->clearModified();
    m_gallery->showGalleryProperties();
    EXPECT_TRUE(m_panel->dashedBox()->isChecked());
    EXPECT_TRUE(m_panel->albumsOnStartupBox()->isChecked());
    EXPECT_FALSE(m_panel->showPlayButtonBox()->isChecked());
    EXPECT_FALSE(m_gallery->modified());
    EXPECT_FALSE(m_gallery->playButton()->visible());
}

TEST_F(GalleryPanelTest, EachControlWritesThroughAndMarksTheGalleryModified)
{
    for (const GalleryEdit &edit : galleryEdits()) {
        SCOPED_TRACE(edit.control);
        m_gallery = std::make_unique<GalleryDocument>();
        m_panel->bind(m_gallery.get());
        ASSERT_FALSE(m_gallery->modified());
        QSignalSpy modified(m_gallery.get(), &GalleryDocument::modifiedChanged);
        edit.edit(*m_panel);
        EXPECT_TRUE(edit.applied(*m_gallery));
        EXPECT_TRUE(m_gallery->modified());
        EXPECT_EQ(modified.size(), 1);
    }
}

TEST_F(GalleryPanelTest, NoControlWritesWhilePanelsAreUpdating)
{
    for (const GalleryEdit &edit : galleryEdits()) {
        SCOPED_TRACE(edit.control);
        m_gallery = std::make_unique<GalleryDocument>();
        m_panel->bind(m_gallery.get());
        {
            const FillingGuard filling(m_panel->fillingFlag());
            edit.edit(*m_panel);
        }
        EXPECT_FALSE(edit.applied(*m_gallery));
        EXPECT_FALSE(m_gallery->modified());
    }
}

TEST_F(GalleryPanelTest, ControlsDoNothingWithoutAGallery)
{
    m_panel->bind(nullptr);
    for (const GalleryEdit &edit : galleryEdits()) {
        SCOPED_TRACE(edit.control);
        edit.edit(*m_panel);
    }
    EXPECT_FALSE(m_gallery->modified());
    EXPECT_EQ(m_gallery->width(), 500);
}

TEST_F(GalleryPanelTest, TypingAWiderWidthRefillsThePanelThroughTheResize)
{
    int refills = 0;
    QObject::connect(m_gallery.get(), &GalleryDocument::galleryPropertiesChanged, [&refills] { ++refills; });
    m_panel->widthEdit()->setValue(800);
    EXPECT_EQ(m_gallery->width(), 800);
    EXPECT_EQ(m_gallery->lastWidth(), 800);
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(m_gallery->height(), 462);
    EXPECT_TRUE(m_gallery->modified());

    // A resize from elsewhere (a dragged edge) shows up in the panel without echoing back.
    m_gallery->setBounds(0, 0, 720, 480);
    EXPECT_EQ(m_panel->widthEdit()->value(), 720);
    EXPECT_EQ(m_panel->heightEdit()->value(), 480);
    EXPECT_EQ(m_gallery->width(), 720);
}

TEST_F(GalleryPanelTest, HidingThePlayButtonLeavesItOutOfTheSavedGallery)
{
    ASSERT_TRUE(m_gallery->writeXml().contains(u"toggleplaypause"_s));
    m_panel->showPlayButtonBox()->click();
    EXPECT_FALSE(m_gallery->playButton()->visible());
    EXPECT_FALSE(m_gallery->writeXml().contains(u"toggleplaypause"_s));
    EXPECT_TRUE(m_gallery->writeXml().contains(u"togglesounds"_s));
    EXPECT_TRUE(m_gallery->modified());
}

TEST_F(GalleryPanelTest, SlideshowSecondsAreStoredInTwentyFourths)
{
    struct Case { int stored; int shown; };
    for (const Case c : {Case{100, 4}, Case{72, 3}, Case{47, 1}, Case{2880, 120}}) {
        m_gallery->setSlideshowSpeed(c.stored);
        m_gallery->showGalleryProperties();
        EXPECT_EQ(m_panel->slideshowSpeedEdit()->value(), c.shown) << c.stored;
    }
    m_panel->slideshowSpeedEdit()->setValue(10);
    EXPECT_EQ(m_gallery->slideshowSpeed(), 240);
}

TEST_F(GalleryPanelTest, RangesAndHints)
{
    struct Range { QSpinBox *box; int minimum; int maximum; };
    for (const Range r : {Range{m_panel->widthEdit(), 0, 1000}, Range{m_panel->heightEdit(), 0, 5000},
                          Range{m_panel->slideshowSpeedEdit(), 1, 120}, Range{m_panel->scrollSpeedEdit(), 1, 120}}) {
        EXPECT_EQ(r.box->minimum(), r.minimum);
        EXPECT_EQ(r.box->maximum(), r.maximum);
        EXPECT_EQ(r.box->singleStep(), 1);
    }
    // A value beyond the range is held at its limit.
    m_panel->widthEdit()->setValue(1500);
    EXPECT_EQ(m_gallery->width(), 1000);
    EXPECT_EQ(m_panel->slideshowSpeedEdit()->toolTip(),
              u"Slideshow Speed:\nThe number of seconds each slide is shown."_s);
    EXPECT_EQ(m_panel->scrollSpeedEdit()->toolTip(), u"Scroll Speed:\nSmaller Numbers are Faster"_s);
}

TEST_F(GalleryPanelTest, CaptionsInTheirOrder)
{
    const QStringList expected = {
        u"Width:"_s, u"Height:"_s, u"Background Color:"_s, u"Show Border:"_s, u"Dashed:"_s, u"Border Color:"_s,
        u"Background Sound:"_s, u"Browse"_s, u"Remove Sound"_s, u"Mouse Over Sound:"_s, u"Browse"_s,
        u"Remove Sound"_s, u"Don't Play Any Sounds"_s, u"Show Audio Button"_s, u"Show Albums Button"_s,
        u"Show Play Button"_s, u"Show Albums on Startup"_s, u"Play SlideShow on Startup"_s,
        u"Open Full Image On Click"_s, u"SlideShow Speed"_s, u"Thumbnail Scroll Speed:"_s};
    EXPECT_EQ(captionsInReadingOrder(m_panel.get()), expected.join(u'|'));
    EXPECT_EQ(m_panel->objectName(), u"gallerySettingsPanel"_s);
}

TEST_F(GalleryPanelTest, BackgroundColourRowFollowsTheExclusiveFills)
{
    m_gallery->setBackgroundGradient(true);
    m_gallery->showGalleryProperties();
    EXPECT_TRUE(m_panel->backgroundColorRow()->isHidden());

    // With no fill at all the row keeps the state it had.
    m_gallery->setBackgroundGradient(false);
    ASSERT_FALSE(m_gallery->backgroundSolid());
    m_gallery->showGalleryProperties();
    EXPECT_TRUE(m_panel->backgroundColorRow()->isHidden());

    m_gallery->setFillColor(rgbColor(0, 200, 0));
    m_gallery->setBackgroundSolid(true);
    m_gallery->showGalleryProperties();
    EXPECT_FALSE(m_panel->backgroundColorRow()->isHidden());
    EXPECT_EQ(m_panel->backgroundColorButton()->color(), rgbColor(0, 200, 0));

    m_gallery->setBackgroundImageOn(true);
    m_gallery->showGalleryProperties();
    EXPECT_FALSE(m_panel->backgroundColorRow()->isHidden());
}
