#include "AlbumMenuStyle.h"

#include "StyledComponent.h"
#include "GalleryDocument.h"

#include <QSize>

AlbumMenuStyle::AlbumMenuStyle(GalleryDocument *document, QObject *owner)
    : QObject(owner), m_document(document) {}

void AlbumMenuStyle::noteChange(bool tile)
{
    if (m_document)
        m_document->setModified(true);
    emit changed();
    if (tile)
        emit tileStyleChanged();
}

// Solid and gradient exclude each other: switching one on switches the other off.
void AlbumMenuStyle::setBackgroundOn(bool value)
{
    if (m_backgroundOn == value)
        return;
    m_backgroundOn = value;
    if (value)
        m_gradientFill = false;
    noteChange(true);
}

void AlbumMenuStyle::setGradientFill(bool value)
{
    if (m_gradientFill == value)
        return;
    m_gradientFill = value;
    if (value)
        m_backgroundOn = false;
    noteChange(true);
}

void AlbumMenuStyle::setTileWidth(int value) { assign(m_tileWidth, value, false); }
void AlbumMenuStyle::setTileHeight(int value) { assign(m_tileHeight, value, false); }
void AlbumMenuStyle::setTilePadding(int value) { assign(m_tilePadding, value, false); }
void AlbumMenuStyle::setHighlightOn(bool value) { assign(m_highlightOn, value, false); }
void AlbumMenuStyle::setHighlightWidth(int value) { assign(m_highlightWidth, value, false); }
void AlbumMenuStyle::setHighlightColor(PackedColor value) { assign(m_highlightColor, value, false); }
void AlbumMenuStyle::setCoverWidth(int value) { assign(m_coverWidth, value, false); }
void AlbumMenuStyle::setCoverHeight(int value) { assign(m_coverHeight, value, false); }
void AlbumMenuStyle::setFontSize(int value) { assign(m_fontSize, value, false); }
void AlbumMenuStyle::setFontColor(PackedColor value) { assign(m_fontColor, value, false); }
void AlbumMenuStyle::setFontFace(const QString &value) { assign(m_fontFace, value, false); }
void AlbumMenuStyle::setFillColor(PackedColor value) { assign(m_fillColor, value, true); }
void AlbumMenuStyle::setFillAlpha(int value) { assign(m_fillAlpha, value, true); }
void AlbumMenuStyle::setGradientColor(PackedColor value) { assign(m_gradientColor, value, true); }
void AlbumMenuStyle::setGradientAlpha(int value) { assign(m_gradientAlpha, value, true); }
void AlbumMenuStyle::setGradientAngle(int value) { assign(m_gradientAngle, value, true); }
void AlbumMenuStyle::setBorderOn(bool value) { assign(m_borderOn, value, true); }
void AlbumMenuStyle::setBorderSolid(bool value) { assign(m_borderSolid, value, true); }
void AlbumMenuStyle::setBorderColor(PackedColor value) { assign(m_borderColor, value, true); }

QSize AlbumMenuStyle::menuSize(int canvasWidth, int displayHeight, int albumCount) const
{
    const int step = m_tileWidth + m_tilePadding;
    // A zero step would divide by zero; no column fits then.
    const int columns = step > 0 ? canvasWidth / step : 0;
    int w = step * columns + m_tilePadding + 12;
    int h = 0;
    if (albumCount == 1) {
        w = m_tileWidth + 2 * m_tilePadding + 12;
        h = m_tileHeight + 2 * m_tilePadding;
    } else if (columns <= 0) {
        h = m_tileHeight + 2 * m_tilePadding;
    } else {
        const int rows = (albumCount + columns - 1) / columns;
        h = rows * (m_tileHeight + m_tilePadding) + m_tilePadding;
    }
    return QSize(w, std::min(h, displayHeight));
}

int AlbumMenuStyle::labelPointSize(int playerFontSize)
{
    // Sizes outside the player's list keep their own value, at least 1.
    const int mapped = StyledComponent::previewPointSize(playerFontSize);
    return mapped > 0 ? mapped : std::max(1, playerFontSize - 2);
}
