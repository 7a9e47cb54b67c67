#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class GalleryDocument;

// Where a pointer lies on a canvas object: decides between moving and resizing.
enum class HitZone { Client, Left, Top, Right, Bottom, TopLeft, TopRight, BottomRight, BottomLeft };

// Everything that lies on the design canvas: a rectangle with a selection state, a modified
// flag, and the rules for moving and resizing it. One canvas pixel is one pixel of the
// published gallery.
class CanvasObject : public QObject
{
    Q_OBJECT
public:
    explicit CanvasObject(QObject *owner = nullptr);
    ~CanvasObject() override;

    int left() const { return m_rect.x(); }
    int top() const { return m_rect.y(); }
    int width() const { return m_rect.width(); }
    int height() const { return m_rect.height(); }
    QRect bounds() const { return m_rect; }
    void setLeft(int left) { setBounds(left, top(), width(), height()); }
    void setTop(int top) { setBounds(left(), top, width(), height()); }
    void setWidth(int width) { setBounds(left(), top(), width, height()); }
    void setHeight(int height) { setBounds(left(), top(), width(), height); }
    void setBounds(int left, int top, int width, int height);
    void setBounds(const QRect &rect) { setBounds(rect.x(), rect.y(), rect.width(), rect.height()); }

    bool visible() const { return m_visible; }
    void setVisible(bool visible);

    bool movable() const { return m_movable; }
    bool selected() const { return m_selected; }
    bool modified() const { return m_modified; }
    bool resizable() const { return m_resizable; }
    bool sendToBackAfterMove() const { return m_sendToBackAfterMove; }
    void setMovable(bool value) { m_movable = value; }
    void setResizable(bool value) { m_resizable = value; }
    void setSendToBackAfterMove(bool value) { m_sendToBackAfterMove = value; }
    // Whether the geometry is part of the saved gallery (the gallery and its components), so
    // that moving or resizing the object marks the gallery modified; the album tiles, laid out
    // by their window, are not.
    bool geometryStored() const { return m_geometryStored; }
    void setGeometryStored(bool value) { m_geometryStored = value; }
    virtual void setModified(bool value) { m_modified = value; }
    void setSelected(bool value);

    // The gallery this object belongs to (the gallery itself for the gallery).
    GalleryDocument *Document() const { return m_document; }
    void setDocument(GalleryDocument *document) { m_document = document; }

    virtual QString writeXml();
    virtual int collectUploadFiles();
    virtual void showGalleryProperties();
    // Called when a mouse drag of the object has ended.
    virtual void moveFinished();

    // Pointer position in the object's own coordinates.
    virtual HitZone hitTest(int x, int y) const;

    // The end of a mouse drag: z-order, repaint, MoveFinished.
    void finishDrag();
    // One arrow-key step.
    void nudge(int dx, int dy);

    void repaint() { emit repaintRequested(); }

signals:
    void repaintRequested();
    void geometryChanged();
    // Sent once for every real change of a stored setting (never when a setter gets the value
    // the object already has); moves and resizes send geometryChanged instead.
    void changed();

protected:
    // Runs after every change of size, before GeometryChanged is sent.
    virtual void sizeChanged() {}
    // Sets this object's modified flag and the gallery's.
    void markModified();
    // A stored value changed: marks the gallery modified, sends changed() and repaints.
    void noteChange(bool repaint = true);
    // Stores value and notes the change; false when member held value already.
    template<typename T>
    bool assign(T &member, const T &value, bool repaint = true)
    {
        if (member == value)
            return false;
        member = value;
        noteChange(repaint);
        return true;
    }

private:
    QRect m_rect;
    bool m_visible = true;
    bool m_movable = true;
    bool m_selected = false;
    bool m_modified = false;
    bool m_resizable = true;
    bool m_sendToBackAfterMove = true;
    GalleryDocument *m_document = nullptr;
    bool m_inSizeChange = false;
    bool m_geometryStored = false;
};
