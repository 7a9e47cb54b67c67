#include "AlbumMenuPanelView.h"

#include "AlbumMenuBackground.h"
#include "ComponentRenderer.h"

#include <QPainter>

AlbumMenuPanelView::AlbumMenuPanelView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AlbumMenuPanelView::setPanel(AlbumMenuBackground *panel)
{
    if (m_panel)
        disconnect(m_panel, nullptr, this, nullptr);
    m_panel = panel;
    if (panel)
        connect(panel, &CanvasObject::repaintRequested, this, qOverload<>(&QWidget::update));
    update();
}

void AlbumMenuPanelView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_panel)
        return;
    // The model's panel is as wide as the album area; the widget may briefly differ in size.
    ComponentRenderer renderer;
    renderer.paintComponent(painter, *m_panel);
}
