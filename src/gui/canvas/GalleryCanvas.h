#pragma once

#include "ComponentRenderer.h"
#include "CanvasObject.h"

#include <QPointer>
#include <QWidget>

#include "GalleryDocument.h"

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
    void setGallery(GalleryDocument *gallery);
    GalleryDocument *gallery() const { return m_gallery; }

    // The object that asked for the keyboard focus last (through the gallery's FocusRequested),
    // while the canvas holds the focus; none otherwise.
    CanvasObject *focusedObject() const;

    // The topmost visible object at a point in gallery coordinates: a component, the gallery,
    // or none outside it.
    CanvasObject *objectAt(const QPoint &point) const;
    // What the pointer would do there.
    HitZone zoneAt(const QPoint &point) const;
    static Qt::CursorShape cursorFor(HitZone zone);

    const ComponentRenderer &renderer() const { return m_renderer; }

signals:
    // The gallery changed size: the surrounding window may want to centre it again.
    void gallerySizeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void watchObject(CanvasObject *object);
    void followGallerySize();
    void takeFocusFor(CanvasObject *object);
    void dragTo(const QPointF &globalPos);
    void endDrag();

    QPointer<GalleryDocument> m_gallery;
    ComponentRenderer m_renderer;
    QPointer<CanvasObject> m_focusObject;

    // The press of the left button and what it started.
    struct Drag
    {
        QPointer<CanvasObject> object;
        HitZone zone = HitZone::Client;
        QPointF startGlobal;
        QRect startBounds;
        bool moved = false;
    };
    Drag m_drag;
    bool m_pressed = false;
};
