#include "PanelTestSupport.h"

#include "FillingGuard.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "ColorButton.h"
#include "ComponentPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class ComponentPanelTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        m_panel = std::make_unique<ComponentPanel>();
        m_panel->bind(m_gallery.get());
    }
    void TearDown() override
    {
        m_panel.reset();
        PanelTest::TearDown();
    }
    // What the main window does on a selection: select, then let the selection fill its panel.
    void selectAndShow(StyledComponent *component)
    {
        m_gallery->select(component, true);
        component->showProperties();
    }
    std::unique_ptr<ComponentPanel> m_panel;
};

struct ComponentEdit
{
    const char *control;
    std::function<void(ComponentPanel &)> edit;
    std::function<bool(GalleryButton &)> applied;
};

// Edits made on the play button, which starts in picture mode without fill or border.
const std::vector<ComponentEdit> &buttonEdits()
{
    static const std::vector<ComponentEdit> edits = {
        {"Text:", [](ComponentPanel &p) { p.textRadio()->setChecked(true); },
         [](GalleryButton &b) { return b.showText(); }},
        {"Transparent Background:", [](ComponentPanel &p) { p.transparentBox()->click(); },
         [](GalleryButton &b) { return b.solidFill() && !b.gradientFill(); }},
        {"Background Color:", [](ComponentPanel &p) { p.backgroundColorButton()->setColor(rgbColor(1, 2, 3)); },
         [](GalleryButton &b) { return b.fillColor() == rgbColor(1, 2, 3) && b.solidFill() && !b.gradientFill(); }},
        {"Show Border:", [](ComponentPanel &p) { p.showBorderBox()->click(); },
         [](GalleryButton &b) { return b.showBorder(); }},
        {"Dashed:", [](ComponentPanel &p) { p.dashedBox()->click(); },
         [](GalleryButton &b) { return !b.borderSolid(); }},
        {"Border Color:", [](ComponentPanel &p) { p.borderColorButton()->setColor(rgbColor(9, 8, 7)); },
         [](GalleryButton &b) { return b.borderColor() == rgbColor(9, 8, 7); }},
        {"Text On:", [](ComponentPanel &p) { p.textOnEdit()->setText(u"Go"_s); },
         [](GalleryButton &b) { return b.text() == u"Go"_s; }},
        {"Text Off:", [](ComponentPanel &p) { p.textOffEdit()->setText(u"Stop"_s); },
         [](GalleryButton &b) { return b.toggleText() == u"Stop"_s; }},
        {"Font Face:",
         [](ComponentPanel &p) {
             QComboBox *list = p.fontFaceList();
             for (int i = 0; i < list->count(); ++i) {
                 if (list->itemText(i) != list->currentText()) {
                     list->setCurrentIndex(i);
                     return;
                 }
             }
         },
         [](GalleryButton &b) { return b.fontFace() != u"Arial"_s; }},
        {"Size and Color: colour", [](ComponentPanel &p) { p.fontColorButton()->setColor(rgbColor(0, 0, 99)); },
         [](GalleryButton &b) { return b.fontColor() == rgbColor(0, 0, 99); }},
        {"Size and Color: size", [](ComponentPanel &p) { p.fontSizeList()->setCurrentText(u"18"_s); },
         [](GalleryButton &b) { return b.fontSize() == 18; }},
        {"Font Style:", [](ComponentPanel &p) { p.fontStyleList()->setCurrentIndex(3); },
         [](GalleryButton &b) { return b.bold() && b.italic(); }},
    };
    return edits;
}

bool shown(QWidget *section)
{
    return !section->isHidden();
}

} // namespace

TEST_F(ComponentPanelTest, AButtonInPictureModeShowsItsIconsAndBackground)
{
    GalleryButton *button = m_gallery->playButton();
    selectAndShow(button);
    EXPECT_EQ(m_panel->header()->text(), u"Icons"_s);
    EXPECT_TRUE(shown(m_panel->buttonSection()));
    EXPECT_TRUE(shown(m_panel->iconSection()));
    EXPECT_TRUE(shown(m_panel->borderSection()));
    EXPECT_FALSE(shown(m_panel->textSection()));
    EXPECT_TRUE(m_panel->picturesRadio()->isChecked());
    EXPECT_FALSE(m_panel->textRadio()->isChecked());
    EXPECT_EQ(m_panel->textOnEdit()->text(), u"Play Slideshow"_s);
    EXPECT_EQ(m_panel->textOffEdit()->text(), u"Pause Slideshow"_s);
    // No solid fill: transparent, and its colour cannot be chosen.
    EXPECT_TRUE(m_panel->transparentBox()->isChecked());
    EXPECT_FALSE(m_panel->backgroundColorLabel()->isEnabled());
    EXPECT_FALSE(m_panel->backgroundColorButton()->isEnabled());
    EXPECT_EQ(m_panel->backgroundColorButton()->color(), button->fillColor());
    EXPECT_FALSE(m_panel->showBorderBox()->isChecked());
    EXPECT_FALSE(m_panel->dashedBox()->isChecked());
    EXPECT_FALSE(m_gallery->modified());
}

TEST_F(ComponentPanelTest, AButtonInTextModeShowsItsFont)
{
    GalleryButton *button = m_gallery->soundsButton();
    button->setShowText(true);
    button->setSolidFill(true);
    button->setFillColor(rgbColor(5, 6, 7));
    button->setFontSize(14);
    button->setFontColor(rgbColor(0, 128, 255));
    button->setBold(true);
    button->setItalic(true);
    button->setShowBorder(true);
    button->setBorderSolid(false);
    m_gallery->clearModified();
    selectAndShow(button);
    EXPECT_TRUE(shown(m_panel->textSection()));
    EXPECT_FALSE(shown(m_panel->iconSection()));
    EXPECT_TRUE(m_panel->textRadio()->isChecked());
    EXPECT_FALSE(m_panel->transparentBox()->isChecked());
    EXPECT_TRUE(m_panel->backgroundColorButton()->isEnabled());
    EXPECT_EQ(m_panel->backgroundColorButton()->color(), rgbColor(5, 6, 7));
    EXPECT_EQ(m_panel->fontSizeList()->currentText(), u"14"_s);
    EXPECT_EQ(m_panel->fontColorButton()->color(), rgbColor(0, 128, 255));
    EXPECT_EQ(m_panel->fontStyleList()->currentText(), u"Bold and Italic"_s);
    EXPECT_EQ(m_panel->fontFaceList()->currentText(), u"Arial"_s);
    EXPECT_TRUE(m_panel->showBorderBox()->isChecked());
    EXPECT_TRUE(m_panel->dashedBox()->isChecked());
    EXPECT_FALSE(m_gallery->modified());
    EXPECT_TRUE(button->bold());
    EXPECT_TRUE(button->italic());
}

TEST_F(ComponentPanelTest, FontStyleAndSizeListsShowTheStoredValues)
{
    struct Style { bool bold; bool italic; const char16_t *item; };
    GalleryButton *button = m_gallery->albumsButton();
    button->setShowText(true);
    for (const Style s : {Style{false, false, u"Regular"}, Style{true, false, u"Bold "},
                          Style{false, true, u"Italic"}, Style{true, true, u"Bold and Italic"}}) {
        button->setBold(s.bold);
        button->setItalic(s.italic);
        selectAndShow(button);
        EXPECT_EQ(m_panel->fontStyleList()->currentText(), QString::fromUtf16(s.item));
        EXPECT_EQ(button->bold(), s.bold);
        EXPECT_EQ(button->italic(), s.italic);
    }
    // A size that is not on the list selects no item.
    button->setFontSize(20);
    selectAndShow(button);
    EXPECT_EQ(m_panel->fontSizeList()->currentIndex(), -1);
    EXPECT_EQ(button->fontSize(), 20);
}

TEST_F(ComponentPanelTest, listItems)
{
    QStringList sizes;
    for (int i = 0; i < m_panel->fontSizeList()->count(); ++i)
        sizes.append(m_panel->fontSizeList()->itemText(i));
    EXPECT_EQ(sizes, QStringList({u"8"_s, u"9"_s, u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s, u"16"_s,
                                  u"17"_s, u"18"_s, u"24"_s, u"36"_s, u"48"_s, u"72"_s}));
    QStringList styles;
    for (int i = 0; i < m_panel->fontStyleList()->count(); ++i)
        styles.append(m_panel->fontStyleList()->itemText(i));
    EXPECT_EQ(styles, QStringList({u"Regular"_s, u"Bold "_s, u"Italic"_s, u"Bold and Italic"_s}));

    // Installed fonts, symbol fonts left out.
    const QStringList faces = ComponentPanel::fontFaces();
    EXPECT_FALSE(faces.isEmpty());
    for (const QString &face : faces)
        EXPECT_FALSE(QFontDatabase::writingSystems(face).contains(QFontDatabase::Symbol)) << qPrintable(face);
}

TEST_F(ComponentPanelTest, ChoosingItalicTurnsBoldOff)
{
    GalleryButton *button = m_gallery->playButton();
    button->setShowText(true);
    button->setBold(true);
    button->setItalic(true);
    selectAndShow(button);
    m_panel->fontStyleList()->setCurrentText(u"Italic"_s);
    EXPECT_FALSE(button->bold());
    EXPECT_TRUE(button->italic());
    m_panel->fontStyleList()->setCurrentText(u"Regular"_s);
    EXPECT_FALSE(button->bold());
    EXPECT_FALSE(button->italic());
    m_panel->fontStyleList()->setCurrentText(u"Bold "_s);
    EXPECT_TRUE(button->bold());
    EXPECT_FALSE(button->italic());
}

TEST_F(ComponentPanelTest, EachControlWritesThroughAndMarksTheGalleryModified)
{
    for (const ComponentEdit &edit : buttonEdits()) {
        SCOPED_TRACE(edit.control);
        m_gallery = std::make_unique<GalleryDocument>();
        m_panel->bind(m_gallery.get());
        GalleryButton *button = m_gallery->playButton();
        selectAndShow(button);
        ASSERT_FALSE(m_gallery->modified());
        edit.edit(*m_panel);
        EXPECT_TRUE(edit.applied(*button));
        EXPECT_TRUE(button->modified());
        EXPECT_TRUE(m_gallery->modified());
    }
}

TEST_F(ComponentPanelTest, NoControlWritesWhilePanelsAreUpdatingOrWithoutSelection)
{
    for (const bool guarded : {true, false}) {
        for (const ComponentEdit &edit : buttonEdits()) {
            SCOPED_TRACE(edit.control);
            m_gallery = std::make_unique<GalleryDocument>();
            m_panel->bind(m_gallery.get());
            GalleryButton *button = m_gallery->playButton();
            selectAndShow(button);
            if (guarded) {
                const FillingGuard filling(m_panel->fillingFlag());
                edit.edit(*m_panel);
            } else {
                m_gallery->select(nullptr, false);
                edit.edit(*m_panel);
            }
            EXPECT_FALSE(edit.applied(*button));
            EXPECT_FALSE(m_gallery->modified());
        }
    }
}

TEST_F(ComponentPanelTest, SwitchingModesSwapsTheIconAndTextSections)
{
    GalleryButton *button = m_gallery->playButton();
    selectAndShow(button);
    m_panel->textRadio()->setChecked(true);
    EXPECT_TRUE(button->showText());
    EXPECT_TRUE(shown(m_panel->textSection()));
    EXPECT_FALSE(shown(m_panel->iconSection()));
    m_panel->picturesRadio()->setChecked(true);
    EXPECT_FALSE(button->showText());
    EXPECT_FALSE(shown(m_panel->textSection()));
    EXPECT_TRUE(shown(m_panel->iconSection()));
}

TEST_F(ComponentPanelTest, TransparentBackgroundSwitchesTheSolidFill)
{
    GalleryButton *button = m_gallery->playButton();
    selectAndShow(button);
    m_panel->transparentBox()->click(); // untick: solid
    EXPECT_TRUE(button->solidFill());
    EXPECT_FALSE(button->gradientFill());
    EXPECT_TRUE(m_panel->backgroundColorButton()->isEnabled());
    EXPECT_TRUE(m_panel->backgroundColorLabel()->isEnabled());
    m_panel->transparentBox()->click(); // tick: no fill at all
    EXPECT_FALSE(button->solidFill());
    EXPECT_FALSE(button->gradientFill());
    EXPECT_FALSE(m_panel->backgroundColorButton()->isEnabled());
    EXPECT_FALSE(m_panel->backgroundColorLabel()->isEnabled());

    // A gradient button chosen a colour for becomes solid in that colour.
    button->setGradientFill(true);
    selectAndShow(button);
    m_panel->backgroundColorButton()->setColor(rgbColor(40, 50, 60));
    EXPECT_TRUE(button->solidFill());
    EXPECT_FALSE(button->gradientFill());
    EXPECT_EQ(button->fillColor(), rgbColor(40, 50, 60));
}

TEST_F(ComponentPanelTest, OtherComponentsShowTheirBorderOnly)
{
    selectAndShow(m_gallery->playButton());
    ASSERT_TRUE(shown(m_panel->iconSection()));

    ImageDisplay *display = m_gallery->imageDisplay();
    selectAndShow(display);
    EXPECT_EQ(m_panel->header()->text(), u"Photo Preview"_s);
    EXPECT_FALSE(shown(m_panel->buttonSection()));
    EXPECT_FALSE(shown(m_panel->iconSection()));
    EXPECT_FALSE(shown(m_panel->textSection()));
    EXPECT_TRUE(shown(m_panel->borderSection()));
    m_panel->showBorderBox()->click();
    EXPECT_TRUE(display->showBorder());
    m_panel->borderColorButton()->setColor(rgbColor(0, 77, 0));
    EXPECT_EQ(display->borderColor(), rgbColor(0, 77, 0));

    selectAndShow(m_gallery->thumbnailStrip());
    EXPECT_EQ(m_panel->header()->text(), u"Thumbnail Strip"_s);
    EXPECT_FALSE(shown(m_panel->buttonSection()));
    EXPECT_FALSE(shown(m_panel->textSection()));
    EXPECT_TRUE(m_panel->showBorderBox()->isChecked());
    EXPECT_FALSE(m_panel->dashedBox()->isChecked());
    EXPECT_EQ(m_panel->borderColorButton()->color(), Colors::White);
}

TEST_F(ComponentPanelTest, FontSize48KeepsTheCanvasTextSize)
{
    GalleryButton *button = m_gallery->playButton();
    button->setShowText(true);
    button->setFontSize(12);
    selectAndShow(button);
    const int points = button->previewFont().pointSize();
    m_panel->fontSizeList()->setCurrentText(u"48"_s);
    EXPECT_EQ(button->fontSize(), 48);
    EXPECT_EQ(button->previewFont().pointSize(), points);
    EXPECT_EQ(m_panel->fontSizeList()->currentText(), u"48"_s);
}

TEST_F(ComponentPanelTest, EditingTheTextDoesNotWidenTheButton)
{
    GalleryButton *button = m_gallery->playButton();
    button->setShowText(true);
    selectAndShow(button);
    const int width = button->width();
    int repaints = 0;
    QObject::connect(button, &CanvasObject::repaintRequested, [&repaints] { ++repaints; });
    m_panel->textOnEdit()->setText(u"A much longer caption than the button can hold"_s);
    EXPECT_EQ(button->text(), u"A much longer caption than the button can hold"_s);
    EXPECT_EQ(button->width(), width);
    EXPECT_GT(repaints, 0);
}

TEST_F(ComponentPanelTest, AFaceThatIsNotInstalledIsStillShown)
{
    GalleryButton *button = m_gallery->playButton();
    button->setShowText(true);
    button->setFontFace(u"No Such Face 123"_s);
    const int installed = int(ComponentPanel::fontFaces().size());
    selectAndShow(button);
    EXPECT_EQ(m_panel->fontFaceList()->currentText(), u"No Such Face 123"_s);
    button->setFontFace(u"Another Missing Face"_s);
    selectAndShow(button);
    EXPECT_EQ(m_panel->fontFaceList()->currentText(), u"Another Missing Face"_s);
    EXPECT_EQ(m_panel->fontFaceList()->count(), installed + 1);
    EXPECT_EQ(button->fontFace(), u"Another Missing Face"_s);
}

TEST_F(ComponentPanelTest, CaptionsAndHeader)
{
    ComponentPanel fresh;
    EXPECT_EQ(fresh.header()->text(), u"Graphics"_s);
    EXPECT_EQ(fresh.objectName(), u"componentPanel"_s);
    const QStringList expected = {
        u"Graphics"_s, u"Icons:"_s, u"Pictures:"_s, u"Text:"_s, u"Transparent Background:"_s,
        u"Background Color:"_s, u"Icon Image On:"_s, u"Browse"_s, u"Remove Image"_s, u"Icon Image Off:"_s,
        u"Browse"_s, u"Remove Image"_s, u"Show Border:"_s, u"Dashed:"_s, u"Border Color:"_s, u"Text On:"_s,
        u"Text Off:"_s, u"Font Face:"_s, u"Size and Color:"_s, u"Font Style:"_s};
    EXPECT_EQ(captionsInReadingOrder(&fresh), expected.join(u'|'));
}
