#pragma once

#include <QPointer>
#include <QWidget>

class FflashMovie;
class QWebEngineView;

// The gallery as a visitor sees it: the page of the preview output in the working folder, in
// an embedded browser. One window for the whole run, made on first use and hidden when closed.
class TpreviewWindow : public QWidget
{
    Q_OBJECT
public:
    // Must run before the application object exists. Chromium refuses to start its sandbox as
    // root (as in CI containers); only then is it turned off.
    static void PrepareWebEngine();

    // Writes the preview output into the working folder and shows its page; a write failure is
    // reported in a message box and shows nothing. owner: the window the preview belongs to.
    static void Preview(FflashMovie *gallery, QWidget *owner = nullptr);

    // The window, made on first use.
    static TpreviewWindow *Instance(QWidget *owner = nullptr);
    // The window if it was made, for tests.
    static TpreviewWindow *Existing();

    // Shows the page with a client area of (width + 80) x (height + 55).
    void ShowPreview(const QString &pagePath, int width, int height);

    QWebEngineView *WebBrowser1() const { return m_webBrowser1; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit TpreviewWindow(QWidget *owner);
    void CenterOnOwner();

    QWebEngineView *m_webBrowser1 = nullptr;
    static QPointer<TpreviewWindow> s_instance;
};
