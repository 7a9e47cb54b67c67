#include "AlbumMenuStyle.h"

#include "StyledComponent.h"
#include "GalleryDocument.h"
#include "GalleryXmlText.h"

#include <QSize>

AlbumMenuStyle::AlbumMenuStyle(GalleryDocument *document, QObject *owner)
    : QObject(owner), m_document(document) {}

void AlbumMenuStyle::tileChanged()
{
    if (m_document)
        m_document->setModified(true);
    emit tileStyleChanged();
}

void AlbumMenuStyle::setCatDoBk(bool v)
{
    catdobk = v;
    if (v)
        catdogradient = false;
    tileChanged();
}

void AlbumMenuStyle::setCatDoGradient(bool v)
{
    catdogradient = v;
    if (v)
        catdobk = false;
    tileChanged();
}

void AlbumMenuStyle::setCatFillClr(PackedColor v) { catfillclr = v; tileChanged(); }
void AlbumMenuStyle::setCatFillAlpha(int v) { catfillalpha = v; tileChanged(); }
void AlbumMenuStyle::setCatGradClr(PackedColor v) { catgradclr = v; tileChanged(); }
void AlbumMenuStyle::setCatGradAlpha(int v) { catgradalpha = v; tileChanged(); }
void AlbumMenuStyle::setCatGradAngle(int v) { catgradangle = v; tileChanged(); }
void AlbumMenuStyle::setCatDoBdr(bool v) { catdobdr = v; tileChanged(); }
void AlbumMenuStyle::setCatBdrSolid(bool v) { catbdrsolid = v; tileChanged(); }
void AlbumMenuStyle::setCatBdrColor(PackedColor v) { catbdrcolor = v; tileChanged(); }

QSize AlbumMenuStyle::menuSize(int canvasWidth, int displayHeight, int albumCount) const
{
    const int step = catw + catxypadding;
    // A zero step would divide by zero; no column fits then.
    const int columns = step > 0 ? canvasWidth / step : 0;
    int w = step * columns + catxypadding + 12;
    int h = 0;
    if (albumCount == 1) {
        w = catw + 2 * catxypadding + 12;
        h = cath + 2 * catxypadding;
    } else if (columns <= 0) {
        h = cath + 2 * catxypadding;
    } else {
        const int rows = (albumCount + columns - 1) / columns;
        h = rows * (cath + catxypadding) + catxypadding;
    }
    return QSize(w, std::min(h, displayHeight));
}

int AlbumMenuStyle::labelPointSize(int catFontSize)
{
    // Sizes outside the player's list keep their own value, at least 1.
    const int mapped = StyledComponent::previewPointSize(catFontSize);
    return mapped > 0 ? mapped : std::max(1, catFontSize - 2);
}

QString AlbumMenuStyle::writeMenuStyleXml(int w, int h) const
{
    QString xml;
    xml += xmlAttr(3, u"w", w);
    xml += xmlAttr(3, u"h", h);
    xml += xmlAttr(3, u"catw", catw);
    xml += xmlAttr(3, u"cath", cath);
    xml += xmlAttr(3, u"catxypadding", catxypadding);
    xml += xmlFlagAttr(3, u"cathlight", cathlight);
    xml += xmlAttr(3, u"cathlightwidth", cathlightwidth);
    xml += xmlColorAttr(3, u"cathlightclr", cathlightclr);
    xml += xmlAttr(3, u"catimgw", catimgw);
    xml += xmlAttr(3, u"catimgh", catimgh);
    xml += xmlAttr(3, u"catfontsize", catfontsize);
    xml += xmlColorAttr(3, u"catfontclr", catfontclr);
    xml += xmlTextAttr(3, u"catfont", catfont);
    xml += XmlEol;
    xml += xmlFlagAttr(3, u"catdobk", catdobk);
    xml += xmlFlagAttr(3, u"catdogradient", catdogradient);
    xml += xmlColorAttr(3, u"catfillclr", catfillclr);
    xml += xmlAttr(3, u"catfillalpha", catfillalpha);
    xml += xmlColorAttr(3, u"catgradclr", catgradclr);
    xml += xmlAttr(3, u"catgradalpha", catgradalpha);
    xml += xmlAttr(3, u"catgradangle", catgradangle);
    xml += xmlFlagAttr(3, u"catdobdr", catdobdr);
    xml += xmlFlagAttr(3, u"catbdrsolid", catbdrsolid);
    xml += xmlColorAttr(3, u"catbdrcolor", catbdrcolor);
    return xml;
}
