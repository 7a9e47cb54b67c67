#include "ThumbnailStrip.h"

#include "AlbumMenuStyle.h"
#include "Album.h"
#include "AlbumMenuBackground.h"
#include "AlbumPhoto.h"
#include "AppFolders.h"
#include "ImageDisplay.h"
#include "GalleryDocument.h"
#include "GalleryXmlText.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {

QString menuStyleXml(const AlbumMenuStyle &style, int w, int h)
{
    QString xml;
    xml += xmlAttr(3, u"w", w);
    xml += xmlAttr(3, u"h", h);
    xml += xmlAttr(3, u"catw", style.tileWidth());
    xml += xmlAttr(3, u"cath", style.tileHeight());
    xml += xmlAttr(3, u"catxypadding", style.tilePadding());
    xml += xmlFlagAttr(3, u"cathlight", style.highlightOn());
    xml += xmlAttr(3, u"cathlightwidth", style.highlightWidth());
    xml += xmlColorAttr(3, u"cathlightclr", style.highlightColor());
    xml += xmlAttr(3, u"catimgw", style.coverWidth());
    xml += xmlAttr(3, u"catimgh", style.coverHeight());
    xml += xmlAttr(3, u"catfontsize", style.fontSize());
    xml += xmlColorAttr(3, u"catfontclr", style.fontColor());
    xml += xmlTextAttr(3, u"catfont", style.fontFace());
    xml += XmlEol;
    xml += xmlFlagAttr(3, u"catdobk", style.backgroundOn());
    xml += xmlFlagAttr(3, u"catdogradient", style.gradientFill());
    xml += xmlColorAttr(3, u"catfillclr", style.fillColor());
    xml += xmlAttr(3, u"catfillalpha", style.fillAlpha());
    xml += xmlColorAttr(3, u"catgradclr", style.gradientColor());
    xml += xmlAttr(3, u"catgradalpha", style.gradientAlpha());
    xml += xmlAttr(3, u"catgradangle", style.gradientAngle());
    xml += xmlFlagAttr(3, u"catdobdr", style.borderOn());
    xml += xmlFlagAttr(3, u"catbdrsolid", style.borderSolid());
    xml += xmlColorAttr(3, u"catbdrcolor", style.borderColor());
    return xml;
}

} // namespace

ThumbnailStrip::ThumbnailStrip(QObject *owner) : StyledComponent(owner)
{
    setSendToBackAfterMove(false);
    setElementName(u"thumbnailer"_s);
    setHasFont(false);
    setBounds(left(), top(), 400, 80);
    setGradientColor(Colors::White);
    setFillColor(Colors::Black);
    setGradientFill(false);
    setGradientAngle(70);
    setBorderColor(Colors::White);
    // The cell style's defaults are the member initialisers: no fill, a solid white border,
    // 100 x 70 cells 5 apart and 5 from the edges, a 2-pixel red highlight.
    setSolidFill(false);
    setShowThrough(true);
    setShowBorder(true);
    setBorderSolid(true);
    m_pictureInset = 1;
    setResizable(false);
    recomputePictureBox();
    refreshPreview();
    setModified(false);
}

ThumbnailStrip::~ThumbnailStrip()
{
    qDeleteAll(m_albums);
}

void ThumbnailStrip::followCellHeight()
{
    setHeight(m_offset + m_cellHeight + m_offset);
}

void ThumbnailStrip::setThumbWidth(int value) { assign(m_cellWidth, value); }
void ThumbnailStrip::setThumbHeight(int value)
{
    if (assign(m_cellHeight, value))
        followCellHeight();
}

void ThumbnailStrip::setThumbOffset(int value)
{
    if (assign(m_offset, value))
        followCellHeight();
}
void ThumbnailStrip::setThumbSpacing(int value) { assign(m_spacing, value); }
void ThumbnailStrip::setThumbImageWidth(int value) { assign(m_pictureWidth, value); }
void ThumbnailStrip::setThumbImageHeight(int value) { assign(m_pictureHeight, value); }
void ThumbnailStrip::setThumbImageX(int value) { assign(m_pictureX, value); }
void ThumbnailStrip::setThumbImageY(int value) { assign(m_pictureY, value); }
void ThumbnailStrip::setThumbAlpha(int value) { assign(m_thumbAlpha, value); }
void ThumbnailStrip::setThumbHighlightWidth(int value) { assign(m_highlightWidth, value); }
void ThumbnailStrip::setThumbGradientAngle(int value) { assign(m_cellGradientAngle, value); }
void ThumbnailStrip::setThumbFill(bool value) { assign(m_cellFill, value); }
void ThumbnailStrip::setThumbGradient(bool value) { assign(m_cellGradient, value); }
void ThumbnailStrip::setThumbBorder(bool value) { assign(m_cellBorder, value); }
void ThumbnailStrip::setThumbBorderSolid(bool value) { assign(m_solidCellBorder, value); }
void ThumbnailStrip::setThumbHighlight(bool value) { assign(m_highlight, value); }
void ThumbnailStrip::setThumbShadow(bool value) { assign(m_shadow, value); }
void ThumbnailStrip::setThumbFade(bool value) { assign(m_fade, value); }
void ThumbnailStrip::setThumbScale(bool value) { assign(m_scalePicture, value); }
void ThumbnailStrip::setThumbAspect(bool value) { assign(m_keepAspect, value); }
void ThumbnailStrip::setThumbFillColor(PackedColor value) { assign(m_cellFillColor, value); }
void ThumbnailStrip::setThumbGradientColor(PackedColor value) { assign(m_cellGradientColor, value); }
void ThumbnailStrip::setThumbBorderColor(PackedColor value) { assign(m_cellBorderColor, value); }
void ThumbnailStrip::setThumbHighlightColor(PackedColor value) { assign(m_highlightColor, value); }
void ThumbnailStrip::setThumbShadowColor(PackedColor value) { assign(m_shadowColor, value); }

void ThumbnailStrip::recomputePictureBox()
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
    repaint();
}

Album *ThumbnailStrip::addAlbum(const QString &name)
{
    auto *album = new Album(Document(), this);
    album->setName(name);
    album->setDescription(u"Put the description of your images here."_s);
    m_albums.append(album);
    applyAlbumStyle();
    emit albumListChanged();
    selectAlbum(album);
    if (Document())
        Document()->setModified(true);
    return album;
}

void ThumbnailStrip::deleteSelectedAlbum()
{
    Album *album = selectedAlbum();
    if (!album)
        return;
    album->setSelected(false);
    for (AlbumPhoto *image : album->images())
        image->deletePublishedFiles();
    m_albums.removeOne(album);
    delete album;
    if (Document())
        Document()->setModified(true);
    refreshPreview();
    emit albumListChanged();
}

void ThumbnailStrip::moveAlbum(int from, int to)
{
    if (from < 0 || from >= m_albums.size() || to < 0 || to >= m_albums.size() || from == to)
        return;
    m_albums.move(from, to);
    if (Document())
        Document()->setModified(true);
    refreshPreview();
    emit albumListChanged();
}

void ThumbnailStrip::selectAlbum(Album *album)
{
    for (Album *other : std::as_const(m_albums)) {
        if (other != album && other->selected())
            other->setSelected(false);
    }
    if (album && !album->selected())
        album->setSelected(true);
    emit currentAlbumChanged(album);
}

Album *ThumbnailStrip::selectedAlbum() const
{
    for (Album *album : m_albums) {
        if (album->selected())
            return album;
    }
    return nullptr;
}

void ThumbnailStrip::selectFirstAlbum()
{
    if (!m_albums.isEmpty())
        selectAlbum(m_albums.first());
}

void ThumbnailStrip::applyAlbumStyle()
{
    if (!Document())
        return;
    const AlbumMenuStyle *style = Document()->menuStyle();
    for (Album *album : std::as_const(m_albums)) {
        album->setSolidFill(style->backgroundOn());
        album->setGradientFill(style->gradientFill());
        album->setFillColor(style->fillColor());
        album->setGradientColor(style->gradientColor());
        album->setShowBorder(style->borderOn());
        album->setBorderSolid(style->borderSolid());
        album->setBorderColor(style->borderColor());
        album->setBounds(album->left(), album->top(), style->tileWidth(), style->tileHeight());
        album->layoutTile();
        album->repaint();
    }
}

const QImage &ThumbnailStrip::noImagePlaceholder()
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

void ThumbnailStrip::refreshPreview()
{
    const Album *first = m_albums.isEmpty() ? nullptr : m_albums.first();
    ImageDisplay *display = Document() ? Document()->imageDisplay() : nullptr;
    if (!first || first->images().isEmpty()) {
        for (PreviewCell &cell : m_preview)
            cell = PreviewCell{QString(), noImagePlaceholder(), true};
        if (display)
            display->clearPicture();
        repaint();
        return;
    }
    const QString work = AppFolders::imagesWorkFolder();
    for (int i = 0; i < PreviewCells; ++i) {
        PreviewCell &cell = m_preview[size_t(i)];
        if (i >= first->images().size()) {
            cell = PreviewCell{QString(), noImagePlaceholder(), true};
            continue;
        }
        const QString path = work + first->images()[i]->thumbFileName();
        // Only cells whose file changed touch the disk.
        if (cell.placeholder || cell.path != path)
            cell = PreviewCell{path, QImage(path), false};
    }
    if (display)
        display->showPicture(work + first->images().first()->bigFileName());
    repaint();
}

HitZone ThumbnailStrip::hitTest(int x, int) const
{
    if (x < 5)
        return HitZone::Left;
    if (x > width() - 5)
        return HitZone::Right;
    return HitZone::Client;
}

QString ThumbnailStrip::writeXml()
{
    QString xml;
    for (qsizetype i = 0; i < m_albums.size(); ++i) {
        if (!bareAttributes())
            xml += startLine();
        xml += xmlAttr(3, u"x", left());
        xml += xmlAttr(3, u"y", top());
        xml += xmlAttr(3, u"w", width());
        xml += xmlAttr(3, u"h", height());
        xml += xmlAttr(3, u"myname", u"thumbs"_s + QString::number(i + 1));
        xml += m_albums[i]->writeImagesXml();
        xml += XmlEol;
        if (!bareAttributes())
            xml += closeLine() + endLine() + XmlEol;
    }

    xml += u"  <catagories"_s + XmlEol;
    if (Document()) {
        xml += Document()->menuPanel()->writeXml();
        const QSize size = Document()->menuSize();
        xml += menuStyleXml(*Document()->menuStyle(), size.width(), size.height());
    }
    for (qsizetype i = 0; i < m_albums.size(); ++i)
        xml += m_albums[i]->writeMenuEntryXml(int(i + 1)) + XmlEol;
    xml += u"  ></catagories>"_s + XmlEol;
    return xml;
}

QString ThumbnailStrip::writeRootAttributes() const
{
    QString xml;
    xml += XmlEol;
    xml += xmlFlagAttr(3, u"thumbhdrbkdo", solidFill());
    xml += xmlFlagAttr(3, u"thumbhdrbkdogradient", gradientFill());
    xml += xmlColorAttr(3, u"thumbhdrbkfillclr", fillColor());
    xml += xmlAttr(3, u"thumbhdrbkfillalpha", fillAlpha());
    xml += xmlColorAttr(3, u"thumbhdrbkgradclr", gradientColor());
    xml += xmlAttr(3, u"thumbhdrbkgradalpha", gradientAlpha());
    xml += xmlAttr(3, u"thumbhdrbkgradangle", gradientAngle());
    xml += xmlFlagAttr(3, u"thumbhdrbkdoimg", pictureFill());
    xml += xmlTextAttr(3, u"thumbhdrbkimg", pictureName());
    xml += xmlFlagAttr(3, u"thumbhdrbkdobdr", showBorder());
    xml += xmlFlagAttr(3, u"thumbhdrbkbdrsolid", borderSolid());
    xml += xmlColorAttr(3, u"thumbhdrbkbdrcolor", borderColor());
    xml += XmlEol;
    xml += xmlAttr(3, u"thumbw", m_cellWidth);
    xml += xmlAttr(3, u"thumbh", m_cellHeight);
    xml += xmlAttr(3, u"thumbimgw", m_pictureWidth);
    xml += xmlAttr(3, u"thumbimgh", m_pictureHeight);
    xml += xmlAttr(3, u"thumbimgx", m_pictureX);
    xml += xmlAttr(3, u"thumbimgy", m_pictureY);
    xml += xmlAttr(3, u"thumbalpha", m_thumbAlpha);
    xml += xmlAttr(3, u"thumbspacing", m_spacing);
    xml += xmlAttr(3, u"thumbxyoffset", m_offset);
    xml += xmlFlagAttr(3, u"thumbfxfade", m_fade);
    xml += xmlFlagAttr(3, u"thumbdobdr", m_cellBorder);
    xml += xmlFlagAttr(3, u"thumbbdrsolid", m_solidCellBorder);
    xml += xmlFlagAttr(3, u"thumbhlight", m_highlight);
    xml += xmlFlagAttr(3, u"thumbshdw", m_shadow);
    xml += xmlFlagAttr(3, u"thumbdobk", m_cellFill);
    xml += xmlFlagAttr(3, u"thumbdogradient", m_cellGradient);
    xml += xmlFlagAttr(3, u"thumbimgscale", m_scalePicture);
    xml += xmlFlagAttr(3, u"thumbimgaspect", m_keepAspect);
    xml += xmlColorAttr(3, u"thumbbdrcolor", m_cellBorderColor);
    xml += xmlColorAttr(3, u"thumbhlightclr", m_highlightColor);
    xml += xmlColorAttr(3, u"thumbshdwclr", m_shadowColor);
    xml += xmlColorAttr(3, u"thumbfillclr", m_cellFillColor);
    xml += xmlColorAttr(3, u"thumbgradclr", m_cellGradientColor);
    xml += xmlAttr(3, u"thumbhlightwidth", m_highlightWidth);
    xml += xmlAttr(3, u"thumbgradangle", m_cellGradientAngle);
    return xml;
}

void ThumbnailStrip::copyFilesTo(const QString &folder)
{
    StyledComponent::copyFilesTo(folder);
    for (const Album *album : std::as_const(m_albums))
        album->copyImagesTo(folder);
}

QStringList ThumbnailStrip::imageFileNames() const
{
    QStringList names = StyledComponent::imageFileNames();
    for (const Album *album : std::as_const(m_albums)) {
        if (!album->coverFileName().isEmpty())
            names.append(album->coverFileName());
    }
    return names;
}
