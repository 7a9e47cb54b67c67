#pragma once

#include "app/Color.h"

#include <QObject>
#include <QString>

class FflashMovie;

// The style of the album menu that the player shows: tile size, padding, cover size, fonts,
// tile fill and border. Field names are those of the gallery file's attributes.
class FCatagoryMenuStyle : public QObject
{
    Q_OBJECT
public:
    explicit FCatagoryMenuStyle(FflashMovie *document, QObject *owner = nullptr);

    int catw = 200;
    int cath = 75;
    int catxypadding = 10;
    bool cathlight = true;
    int cathlightwidth = 2;
    FColor cathlightclr = Colors::Red;
    int catimgw = 50;
    int catimgh = 38;
    int catfontsize = 10;
    FColor catfontclr = Colors::White;
    QString catfont = QStringLiteral("Tahoma");
    bool catdobk = true;
    bool catdogradient = false;
    FColor catfillclr = Colors::Black;
    int catfillalpha = 25;
    FColor catgradclr = Colors::Silver;
    int catgradalpha = 70;
    int catgradangle = 70;
    bool catdobdr = true;
    bool catbdrsolid = true;
    FColor catbdrcolor = Colors::White;

    // Layout fields: stored only (their controls mark the gallery modified).
    void SetCatW(int v) { catw = v; }
    void SetCatH(int v) { cath = v; }
    void SetCatXYPadding(int v) { catxypadding = v; }
    void SetCatHLight(bool v) { cathlight = v; }
    void SetCatHLightWidth(int v) { cathlightwidth = v; }
    void SetCatHLightClr(FColor v) { cathlightclr = v; }
    void SetCatImgW(int v) { catimgw = v; }
    void SetCatImgH(int v) { catimgh = v; }
    void SetCatFontSize(int v) { catfontsize = v; }
    void SetCatFontClr(FColor v) { catfontclr = v; }
    void SetCatFont(const QString &v) { catfont = v; }

    // Tile background and border: mark the gallery modified and repaint the album tiles.
    void SetCatDoBk(bool v);
    void SetCatDoGradient(bool v);
    void SetCatFillClr(FColor v);
    void SetCatFillAlpha(int v);
    void SetCatGradClr(FColor v);
    void SetCatGradAlpha(int v);
    void SetCatGradAngle(int v);
    void SetCatDoBdr(bool v);
    void SetCatBdrSolid(bool v);
    void SetCatBdrColor(FColor v);

    // The album menu's width and height for a gallery width, an image display height and a
    // number of albums.
    QSize MenuSize(int canvasWidth, int displayHeight, int albumCount) const;
    QString WriteMenuStyleXml(int w, int h) const;

    // The label size of the album tiles for a player font size.
    static int LabelPointSize(int catFontSize);

signals:
    void TileStyleChanged();

private:
    void TileChanged();
    FflashMovie *m_document;
};
