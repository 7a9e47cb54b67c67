#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class FflashMovie;

// Where a pointer lies on a canvas object: decides between moving and resizing.
enum class HitZone { Client, Left, Top, Right, Bottom, TopLeft, TopRight, BottomRight, BottomLeft };

// Everything that lies on the design canvas: a rectangle with a selection state, a modified
// flag, and the rules for moving and resizing it. One canvas pixel is one pixel of the
// published gallery.
class FflashObjectBaseClass : public QObject
{
    Q_OBJECT
public:
    explicit FflashObjectBaseClass(QObject *owner = nullptr);
    ~FflashObjectBaseClass() override;

    int Left() const { return m_rect.x(); }
    int Top() const { return m_rect.y(); }
    int Width() const { return m_rect.width(); }
    int Height() const { return m_rect.height(); }
    QRect Bounds() const { return m_rect; }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    void SetBounds(int left, int top, int width, int height);
    void SetBounds(const QRect &rect) { SetBounds(rect.x(), rect.y(), rect.width(), rect.height()); }

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);

    bool Movable() const { return m_movable; }
    bool Selected() const { return m_selected; }
    bool Modified() const { return m_modified; }
    bool Resizable() const { return m_resizable; }
    bool SendToBackAfterMove() const { return m_sendToBackAfterMove; }
    void SetMovable(bool value) { m_movable = value; }
    void SetResizable(bool value) { m_resizable = value; }
    void SetSendToBackAfterMove(bool value) { m_sendToBackAfterMove = value; }
    virtual void SetModified(bool value) { m_modified = value; }
    void SetSelected(bool value);

    // The gallery this object belongs to (the gallery itself for the gallery).
    FflashMovie *Document() const { return m_document; }
    void SetDocument(FflashMovie *document) { m_document = document; }

    virtual QString WriteXml();
    virtual int CollectUploadFiles();
    virtual void ShowGalleryProperties();
    // Called when a mouse drag of the object has ended.
    virtual void MoveFinished();

    // Pointer position in the object's own coordinates.
    virtual HitZone HitTest(int x, int y) const;

    // The end of a mouse drag: z-order, repaint, MoveFinished.
    void FinishDrag();
    // One arrow-key step.
    void Nudge(int dx, int dy);

    void Repaint() { emit RepaintRequested(); }

signals:
    void RepaintRequested();
    void GeometryChanged();

protected:
    // Runs after every change of size, before GeometryChanged is sent.
    virtual void SizeChanged() {}
    // Sets this object's modified flag and the gallery's.
    void MarkModified();

private:
    QRect m_rect;
    bool m_visible = true;
    bool m_movable = true;
    bool m_selected = false;
    bool m_modified = false;
    bool m_resizable = true;
    bool m_sendToBackAfterMove = true;
    FflashMovie *m_document = nullptr;
    bool m_inSizeChange = false;
};
