#include "PanelTestSupport.h"

#include "app/AppState.h"
#include "components/FflashButtonClass.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "panels/ColorButton.h"
#include "panels/TComponentPanel.h"
#include "panels/TThumbnailPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class ThumbnailPanelTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        m_panel = std::make_unique<TThumbnailPanel>();
        m_panel->Bind(m_gallery.get());
        Show();
    }
    void TearDown() override
    {
        m_panel.reset();
        PanelTest::TearDown();
    }
    FflashThumbnailerClass *Strip() const { return m_gallery->ThumbnailStrip(); }
    void Show()
    {
        m_gallery->Select(Strip(), true);
        Strip()->ShowProperties();
    }
    std::unique_ptr<TThumbnailPanel> m_panel;
};

struct StripEdit
{
    const char *control;
    std::function<void(TThumbnailPanel &)> edit;
    std::function<bool(FflashThumbnailerClass &)> applied;
};

const std::vector<StripEdit> &StripEdits()
{
    static const std::vector<StripEdit> edits = {
        {"Width:", [](TThumbnailPanel &p) { p.WidthEdit()->setValue(120); },
         [](FflashThumbnailerClass &s) { return s.ThumbWidth() == 120; }},
        {"Height:", [](TThumbnailPanel &p) { p.HeightEdit()->setValue(50); },
         [](FflashThumbnailerClass &s) { return s.ThumbHeight() == 50; }},
        {"Show Border:", [](TThumbnailPanel &p) { p.ShowBorderBox()->click(); },
         [](FflashThumbnailerClass &s) { return !s.ThumbBorder(); }},
        {"Dashed:", [](TThumbnailPanel &p) { p.DashedBox()->click(); },
         [](FflashThumbnailerClass &s) { return !s.ThumbBorderSolid(); }},
        {"Border Color:", [](TThumbnailPanel &p) { p.BorderColorButton()->SetColor(RgbColor(3, 3, 3)); },
         [](FflashThumbnailerClass &s) { return s.ThumbBorderColor() == RgbColor(3, 3, 3); }},
        {"Highlight Color:", [](TThumbnailPanel &p) { p.HighlightColorButton()->SetColor(RgbColor(0, 0, 250)); },
         [](FflashThumbnailerClass &s) { return s.ThumbHighlightColor() == RgbColor(0, 0, 250); }},
    };
    return edits;
}

} // namespace

TEST_F(ThumbnailPanelTest, FillingShowsTheCellStyle)
{
    EXPECT_EQ(m_panel->WidthEdit()->value(), 100);
    EXPECT_EQ(m_panel->HeightEdit()->value(), 70);
    EXPECT_TRUE(m_panel->ShowBorderBox()->isChecked());
    EXPECT_FALSE(m_panel->DashedBox()->isChecked());
    EXPECT_EQ(m_panel->BorderColorButton()->Color(), Colors::White);
    EXPECT_EQ(m_panel->HighlightColorButton()->Color(), Colors::Red);
    EXPECT_FALSE(m_gallery->Modified());

    Strip()->SetThumbBorderSolid(false);
    Strip()->SetThumbWidth(90);
    m_gallery->ClearModified();
    Show();
    EXPECT_TRUE(m_panel->DashedBox()->isChecked());
    EXPECT_EQ(m_panel->WidthEdit()->value(), 90);
    EXPECT_FALSE(m_gallery->Modified());
    EXPECT_EQ(Strip()->ThumbWidth(), 90);
}

TEST_F(ThumbnailPanelTest, EachControlWritesThroughAndMarksTheGalleryModified)
{
    for (const StripEdit &edit : StripEdits()) {
        SCOPED_TRACE(edit.control);
        m_gallery = std::make_unique<FflashMovie>();
        m_panel->Bind(m_gallery.get());
        Show();
        ASSERT_FALSE(m_gallery->Modified());
        edit.edit(*m_panel);
        EXPECT_TRUE(edit.applied(*Strip()));
        EXPECT_TRUE(Strip()->Modified());
        EXPECT_TRUE(m_gallery->Modified());
    }
}

TEST_F(ThumbnailPanelTest, NoControlWritesWhileUpdatingOrWhenTheStripIsNotSelected)
{
    enum class Why { Updating, OtherSelection, NoSelection };
    for (const Why why : {Why::Updating, Why::OtherSelection, Why::NoSelection}) {
        for (const StripEdit &edit : StripEdits()) {
            SCOPED_TRACE(edit.control);
            m_gallery = std::make_unique<FflashMovie>();
            m_panel->Bind(m_gallery.get());
            Show();
            if (why == Why::Updating) {
                UpdatingPanelsGuard filling;
                edit.edit(*m_panel);
            } else {
                m_gallery->Select(why == Why::OtherSelection ? m_gallery->PlayButton() : nullptr, true);
                edit.edit(*m_panel);
            }
            EXPECT_FALSE(edit.applied(*Strip()));
            EXPECT_FALSE(m_gallery->Modified());
        }
    }
}

TEST_F(ThumbnailPanelTest, CellSizeRecomputesThePictureBox)
{
    m_panel->WidthEdit()->setValue(120);
    EXPECT_EQ(Strip()->ThumbImageWidth(), 118);
    m_panel->HeightEdit()->setValue(50);
    EXPECT_EQ(Strip()->ThumbImageHeight(), 48);
    // The strip's height follows the cell height and the offset.
    EXPECT_EQ(Strip()->Height(), 60);
    m_panel->WidthEdit()->setValue(1);
    EXPECT_EQ(Strip()->ThumbImageWidth(), 1);
    m_panel->WidthEdit()->setValue(2);
    EXPECT_EQ(Strip()->ThumbImageWidth(), 0);
}

TEST_F(ThumbnailPanelTest, RangesAndCaptions)
{
    EXPECT_EQ(m_panel->WidthEdit()->minimum(), 0);
    EXPECT_EQ(m_panel->WidthEdit()->maximum(), 1000);
    EXPECT_EQ(m_panel->HeightEdit()->minimum(), 0);
    EXPECT_EQ(m_panel->HeightEdit()->maximum(), 1000);
    EXPECT_EQ(m_panel->objectName(), u"thumbnailPanel"_s);
    EXPECT_EQ(CaptionsInReadingOrder(m_panel.get()),
              QStringList({u"Thumbnail Images"_s, u"Width:"_s, u"Height:"_s, u"Show Border:"_s, u"Dashed:"_s,
                                  u"Border Color:"_s, u"Highlight Color:"_s}).join(u'|'));
}

TEST_F(ThumbnailPanelTest, TheStripFillsBothLayoutPanels)
{
    // Bound side by side as on the "Layout" tab: the strip's request fills both.
    TComponentPanel componentPanel;
    componentPanel.Bind(m_gallery.get());
    Strip()->SetThumbHeight(60);
    Strip()->SetShowBorder(false);
    m_gallery->ClearModified();
    Show();
    EXPECT_EQ(m_panel->HeightEdit()->value(), 60);
    EXPECT_EQ(componentPanel.Header()->text(), u"Thumbnail Strip"_s);
    EXPECT_FALSE(componentPanel.ShowBorderBox()->isChecked());
    EXPECT_FALSE(m_gallery->Modified());

    // Another component leaves the thumbnail panel as it was.
    m_gallery->Select(m_gallery->PlayButton(), true);
    m_gallery->PlayButton()->ShowProperties();
    EXPECT_EQ(m_panel->HeightEdit()->value(), 60);
    EXPECT_EQ(componentPanel.Header()->text(), u"Icons"_s);
}
