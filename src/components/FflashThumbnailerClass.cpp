#include "FflashThumbnailerClass.h"

#include "albums/FCatagoryMenuStyle.h"
#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailCatagoryPanel.h"
#include "albums/FThummnailImageData.h"
#include "app/AppFolders.h"
#include "components/FflashImageDisplay.h"
#include "gallery/FflashMovie.h"
#include "gallery/XmlText.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

FflashThumbnailerClass::FflashThumbnailerClass(QObject *owner) : FflashComponentBaseClass(owner)
{
    SetSendToBackAfterMove(false);
    SetElementName(u"thumbnailer"_s);
    SetHasFont(false);
    SetBounds(Left(), Top(), 400, 80);
    SetGradientColor(Colors::White);
    SetFillColor(Colors::Black);
    SetGradientFill(false);
    SetGradientAngle(70);
    SetBorderColor(Colors::White);
    // The cell style's defaults are the member initialisers: no fill, a solid white border,
    // 100 x 70 cells 5 apart and 5 from the edges, a 2-pixel red highlight.
    SetSolidFill(false);
    SetShowThrough(true);
    SetShowBorder(true);
    SetBorderSolid(true);
    m_pictureInset = 1;
    SetResizable(false);
    RecomputePictureBox();
    RefreshPreview();
    SetModified(false);
}

FflashThumbnailerClass::~FflashThumbnailerClass()
{
    qDeleteAll(m_albums);
}

void FflashThumbnailerClass::FollowCellHeight()
{
    SetHeight(m_offset + m_cellHeight + m_offset);
}

void FflashThumbnailerClass::SetThumbWidth(int value) { m_cellWidth = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbHeight(int value) { m_cellHeight = value; FollowCellHeight(); CellChanged(); }
void FflashThumbnailerClass::SetThumbOffset(int value) { m_offset = value; FollowCellHeight(); CellChanged(); }
void FflashThumbnailerClass::SetThumbSpacing(int value) { m_spacing = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbImageWidth(int value) { m_pictureWidth = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbImageHeight(int value) { m_pictureHeight = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbImageX(int value) { m_pictureX = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbImageY(int value) { m_pictureY = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbAlpha(int value) { m_thumbAlpha = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbHighlightWidth(int value) { m_highlightWidth = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbGradientAngle(int value) { m_cellGradientAngle = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbFill(bool value) { m_cellFill = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbGradient(bool value) { m_cellGradient = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbBorder(bool value) { m_cellBorder = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbBorderSolid(bool value) { m_solidCellBorder = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbHighlight(bool value) { m_highlight = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbShadow(bool value) { m_shadow = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbFade(bool value) { m_fade = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbScale(bool value) { m_scalePicture = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbAspect(bool value) { m_keepAspect = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbFillColor(FColor value) { m_cellFillColor = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbGradientColor(FColor value) { m_cellGradientColor = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbBorderColor(FColor value) { m_cellBorderColor = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbHighlightColor(FColor value) { m_highlightColor = value; CellChanged(); }
void FflashThumbnailerClass::SetThumbShadowColor(FColor value) { m_shadowColor = value; CellChanged(); }

void FflashThumbnailerClass::RecomputePictureBox()
{
    if (m_pictureInset < 0)
        m_pictureInset = 0;
    m_pictureWidth = m_cellWidth - 2 * m_pictureInset;
    m_pictureHeight = m_cellHeight - 2 * m_pictureInset;
    m_pictureX = m_pictureInset;
    m_pictureY = m_pictureInset;
    m_pictureX = std::max(m_pictureX, 0);
    m_pictureY = std::max(m_pictureY, 0);
    if (m_pictureWidth < 0)
        m_pictureWidth = 1;
    if (m_pictureHeight < 0)
        m_pictureHeight = 1;
    Repaint();
}

FThummnailCatagory *FflashThumbnailerClass::AddAlbum(const QString &name)
{
    auto *album = new FThummnailCatagory(Document(), this);
    album->SetName(name);
    album->SetDescription(u"Put the description of your images here."_s);
    m_albums.append(album);
    ApplyAlbumStyle();
    emit AlbumListChanged();
    SelectAlbum(album);
    if (Document())
        Document()->SetModified(true);
    return album;
}

void FflashThumbnailerClass::DeleteSelectedAlbum()
{
    FThummnailCatagory *album = SelectedAlbum();
    if (!album)
        return;
    album->SetSelected(false);
    for (FThummnailImageData *image : album->images())
        image->DeletePublishedFiles();
    m_albums.removeOne(album);
    delete album;
    if (Document())
        Document()->SetModified(true);
    RefreshPreview();
    emit AlbumListChanged();
}

void FflashThumbnailerClass::MoveAlbum(int from, int to)
{
    if (from < 0 || from >= m_albums.size() || to < 0 || to >= m_albums.size() || from == to)
        return;
    m_albums.move(from, to);
    if (Document())
        Document()->SetModified(true);
    RefreshPreview();
    emit AlbumListChanged();
}

void FflashThumbnailerClass::SelectAlbum(FThummnailCatagory *album)
{
    for (FThummnailCatagory *other : std::as_const(m_albums)) {
        if (other != album && other->Selected())
            other->SetSelected(false);
    }
    if (album && !album->Selected())
        album->SetSelected(true);
    emit CurrentAlbumChanged(album);
}

FThummnailCatagory *FflashThumbnailerClass::SelectedAlbum() const
{
    for (FThummnailCatagory *album : m_albums) {
        if (album->Selected())
            return album;
    }
    return nullptr;
}

void FflashThumbnailerClass::SelectFirstAlbum()
{
    if (!m_albums.isEmpty())
        SelectAlbum(m_albums.first());
}

void FflashThumbnailerClass::ApplyAlbumStyle()
{
    if (!Document())
        return;
    const FCatagoryMenuStyle *style = Document()->MenuStyle();
    for (FThummnailCatagory *album : std::as_const(m_albums)) {
        album->SetSolidFill(style->catdobk);
        album->SetGradientFill(style->catdogradient);
        album->SetFillColor(style->catfillclr);
        album->SetGradientColor(style->catgradclr);
        album->SetShowBorder(style->catdobdr);
        album->SetBorderSolid(style->catbdrsolid);
        album->SetBorderColor(style->catbdrcolor);
        album->SetBounds(album->Left(), album->Top(), style->catw, style->cath);
        album->LayoutTile();
        album->Repaint();
    }
}

const QImage &FflashThumbnailerClass::NoImagePlaceholder()
{
    static const QImage placeholder = [] {
        QImage image(90, 60, QImage::Format_RGB32);
        image.fill(QColor(0x5A, 0x5A, 0x5A));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x9A, 0x9A, 0x9A), 1));
        p.drawRect(QRectF(0.5, 0.5, 89, 59));
        // A small landscape: a sun over two hills.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xB8, 0xB8, 0xB8));
        p.drawEllipse(QPointF(62, 20), 6, 6);
        QPainterPath hills;
        hills.moveTo(14, 48);
        hills.lineTo(34, 26);
        hills.lineTo(48, 40);
        hills.lineTo(58, 32);
        hills.lineTo(76, 48);
        hills.closeSubpath();
        p.drawPath(hills);
        return image;
    }();
    return placeholder;
}

void FflashThumbnailerClass::RefreshPreview()
{
    const FThummnailCatagory *first = m_albums.isEmpty() ? nullptr : m_albums.first();
    FflashImageDisplay *display = Document() ? Document()->ImageDisplay() : nullptr;
    if (!first || first->images().isEmpty()) {
        for (PreviewCell &cell : m_preview)
            cell = PreviewCell{QString(), NoImagePlaceholder(), true};
        if (display)
            display->ClearPicture();
        Repaint();
        return;
    }
    const QString work = AppFolders::ImagesWorkFolder();
    for (int i = 0; i < PreviewCells; ++i) {
        PreviewCell &cell = m_preview[size_t(i)];
        if (i >= first->images().size()) {
            cell = PreviewCell{QString(), NoImagePlaceholder(), true};
            continue;
        }
        const QString path = work + first->images()[i]->thumbFileName;
        // Only cells whose file changed touch the disk.
        if (cell.placeholder || cell.path != path)
            cell = PreviewCell{path, QImage(path), false};
    }
    if (display)
        display->ShowPicture(work + first->images().first()->bigFileName);
    Repaint();
}

HitZone FflashThumbnailerClass::HitTest(int x, int) const
{
    if (x < 5)
        return HitZone::Left;
    if (x > Width() - 5)
        return HitZone::Right;
    return HitZone::Client;
}

QString FflashThumbnailerClass::WriteXml()
{
    QString xml;
    for (qsizetype i = 0; i < m_albums.size(); ++i) {
        if (!BareAttributes())
            xml += StartLine();
        xml += XmlAttr(3, u"x", Left());
        xml += XmlAttr(3, u"y", Top());
        xml += XmlAttr(3, u"w", Width());
        xml += XmlAttr(3, u"h", Height());
        xml += XmlAttr(3, u"myname", u"thumbs"_s + QString::number(i + 1));
        xml += m_albums[i]->WriteImagesXml();
        xml += XmlEol;
        if (!BareAttributes())
            xml += CloseLine() + EndLine() + XmlEol;
    }

    xml += u"  <catagories"_s + XmlEol;
    if (Document()) {
        xml += Document()->MenuPanel()->WriteXml();
        const QSize size = Document()->MenuSize();
        xml += Document()->MenuStyle()->WriteMenuStyleXml(size.width(), size.height());
    }
    for (qsizetype i = 0; i < m_albums.size(); ++i)
        xml += m_albums[i]->WriteMenuEntryXml(int(i + 1)) + XmlEol;
    xml += u"  ></catagories>"_s + XmlEol;
    return xml;
}

QString FflashThumbnailerClass::WriteRootAttributes() const
{
    QString xml;
    xml += XmlEol;
    xml += XmlFlagAttr(3, u"thumbhdrbkdo", SolidFill());
    xml += XmlFlagAttr(3, u"thumbhdrbkdogradient", GradientFill());
    xml += XmlColorAttr(3, u"thumbhdrbkfillclr", FillColor());
    xml += XmlAttr(3, u"thumbhdrbkfillalpha", FillAlpha());
    xml += XmlColorAttr(3, u"thumbhdrbkgradclr", GradientColor());
    xml += XmlAttr(3, u"thumbhdrbkgradalpha", GradientAlpha());
    xml += XmlAttr(3, u"thumbhdrbkgradangle", GradientAngle());
    xml += XmlFlagAttr(3, u"thumbhdrbkdoimg", PictureFill());
    xml += XmlTextAttr(3, u"thumbhdrbkimg", PictureName());
    xml += XmlFlagAttr(3, u"thumbhdrbkdobdr", ShowBorder());
    xml += XmlFlagAttr(3, u"thumbhdrbkbdrsolid", BorderSolid());
    xml += XmlColorAttr(3, u"thumbhdrbkbdrcolor", BorderColor());
    xml += XmlEol;
    xml += XmlAttr(3, u"thumbw", m_cellWidth);
    xml += XmlAttr(3, u"thumbh", m_cellHeight);
    xml += XmlAttr(3, u"thumbimgw", m_pictureWidth);
    xml += XmlAttr(3, u"thumbimgh", m_pictureHeight);
    xml += XmlAttr(3, u"thumbimgx", m_pictureX);
    xml += XmlAttr(3, u"thumbimgy", m_pictureY);
    xml += XmlAttr(3, u"thumbalpha", m_thumbAlpha);
    xml += XmlAttr(3, u"thumbspacing", m_spacing);
    xml += XmlAttr(3, u"thumbxyoffset", m_offset);
    xml += XmlFlagAttr(3, u"thumbfxfade", m_fade);
    xml += XmlFlagAttr(3, u"thumbdobdr", m_cellBorder);
    xml += XmlFlagAttr(3, u"thumbbdrsolid", m_solidCellBorder);
    xml += XmlFlagAttr(3, u"thumbhlight", m_highlight);
    xml += XmlFlagAttr(3, u"thumbshdw", m_shadow);
    xml += XmlFlagAttr(3, u"thumbdobk", m_cellFill);
    xml += XmlFlagAttr(3, u"thumbdogradient", m_cellGradient);
    xml += XmlFlagAttr(3, u"thumbimgscale", m_scalePicture);
    xml += XmlFlagAttr(3, u"thumbimgaspect", m_keepAspect);
    xml += XmlColorAttr(3, u"thumbbdrcolor", m_cellBorderColor);
    xml += XmlColorAttr(3, u"thumbhlightclr", m_highlightColor);
    xml += XmlColorAttr(3, u"thumbshdwclr", m_shadowColor);
    xml += XmlColorAttr(3, u"thumbfillclr", m_cellFillColor);
    xml += XmlColorAttr(3, u"thumbgradclr", m_cellGradientColor);
    xml += XmlAttr(3, u"thumbhlightwidth", m_highlightWidth);
    xml += XmlAttr(3, u"thumbgradangle", m_cellGradientAngle);
    return xml;
}

void FflashThumbnailerClass::CopyFilesTo(const QString &folder)
{
    FflashComponentBaseClass::CopyFilesTo(folder);
    for (const FThummnailCatagory *album : std::as_const(m_albums))
        album->CopyImagesTo(folder);
}

void FflashThumbnailerClass::CollectFiles()
{
    FflashComponentBaseClass::CollectFiles();
    if (!Document())
        return;
    for (const FThummnailCatagory *album : std::as_const(m_albums)) {
        if (!album->coverFileName().isEmpty())
            Document()->AddUploadImageFile(album->coverFileName());
    }
}
