#include "ImageResizeSettings.h"

#include <QSize>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Effect = ImageResizeSettings::EntryEffect;

TEST(ImageResizeSettingsTest, ChooserEntriesInOrder)
{
    const QStringList expected = {u"640 x 480 "_s, u"800 x 600 (default)"_s, u"1024 x 768"_s, u"1152 x 864"_s,
                                  u"1280 x 800"_s, u"1440 x 900"_s, u"NO RESIZE"_s};
    EXPECT_EQ(ImageResizeSettings::chooserEntries(), expected);
    EXPECT_EQ(ImageResizeSettings::defaultEntry(), expected[1]);
}

TEST(ImageResizeSettingsTest, EveryEntry)
{
    const QList<QSize> bounds = {{640, 480}, {800, 600}, {1024, 768}, {1152, 864}, {1280, 800}, {1440, 900}};
    for (qsizetype i = 0; i < bounds.size(); ++i) {
        ImageResizeSettings s;
        s.resizeImages = false;
        EXPECT_EQ(s.applyEntry(ImageResizeSettings::chooserEntries()[i]), Effect::Resize);
        EXPECT_TRUE(s.resizeImages);
        EXPECT_EQ(QSize(s.maxWidth, s.maxHeight), bounds[i]);
    }
}

TEST(ImageResizeSettingsTest, NoResizeAndBackOn)
{
    ImageResizeSettings s;
    EXPECT_EQ(s.applyEntry(u"NO RESIZE"_s), Effect::NoResize);
    EXPECT_FALSE(s.resizeImages);
    EXPECT_EQ(s.applyEntry(u"1024 x 768"_s), Effect::Resize);
    EXPECT_TRUE(s.resizeImages);
    EXPECT_EQ(s.maxWidth, 1024);
    EXPECT_EQ(s.maxHeight, 768);
    EXPECT_EQ(s.applyEntry(u"1280x800"_s), Effect::Resize); // the command line's spelling
    EXPECT_EQ(s.maxWidth, 1280);
    EXPECT_EQ(s.maxHeight, 800);
}

TEST(ImageResizeSettingsTest, EmptyEntryChangesNothing)
{
    ImageResizeSettings s;
    s.resizeImages = false;
    EXPECT_EQ(s.applyEntry(QString()), Effect::None);
    EXPECT_FALSE(s.resizeImages);
    EXPECT_EQ(s.maxWidth, 800);
}

TEST(ImageResizeSettingsTest, DefaultsAndFixedThumbnailBounds)
{
    ImageResizeSettings s;
    EXPECT_TRUE(s.resizeImages);
    EXPECT_EQ(s.maxWidth, 800);
    EXPECT_EQ(s.maxHeight, 600);
    EXPECT_EQ(s.thumbWidth, 150);
    EXPECT_EQ(s.thumbHeight, 100);
}

TEST(ImageResizeSettingsTest, SwitchedOffForALoadAndRestored)
{
    ImageResizeSettings &s = ImageResizeSettings::instance();
    for (bool before : {true, false}) {
        s.resizeImages = before;
        {
            ResizeSwitchedOff loading;
            EXPECT_FALSE(s.resizeImages);
        }
        EXPECT_EQ(s.resizeImages, before);
    }
    s.resizeImages = true;
}
