#include "NudgeKeyFilter.h"

#include "StyledComponent.h"
#include "GalleryCanvas.h"
#include "GalleryDocument.h"

#include <QApplication>
#include <QKeyEvent>

NudgeKeyFilter::NudgeKeyFilter(QWidget *mainWindow, GalleryCanvas *canvas, QObject *parent)
    : QObject(parent), m_mainWindow(mainWindow), m_canvas(canvas)
{
}

bool NudgeKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    // A key press passes the window and then every parent that does not take it: look at it
    // once, where it is first delivered.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && watched == QApplication::focusWidget())
        handle(static_cast<QKeyEvent *>(event)->key());
    return false;
}

bool NudgeKeyFilter::handle(int key)
{
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
    }
    // The Photo Albums window exists only while there is a gallery, so it may go first.
    if (m_albumsWindow && m_albumsWindow(key))
        return false;
    GalleryDocument *gallery = m_canvas ? m_canvas->gallery() : nullptr;
    if (!gallery)
        return false;
    CanvasObject *selected = gallery->selectedObject();
    if (!selected || !m_mainWindow || !m_canvas)
        return false;
    if (QApplication::activeWindow() != m_mainWindow || QApplication::focusWidget() != m_canvas)
        return false;
    if (!qobject_cast<StyledComponent *>(m_canvas->focusedObject()))
        return false;
    selected->nudge(dx, dy);
    return true;
}
