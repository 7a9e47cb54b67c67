#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

#include "GalleryCanvas.h"
class QWidget;

// Watches every key press of the application before it reaches its widget, and never takes
// the key away. The arrow keys nudge the selected canvas object by one pixel, but only while
// the main window is the active window and the canvas holds the focus for a styled component,
// so that typing in a text box or working in another window never moves anything.
class NudgeKeyFilter : public QObject
{
    Q_OBJECT
public:
    // While the Photo Albums window is visible it takes the arrow keys instead: the handler is
    // given the key and answers true when that window is visible (whether or not it used the
    // key); the canvas is then left alone.
    using AlbumsWindowHandler = std::function<bool(int key)>;

    NudgeKeyFilter(QWidget *mainWindow, GalleryCanvas *canvas, QObject *parent = nullptr);

    void setAlbumsWindowHandler(AlbumsWindowHandler handler) { m_albumsWindow = std::move(handler); }

    // One arrow key: true when it moved the selected object.
    bool handle(int key);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_mainWindow;
    QPointer<GalleryCanvas> m_canvas;
    AlbumsWindowHandler m_albumsWindow;
};
