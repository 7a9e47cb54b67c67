#pragma once

#include "Album.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class AlbumPhoto;
class ThumbnailView;

// An album's thumbnails panel: one view per photo in a single row, placed as the album lays
// them out. It is shown in the image strip while the album is the current one.
class AlbumThumbnailsPanel : public QWidget
{
    Q_OBJECT
public:
    AlbumThumbnailsPanel(Album *album, QWidget *parent);

    Album *album() const { return m_album; }
    ThumbnailView *viewOf(const AlbumPhoto *image) const { return m_views.value(image); }
    // Views for new photos, none for removed ones, every view at its photo's place.
    void sync();
    // Repaints the views after selection changes.
    void refreshSelection();

signals:
    void viewCreated(ThumbnailView *view);

private:
    QPointer<Album> m_album;
    QHash<const AlbumPhoto *, ThumbnailView *> m_views;
};
