#include "SegmentedProgressBar.h"

#include <QPainter>

SegmentedProgressBar::SegmentedProgressBar(QWidget *parent) : QWidget(parent) {}

void SegmentedProgressBar::setPercent(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent == m_percent)
        return;
    m_percent = percent;
    update();
}

void SegmentedProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(frame);
    constexpr int block = 6;
    constexpr int gap = 2;
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    const int lit = inner.width() * m_percent / 100;
    const QColor on = palette().highlight().color();
    for (int x = 0; x < lit; x += block + gap)
        painter.fillRect(inner.x() + x, inner.y(), std::min(block, lit - x), inner.height(), on);
}
