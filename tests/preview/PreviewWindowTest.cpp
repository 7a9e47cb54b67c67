#include "PreviewTestSupport.h"

#include "albums/FThummnailCatagory.h"
#include "app/AppFolders.h"
#include "app/AppState.h"
#include "app/MessageBox.h"
#include "app/TwMain.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "gallery/TpreviewWindow.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Where the player drew the gallery in a picture of the view: the box of everything that is
// not the page's white.
QRect DrawnArea(const QImage &image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 235 || c.green() < 235 || c.blue() < 235)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

class PreviewWindowTest : public PreviewTest
{
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        if (HasFatalFailure())
            return;
        m_gallery = std::make_unique<FflashMovie>();
        m_gallery->ResetAsNewGallery();
    }
    void TearDown() override
    {
        PreviewTest::TearDown();
        m_gallery.reset();
    }

    // The default gallery with a red, a green and a blue photo, in that order.
    void AddPhotos()
    {
        FThummnailCatagory *album = m_gallery->ThumbnailStrip()->Albums().first();
        album->AddImage(MakePhoto(u"first.jpg"_s, Qt::red));
        album->AddImage(MakePhoto(u"second.jpg"_s, Qt::green));
        album->AddImage(MakePhoto(u"third.jpg"_s, Qt::blue));
        ASSERT_EQ(album->images().size(), 3);
    }

    // Runs the preview and waits for its page; false when the page did not load.
    bool PreviewAndWait()
    {
        QSignalSpy loaded(TpreviewWindow::Instance()->WebBrowser1(), &QWebEngineView::loadFinished);
        TpreviewWindow::Preview(m_gallery.get());
        if (loaded.isEmpty() && !loaded.wait(60000)) {
            ADD_FAILURE() << "the preview page did not finish loading within 60 s";
            return false;
        }
        EXPECT_TRUE(loaded.first().first().toBool()) << "the preview page failed to load";
        return loaded.first().first().toBool();
    }

    // The result of a script in the preview page, or nothing when it gave no answer in time.
    std::optional<QVariant> RunScript(const QString &script)
    {
        std::optional<QVariant> result;
        TpreviewWindow::Existing()->WebBrowser1()->page()->runJavaScript(
            script, [&result](const QVariant &value) { result = value; });
        QDeadlineTimer deadline(10000);
        while (!result && !deadline.hasExpired())
            QTest::qWait(20);
        return result;
    }

    // Grabs the view until the player has drawn the stage and the first photo in it.
    QImage WaitForDrawnGallery(QRect *stage)
    {
        QWebEngineView *view = TpreviewWindow::Existing()->WebBrowser1();
        const FflashImageDisplay *display = m_gallery->ImageDisplay();
        const QPoint displayCentre(display->Left() + display->Width() / 2, display->Top() + display->Height() / 2);
        QImage image;
        QDeadlineTimer deadline(30000);
        do {
            QTest::qWait(100);
            image = view->grab().toImage();
            *stage = DrawnArea(image);
            if (stage->width() >= m_gallery->Width() - 2
                && Near(image.pixelColor(stage->topLeft() + displayCentre), Qt::red))
                break;
        } while (!deadline.hasExpired());
        return image;
    }

    std::unique_ptr<FflashMovie> m_gallery;
};

TEST_F(PreviewWindowTest, ThePlayerDrawsTheGalleryWithItsFirstPhoto)
{
    Watchdog watchdog(150s, "the preview test");
    AddPhotos();
    ASSERT_TRUE(PreviewAndWait());

    TpreviewWindow *window = TpreviewWindow::Existing();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), u"Preview"_s);
    EXPECT_EQ(window->WebBrowser1()->url(),
              QUrl::fromLocalFile(AppFolders::TempFolder() + u"temp.html"_s));
    // The gallery's size plus 100 x 75, the view filling it.
    EXPECT_EQ(window->size(), QSize(600, 537));
    EXPECT_EQ(window->WebBrowser1()->geometry(), window->rect());

    QRect stage;
    const QImage image = WaitForDrawnGallery(&stage);
    ASSERT_FALSE(stage.isEmpty()) << "nothing was drawn on the page";
    EXPECT_NEAR(stage.width(), 500, 2);
    EXPECT_NEAR(stage.height(), 462, 2);
    // The default gallery's stage is black inside its grey border.
    EXPECT_TRUE(Near(image.pixelColor(stage.topLeft() + QPoint(5, 5)), Qt::black))
        << "stage colour " << image.pixelColor(stage.topLeft() + QPoint(5, 5)).name().toStdString();
    EXPECT_TRUE(Near(image.pixelColor(stage.topLeft()), Qt::gray))
        << "border colour " << image.pixelColor(stage.topLeft()).name().toStdString();
    const FflashImageDisplay *display = m_gallery->ImageDisplay();
    const QPoint centre = stage.topLeft() + QPoint(display->Left() + display->Width() / 2,
                                                   display->Top() + display->Height() / 2);
    EXPECT_TRUE(Near(image.pixelColor(centre), Qt::red))
        << "the display shows " << image.pixelColor(centre).name().toStdString() << ", not the first photo";
}

TEST_F(PreviewWindowTest, ClosingThePreviewTakesThePageAway)
{
    Watchdog watchdog(150s, "the preview test");
    AddPhotos();
    ASSERT_TRUE(PreviewAndWait());
    TpreviewWindow *window = TpreviewWindow::Existing();
    QRect stage;
    WaitForDrawnGallery(&stage);
    const std::optional<QVariant> running = RunScript(u"typeof window.FotoviaPlayer"_s);
    ASSERT_TRUE(running.has_value());
    EXPECT_EQ(running->toString(), u"object"_s) << "the player did not start";

    QSignalSpy loaded(window->WebBrowser1(), &QWebEngineView::loadFinished);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    ASSERT_TRUE(loaded.wait(30000)) << "the empty page did not load";
    EXPECT_EQ(window->WebBrowser1()->url(), QUrl(u"about:blank"_s));
    // The player, its pictures and its music went with the page.
    const std::optional<QVariant> gone = RunScript(
        u"typeof window.FotoviaPlayer + ' ' + document.querySelectorAll('img,audio,video,object').length"_s);
    ASSERT_TRUE(gone.has_value());
    EXPECT_EQ(gone->toString(), u"undefined 0"_s);
    QWebEnginePage *page = window->WebBrowser1()->page();
    if (page->recentlyAudible())
        QSignalSpy(page, &QWebEnginePage::recentlyAudibleChanged).wait(10000);
    EXPECT_FALSE(page->recentlyAudible());
    // Kept for the next preview.
    EXPECT_EQ(TpreviewWindow::Existing(), window);
}

TEST_F(PreviewWindowTest, PreviewLeavesTheDocumentAsItWas)
{
    Watchdog watchdog(150s, "the preview test");
    AddPhotos();
    ASSERT_TRUE(m_gallery->Modified());
    TpreviewWindow::Preview(m_gallery.get());
    EXPECT_TRUE(m_gallery->Modified());
    EXPECT_TRUE(m_gallery->GetFolder().isEmpty());
    EXPECT_TRUE(m_gallery->BaseName().isEmpty());
    const QString temp = AppFolders::TempFolder();
    for (const QString &name : {u"temp.xml"_s, u"temp.html"_s, u"fotovia-player.js"_s})
        EXPECT_TRUE(QFileInfo(temp + name).isFile()) << name.toStdString();
    EXPECT_TRUE(QString::fromUtf8(ReadFile(temp + u"temp.html"_s)).contains(u"value=\"temp.swf\""_s));

    // The save after a preview writes its own page, not the cached one of the preview.
    const QString out = Path(u"out/"_s);
    QDir().mkpath(out);
    const auto chooser = [&out](const QString &) { return QString(out + u"site.xml"_s); };
    ASSERT_TRUE(m_gallery->Save(chooser));
    QString page = QString::fromUtf8(ReadFile(out + u"site.html"_s));
    EXPECT_TRUE(page.contains(u"value=\"site.swf\""_s));
    EXPECT_FALSE(page.contains(u"temp"_s));
    ASSERT_FALSE(m_gallery->Modified());

    TpreviewWindow::Preview(m_gallery.get());
    EXPECT_FALSE(m_gallery->Modified());
    EXPECT_EQ(m_gallery->GetFolder(), out);
    EXPECT_EQ(m_gallery->BaseName(), u"site"_s);
    ASSERT_TRUE(m_gallery->Save(chooser));
    page = QString::fromUtf8(ReadFile(out + u"site.html"_s));
    EXPECT_TRUE(page.contains(u"value=\"site.swf\""_s));
    EXPECT_FALSE(page.contains(u"temp"_s));
}

TEST_F(PreviewWindowTest, AFailedWriteShowsTheErrorAndNoPreview)
{
    // A file where the images folder must go.
    QDir(AppFolders::TempFolder() + u"images"_s).removeRecursively();
    WriteFile(AppFolders::TempFolder() + u"images"_s);
    TpreviewWindow::Preview(m_gallery.get());
    EXPECT_EQ(MessageBox::ShownTexts().size(), 1);
    EXPECT_TRUE(MessageBox::LastText().contains(u"images"_s)) << MessageBox::LastText().toStdString();
    EXPECT_EQ(TpreviewWindow::Existing(), nullptr);
}

TEST_F(PreviewWindowTest, TheMainWindowsPreviewCommandOpensThePreview)
{
    Watchdog watchdog(150s, "the preview test");
    {
        TwMain main;
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        FflashMovie *gallery = main.Gallery();
        ASSERT_NE(gallery, nullptr);
        gallery->SetWidth(520);
        gallery->SetHeight(400);
        gallery->SetModified(false);
        main.ActionPreview()->trigger();
        TpreviewWindow *window = TpreviewWindow::Existing();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->size(), QSize(620, 475));
        EXPECT_EQ(window->parentWidget(), &main);
        EXPECT_FALSE(gallery->Modified());
        EXPECT_TRUE(main.isEnabled());
        QSignalSpy loaded(window->WebBrowser1(), &QWebEngineView::loadFinished);
        ASSERT_TRUE(loaded.wait(60000)) << "the preview page did not finish loading within 60 s";
        EXPECT_TRUE(loaded.first().first().toBool());
        gallery->SetModified(false);
        delete window;
    }
    EXPECT_EQ(AppState::CurrentGallery, nullptr);
}

} // namespace
