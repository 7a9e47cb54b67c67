#pragma once

#include <QWidget>

class GalleryDocument;
class QWebEngineView;

// The gallery as a visitor sees it: the page of the preview output in the working folder, in
// an embedded browser. One window for the whole run, made on first use and hidden when closed.
class PreviewWindow : public QWidget
{
    Q_OBJECT
public:
    // Must run before the application object exists. Chromium refuses to start its sandbox as
    // root (as in CI containers); only then is it turned off.
    static void prepareWebEngine();

    // owner: the window the preview belongs to; it is centred over it.
    explicit PreviewWindow(QWidget *owner = nullptr);

    // Writes the preview output into the working folder and shows its page; a write failure is
    // reported in a message box and shows nothing.
    void preview(GalleryDocument *gallery);

    // Shows the page with a client area of (width + 80) x (height + 55).
    void showPreview(const QString &pagePath, int width, int height);

    QWebEngineView *view() const { return m_view; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void centerOnOwner();

    QWebEngineView *m_view = nullptr;
};
