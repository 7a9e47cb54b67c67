#pragma once

#include "Color.h"

#include <QObject>
#include <QString>

class GalleryDocument;

// The style of the album menu that the player shows: tile size, padding, cover size, fonts,
// tile fill and border.
class AlbumMenuStyle : public QObject
{
    Q_OBJECT
public:
    explicit AlbumMenuStyle(GalleryDocument *document, QObject *owner = nullptr);

    int tileWidth() const { return m_tileWidth; }
    int tileHeight() const { return m_tileHeight; }
    int tilePadding() const { return m_tilePadding; }
    bool highlightOn() const { return m_highlightOn; }
    int highlightWidth() const { return m_highlightWidth; }
    PackedColor highlightColor() const { return m_highlightColor; }
    int coverWidth() const { return m_coverWidth; }
    int coverHeight() const { return m_coverHeight; }
    int fontSize() const { return m_fontSize; }
    PackedColor fontColor() const { return m_fontColor; }
    QString fontFace() const { return m_fontFace; }
    bool backgroundOn() const { return m_backgroundOn; }
    bool gradientFill() const { return m_gradientFill; }
    PackedColor fillColor() const { return m_fillColor; }
    int fillAlpha() const { return m_fillAlpha; }
    PackedColor gradientColor() const { return m_gradientColor; }
    int gradientAlpha() const { return m_gradientAlpha; }
    int gradientAngle() const { return m_gradientAngle; }
    bool borderOn() const { return m_borderOn; }
    bool borderSolid() const { return m_borderSolid; }
    PackedColor borderColor() const { return m_borderColor; }

    // Each setter that changes its value marks the gallery modified and sends changed(); the
    // tile background and border setters also send tileStyleChanged() to repaint the album tiles.
    void setTileWidth(int value);
    void setTileHeight(int value);
    void setTilePadding(int value);
    void setHighlightOn(bool value);
    void setHighlightWidth(int value);
    void setHighlightColor(PackedColor value);
    void setCoverWidth(int value);
    void setCoverHeight(int value);
    void setFontSize(int value);
    void setFontColor(PackedColor value);
    void setFontFace(const QString &value);
    void setBackgroundOn(bool value);
    void setGradientFill(bool value);
    void setFillColor(PackedColor value);
    void setFillAlpha(int value);
    void setGradientColor(PackedColor value);
    void setGradientAlpha(int value);
    void setGradientAngle(int value);
    void setBorderOn(bool value);
    void setBorderSolid(bool value);
    void setBorderColor(PackedColor value);

    // The album menu's width and height for a gallery width, an image display height and a
    // number of albums.
    QSize menuSize(int canvasWidth, int displayHeight, int albumCount) const;

    // The label size of the album tiles for a player font size.
    static int labelPointSize(int playerFontSize);

signals:
    void changed();
    void tileStyleChanged();

private:
    template<typename T>
    void assign(T &member, const T &value, bool tile)
    {
        if (member == value)
            return;
        member = value;
        noteChange(tile);
    }
    void noteChange(bool tile);

    GalleryDocument *m_document;
    int m_tileWidth = 200;
    int m_tileHeight = 75;
    int m_tilePadding = 10;
    bool m_highlightOn = true;
    int m_highlightWidth = 2;
    PackedColor m_highlightColor = Colors::Red;
    int m_coverWidth = 50;
    int m_coverHeight = 38;
    int m_fontSize = 10;
    PackedColor m_fontColor = Colors::White;
    QString m_fontFace = QStringLiteral("Tahoma");
    bool m_backgroundOn = true;
    bool m_gradientFill = false;
    PackedColor m_fillColor = Colors::Black;
    int m_fillAlpha = 25;
    PackedColor m_gradientColor = Colors::Silver;
    int m_gradientAlpha = 70;
    int m_gradientAngle = 70;
    bool m_borderOn = true;
    bool m_borderSolid = true;
    PackedColor m_borderColor = Colors::White;
};
