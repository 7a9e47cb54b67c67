#pragma once

#include "Album.h"

#include <QPointer>
#include <QWidget>


// One album's tile in the Photo Albums window, drawn as the player draws it in its album menu:
// the tile's fill and border, the cover, the bold name and the wrapped description.
class AlbumTileView : public QWidget
{
    Q_OBJECT
public:
    AlbumTileView(Album *album, QWidget *parent);

    Album *album() const { return m_album; }
    // Follows the album's place in the menu.
    void followAlbum();

signals:
    void clicked(Album *album);
    void deleteReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QPointer<Album> m_album;
};
