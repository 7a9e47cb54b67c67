#include "PreviewWindow.h"

#include "GalleryDocument.h"
#include "GalleryFolderWriter.h"
#include "AppFolders.h"
#include "Errors.h"
#include "MessageBox.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString PreviewBaseName = u"temp"_s;

} // namespace

void PreviewWindow::prepareWebEngine()
{
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

PreviewWindow::PreviewWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(u"previewWindow"_s);
    setWindowTitle(u"Preview"_s);
    setMinimumSize(400, 200);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebEngineView(this);
    m_view->setObjectName(u"view"_s);
    // The page loads its gallery XML and pictures from the working folder. The view's own
    // settings, not the profile's, so no other browser view of the program gains file access.
    QWebEngineSettings *settings = m_view->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // The gallery's music starts with the page, as it would in the player movie.
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    layout->addWidget(m_view);
}

void PreviewWindow::preview(GalleryDocument *gallery)
{
    if (!gallery)
        return;
    const QString folder = AppFolders::tempFolder();
    try {
        gallery->writeOutput(folder, PreviewBaseName, true);
    } catch (const FotoviaError &e) {
        MessageBox::critical(parentWidget(), u"Fotovia"_s, e.message());
        return;
    }
    const QString page = GalleryFolderWriter::buildOutputPath(folder, PreviewBaseName, u".html"_s);
    showPreview(page, gallery->width() + 20, gallery->height() + 20);
}

void PreviewWindow::showPreview(const QString &pagePath, int width, int height)
{
    m_view->load(QUrl::fromLocalFile(pagePath));
    resize(width + 80, height + 55);
    if (!isVisible())
        centerOnOwner();
    show();
    raise();
    activateWindow();
}

void PreviewWindow::centerOnOwner()
{
    QRect area;
    if (QWidget *owner = parentWidget())
        area = owner->frameGeometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    // An empty page ends the player and the music it plays; the window itself is kept.
    m_view->setUrl(QUrl(u"about:blank"_s));
    event->accept();
    hide();
}
