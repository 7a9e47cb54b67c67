#pragma once

#include "ComponentRenderer.h"
#include "FflashObjectBaseClass.h"

#include <QPointer>
#include <QWidget>

class FflashMovie;

// The design canvas: shows one gallery at its real size (one pixel is one pixel of the web
// page), lets the user pick a component with the mouse, move it, or resize it (or the gallery)
// from its edges and corners. The geometry and the z-order live in the gallery; the canvas only
// draws and turns mouse input into calls on the model.
class GalleryCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit GalleryCanvas(QWidget *parent = nullptr);
    ~GalleryCanvas() override;

    // Shows this gallery (none: an empty canvas). The canvas follows the gallery's size.
    void SetGallery(FflashMovie *gallery);
    FflashMovie *Gallery() const { return m_gallery; }

    // The object that asked for the keyboard focus last (through the gallery's FocusRequested),
    // while the canvas holds the focus; none otherwise.
    FflashObjectBaseClass *FocusedObject() const;

    // The topmost visible object at a point in gallery coordinates: a component, the gallery,
    // or none outside it.
    FflashObjectBaseClass *ObjectAt(const QPoint &point) const;
    // What the pointer would do there.
    HitZone ZoneAt(const QPoint &point) const;
    static Qt::CursorShape CursorFor(HitZone zone);

    const ComponentRenderer &Renderer() const { return m_renderer; }

signals:
    // The gallery changed size: the surrounding window may want to centre it again.
    void GallerySizeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void WatchObject(FflashObjectBaseClass *object);
    void FollowGallerySize();
    void TakeFocusFor(FflashObjectBaseClass *object);
    void DragTo(const QPointF &globalPos);
    void EndDrag();

    QPointer<FflashMovie> m_gallery;
    ComponentRenderer m_renderer;
    QPointer<FflashObjectBaseClass> m_focusObject;

    // The press of the left button and what it started.
    struct Drag
    {
        QPointer<FflashObjectBaseClass> object;
        HitZone zone = HitZone::Client;
        QPointF startGlobal;
        QRect startBounds;
        bool moved = false;
    };
    Drag m_drag;
    bool m_pressed = false;
};
