#include "PreviewTestSupport.h"

#include "Album.h"
#include "AppFolders.h"
#include "MessageBox.h"
#include "MainWindow.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "PreviewWindow.h"

#include <QPointer>
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
QRect drawnArea(const QImage &image)
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
        m_gallery = std::make_unique<GalleryDocument>();
        m_gallery->resetAsNewGallery();
        m_preview = std::make_unique<PreviewWindow>();
    }
    void TearDown() override
    {
        // The view must go before the application, or the engine complains at exit.
        m_preview.reset();
        PreviewTest::TearDown();
        m_gallery.reset();
    }

    // The default gallery with a red, a green and a blue photo, in that order.
    void addPhotos()
    {
        Album *album = m_gallery->thumbnailStrip()->albums().first();
        album->addImage(makePhoto(u"first.jpg"_s, Qt::red));
        album->addImage(makePhoto(u"second.jpg"_s, Qt::green));
        album->addImage(makePhoto(u"third.jpg"_s, Qt::blue));
        ASSERT_EQ(album->images().size(), 3);
    }

    // Runs the preview and waits for its page; false when the page did not load.
    bool previewAndWait()
    {
        QSignalSpy loaded(m_preview->view(), &QWebEngineView::loadFinished);
        m_preview->preview(m_gallery.get());
        if (loaded.isEmpty() && !loaded.wait(60000)) {
            ADD_FAILURE() << "the preview page did not finish loading within 60 s";
            return false;
        }
        EXPECT_TRUE(loaded.first().first().toBool()) << "the preview page failed to load";
        return loaded.first().first().toBool();
    }

    // The result of a script in the preview page, or nothing when it gave no answer in time.
    std::optional<QVariant> runScript(const QString &script)
    {
        std::optional<QVariant> result;
        m_preview->view()->page()->runJavaScript(
            script, [&result](const QVariant &value) { result = value; });
        QDeadlineTimer deadline(10000);
        while (!result && !deadline.hasExpired())
            QTest::qWait(20);
        return result;
    }

    // Grabs the view until the player has drawn the stage and the first photo in it.
    QImage waitForDrawnGallery(QRect *stage)
    {
        QWebEngineView *view = m_preview->view();
        const ImageDisplay *display = m_gallery->imageDisplay();
        const QPoint displayCentre(display->left() + display->width() / 2, display->top() + display->height() / 2);
        QImage image;
        QDeadlineTimer deadline(30000);
        do {
            QTest::qWait(100);
            image = view->grab().toImage();
            *stage = drawnArea(image);
            if (stage->width() >= m_gallery->width() - 2
                && near(image.pixelColor(stage->topLeft() + displayCentre), Qt::red))
                break;
        } while (!deadline.hasExpired());
        return image;
    }

    std::unique_ptr<GalleryDocument> m_gallery;
    std::unique_ptr<PreviewWindow> m_preview;
};

TEST_F(PreviewWindowTest, ThePlayerDrawsTheGalleryWithItsFirstPhoto)
{
    Watchdog watchdog(150s, "the preview test");
    addPhotos();
    ASSERT_TRUE(previewAndWait());

    PreviewWindow *window = m_preview.get();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), u"Preview"_s);
    EXPECT_EQ(window->view()->url(),
              QUrl::fromLocalFile(AppFolders::tempFolder() + u"temp.html"_s));
    // The gallery's size plus 100 x 75, the view filling it.
    EXPECT_EQ(window->size(), QSize(600, 537));
    EXPECT_EQ(window->view()->geometry(), window->rect());

    QRect stage;
    const QImage image = waitForDrawnGallery(&stage);
    ASSERT_FALSE(stage.isEmpty()) << "nothing was drawn on the page";
    EXPECT_NEAR(stage.width(), 500, 2);
    EXPECT_NEAR(stage.height(), 462, 2);
    // The default gallery's stage is black inside its grey border.
    EXPECT_TRUE(near(image.pixelColor(stage.topLeft() + QPoint(5, 5)), Qt::black))
        << "stage colour " << image.pixelColor(stage.topLeft() + QPoint(5, 5)).name().toStdString();
    EXPECT_TRUE(near(image.pixelColor(stage.topLeft()), Qt::gray))
        << "border colour " << image.pixelColor(stage.topLeft()).name().toStdString();
    const ImageDisplay *display = m_gallery->imageDisplay();
    const QPoint centre = stage.topLeft() + QPoint(display->left() + display->width() / 2,
                                                   display->top() + display->height() / 2);
    EXPECT_TRUE(near(image.pixelColor(centre), Qt::red))
        << "the display shows " << image.pixelColor(centre).name().toStdString() << ", not the first photo";
}

TEST_F(PreviewWindowTest, ClosingThePreviewTakesThePageAway)
{
    Watchdog watchdog(150s, "the preview test");
    addPhotos();
    ASSERT_TRUE(previewAndWait());
    PreviewWindow *window = m_preview.get();
    QRect stage;
    waitForDrawnGallery(&stage);
    const std::optional<QVariant> running = runScript(u"typeof window.FotoviaPlayer"_s);
    ASSERT_TRUE(running.has_value());
    EXPECT_EQ(running->toString(), u"object"_s) << "the player did not start";

    QSignalSpy loaded(window->view(), &QWebEngineView::loadFinished);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    ASSERT_TRUE(loaded.wait(30000)) << "the empty page did not load";
    EXPECT_EQ(window->view()->url(), QUrl(u"about:blank"_s));
    // The player, its pictures and its music went with the page.
    const std::optional<QVariant> gone = runScript(
        u"typeof window.FotoviaPlayer + ' ' + document.querySelectorAll('img,audio,video,object').length"_s);
    ASSERT_TRUE(gone.has_value());
    EXPECT_EQ(gone->toString(), u"undefined 0"_s);
    QWebEnginePage *page = window->view()->page();
    if (page->recentlyAudible())
        QSignalSpy(page, &QWebEnginePage::recentlyAudibleChanged).wait(10000);
    EXPECT_FALSE(page->recentlyAudible());
    // Kept for the next preview.
    EXPECT_FALSE(window->testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(PreviewWindowTest, PreviewLeavesTheDocumentAsItWas)
{
    Watchdog watchdog(150s, "the preview test");
    addPhotos();
    ASSERT_TRUE(m_gallery->modified());
    m_preview->preview(m_gallery.get());
    EXPECT_TRUE(m_gallery->modified());
    EXPECT_TRUE(m_gallery->getFolder().isEmpty());
    EXPECT_TRUE(m_gallery->baseName().isEmpty());
    const QString temp = AppFolders::tempFolder();
    for (const QString &name : {u"temp.xml"_s, u"temp.html"_s, u"fotovia-player.js"_s})
        EXPECT_TRUE(QFileInfo(temp + name).isFile()) << name.toStdString();
    EXPECT_TRUE(QString::fromUtf8(readFile(temp + u"temp.html"_s)).contains(u"value=\"temp.swf\""_s));

    // The save after a preview writes its own page, not the cached one of the preview.
    const QString out = path(u"out/"_s);
    QDir().mkpath(out);
    const auto chooser = [&out](const QString &) { return QString(out + u"site.xml"_s); };
    ASSERT_TRUE(m_gallery->save(chooser));
    QString page = QString::fromUtf8(readFile(out + u"site.html"_s));
    EXPECT_TRUE(page.contains(u"value=\"site.swf\""_s));
    EXPECT_FALSE(page.contains(u"temp"_s));
    ASSERT_FALSE(m_gallery->modified());

    m_preview->preview(m_gallery.get());
    EXPECT_FALSE(m_gallery->modified());
    EXPECT_EQ(m_gallery->getFolder(), out);
    EXPECT_EQ(m_gallery->baseName(), u"site"_s);
    ASSERT_TRUE(m_gallery->save(chooser));
    page = QString::fromUtf8(readFile(out + u"site.html"_s));
    EXPECT_TRUE(page.contains(u"value=\"site.swf\""_s));
    EXPECT_FALSE(page.contains(u"temp"_s));
}

TEST_F(PreviewWindowTest, AFailedWriteShowsTheErrorAndNoPreview)
{
    // A file where the images folder must go.
    QDir(AppFolders::tempFolder() + u"images"_s).removeRecursively();
    writeFile(AppFolders::tempFolder() + u"images"_s);
    m_preview->preview(m_gallery.get());
    EXPECT_EQ(MessageBox::shownTexts().size(), 1);
    EXPECT_TRUE(MessageBox::lastText().contains(u"images"_s)) << MessageBox::lastText().toStdString();
    EXPECT_FALSE(m_preview->isVisible());
}

TEST_F(PreviewWindowTest, TheMainWindowsPreviewCommandOpensThePreview)
{
    Watchdog watchdog(150s, "the preview test");
    QPointer<GalleryDocument> opened;
    {
        MainWindow main;
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        GalleryDocument *gallery = main.gallery();
        ASSERT_NE(gallery, nullptr);
        opened = gallery;
        gallery->setWidth(520);
        gallery->setHeight(400);
        gallery->setModified(false);
        main.actionPreview()->trigger();
        PreviewWindow *window = main.previewWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->size(), QSize(620, 475));
        EXPECT_EQ(window->parentWidget(), &main);
        EXPECT_FALSE(gallery->modified());
        EXPECT_TRUE(main.isEnabled());
        QSignalSpy loaded(window->view(), &QWebEngineView::loadFinished);
        ASSERT_TRUE(loaded.wait(60000)) << "the preview page did not finish loading within 60 s";
        EXPECT_TRUE(loaded.first().first().toBool());
        gallery->setModified(false);
        delete window;
    }
    // The window frees its gallery with itself.
    EXPECT_TRUE(opened.isNull());
}

} // namespace
