#include "ThumbnailView.h"

#include "AlbumPhoto.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ThumbnailView::ThumbnailView(AlbumPhoto *image, QWidget *parent)
    : QWidget(parent), m_image(image), m_picture(image->loadThumbnail())
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(AlbumPhoto::ViewWidth, AlbumPhoto::ViewHeight);
}

void ThumbnailView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool selected = m_image && m_image->selected();
    painter.fillRect(rect(), selected ? QColor(Qt::black) : palette().button().color());
    if (!m_image || m_picture.isNull())
        return;
    const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target((width() - fitted.width()) / 2, (height() - fitted.height()) / 2, fitted.width(), fitted.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_picture);
}

void ThumbnailView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_image)
        emit clicked(m_image, event->modifiers().testFlag(Qt::ShiftModifier));
    else
        QWidget::mousePressEvent(event);
}

void ThumbnailView::keyPressEvent(QKeyEvent *event)
{
    // The arrow keys reorder the photos (the application-wide key handler runs that); the strip
    // must not scroll on them as well.
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ThumbnailView::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && !event->isAutoRepeat()) {
        emit deleteReleased();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
