#include "AlbumThumbnailsPanel.h"

#include "Album.h"
#include "AlbumPhoto.h"
#include "ThumbnailView.h"

#include <QSet>

AlbumThumbnailsPanel::AlbumThumbnailsPanel(Album *album, QWidget *parent) : QWidget(parent), m_album(album)
{
    connect(album, &Album::imagesChanged, this, &AlbumThumbnailsPanel::sync);
    connect(album, &Album::imageSelectionChanged, this, &AlbumThumbnailsPanel::refreshSelection);
    sync();
}

void AlbumThumbnailsPanel::sync()
{
    if (!m_album)
        return;
    QSet<const AlbumPhoto *> present;
    for (AlbumPhoto *image : m_album->images()) {
        present.insert(image);
        ThumbnailView *view = m_views.value(image);
        if (!view) {
            view = new ThumbnailView(image, this);
            m_views.insert(image, view);
            emit viewCreated(view);
        }
        view->move(image->viewLeft(), 0);
        view->show();
    }
    // A removed photo is destroyed right after this: its view lets go of it at once and goes
    // when the events it may be handling are over.
    for (auto it = m_views.begin(); it != m_views.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        it.value()->release();
        it.value()->hide();
        it.value()->deleteLater();
        it = m_views.erase(it);
    }
    resize(m_album->thumbnailsPanelWidth(), std::max(m_album->thumbnailsPanelHeight(), m_album->images().isEmpty() ? 0 : 100));
    refreshSelection();
}

void AlbumThumbnailsPanel::refreshSelection()
{
    for (ThumbnailView *view : std::as_const(m_views))
        view->update();
}
