#pragma once

#include "app/Color.h"

#include <QImage>

class QPainter;
class FflashMovie;
class FflashComponentBaseClass;
class FflashButtonClass;
class FflashImageDisplay;
class FflashThumbnailerClass;

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
    void PaintCanvas(QPainter &painter, const FflashMovie &gallery);

    // The gallery's background and border, drawn into DrawBuffer and from there at (0, 0).
    void PaintGallery(QPainter &painter, const FflashMovie &gallery);

    // One component in its own coordinates ((0, 0) is its top-left pixel). Show-through reads
    // DrawBuffer, so the gallery is painted first.
    void PaintComponent(QPainter &painter, const FflashComponentBaseClass &component) const;

    const QImage &DrawBuffer() const { return m_drawBuffer; }

    // A fresh canvas picture of the gallery, as the canvas would show it.
    static QImage RenderGallery(const FflashMovie &gallery);

    // The building blocks, shared with other previews.
    // Fills (0, 0, width, height) along its diagonal: gradientColor at the top-left corner,
    // fillColor at the bottom-right, lines of equal colour parallel to the other diagonal.
    static void PaintGradient(QPainter &painter, int width, int height, FColor fillColor, FColor gradientColor);
    // The one-pixel outline (0, H) - (0, 0) - (W-1, 0) - (W-1, H-1) - (0, H-1).
    static void PaintOutline(QPainter &painter, int width, int height, FColor color, bool solid);
    // White outline with a red dotted one over it, on (0, 0) - (W, H) exclusive.
    static void PaintSelectionFrame(QPainter &painter, int width, int height);
    // What the image display's picture view shows where there is no photo.
    static QColor PictureViewBackground();

private:
    void PaintStyledBase(QPainter &painter, const FflashComponentBaseClass &component) const;
    static void PaintButton(QPainter &painter, const FflashButtonClass &button);
    static void PaintImageDisplay(QPainter &painter, const FflashImageDisplay &display);
    static void PaintThumbnailStrip(QPainter &painter, const FflashThumbnailerClass &strip);

    QImage m_drawBuffer;
};
