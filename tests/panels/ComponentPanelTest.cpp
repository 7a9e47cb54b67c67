#include "PanelTestSupport.h"

#include "app/AppState.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "panels/ColorButton.h"
#include "panels/TComponentPanel.h"

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
        m_panel = std::make_unique<TComponentPanel>();
        m_panel->Bind(m_gallery.get());
    }
    void TearDown() override
    {
        m_panel.reset();
        PanelTest::TearDown();
    }
    // What the main window does on a selection: select, then let the selection fill its panel.
    void SelectAndShow(FflashComponentBaseClass *component)
    {
        m_gallery->Select(component, true);
        component->ShowProperties();
    }
    std::unique_ptr<TComponentPanel> m_panel;
};

struct ComponentEdit
{
    const char *control;
    std::function<void(TComponentPanel &)> edit;
    std::function<bool(FflashButtonClass &)> applied;
};

// Edits made on the play button, which starts in picture mode without fill or border.
const std::vector<ComponentEdit> &ButtonEdits()
{
    static const std::vector<ComponentEdit> edits = {
        {"Text:", [](TComponentPanel &p) { p.TextRadio()->setChecked(true); },
         [](FflashButtonClass &b) { return b.ShowText(); }},
        {"Transparent Background:", [](TComponentPanel &p) { p.TransparentBox()->click(); },
         [](FflashButtonClass &b) { return b.SolidFill() && !b.GradientFill(); }},
        {"Background Color:", [](TComponentPanel &p) { p.BackgroundColorButton()->SetColor(RgbColor(1, 2, 3)); },
         [](FflashButtonClass &b) { return b.FillColor() == RgbColor(1, 2, 3) && b.SolidFill() && !b.GradientFill(); }},
        {"Show Border:", [](TComponentPanel &p) { p.ShowBorderBox()->click(); },
         [](FflashButtonClass &b) { return b.ShowBorder(); }},
        {"Dashed:", [](TComponentPanel &p) { p.DashedBox()->click(); },
         [](FflashButtonClass &b) { return !b.BorderSolid(); }},
        {"Border Color:", [](TComponentPanel &p) { p.BorderColorButton()->SetColor(RgbColor(9, 8, 7)); },
         [](FflashButtonClass &b) { return b.BorderColor() == RgbColor(9, 8, 7); }},
        {"Text On:", [](TComponentPanel &p) { p.TextOnEdit()->setText(u"Go"_s); },
         [](FflashButtonClass &b) { return b.Text() == u"Go"_s; }},
        {"Text Off:", [](TComponentPanel &p) { p.TextOffEdit()->setText(u"Stop"_s); },
         [](FflashButtonClass &b) { return b.ToggleText() == u"Stop"_s; }},
        {"Font Face:",
         [](TComponentPanel &p) {
             QComboBox *list = p.FontFaceList();
             for (int i = 0; i < list->count(); ++i) {
                 if (list->itemText(i) != list->currentText()) {
                     list->setCurrentIndex(i);
                     return;
                 }
             }
         },
         [](FflashButtonClass &b) { return b.FontFace() != u"Arial"_s; }},
        {"Size and Color: colour", [](TComponentPanel &p) { p.FontColorButton()->SetColor(RgbColor(0, 0, 99)); },
         [](FflashButtonClass &b) { return b.FontColor() == RgbColor(0, 0, 99); }},
        {"Size and Color: size", [](TComponentPanel &p) { p.FontSizeList()->setCurrentText(u"18"_s); },
         [](FflashButtonClass &b) { return b.FontSize() == 18; }},
        {"Font Style:", [](TComponentPanel &p) { p.FontStyleList()->setCurrentIndex(3); },
         [](FflashButtonClass &b) { return b.Bold() && b.Italic(); }},
    };
    return edits;
}

bool Shown(QWidget *section)
{
    return !section->isHidden();
}

} // namespace

TEST_F(ComponentPanelTest, AButtonInPictureModeShowsItsIconsAndBackground)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    SelectAndShow(button);
    EXPECT_EQ(m_panel->Header()->text(), u"Icons"_s);
    EXPECT_TRUE(Shown(m_panel->ButtonSection()));
    EXPECT_TRUE(Shown(m_panel->IconSection()));
    EXPECT_TRUE(Shown(m_panel->BorderSection()));
    EXPECT_FALSE(Shown(m_panel->TextSection()));
    EXPECT_TRUE(m_panel->PicturesRadio()->isChecked());
    EXPECT_FALSE(m_panel->TextRadio()->isChecked());
    EXPECT_EQ(m_panel->TextOnEdit()->text(), u"Play Slideshow"_s);
    EXPECT_EQ(m_panel->TextOffEdit()->text(), u"Pause Slideshow"_s);
    // No solid fill: transparent, and its colour cannot be chosen.
    EXPECT_TRUE(m_panel->TransparentBox()->isChecked());
    EXPECT_FALSE(m_panel->BackgroundColorLabel()->isEnabled());
    EXPECT_FALSE(m_panel->BackgroundColorButton()->isEnabled());
    EXPECT_EQ(m_panel->BackgroundColorButton()->Color(), button->FillColor());
    EXPECT_FALSE(m_panel->ShowBorderBox()->isChecked());
    EXPECT_FALSE(m_panel->DashedBox()->isChecked());
    EXPECT_FALSE(m_gallery->Modified());
}

TEST_F(ComponentPanelTest, AButtonInTextModeShowsItsFont)
{
    FflashButtonClass *button = m_gallery->SoundsButton();
    button->SetShowText(true);
    button->SetSolidFill(true);
    button->SetFillColor(RgbColor(5, 6, 7));
    button->SetFontSize(14);
    button->SetFontColor(RgbColor(0, 128, 255));
    button->SetBold(true);
    button->SetItalic(true);
    button->SetShowBorder(true);
    button->SetBorderSolid(false);
    m_gallery->ClearModified();
    SelectAndShow(button);
    EXPECT_TRUE(Shown(m_panel->TextSection()));
    EXPECT_FALSE(Shown(m_panel->IconSection()));
    EXPECT_TRUE(m_panel->TextRadio()->isChecked());
    EXPECT_FALSE(m_panel->TransparentBox()->isChecked());
    EXPECT_TRUE(m_panel->BackgroundColorButton()->isEnabled());
    EXPECT_EQ(m_panel->BackgroundColorButton()->Color(), RgbColor(5, 6, 7));
    EXPECT_EQ(m_panel->FontSizeList()->currentText(), u"14"_s);
    EXPECT_EQ(m_panel->FontColorButton()->Color(), RgbColor(0, 128, 255));
    EXPECT_EQ(m_panel->FontStyleList()->currentText(), u"Bold and Italic"_s);
    EXPECT_EQ(m_panel->FontFaceList()->currentText(), u"Arial"_s);
    EXPECT_TRUE(m_panel->ShowBorderBox()->isChecked());
    EXPECT_TRUE(m_panel->DashedBox()->isChecked());
    EXPECT_FALSE(m_gallery->Modified());
    EXPECT_TRUE(button->Bold());
    EXPECT_TRUE(button->Italic());
}

TEST_F(ComponentPanelTest, FontStyleAndSizeListsShowTheStoredValues)
{
    struct Style { bool bold; bool italic; const char16_t *item; };
    FflashButtonClass *button = m_gallery->AlbumsButton();
    button->SetShowText(true);
    for (const Style s : {Style{false, false, u"Regular"}, Style{true, false, u"Bold "},
                          Style{false, true, u"Italic"}, Style{true, true, u"Bold and Italic"}}) {
        button->SetBold(s.bold);
        button->SetItalic(s.italic);
        SelectAndShow(button);
        EXPECT_EQ(m_panel->FontStyleList()->currentText(), QString::fromUtf16(s.item));
        EXPECT_EQ(button->Bold(), s.bold);
        EXPECT_EQ(button->Italic(), s.italic);
    }
    // A size that is not on the list selects no item.
    button->SetFontSize(20);
    SelectAndShow(button);
    EXPECT_EQ(m_panel->FontSizeList()->currentIndex(), -1);
    EXPECT_EQ(button->FontSize(), 20);
}

TEST_F(ComponentPanelTest, ListItems)
{
    QStringList sizes;
    for (int i = 0; i < m_panel->FontSizeList()->count(); ++i)
        sizes.append(m_panel->FontSizeList()->itemText(i));
    EXPECT_EQ(sizes, QStringList({u"8"_s, u"9"_s, u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s, u"16"_s,
                                  u"17"_s, u"18"_s, u"24"_s, u"36"_s, u"48"_s, u"72"_s}));
    QStringList styles;
    for (int i = 0; i < m_panel->FontStyleList()->count(); ++i)
        styles.append(m_panel->FontStyleList()->itemText(i));
    EXPECT_EQ(styles, QStringList({u"Regular"_s, u"Bold "_s, u"Italic"_s, u"Bold and Italic"_s}));

    // Installed fonts, symbol fonts left out.
    const QStringList faces = TComponentPanel::FontFaces();
    EXPECT_FALSE(faces.isEmpty());
    for (const QString &face : faces)
        EXPECT_FALSE(QFontDatabase::writingSystems(face).contains(QFontDatabase::Symbol)) << qPrintable(face);
}

TEST_F(ComponentPanelTest, ChoosingItalicTurnsBoldOff)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    button->SetShowText(true);
    button->SetBold(true);
    button->SetItalic(true);
    SelectAndShow(button);
    m_panel->FontStyleList()->setCurrentText(u"Italic"_s);
    EXPECT_FALSE(button->Bold());
    EXPECT_TRUE(button->Italic());
    m_panel->FontStyleList()->setCurrentText(u"Regular"_s);
    EXPECT_FALSE(button->Bold());
    EXPECT_FALSE(button->Italic());
    m_panel->FontStyleList()->setCurrentText(u"Bold "_s);
    EXPECT_TRUE(button->Bold());
    EXPECT_FALSE(button->Italic());
}

TEST_F(ComponentPanelTest, EachControlWritesThroughAndMarksTheGalleryModified)
{
    for (const ComponentEdit &edit : ButtonEdits()) {
        SCOPED_TRACE(edit.control);
        m_gallery = std::make_unique<FflashMovie>();
        m_panel->Bind(m_gallery.get());
        FflashButtonClass *button = m_gallery->PlayButton();
        SelectAndShow(button);
        ASSERT_FALSE(m_gallery->Modified());
        edit.edit(*m_panel);
        EXPECT_TRUE(edit.applied(*button));
        EXPECT_TRUE(button->Modified());
        EXPECT_TRUE(m_gallery->Modified());
    }
}

TEST_F(ComponentPanelTest, NoControlWritesWhilePanelsAreUpdatingOrWithoutSelection)
{
    for (const bool guarded : {true, false}) {
        for (const ComponentEdit &edit : ButtonEdits()) {
            SCOPED_TRACE(edit.control);
            m_gallery = std::make_unique<FflashMovie>();
            m_panel->Bind(m_gallery.get());
            FflashButtonClass *button = m_gallery->PlayButton();
            SelectAndShow(button);
            if (guarded) {
                UpdatingPanelsGuard filling;
                edit.edit(*m_panel);
            } else {
                m_gallery->Select(nullptr, false);
                edit.edit(*m_panel);
            }
            EXPECT_FALSE(edit.applied(*button));
            EXPECT_FALSE(m_gallery->Modified());
        }
    }
}

TEST_F(ComponentPanelTest, SwitchingModesSwapsTheIconAndTextSections)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    SelectAndShow(button);
    m_panel->TextRadio()->setChecked(true);
    EXPECT_TRUE(button->ShowText());
    EXPECT_TRUE(Shown(m_panel->TextSection()));
    EXPECT_FALSE(Shown(m_panel->IconSection()));
    m_panel->PicturesRadio()->setChecked(true);
    EXPECT_FALSE(button->ShowText());
    EXPECT_FALSE(Shown(m_panel->TextSection()));
    EXPECT_TRUE(Shown(m_panel->IconSection()));
}

TEST_F(ComponentPanelTest, TransparentBackgroundSwitchesTheSolidFill)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    SelectAndShow(button);
    m_panel->TransparentBox()->click(); // untick: solid
    EXPECT_TRUE(button->SolidFill());
    EXPECT_FALSE(button->GradientFill());
    EXPECT_TRUE(m_panel->BackgroundColorButton()->isEnabled());
    EXPECT_TRUE(m_panel->BackgroundColorLabel()->isEnabled());
    m_panel->TransparentBox()->click(); // tick: no fill at all
    EXPECT_FALSE(button->SolidFill());
    EXPECT_FALSE(button->GradientFill());
    EXPECT_FALSE(m_panel->BackgroundColorButton()->isEnabled());
    EXPECT_FALSE(m_panel->BackgroundColorLabel()->isEnabled());

    // A gradient button chosen a colour for becomes solid in that colour.
    button->SetGradientFill(true);
    SelectAndShow(button);
    m_panel->BackgroundColorButton()->SetColor(RgbColor(40, 50, 60));
    EXPECT_TRUE(button->SolidFill());
    EXPECT_FALSE(button->GradientFill());
    EXPECT_EQ(button->FillColor(), RgbColor(40, 50, 60));
}

TEST_F(ComponentPanelTest, OtherComponentsShowTheirBorderOnly)
{
    SelectAndShow(m_gallery->PlayButton());
    ASSERT_TRUE(Shown(m_panel->IconSection()));

    FflashImageDisplay *display = m_gallery->ImageDisplay();
    SelectAndShow(display);
    EXPECT_EQ(m_panel->Header()->text(), u"Photo Preview"_s);
    EXPECT_FALSE(Shown(m_panel->ButtonSection()));
    EXPECT_FALSE(Shown(m_panel->IconSection()));
    EXPECT_FALSE(Shown(m_panel->TextSection()));
    EXPECT_TRUE(Shown(m_panel->BorderSection()));
    m_panel->ShowBorderBox()->click();
    EXPECT_TRUE(display->ShowBorder());
    m_panel->BorderColorButton()->SetColor(RgbColor(0, 77, 0));
    EXPECT_EQ(display->BorderColor(), RgbColor(0, 77, 0));

    SelectAndShow(m_gallery->ThumbnailStrip());
    EXPECT_EQ(m_panel->Header()->text(), u"Thumbnail Strip"_s);
    EXPECT_FALSE(Shown(m_panel->ButtonSection()));
    EXPECT_FALSE(Shown(m_panel->TextSection()));
    EXPECT_TRUE(m_panel->ShowBorderBox()->isChecked());
    EXPECT_FALSE(m_panel->DashedBox()->isChecked());
    EXPECT_EQ(m_panel->BorderColorButton()->Color(), Colors::White);
}

TEST_F(ComponentPanelTest, FontSize48KeepsTheCanvasTextSize)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    button->SetShowText(true);
    button->SetFontSize(12);
    SelectAndShow(button);
    const int points = button->PreviewFont().pointSize();
    m_panel->FontSizeList()->setCurrentText(u"48"_s);
    EXPECT_EQ(button->FontSize(), 48);
    EXPECT_EQ(button->PreviewFont().pointSize(), points);
    EXPECT_EQ(m_panel->FontSizeList()->currentText(), u"48"_s);
}

TEST_F(ComponentPanelTest, EditingTheTextDoesNotWidenTheButton)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    button->SetShowText(true);
    SelectAndShow(button);
    const int width = button->Width();
    int repaints = 0;
    QObject::connect(button, &FflashObjectBaseClass::RepaintRequested, [&repaints] { ++repaints; });
    m_panel->TextOnEdit()->setText(u"A much longer caption than the button can hold"_s);
    EXPECT_EQ(button->Text(), u"A much longer caption than the button can hold"_s);
    EXPECT_EQ(button->Width(), width);
    EXPECT_GT(repaints, 0);
}

TEST_F(ComponentPanelTest, AFaceThatIsNotInstalledIsStillShown)
{
    FflashButtonClass *button = m_gallery->PlayButton();
    button->SetShowText(true);
    button->SetFontFace(u"No Such Face 123"_s);
    const int installed = int(TComponentPanel::FontFaces().size());
    SelectAndShow(button);
    EXPECT_EQ(m_panel->FontFaceList()->currentText(), u"No Such Face 123"_s);
    button->SetFontFace(u"Another Missing Face"_s);
    SelectAndShow(button);
    EXPECT_EQ(m_panel->FontFaceList()->currentText(), u"Another Missing Face"_s);
    EXPECT_EQ(m_panel->FontFaceList()->count(), installed + 1);
    EXPECT_EQ(button->FontFace(), u"Another Missing Face"_s);
}

TEST_F(ComponentPanelTest, CaptionsAndHeader)
{
    TComponentPanel fresh;
    EXPECT_EQ(fresh.Header()->text(), u"Graphics"_s);
    EXPECT_EQ(fresh.objectName(), u"basePanel"_s);
    const QStringList expected = {
        u"Graphics"_s, u"Icons:"_s, u"Pictures:"_s, u"Text:"_s, u"Transparent Background:"_s,
        u"Background Color:"_s, u"Icon Image On:"_s, u"Browse"_s, u"Remove Image"_s, u"Icon Image Off:"_s,
        u"Browse"_s, u"Remove Image"_s, u"Show Border:"_s, u"Dashed:"_s, u"Border Color:"_s, u"Text On:"_s,
        u"Text Off:"_s, u"Font Face:"_s, u"Size and Color:"_s, u"Font Style:"_s};
    EXPECT_EQ(CaptionsInReadingOrder(&fresh), expected.join(u'|'));
}
