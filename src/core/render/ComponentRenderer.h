#pragma once

#include "Color.h"

#include <QImage>

class QPainter;
class GalleryDocument;
class StyledComponent;
class GalleryButton;
class ImageDisplay;
class ThumbnailStrip;

// Paints the gallery and its components the way the canvas shows them: solid fills, the
// diagonal two-colour gradient, unscaled background pictures, one-pixel borders, button texts
// and icons and the first album's thumbnails. Opacities, angles and the player's effects are
// left to the player.
//
// The renderer keeps the gallery's background as last painted (DrawBuffer), so that components
// that show the gallery through themselves copy a rectangle of it instead of repainting it.
class ComponentRenderer
{
public:
    // The whole canvas in the gallery's coordinates: the gallery, then every visible component
    // in z-order, each clipped to its own rectangle.
    void paintCanvas(QPainter &painter, const GalleryDocument &gallery);

    // The gallery's background and border, drawn into DrawBuffer and from there at (0, 0).
    void paintGallery(QPainter &painter, const GalleryDocument &gallery);

    // One component in its own coordinates ((0, 0) is its top-left pixel). Show-through reads
    // DrawBuffer, so the gallery is painted first.
    void paintComponent(QPainter &painter, const StyledComponent &component) const;

    const QImage &drawBuffer() const { return m_drawBuffer; }

    // A fresh canvas picture of the gallery, as the canvas would show it.
    static QImage renderGallery(const GalleryDocument &gallery);

    // The building blocks, shared with other previews.
    // Fills (0, 0, width, height) along its diagonal: gradientColor at the top-left corner,
    // fillColor at the bottom-right, lines of equal colour parallel to the other diagonal.
    static void paintGradient(QPainter &painter, int width, int height, PackedColor fillColor, PackedColor gradientColor);
    // The one-pixel outline (0, H) - (0, 0) - (W-1, 0) - (W-1, H-1) - (0, H-1).
    static void paintOutline(QPainter &painter, int width, int height, PackedColor color, bool solid);
    // White outline with a red dotted one over it, on (0, 0) - (W, H) exclusive.
    static void paintSelectionFrame(QPainter &painter, int width, int height);
    // What the image display's picture view shows where there is no photo.
    static QColor pictureViewBackground();

private:
    void paintStyledBase(QPainter &painter, const StyledComponent &component) const;
    static void paintButton(QPainter &painter, const GalleryButton &button);
    static void paintImageDisplay(QPainter &painter, const ImageDisplay &display);
    static void paintThumbnailStrip(QPainter &painter, const ThumbnailStrip &strip);

    QImage m_drawBuffer;
};
