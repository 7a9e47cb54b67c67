#include "FCatagoryMenuStyle.h"

#include "components/FflashComponentBaseClass.h"
#include "gallery/FflashMovie.h"
#include "gallery/XmlText.h"

#include <QSize>

FCatagoryMenuStyle::FCatagoryMenuStyle(FflashMovie *document, QObject *owner)
    : QObject(owner), m_document(document) {}

void FCatagoryMenuStyle::TileChanged()
{
    if (m_document)
        m_document->SetModified(true);
    emit TileStyleChanged();
}

void FCatagoryMenuStyle::SetCatDoBk(bool v)
{
    catdobk = v;
    if (v)
        catdogradient = false;
    TileChanged();
}

void FCatagoryMenuStyle::SetCatDoGradient(bool v)
{
    catdogradient = v;
    if (v)
        catdobk = false;
    TileChanged();
}

void FCatagoryMenuStyle::SetCatFillClr(FColor v) { catfillclr = v; TileChanged(); }
void FCatagoryMenuStyle::SetCatFillAlpha(int v) { catfillalpha = v; TileChanged(); }
void FCatagoryMenuStyle::SetCatGradClr(FColor v) { catgradclr = v; TileChanged(); }
void FCatagoryMenuStyle::SetCatGradAlpha(int v) { catgradalpha = v; TileChanged(); }
void FCatagoryMenuStyle::SetCatGradAngle(int v) { catgradangle = v; TileChanged(); }
void FCatagoryMenuStyle::SetCatDoBdr(bool v) { catdobdr = v; TileChanged(); }
void FCatagoryMenuStyle::SetCatBdrSolid(bool v) { catbdrsolid = v; TileChanged(); }
void FCatagoryMenuStyle::SetCatBdrColor(FColor v) { catbdrcolor = v; TileChanged(); }

QSize FCatagoryMenuStyle::MenuSize(int canvasWidth, int displayHeight, int albumCount) const
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

int FCatagoryMenuStyle::LabelPointSize(int catFontSize)
{
    // Sizes outside the player's list keep their own value, at least 1.
    const int mapped = FflashComponentBaseClass::PreviewPointSize(catFontSize);
    return mapped > 0 ? mapped : std::max(1, catFontSize - 2);
}

QString FCatagoryMenuStyle::WriteMenuStyleXml(int w, int h) const
{
    QString xml;
    xml += XmlAttr(3, u"w", w);
    xml += XmlAttr(3, u"h", h);
    xml += XmlAttr(3, u"catw", catw);
    xml += XmlAttr(3, u"cath", cath);
    xml += XmlAttr(3, u"catxypadding", catxypadding);
    xml += XmlFlagAttr(3, u"cathlight", cathlight);
    xml += XmlAttr(3, u"cathlightwidth", cathlightwidth);
    xml += XmlColorAttr(3, u"cathlightclr", cathlightclr);
    xml += XmlAttr(3, u"catimgw", catimgw);
    xml += XmlAttr(3, u"catimgh", catimgh);
    xml += XmlAttr(3, u"catfontsize", catfontsize);
    xml += XmlColorAttr(3, u"catfontclr", catfontclr);
    xml += XmlTextAttr(3, u"catfont", catfont);
    xml += XmlEol;
    xml += XmlFlagAttr(3, u"catdobk", catdobk);
    xml += XmlFlagAttr(3, u"catdogradient", catdogradient);
    xml += XmlColorAttr(3, u"catfillclr", catfillclr);
    xml += XmlAttr(3, u"catfillalpha", catfillalpha);
    xml += XmlColorAttr(3, u"catgradclr", catgradclr);
    xml += XmlAttr(3, u"catgradalpha", catgradalpha);
    xml += XmlAttr(3, u"catgradangle", catgradangle);
    xml += XmlFlagAttr(3, u"catdobdr", catdobdr);
    xml += XmlFlagAttr(3, u"catbdrsolid", catbdrsolid);
    xml += XmlColorAttr(3, u"catbdrcolor", catbdrcolor);
    return xml;
}
