#pragma once

#include <QImage>
#include <QWidget>

class AlbumPhoto;

// One photo's 100 x 100 view in the image strip of the Photo Albums window: the thumbnail fitted
// into it on black while the photo is selected, on the button face otherwise.
class ThumbnailView : public QWidget
{
    Q_OBJECT
public:
    ThumbnailView(AlbumPhoto *image, QWidget *parent);

    AlbumPhoto *image() const { return m_image; }
    // The photo is going away: the view forgets it and shows nothing more.
    void release() { m_image = nullptr; }

signals:
    void clicked(AlbumPhoto *image, bool shiftHeld);
    void deleteReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    AlbumPhoto *m_image;
    QImage m_picture;
};
