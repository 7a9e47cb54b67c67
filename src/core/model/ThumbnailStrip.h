#pragma once

#include "StyledComponent.h"

#include <QList>
#include <array>

class Album;

// The row of thumbnails below the big photo. It owns the gallery's albums and carries two
// styles: its own background ("header") and the style of each thumbnail cell.
class ThumbnailStrip : public StyledComponent
{
    Q_OBJECT
public:
    static constexpr int PreviewCells = 10;

    struct PreviewCell
    {
        QString path;        // file shown, empty for the placeholder
        QImage picture;
        bool placeholder = true;
    };

    explicit ThumbnailStrip(QObject *owner = nullptr);
    ~ThumbnailStrip() override;

    int pictureInset() const { return m_pictureInset; }
    bool thumbFill() const { return m_cellFill; }
    bool thumbBorder() const { return m_cellBorder; }
    bool thumbAspect() const { return m_keepAspect; }
    bool thumbFade() const { return m_fade; }
    bool thumbGradient() const { return m_cellGradient; }
    bool thumbShadow() const { return m_shadow; }
    bool thumbHighlight() const { return m_highlight; }
    bool thumbBorderSolid() const { return m_solidCellBorder; }
    bool thumbScale() const { return m_scalePicture; }
    int thumbHighlightWidth() const { return m_highlightWidth; }
    int thumbWidth() const { return m_cellWidth; }
    int thumbImageHeight() const { return m_pictureHeight; }
    int thumbAlpha() const { return m_thumbAlpha; }
    int thumbSpacing() const { return m_spacing; }
    int thumbImageY() const { return m_pictureY; }
    int thumbHeight() const { return m_cellHeight; }
    int thumbOffset() const { return m_offset; }
    int thumbGradientAngle() const { return m_cellGradientAngle; }
    int thumbImageWidth() const { return m_pictureWidth; }
    int thumbImageX() const { return m_pictureX; }
    PackedColor thumbShadowColor() const { return m_shadowColor; }
    PackedColor thumbFillColor() const { return m_cellFillColor; }
    PackedColor thumbGradientColor() const { return m_cellGradientColor; }
    PackedColor thumbHighlightColor() const { return m_highlightColor; }
    PackedColor thumbBorderColor() const { return m_cellBorderColor; }

    void setPictureInset(int value) { assign(m_pictureInset, value, false); }
    void setThumbWidth(int value);
    void setThumbHeight(int value);
    void setThumbOffset(int value);
    void setThumbSpacing(int value);
    void setThumbImageWidth(int value);
    void setThumbImageHeight(int value);
    void setThumbImageX(int value);
    void setThumbImageY(int value);
    void setThumbAlpha(int value);
    void setThumbHighlightWidth(int value);
    void setThumbGradientAngle(int value);
    void setThumbFill(bool value);
    void setThumbGradient(bool value);
    void setThumbBorder(bool value);
    void setThumbBorderSolid(bool value);
    void setThumbHighlight(bool value);
    void setThumbShadow(bool value);
    void setThumbFade(bool value);
    void setThumbScale(bool value);
    void setThumbAspect(bool value);
    void setThumbFillColor(PackedColor value);
    void setThumbGradientColor(PackedColor value);
    void setThumbBorderColor(PackedColor value);
    void setThumbHighlightColor(PackedColor value);
    void setThumbShadowColor(PackedColor value);
    void recomputePictureBox();

    const QList<Album *> &albums() const { return m_albums; }
    Album *addAlbum(const QString &name);
    void deleteSelectedAlbum();
    void moveAlbum(int from, int to);
    // Makes an album the current one of the Photo Albums window (its only selected album).
    void selectAlbum(Album *album);
    Album *selectedAlbum() const;
    void selectFirstAlbum();
    void applyAlbumStyle();

    void refreshPreview();
    const std::array<PreviewCell, PreviewCells> &preview() const { return m_preview; }
    static const QImage &noImagePlaceholder();

    HitZone hitTest(int x, int y) const override;
    QString writeXml() override;
    QString writeRootAttributes() const;
    void copyFilesTo(const QString &folder) override;
    QStringList imageFileNames() const override;

signals:
    void albumListChanged();
    void currentAlbumChanged(Album *album);

private:
    void followCellHeight();

    int m_pictureInset = 1;
    bool m_cellFill = false;
    bool m_cellBorder = true;
    bool m_keepAspect = true;
    bool m_fade = false;
    bool m_cellGradient = false;
    bool m_shadow = false;
    bool m_highlight = true;
    bool m_solidCellBorder = true;
    bool m_scalePicture = true;
    int m_highlightWidth = 2;
    int m_cellWidth = 100;
    int m_pictureHeight = 68;
    int m_thumbAlpha = 100;
    int m_spacing = 5;
    int m_pictureY = 1;
    int m_cellHeight = 70;
    int m_offset = 5;
    int m_cellGradientAngle = 70;
    int m_pictureWidth = 98;
    int m_pictureX = 1;
    PackedColor m_shadowColor = Colors::Black;
    PackedColor m_cellFillColor = Colors::Black;
    PackedColor m_cellGradientColor = Colors::White;
    PackedColor m_highlightColor = Colors::Red;
    PackedColor m_cellBorderColor = Colors::White;
    std::array<PreviewCell, PreviewCells> m_preview;
    QList<Album *> m_albums;
};
