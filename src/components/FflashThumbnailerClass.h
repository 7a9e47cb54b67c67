#pragma once

#include "FflashComponentBaseClass.h"

#include <QList>
#include <array>

class FThummnailCatagory;

// The row of thumbnails below the big photo. It owns the gallery's albums and carries two
// styles: its own background ("header") and the style of each thumbnail cell.
class FflashThumbnailerClass : public FflashComponentBaseClass
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

    explicit FflashThumbnailerClass(QObject *owner = nullptr);
    ~FflashThumbnailerClass() override;

    int PictureInset() const { return m_pictureInset; }
    bool ThumbFill() const { return m_cellFill; }
    bool ThumbBorder() const { return m_cellBorder; }
    bool ThumbAspect() const { return m_keepAspect; }
    bool ThumbFade() const { return m_fade; }
    bool ThumbGradient() const { return m_cellGradient; }
    bool ThumbShadow() const { return m_shadow; }
    bool ThumbHighlight() const { return m_highlight; }
    bool ThumbBorderSolid() const { return m_solidCellBorder; }
    bool ThumbScale() const { return m_scalePicture; }
    int ThumbHighlightWidth() const { return m_highlightWidth; }
    int ThumbWidth() const { return m_cellWidth; }
    int ThumbImageHeight() const { return m_pictureHeight; }
    int ThumbAlpha() const { return m_thumbAlpha; }
    int ThumbSpacing() const { return m_spacing; }
    int ThumbImageY() const { return m_pictureY; }
    int ThumbHeight() const { return m_cellHeight; }
    int ThumbOffset() const { return m_offset; }
    int ThumbGradientAngle() const { return m_cellGradientAngle; }
    int ThumbImageWidth() const { return m_pictureWidth; }
    int ThumbImageX() const { return m_pictureX; }
    FColor ThumbShadowColor() const { return m_shadowColor; }
    FColor ThumbFillColor() const { return m_cellFillColor; }
    FColor ThumbGradientColor() const { return m_cellGradientColor; }
    FColor ThumbHighlightColor() const { return m_highlightColor; }
    FColor ThumbBorderColor() const { return m_cellBorderColor; }

    void SetPictureInset(int value) { m_pictureInset = value; }
    void SetThumbWidth(int value);
    void SetThumbHeight(int value);
    void SetThumbOffset(int value);
    void SetThumbSpacing(int value);
    void SetThumbImageWidth(int value);
    void SetThumbImageHeight(int value);
    void SetThumbImageX(int value);
    void SetThumbImageY(int value);
    void SetThumbAlpha(int value);
    void SetThumbHighlightWidth(int value);
    void SetThumbGradientAngle(int value);
    void SetThumbFill(bool value);
    void SetThumbGradient(bool value);
    void SetThumbBorder(bool value);
    void SetThumbBorderSolid(bool value);
    void SetThumbHighlight(bool value);
    void SetThumbShadow(bool value);
    void SetThumbFade(bool value);
    void SetThumbScale(bool value);
    void SetThumbAspect(bool value);
    void SetThumbFillColor(FColor value);
    void SetThumbGradientColor(FColor value);
    void SetThumbBorderColor(FColor value);
    void SetThumbHighlightColor(FColor value);
    void SetThumbShadowColor(FColor value);
    void RecomputePictureBox();

    const QList<FThummnailCatagory *> &Albums() const { return m_albums; }
    FThummnailCatagory *AddAlbum(const QString &name);
    void DeleteSelectedAlbum();
    void MoveAlbum(int from, int to);
    // Makes an album the current one of the Photo Albums window (its only selected album).
    void SelectAlbum(FThummnailCatagory *album);
    FThummnailCatagory *SelectedAlbum() const;
    void SelectFirstAlbum();
    void ApplyAlbumStyle();

    void RefreshPreview();
    const std::array<PreviewCell, PreviewCells> &Preview() const { return m_preview; }
    static const QImage &NoImagePlaceholder();

    HitZone HitTest(int x, int y) const override;
    QString WriteXml() override;
    QString WriteRootAttributes() const;
    void CopyFilesTo(const QString &folder) override;
    void CollectFiles() override;

signals:
    void AlbumListChanged();
    void CurrentAlbumChanged(FThummnailCatagory *album);

private:
    void CellChanged() { Changed(); }
    void FollowCellHeight();

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
    FColor m_shadowColor = Colors::Black;
    FColor m_cellFillColor = Colors::Black;
    FColor m_cellGradientColor = Colors::White;
    FColor m_highlightColor = Colors::Red;
    FColor m_cellBorderColor = Colors::White;
    std::array<PreviewCell, PreviewCells> m_preview;
    QList<FThummnailCatagory *> m_albums;
};
