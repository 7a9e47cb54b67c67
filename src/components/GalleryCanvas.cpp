#include "GalleryCanvas.h"

#include "FflashComponentBaseClass.h"
#include "gallery/FflashMovie.h"

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

void GalleryCanvas::SetGallery(FflashMovie *gallery)
{
    if (m_gallery)
        disconnect(m_gallery, nullptr, this, nullptr);
    m_gallery = gallery;
    m_focusObject = nullptr;
    m_drag = Drag();
    m_pressed = false;
    if (gallery) {
        WatchObject(gallery);
        for (FflashComponentBaseClass *component : gallery->Components())
            WatchObject(component);
        connect(gallery, &FflashMovie::ZOrderChanged, this, qOverload<>(&QWidget::update));
        connect(gallery, &FflashMovie::SelectionChanged, this, qOverload<>(&QWidget::update));
        connect(gallery, &FflashMovie::FocusRequested, this, &GalleryCanvas::TakeFocusFor);
        connect(gallery, &FflashMovie::GeometryChanged, this, &GalleryCanvas::FollowGallerySize);
    }
    FollowGallerySize();
    update();
}

void GalleryCanvas::WatchObject(FflashObjectBaseClass *object)
{
    connect(object, &FflashObjectBaseClass::RepaintRequested, this, qOverload<>(&QWidget::update));
    connect(object, &FflashObjectBaseClass::GeometryChanged, this, qOverload<>(&QWidget::update));
}

void GalleryCanvas::FollowGallerySize()
{
    const QSize size = m_gallery ? QSize(qMax(0, m_gallery->Width()), qMax(0, m_gallery->Height())) : QSize(0, 0);
    if (size == this->size())
        return;
    resize(size);
    emit GallerySizeChanged();
}

FflashObjectBaseClass *GalleryCanvas::FocusedObject() const
{
    return hasFocus() ? m_focusObject.data() : nullptr;
}

void GalleryCanvas::TakeFocusFor(FflashObjectBaseClass *object)
{
    m_focusObject = object;
    setFocus(Qt::OtherFocusReason);
}

FflashObjectBaseClass *GalleryCanvas::ObjectAt(const QPoint &point) const
{
    if (!m_gallery)
        return nullptr;
    const auto &zOrder = m_gallery->ZOrder();
    for (auto it = zOrder.crbegin(); it != zOrder.crend(); ++it) {
        FflashObjectBaseClass *object = *it;
        if (object->Visible() && object->Bounds().contains(point))
            return object;
    }
    if (QRect(0, 0, m_gallery->Width(), m_gallery->Height()).contains(point))
        return m_gallery;
    return nullptr;
}

HitZone GalleryCanvas::ZoneAt(const QPoint &point) const
{
    const FflashObjectBaseClass *object = ObjectAt(point);
    if (!object)
        return HitZone::Client;
    // The gallery's own rectangle starts at the canvas origin.
    const QPoint origin = object == m_gallery ? QPoint(0, 0) : object->Bounds().topLeft();
    return object->HitTest(point.x() - origin.x(), point.y() - origin.y());
}

Qt::CursorShape GalleryCanvas::CursorFor(HitZone zone)
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
    m_renderer.PaintCanvas(painter, *m_gallery);
}

void GalleryCanvas::mousePressEvent(QMouseEvent *event)
{
    // Only the left button moves, resizes and selects.
    if (event->button() != Qt::LeftButton || m_pressed) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    FflashObjectBaseClass *object = ObjectAt(point);
    if (!object)
        return;
    m_pressed = true;
    m_drag = Drag();
    m_drag.object = object;
    m_drag.zone = ZoneAt(point);
    m_drag.startGlobal = event->globalPosition();
    m_drag.startBounds = object->Bounds();
    event->accept();
}

void GalleryCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        DragTo(event->globalPosition());
        return;
    }
    if (!m_pressed)
        setCursor(CursorFor(ZoneAt(event->position().toPoint())));
}

void GalleryCanvas::DragTo(const QPointF &globalPos)
{
    FflashObjectBaseClass *object = m_drag.object;
    if (!object)
        return;
    // Deltas in screen coordinates: the canvas itself moves when the gallery is re-centred.
    const QPoint delta = (globalPos - m_drag.startGlobal).toPoint();
    const QRect start = m_drag.startBounds;
    if (m_drag.zone == HitZone::Client) {
        if (!object->Movable())
            return;
        // Free movement: no grid, no snapping, no keeping inside the gallery.
        object->SetBounds(start.x() + delta.x(), start.y() + delta.y(), start.width(), start.height());
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
        object->SetBounds(0, 0, right - left, bottom - top);
    else
        object->SetBounds(left, top, right - left, bottom - top);
    m_drag.moved = true;
}

void GalleryCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    EndDrag();
    setCursor(CursorFor(ZoneAt(event->position().toPoint())));
}

void GalleryCanvas::EndDrag()
{
    const Drag drag = m_drag;
    m_pressed = false;
    m_drag = Drag();
    FflashObjectBaseClass *object = drag.object;
    if (!object || !m_gallery)
        return;
    if (!drag.moved) {
        m_gallery->Select(object, true);
        return;
    }
    if (drag.zone == HitZone::Client)
        object->FinishDrag(); // z-order, repaint, MoveFinished (components select themselves)
    else
        object->Repaint();
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
