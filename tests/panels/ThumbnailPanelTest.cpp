#include "PanelTestSupport.h"

#include "FillingGuard.h"
#include "GalleryButton.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "ColorButton.h"
#include "ComponentPanel.h"
#include "ThumbnailCellPanel.h"

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
        m_panel = std::make_unique<ThumbnailCellPanel>();
        m_panel->bind(m_gallery.get());
        show();
    }
    void TearDown() override
    {
        m_panel.reset();
        PanelTest::TearDown();
    }
    ThumbnailStrip *strip() const { return m_gallery->thumbnailStrip(); }
    void show()
    {
        m_gallery->select(strip(), true);
        strip()->showProperties();
    }
    std::unique_ptr<ThumbnailCellPanel> m_panel;
};

struct StripEdit
{
    const char *control;
    std::function<void(ThumbnailCellPanel &)> edit;
    std::function<bool(ThumbnailStrip &)> applied;
};

const std::vector<StripEdit> &stripEdits()
{
    static const std::vector<StripEdit> edits = {
        {"Width:", [](ThumbnailCellPanel &p) { p.widthEdit()->setValue(120); },
         [](ThumbnailStrip &s) { return s.thumbWidth() == 120; }},
        {"Height:", [](ThumbnailCellPanel &p) { p.heightEdit()->setValue(50); },
         [](ThumbnailStrip &s) { return s.thumbHeight() == 50; }},
        {"Show Border:", [](ThumbnailCellPanel &p) { p.showBorderBox()->click(); },
         [](ThumbnailStrip &s) { return !s.thumbBorder(); }},
        {"Dashed:", [](ThumbnailCellPanel &p) { p.dashedBox()->click(); },
         [](ThumbnailStrip &s) { return !s.thumbBorderSolid(); }},
        {"Border Color:", [](ThumbnailCellPanel &p) { p.borderColorButton()->setColor(rgbColor(3, 3, 3)); },
         [](ThumbnailStrip &s) { return s.thumbBorderColor() == rgbColor(3, 3, 3); }},
        {"Highlight Color:", [](ThumbnailCellPanel &p) { p.highlightColorButton()->setColor(rgbColor(0, 0, 250)); },
         [](ThumbnailStrip &s) { return s.thumbHighlightColor() == rgbColor(0, 0, 250); }},
    };
    return edits;
}

} // namespace

TEST_F(ThumbnailPanelTest, FillingShowsTheCellStyle)
{
    EXPECT_EQ(m_panel->widthEdit()->value(), 100);
    EXPECT_EQ(m_panel->heightEdit()->value(), 70);
    EXPECT_TRUE(m_panel->showBorderBox()->isChecked());
    EXPECT_FALSE(m_panel->dashedBox()->isChecked());
    EXPECT_EQ(m_panel->borderColorButton()->color(), Colors::White);
    EXPECT_EQ(m_panel->highlightColorButton()->color(), Colors::Red);
    EXPECT_FALSE(m_gallery->modified());

    strip()->setThumbBorderSolid(false);
    strip()->setThumbWidth(90);
    m_gallery->clearModified();
    show();
    EXPECT_TRUE(m_panel->dashedBox()->isChecked());
    EXPECT_EQ(m_panel->widthEdit()->value(), 90);
    EXPECT_FALSE(m_gallery->modified());
    EXPECT_EQ(strip()->thumbWidth(), 90);
}

TEST_F(ThumbnailPanelTest, EachControlWritesThroughAndMarksTheGalleryModified)
{
    for (const StripEdit &edit : stripEdits()) {
        SCOPED_TRACE(edit.control);
        m_gallery = std::make_unique<GalleryDocument>();
        m_panel->bind(m_gallery.get());
        show();
        ASSERT_FALSE(m_gallery->modified());
        edit.edit(*m_panel);
        EXPECT_TRUE(edit.applied(*strip()));
        EXPECT_TRUE(strip()->modified());
        EXPECT_TRUE(m_gallery->modified());
    }
}

TEST_F(ThumbnailPanelTest, NoControlWritesWhileUpdatingOrWhenTheStripIsNotSelected)
{
    enum class Why { Updating, OtherSelection, NoSelection };
    for (const Why why : {Why::Updating, Why::OtherSelection, Why::NoSelection}) {
        for (const StripEdit &edit : stripEdits()) {
            SCOPED_TRACE(edit.control);
            m_gallery = std::make_unique<GalleryDocument>();
            m_panel->bind(m_gallery.get());
            show();
            if (why == Why::Updating) {
                const FillingGuard filling(m_panel->fillingFlag());
                edit.edit(*m_panel);
            } else {
                m_gallery->select(why == Why::OtherSelection ? m_gallery->playButton() : nullptr, true);
                edit.edit(*m_panel);
            }
            EXPECT_FALSE(edit.applied(*strip()));
            EXPECT_FALSE(m_gallery->modified());
        }
    }
}

TEST_F(ThumbnailPanelTest, CellSizeRecomputesThePictureBox)
{
    m_panel->widthEdit()->setValue(120);
    EXPECT_EQ(strip()->thumbImageWidth(), 118);
    m_panel->heightEdit()->setValue(50);
    EXPECT_EQ(strip()->thumbImageHeight(), 48);
    // The strip's height follows the cell height and the offset.
    EXPECT_EQ(strip()->height(), 60);
    m_panel->widthEdit()->setValue(1);
    EXPECT_EQ(strip()->thumbImageWidth(), 1);
    m_panel->widthEdit()->setValue(2);
    EXPECT_EQ(strip()->thumbImageWidth(), 0);
}

TEST_F(ThumbnailPanelTest, RangesAndCaptions)
{
    EXPECT_EQ(m_panel->widthEdit()->minimum(), 0);
    EXPECT_EQ(m_panel->widthEdit()->maximum(), 1000);
    EXPECT_EQ(m_panel->heightEdit()->minimum(), 0);
    EXPECT_EQ(m_panel->heightEdit()->maximum(), 1000);
    EXPECT_EQ(m_panel->objectName(), u"thumbnailCellPanel"_s);
    EXPECT_EQ(captionsInReadingOrder(m_panel.get()),
              QStringList({u"Thumbnail Images"_s, u"Width:"_s, u"Height:"_s, u"Show Border:"_s, u"Dashed:"_s,
                                  u"Border Color:"_s, u"Highlight Color:"_s}).join(u'|'));
}

TEST_F(ThumbnailPanelTest, TheStripFillsBothLayoutPanels)
{
    // Bound side by side as on the "Layout" tab: the strip's request fills both.
    ComponentPanel componentPanel;
    componentPanel.bind(m_gallery.get());
    strip()->setThumbHeight(60);
    strip()->setShowBorder(false);
    m_gallery->clearModified();
    show();
    EXPECT_EQ(m_panel->heightEdit()->value(), 60);
    EXPECT_EQ(componentPanel.header()->text(), u"Thumbnail Strip"_s);
    EXPECT_FALSE(componentPanel.showBorderBox()->isChecked());
    EXPECT_FALSE(m_gallery->modified());

    // Another component leaves the thumbnail panel as it was.
    m_gallery->select(m_gallery->playButton(), true);
    m_gallery->playButton()->showProperties();
    EXPECT_EQ(m_panel->heightEdit()->value(), 60);
    EXPECT_EQ(componentPanel.header()->text(), u"Icons"_s);
}
