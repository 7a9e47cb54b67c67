#pragma once

#include "StyledComponent.h"

// The large picture area where the player shows the slideshow. It keeps a 4:3 shape: it is
// resized by its side edges and its height follows the width.
class ImageDisplay : public StyledComponent
{
    Q_OBJECT
public:
    explicit ImageDisplay(QObject *owner = nullptr);

    bool scaleToFit() const { return m_scaleToFit; }
    bool clickFullSize() const { return m_clickFullSize; }
    bool keepAspect() const { return m_keepAspect; }
    int loaderWidth() const { return m_loaderWidth; }
    // The preview photo and the file it came from (none when cleared).
    const QImage &picture() const { return m_picture; }
    QString PictureFile() const { return m_pictureFile; }
    // Where the photo is drawn: 3 pixels inside each edge.
    QRect pictureViewRect() const { return QRect(3, 3, width() - 6, height() - 6); }

    void setScaleToFit(bool value);
    void setClickFullSize(bool value);
    void setKeepAspect(bool value);
    void setLoaderWidth(int value);
    void showPicture(const QString &file);
    void clearPicture();

    HitZone hitTest(int x, int y) const override;
    QString writeXml() override;

protected:
    void sizeChanged() override;

private:
    bool m_scaleToFit = true;
    bool m_clickFullSize = true;
    bool m_keepAspect = false;
    int m_loaderWidth = 200;
    QImage m_picture;
    QString m_pictureFile;
};
