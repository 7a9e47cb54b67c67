#pragma once

#include "FThummnailCatagory.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class FThummnailImageData;
class ThumbnailView;

// An album's thumbnails panel: one view per photo in a single row, placed as the album lays
// them out. It is shown in the image strip while the album is the current one.
class AlbumThumbnailsPanel : public QWidget
{
    Q_OBJECT
public:
    AlbumThumbnailsPanel(FThummnailCatagory *album, QWidget *parent);

    FThummnailCatagory *Album() const { return m_album; }
    ThumbnailView *ViewOf(const FThummnailImageData *image) const { return m_views.value(image); }
    // Views for new photos, none for removed ones, every view at its photo's place.
    void Sync();
    // Repaints the views after selection changes.
    void RefreshSelection();

signals:
    void ViewCreated(ThumbnailView *view);

private:
    QPointer<FThummnailCatagory> m_album;
    QHash<const FThummnailImageData *, ThumbnailView *> m_views;
};
