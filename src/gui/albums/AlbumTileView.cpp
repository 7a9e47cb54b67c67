#include "AlbumTileView.h"

#include "AlbumMenuStyle.h"
#include "Album.h"
#include "ComponentRenderer.h"
#include "GalleryDocument.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

AlbumTileView::AlbumTileView(Album *album, QWidget *parent) : QWidget(parent), m_album(album)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(album, &CanvasObject::repaintRequested, this, qOverload<>(&QWidget::update));
    connect(album, &CanvasObject::geometryChanged, this, &AlbumTileView::followAlbum);
    followAlbum();
}

void AlbumTileView::followAlbum()
{
    if (m_album)
        setGeometry(m_album->bounds());
    update();
}

void AlbumTileView::paintEvent(QPaintEvent *)
{
    if (!m_album)
        return;
    QPainter painter(this);
    ComponentRenderer renderer;
    renderer.paintComponent(painter, *m_album);

    // The cover is shrunk or stretched into its box, keeping its proportions.
    const QRect box = m_album->coverBox();
    const QImage &cover = m_album->coverPicture();
    if (!cover.isNull() && box.width() > 0 && box.height() > 0) {
        const QSize fitted = cover.size().scaled(box.size(), Qt::KeepAspectRatio);
        const QRect target(box.x() + (box.width() - fitted.width()) / 2, box.y() + (box.height() - fitted.height()) / 2,
                           fitted.width(), fitted.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, cover);
    }

    const GalleryDocument *document = m_album->Document();
    const QColor text = document ? toQColor(document->menuStyle()->fontColor()) : QColor(Qt::white);
    painter.setPen(text);
    // The texts are shown as typed: an ampersand is no mnemonic.
    painter.setFont(m_album->labelFont(true));
    painter.drawText(m_album->nameLabel(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_album->name());
    painter.setFont(m_album->labelFont(false));
    painter.drawText(m_album->descriptionLabel(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_album->description());

    // The selection frame stays on top of the cover and the texts.
    if (m_album->selected())
        ComponentRenderer::paintSelectionFrame(painter, width(), height());
}

void AlbumTileView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_album)
        emit clicked(m_album);
    QWidget::mousePressEvent(event);
}

void AlbumTileView::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && !event->isAutoRepeat()) {
        emit deleteReleased();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
