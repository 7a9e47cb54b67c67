#pragma once

#include "Color.h"

#include <QObject>
#include <QString>

class GalleryDocument;

// The style of the album menu that the player shows: tile size, padding, cover size, fonts,
// tile fill and border. Field names are those of the gallery file's attributes.
class AlbumMenuStyle : public QObject
{
    Q_OBJECT
public:
    explicit AlbumMenuStyle(GalleryDocument *document, QObject *owner = nullptr);

    int catw = 200;
    int cath = 75;
    int catxypadding = 10;
    bool cathlight = true;
    int cathlightwidth = 2;
    PackedColor cathlightclr = Colors::Red;
    int catimgw = 50;
    int catimgh = 38;
    int catfontsize = 10;
    PackedColor catfontclr = Colors::White;
    QString catfont = QStringLiteral("Tahoma");
    bool catdobk = true;
    bool catdogradient = false;
    PackedColor catfillclr = Colors::Black;
    int catfillalpha = 25;
    PackedColor catgradclr = Colors::Silver;
    int catgradalpha = 70;
    int catgradangle = 70;
    bool catdobdr = true;
    bool catbdrsolid = true;
    PackedColor catbdrcolor = Colors::White;

    // Layout fields: stored only (their controls mark the gallery modified).
    void setCatW(int v) { catw = v; }
    void setCatH(int v) { cath = v; }
    void setCatXYPadding(int v) { catxypadding = v; }
    void setCatHLight(bool v) { cathlight = v; }
    void setCatHLightWidth(int v) { cathlightwidth = v; }
    void setCatHLightClr(PackedColor v) { cathlightclr = v; }
    void setCatImgW(int v) { catimgw = v; }
    void setCatImgH(int v) { catimgh = v; }
    void setCatFontSize(int v) { catfontsize = v; }
    void setCatFontClr(PackedColor v) { catfontclr = v; }
    void setCatFont(const QString &v) { catfont = v; }

    // Tile background and border: mark the gallery modified and repaint the album tiles.
    void setCatDoBk(bool v);
    void setCatDoGradient(bool v);
    void setCatFillClr(PackedColor v);
    void setCatFillAlpha(int v);
    void setCatGradClr(PackedColor v);
    void setCatGradAlpha(int v);
    void setCatGradAngle(int v);
    void setCatDoBdr(bool v);
    void setCatBdrSolid(bool v);
    void setCatBdrColor(PackedColor v);

    // The album menu's width and height for a gallery width, an image display height and a
    // number of albums.
    QSize menuSize(int canvasWidth, int displayHeight, int albumCount) const;
    QString writeMenuStyleXml(int w, int h) const;

    // The label size of the album tiles for a player font size.
    static int labelPointSize(int catFontSize);

signals:
    void tileStyleChanged();

private:
    void tileChanged();
    GalleryDocument *m_document;
};
