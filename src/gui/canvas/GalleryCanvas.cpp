#include "GalleryCanvas.h"

#include "StyledComponent.h"
#include "GalleryDocument.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

GalleryCanvas::GalleryCanvas(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    // Every pixel is painted by the renderer: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(0, 0);
}

GalleryCanvas::~GalleryCanvas() = default;

void GalleryCanvas::setGallery(GalleryDocument *gallery)
{
    if (m_gallery)
        disconnect(m_gallery, nullptr, this, nullptr);
    m_gallery = gallery;
    m_focusObject = nullptr;
    m_drag = Drag();
    m_pressed = false;
    if (gallery) {
        watchObject(gallery);
        for (StyledComponent *component : gallery->Components())
            watchObject(component);
        connect(gallery, &GalleryDocument::zOrderChanged, this, qOverload<>(&QWidget::update));
        connect(gallery, &GalleryDocument::selectionChanged, this, qOverload<>(&QWidget::update));
        connect(gallery, &GalleryDocument::focusRequested, this, &GalleryCanvas::takeFocusFor);
        connect(gallery, &GalleryDocument::geometryChanged, this, &GalleryCanvas::followGallerySize);
    }
    followGallerySize();
    update();
}

void GalleryCanvas::watchObject(CanvasObject *object)
{
    connect(object, &CanvasObject::repaintRequested, this, qOverload<>(&QWidget::update));
    connect(object, &CanvasObject::geometryChanged, this, qOverload<>(&QWidget::update));
}

void GalleryCanvas::followGallerySize()
{
    const QSize size = m_gallery ? QSize(qMax(0, m_gallery->width()), qMax(0, m_gallery->height())) : QSize(0, 0);
    if (size == this->size())
        return;
    resize(size);
    emit gallerySizeChanged();
}

CanvasObject *GalleryCanvas::focusedObject() const
{
    return hasFocus() ? m_focusObject.data() : nullptr;
}

void GalleryCanvas::takeFocusFor(CanvasObject *object)
{
    m_focusObject = object;
    setFocus(Qt::OtherFocusReason);
}

CanvasObject *GalleryCanvas::objectAt(const QPoint &point) const
{
    if (!m_gallery)
        return nullptr;
    const auto &zOrder = m_gallery->zOrder();
    for (auto it = zOrder.crbegin(); it != zOrder.crend(); ++it) {
        CanvasObject *object = *it;
        if (object->visible() && object->bounds().contains(point))
            return object;
    }
    if (QRect(0, 0, m_gallery->width(), m_gallery->height()).contains(point))
        return m_gallery;
    return nullptr;
}

HitZone GalleryCanvas::zoneAt(const QPoint &point) const
{
    const CanvasObject *object = objectAt(point);
    if (!object)
        return HitZone::Client;
    // The gallery's own rectangle starts at the canvas origin.
    const QPoint origin = object == m_gallery ? QPoint(0, 0) : object->bounds().topLeft();
    return object->hitTest(point.x() - origin.x(), point.y() - origin.y());
}

Qt::CursorShape GalleryCanvas::cursorFor(HitZone zone)
{
    switch (zone) {
    case HitZone::TopLeft:
    case HitZone::BottomRight:
        return Qt::SizeFDiagCursor;
    case HitZone::TopRight:
    case HitZone::BottomLeft:
        return Qt::SizeBDiagCursor;
    case HitZone::Left:
    case HitZone::Right:
        return Qt::SizeHorCursor;
    case HitZone::Top:
    case HitZone::Bottom:
        return Qt::SizeVerCursor;
    case HitZone::Client:
        break;
    }
    return Qt::ArrowCursor;
}

void GalleryCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_gallery) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    m_renderer.paintCanvas(painter, *m_gallery);
}

void GalleryCanvas::mousePressEvent(QMouseEvent *event)
{
    // Only the left button moves, resizes and selects.
    if (event->button() != Qt::LeftButton || m_pressed) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    CanvasObject *object = objectAt(point);
    if (!object)
        return;
    m_pressed = true;
    m_drag = Drag();
    m_drag.object = object;
    m_drag.zone = zoneAt(point);
    m_drag.startGlobal = event->globalPosition();
    m_drag.startBounds = object->bounds();
    event->accept();
}

void GalleryCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        dragTo(event->globalPosition());
        return;
    }
    if (!m_pressed)
        setCursor(cursorFor(zoneAt(event->position().toPoint())));
}

void GalleryCanvas::dragTo(const QPointF &globalPos)
{
    CanvasObject *object = m_drag.object;
    if (!object)
        return;
    // Deltas in screen coordinates: the canvas itself moves when the gallery is re-centred.
    const QPoint delta = (globalPos - m_drag.startGlobal).toPoint();
    const QRect start = m_drag.startBounds;
    if (m_drag.zone == HitZone::Client) {
        if (!object->movable())
            return;
        // Free movement: no grid, no snapping, no keeping inside the gallery.
        object->setBounds(start.x() + delta.x(), start.y() + delta.y(), start.width(), start.height());
        m_drag.moved = true;
        return;
    }
    int left = start.x();
    int top = start.y();
    int right = start.x() + start.width();   // exclusive
    int bottom = start.y() + start.height(); // exclusive
    switch (m_drag.zone) {
    case HitZone::Left: left += delta.x(); break;
    case HitZone::Right: right += delta.x(); break;
    case HitZone::Top: top += delta.y(); break;
    case HitZone::Bottom: bottom += delta.y(); break;
    case HitZone::TopLeft: left += delta.x(); top += delta.y(); break;
    case HitZone::TopRight: right += delta.x(); top += delta.y(); break;
    case HitZone::BottomRight: right += delta.x(); bottom += delta.y(); break;
    case HitZone::BottomLeft: left += delta.x(); bottom += delta.y(); break;
    case HitZone::Client: break;
    }
    // At least one pixel; the edge being dragged stops there, the opposite one stays.
    if (right - left < 1) {
        if (left != start.x())
            left = right - 1;
        else
            right = left + 1;
    }
    if (bottom - top < 1) {
        if (top != start.y())
            top = bottom - 1;
        else
            bottom = top + 1;
    }
    if (object == m_gallery) // the gallery's rectangle always starts at the canvas origin
        object->setBounds(0, 0, right - left, bottom - top);
    else
        object->setBounds(left, top, right - left, bottom - top);
    m_drag.moved = true;
}

void GalleryCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    endDrag();
    setCursor(cursorFor(zoneAt(event->position().toPoint())));
}

void GalleryCanvas::endDrag()
{
    const Drag drag = m_drag;
    m_pressed = false;
    m_drag = Drag();
    CanvasObject *object = drag.object;
    if (!object || !m_gallery)
        return;
    if (!drag.moved) {
        m_gallery->select(object, true);
        return;
    }
    if (drag.zone == HitZone::Client)
        object->finishDrag(); // z-order, repaint, MoveFinished (components select themselves)
    else
        object->repaint();
}

void GalleryCanvas::keyPressEvent(QKeyEvent *event)
{
    // The arrow keys belong to the nudging (done application-wide before the key arrives
    // here); taking them keeps the surrounding scroll box from scrolling as well.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
