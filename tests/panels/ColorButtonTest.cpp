#include "ColorButton.h"

#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ColorButton, ReportsEachNewColourOnce)
{
    ColorButton button;
    QSignalSpy changed(&button, &ColorButton::colorChanged);
    button.setColor(rgbColor(1, 2, 3));
    button.setColor(rgbColor(1, 2, 3));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].value<PackedColor>(), rgbColor(1, 2, 3));
    EXPECT_EQ(button.color(), rgbColor(1, 2, 3));
}

TEST(ColorButton, PaletteSwatchChoosesItsColour)
{
    ColorButton button;
    button.setColor(Colors::Black);
    QSignalSpy changed(&button, &ColorButton::colorChanged);
    const QList<PackedColor> &palette = ColorButton::paletteColors();
    ASSERT_GT(palette.size(), 9);
    auto *swatch = button.menu()->findChild<QToolButton *>(u"swatch9"_s);
    ASSERT_NE(swatch, nullptr);
    swatch->click();
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(button.color(), palette[9]);
    // The palette is followed by the choice that opens the full colour dialog.
    const QList<QAction *> actions = button.menu()->actions();
    ASSERT_FALSE(actions.isEmpty());
    EXPECT_FALSE(actions.last()->text().isEmpty());
}
