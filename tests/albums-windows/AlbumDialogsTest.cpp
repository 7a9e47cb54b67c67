#include "windows/WindowTestSupport.h"

#include "ImageResizeSettings.h"
#include "AddImagesDialog.h"
#include "ImportProgressDialog.h"
#include "PhotoLinkDialog.h"
#include "MessageBox.h"
#include "SettingsStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class AlbumDialogsTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ImageResizeSettings::instance() = ImageResizeSettings();
        m_store = std::make_unique<SettingsStore>(tempPath(u"settings.ini"_s));
    }
    void TearDown() override
    {
        m_store.reset();
        ImageResizeSettings::instance() = ImageResizeSettings();
        WindowTest::TearDown();
    }
    std::unique_ptr<SettingsStore> m_store;
};

const QString NoResizeWarning = u"This may greatly increase the time it takes to load your photos!"_s;

} // namespace

TEST_F(AlbumDialogsTest, ChooserHasTheSevenEntriesWithTheDefaultSelected)
{
    AddImagesDialog chooser(nullptr, m_store.get());
    const QStringList expected = {u"640 x 480 "_s, u"800 x 600 (default)"_s, u"1024 x 768"_s, u"1152 x 864"_s,
                                  u"1280 x 800"_s, u"1440 x 900"_s, u"NO RESIZE"_s};
    QStringList entries;
    for (int i = 0; i < chooser.resizeList()->count(); ++i)
        entries.append(chooser.resizeList()->itemText(i));
    EXPECT_EQ(entries, expected);
    EXPECT_FALSE(chooser.resizeList()->isEditable());
    EXPECT_EQ(chooser.resizeEntry(), u"800 x 600 (default)"_s);
    EXPECT_EQ(chooser.windowTitle(), u"Add Images"_s);
    const auto &settings = ImageResizeSettings::instance();
    EXPECT_TRUE(settings.resizeImages);
    EXPECT_EQ(settings.maxWidth, 800);
    EXPECT_EQ(settings.maxHeight, 600);
}

struct EntryCase
{
    const char *name;
    const char16_t *entry;
    bool resize;
    int width;
    int height;
};

class ChooserEntryTest : public AlbumDialogsTest, public ::testing::WithParamInterface<EntryCase>
{
};

TEST_P(ChooserEntryTest, PickingAnEntrySetsTheBounds)
{
    const EntryCase &c = GetParam();
    AddImagesDialog chooser(nullptr, m_store.get());
    chooser.show();
    chooser.setResizeEntry(u"NO RESIZE"_s);
    chooser.setResizeEntry(QString::fromUtf16(c.entry));
    const auto &settings = ImageResizeSettings::instance();
    EXPECT_EQ(settings.resizeImages, c.resize);
    if (c.resize) {
        EXPECT_EQ(settings.maxWidth, c.width);
        EXPECT_EQ(settings.maxHeight, c.height);
    }
    // The entry is kept for the next start.
    AddImagesDialog next(nullptr, m_store.get());
    EXPECT_EQ(next.resizeEntry(), QString::fromUtf16(c.entry));
}

INSTANTIATE_TEST_SUITE_P(entries, ChooserEntryTest,
    ::testing::Values(EntryCase{"Small", u"640 x 480 ", true, 640, 480},
                      EntryCase{"Default", u"800 x 600 (default)", true, 800, 600},
                      EntryCase{"Large", u"1024 x 768", true, 1024, 768},
                      EntryCase{"Wide", u"1440 x 900", true, 1440, 900},
                      EntryCase{"None", u"NO RESIZE", false, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AlbumDialogsTest, NoResizeWarnsOnlyWhileTheDialogIsShown)
{
    AddImagesDialog chooser(nullptr, m_store.get());
    chooser.setResizeEntry(u"NO RESIZE"_s); // not on the screen
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
    EXPECT_FALSE(ImageResizeSettings::instance().resizeImages);
    chooser.setResizeEntry(u"1024 x 768"_s);
    chooser.show();
    chooser.setResizeEntry(u"NO RESIZE"_s);
    EXPECT_EQ(MessageBox::shownTexts(), QStringList{NoResizeWarning});
}

TEST_F(AlbumDialogsTest, ASavedNoResizeAppliesAtStartWithoutAWarning)
{
    m_store->writeString(AddImagesDialog::settingsKey(), u"ResizeEntry"_s, u"NO RESIZE"_s);
    AddImagesDialog chooser(nullptr, m_store.get());
    EXPECT_EQ(chooser.resizeEntry(), u"NO RESIZE"_s);
    EXPECT_FALSE(ImageResizeSettings::instance().resizeImages);
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
}

TEST_F(AlbumDialogsTest, AnUnknownSavedEntryFallsBackToTheDefault)
{
    m_store->writeString(AddImagesDialog::settingsKey(), u"ResizeEntry"_s, u"9999 x 1"_s);
    AddImagesDialog chooser(nullptr, m_store.get());
    EXPECT_EQ(chooser.resizeEntry(), u"800 x 600 (default)"_s);
    EXPECT_EQ(ImageResizeSettings::instance().maxWidth, 800);
}

struct KeyCase
{
    const char *name;
    int key;
    bool chosen;
    bool individual;
};

class ChooserKeyTest : public AlbumDialogsTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(ChooserKeyTest, EnterAddsImagesAndEscAddsAFolder)
{
    const KeyCase &c = GetParam();
    AddImagesDialog chooser(nullptr, m_store.get());
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    QTest::keyClick(&chooser, Qt::Key(c.key));
    EXPECT_EQ(chooser.chosen(), c.chosen);
    if (c.chosen) {
        EXPECT_EQ(chooser.individualFiles(), c.individual);
    }
    EXPECT_FALSE(chooser.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, ChooserKeyTest,
    ::testing::Values(KeyCase{"Enter", Qt::Key_Return, true, true}, KeyCase{"Esc", Qt::Key_Escape, true, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AlbumDialogsTest, ClosingTheChooserOtherwiseChoosesNothing)
{
    AddImagesDialog chooser(nullptr, m_store.get());
    chooser.show();
    chooser.close();
    EXPECT_FALSE(chooser.chosen());
    // The buttons choose, and every showing starts without a choice.
    chooser.show();
    chooser.addFolderButton()->click();
    EXPECT_TRUE(chooser.chosen());
    EXPECT_FALSE(chooser.individualFiles());
    chooser.show();
    EXPECT_FALSE(chooser.chosen());
}

TEST_F(AlbumDialogsTest, ChooserKeepsItsPlace)
{
    {
        AddImagesDialog chooser(nullptr, m_store.get());
        chooser.show();
        chooser.move(123, 87);
        chooser.addImagesButton()->click();
    }
    EXPECT_EQ(m_store->readInt(AddImagesDialog::settingsKey(), u"Left"_s, -1), 123);
    EXPECT_EQ(m_store->readInt(AddImagesDialog::settingsKey(), u"Top"_s, -1), 87);
    EXPECT_EQ(m_store->readInt(AddImagesDialog::settingsKey(), u"Width"_s, -1), 303);
    EXPECT_EQ(m_store->readInt(AddImagesDialog::settingsKey(), u"Height"_s, -1), 245);
    AddImagesDialog next(nullptr, m_store.get());
    EXPECT_EQ(next.pos(), QPoint(123, 87));
}

struct LinkCase
{
    const char *name;
    const char16_t *before;
    const char16_t *typed; // nullptr: the box left as it was filled
    bool ok;
    const char16_t *after;
};

class LinkDialogTest : public AlbumDialogsTest, public ::testing::WithParamInterface<LinkCase>
{
};

TEST_P(LinkDialogTest, OkAndCancel)
{
    const LinkCase &c = GetParam();
    PhotoLinkDialog dialog;
    dialog.prepare(QString::fromUtf16(c.before));
    const QString before = QString::fromUtf16(c.before);
    EXPECT_EQ(dialog.linkEdit()->text(), before.isEmpty() ? u"http://"_s : before);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    if (c.typed)
        dialog.linkEdit()->setText(QString::fromUtf16(c.typed));
    if (c.ok)
        QTest::keyClick(dialog.linkEdit(), Qt::Key_Return); // Ok is the default button
    else
        dialog.cancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.wasAccepted(), c.ok);
    if (c.ok) {
        EXPECT_EQ(dialog.link(), QString::fromUtf16(c.after));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkDialogTest,
    ::testing::Values(LinkCase{"PrefillKeepsEmpty", u"", nullptr, true, u""},
                      LinkCase{"PrefillKeepsOld", u"http://a.example/", u"http://", true, u"http://a.example/"},
                      LinkCase{"EmptiedClears", u"http://a.example/", u"", true, u""},
                      LinkCase{"TypedReplaces", u"", u"http://b.example/x", true, u"http://b.example/x"},
                      LinkCase{"CancelKeeps", u"http://a.example/", u"http://c.example/", false, u""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AlbumDialogsTest, EveryOpenStartsAfresh)
{
    PhotoLinkDialog dialog;
    PhotoLinkDialog::setNextAnswer(u"http://x.example/"_s);
    dialog.open(QString());
    EXPECT_TRUE(dialog.wasAccepted());
    EXPECT_EQ(dialog.link(), u"http://x.example/"_s);
    PhotoLinkDialog::setNextAnswer(std::nullopt);
    dialog.open(u"http://y.example/"_s);
    EXPECT_FALSE(dialog.wasAccepted());
    EXPECT_EQ(dialog.link(), u"http://y.example/"_s);
}

TEST_F(AlbumDialogsTest, ProgressRowsBarAndCancel)
{
    ImportProgressDialog progress;
    EXPECT_EQ(progress.windowTitle(), u"Loading Images"_s);
    EXPECT_EQ(ImportProgress::current(), &progress);
    progress.setTotal(4);
    progress.Step();
    progress.Step();
    EXPECT_EQ(progress.loadingRow(), u"Loading: 2 of 4 images"_s);
    progress.setCurrentImage(u"a.jpg"_s);
    progress.setStatus(u"Scaling..."_s);
    progress.setPercent(60);
    EXPECT_EQ(progress.currentImageText(), u"a.jpg"_s);
    EXPECT_EQ(progress.statusText(), u"Scaling..."_s);
    EXPECT_EQ(progress.barPercent(), 60);
    progress.cancelButton()->click();
    EXPECT_TRUE(progress.cancelled());
    // Showing clears the cancel mark and the bar; the counter starts again with the total.
    progress.showFor(nullptr);
    EXPECT_FALSE(progress.cancelled());
    EXPECT_EQ(progress.barPercent(), 0);
    EXPECT_FALSE(progress.isModal());
    progress.setTotal(1);
    EXPECT_EQ(progress.loadingRow(), u"Loading: 0 of 1 images"_s);
    progress.closeProgress();
    EXPECT_FALSE(progress.isVisible());
}

TEST_F(AlbumDialogsTest, ProgressUnregistersWhenItGoes)
{
    {
        ImportProgressDialog progress;
        EXPECT_EQ(ImportProgress::current(), &progress);
    }
    EXPECT_NE(ImportProgress::current(), nullptr);
    ImportProgress::current()->setStatus(u"ignored"_s); // the silent sink
}
