#include "CanvasObject.h"

#include "GalleryDocument.h"

CanvasObject::CanvasObject(QObject *owner) : QObject(owner) {}

CanvasObject::~CanvasObject() = default;

void CanvasObject::setBounds(int left, int top, int width, int height)
{
    const QRect next(left, top, width, height);
    if (next == m_rect)
        return;
    const bool resized = next.size() != m_rect.size();
    m_rect = next;
    // The size rules of subclasses set the size again; they must not recurse.
    if (resized && !m_inSizeChange) {
        m_inSizeChange = true;
        sizeChanged();
        m_inSizeChange = false;
    }
    if (m_geometryStored)
        markModified();
    emit geometryChanged();
    repaint();
}

void CanvasObject::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    repaint();
}

void CanvasObject::setSelected(bool value)
{
    m_selected = value;
    repaint();
}

void CanvasObject::markModified()
{
    // The gallery first: its setModified tells its watchers only when the flag really flips.
    if (m_document)
        m_document->setModified(true);
    m_modified = true;
}

void CanvasObject::noteChange(bool repaint)
{
    markModified();
    emit changed();
    if (repaint)
        this->repaint();
}

QString CanvasObject::writeXml()
{
    return {};
}

int CanvasObject::collectUploadFiles()
{
    return 0;
}

void CanvasObject::showGalleryProperties() {}

void CanvasObject::moveFinished() {}

HitZone CanvasObject::hitTest(int x, int y) const
{
    if (!m_resizable)
        return HitZone::Client;
    const int w = width();
    const int h = height();
    // Left and top bands are five pixels, right and bottom four; on tiny objects they
    // overlap and the first rule that matches wins.
    if (x < 5 && y < 5)
        return HitZone::TopLeft;
    if (x > w - 5 && y < 5)
        return HitZone::TopRight;
    if (x > w - 5 && y > h - 5)
        return HitZone::BottomRight;
    if (x < 5 && y > h - 5)
        return HitZone::BottomLeft;
    if (x < 5)
        return HitZone::Left;
    if (y < 5)
        return HitZone::Top;
    if (x > w - 5)
        return HitZone::Right;
    if (y > h - 5)
        return HitZone::Bottom;
    return HitZone::Client;
}

void CanvasObject::finishDrag()
{
    if (m_geometryStored)
        markModified();
    if (m_sendToBackAfterMove && m_document && m_document != this)
        m_document->sendToBack(this);
    repaint();
    moveFinished();
}

void CanvasObject::nudge(int dx, int dy)
{
    setBounds(left() + dx, top() + dy, width(), height());
}
