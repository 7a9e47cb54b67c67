#include "AlbumMenuBackground.h"

AlbumMenuBackground::AlbumMenuBackground(QObject *owner) : StyledComponent(owner)
{
    setFillColor(Colors::Black);
    setFillAlpha(25);
    setGradientAlpha(25);
    setMovable(false);
    setResizable(false);
    setWriteGeometry(false);
    setHasFont(false);
    setBareAttributes(true);
    setBounds(1, 1, 0, 0);
    setModified(false);
}

QString AlbumMenuBackground::writeXml()
{
    return writeBackgroundXml();
}
