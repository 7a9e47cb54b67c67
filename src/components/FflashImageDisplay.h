#pragma once

#include "FflashComponentBaseClass.h"

// The large picture area where the player shows the slideshow. It keeps a 4:3 shape: it is
// resized by its side edges and its height follows the width.
class FflashImageDisplay : public FflashComponentBaseClass
{
    Q_OBJECT
public:
    explicit FflashImageDisplay(QObject *owner = nullptr);

    bool ScaleToFit() const { return m_scaleToFit; }
    bool ClickFullSize() const { return m_clickFullSize; }
    bool KeepAspect() const { return m_keepAspect; }
    int LoaderWidth() const { return m_loaderWidth; }
    // The preview photo and the file it came from (none when cleared).
    const QImage &Picture() const { return m_picture; }
    QString PictureFile() const { return m_pictureFile; }
    // Where the photo is drawn: 3 pixels inside each edge.
    QRect PictureViewRect() const { return QRect(3, 3, Width() - 6, Height() - 6); }

    void SetScaleToFit(bool value);
    void SetClickFullSize(bool value);
    void SetKeepAspect(bool value);
    void SetLoaderWidth(int value);
    void ShowPicture(const QString &file);
    void ClearPicture();

    HitZone HitTest(int x, int y) const override;
    QString WriteXml() override;

protected:
    void SizeChanged() override;

private:
    bool m_scaleToFit = true;
    bool m_clickFullSize = true;
    bool m_keepAspect = false;
    int m_loaderWidth = 200;
    QImage m_picture;
    QString m_pictureFile;
};
