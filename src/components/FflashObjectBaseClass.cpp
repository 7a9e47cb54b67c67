#include "FflashObjectBaseClass.h"

#include "gallery/FflashMovie.h"

FflashObjectBaseClass::FflashObjectBaseClass(QObject *owner) : QObject(owner) {}

FflashObjectBaseClass::~FflashObjectBaseClass() = default;

void FflashObjectBaseClass::SetBounds(int left, int top, int width, int height)
{
    const QRect next(left, top, width, height);
    if (next == m_rect)
        return;
    const bool resized = next.size() != m_rect.size();
    m_rect = next;
    // The size rules of subclasses set the size again; they must not recurse.
    if (resized && !m_inSizeChange) {
        m_inSizeChange = true;
        SizeChanged();
        m_inSizeChange = false;
    }
    emit GeometryChanged();
    Repaint();
}

void FflashObjectBaseClass::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    Repaint();
}

void FflashObjectBaseClass::SetSelected(bool value)
{
    m_selected = value;
    Repaint();
}

void FflashObjectBaseClass::MarkModified()
{
    m_modified = true;
    if (m_document && m_document != this)
        m_document->SetModified(true);
}

QString FflashObjectBaseClass::WriteXml()
{
    return {};
}

int FflashObjectBaseClass::CollectUploadFiles()
{
    return 0;
}

void FflashObjectBaseClass::ShowGalleryProperties() {}

void FflashObjectBaseClass::MoveFinished() {}

HitZone FflashObjectBaseClass::HitTest(int x, int y) const
{
    if (!m_resizable)
        return HitZone::Client;
    const int w = Width();
    const int h = Height();
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

void FflashObjectBaseClass::FinishDrag()
{
    if (m_sendToBackAfterMove && m_document && m_document != this)
        m_document->SendToBack(this);
    Repaint();
    MoveFinished();
}

void FflashObjectBaseClass::Nudge(int dx, int dy)
{
    SetBounds(Left() + dx, Top() + dy, Width(), Height());
}
