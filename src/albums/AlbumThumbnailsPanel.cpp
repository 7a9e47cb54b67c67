#include "AlbumThumbnailsPanel.h"

#include "FThummnailCatagory.h"
#include "FThummnailImageData.h"
#include "ThumbnailView.h"

#include <QSet>

AlbumThumbnailsPanel::AlbumThumbnailsPanel(FThummnailCatagory *album, QWidget *parent) : QWidget(parent), m_album(album)
{
    connect(album, &FThummnailCatagory::ImagesChanged, this, &AlbumThumbnailsPanel::Sync);
    connect(album, &FThummnailCatagory::ImageSelectionChanged, this, &AlbumThumbnailsPanel::RefreshSelection);
    Sync();
}

void AlbumThumbnailsPanel::Sync()
{
    if (!m_album)
        return;
    QSet<const FThummnailImageData *> present;
    for (FThummnailImageData *image : m_album->images()) {
        present.insert(image);
        ThumbnailView *view = m_views.value(image);
        if (!view) {
            view = new ThumbnailView(image, this);
            m_views.insert(image, view);
            emit ViewCreated(view);
        }
        view->move(image->viewLeft, 0);
        view->show();
    }
    // A removed photo is destroyed right after this: its view lets go of it at once and goes
    // when the events it may be handling are over.
    for (auto it = m_views.begin(); it != m_views.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        it.value()->Release();
        it.value()->hide();
        it.value()->deleteLater();
        it = m_views.erase(it);
    }
    resize(m_album->thumbnailsPanelWidth(), std::max(m_album->thumbnailsPanelHeight(), m_album->images().isEmpty() ? 0 : 100));
    RefreshSelection();
}

void AlbumThumbnailsPanel::RefreshSelection()
{
    for (ThumbnailView *view : std::as_const(m_views))
        view->update();
}
