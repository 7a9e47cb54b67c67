#include "FflashImageDisplay.h"

#include "gallery/FflashMovie.h"
#include "gallery/XmlText.h"

using namespace Qt::StringLiterals;

FflashImageDisplay::FflashImageDisplay(QObject *owner) : FflashComponentBaseClass(owner)
{
    SetResizable(false);
    SetElementName(u"imagedisplay"_s);
    SetHasFont(false);
    m_clickFullSize = true;
    m_scaleToFit = true;
    SetSolidFill(false);
    m_loaderWidth = 200;
    m_keepAspect = false;
    SetBounds(Left(), Top(), 400, 300);
    SetShowThrough(true);
    SetSendToBackAfterMove(true);
    SetModified(false);
}

void FflashImageDisplay::SetScaleToFit(bool value) { m_scaleToFit = value; Changed(false); }
void FflashImageDisplay::SetClickFullSize(bool value) { m_clickFullSize = value; Changed(false); }
void FflashImageDisplay::SetKeepAspect(bool value) { m_keepAspect = value; Changed(false); }
void FflashImageDisplay::SetLoaderWidth(int value) { m_loaderWidth = value; Changed(false); }

void FflashImageDisplay::ShowPicture(const QString &file)
{
    if (file == m_pictureFile && !m_picture.isNull())
        return;
    m_pictureFile = file;
    m_picture = QImage(file);
    Repaint();
}

void FflashImageDisplay::ClearPicture()
{
    m_pictureFile.clear();
    m_picture = QImage();
    Repaint();
}

HitZone FflashImageDisplay::HitTest(int x, int) const
{
    if (x < 5)
        return HitZone::Left;
    if (x > Width() - 5)
        return HitZone::Right;
    return HitZone::Client;
}

void FflashImageDisplay::SizeChanged()
{
    // The display keeps a 4:3 shape and stays beneath the buttons and the strip.
    SetHeight(Width() / 4 * 3);
    if (Document())
        Document()->SendToBack(this);
}

QString FflashImageDisplay::WriteXml()
{
    QString xml;
    if (!BareAttributes())
        xml += StartLine();
    xml += FflashComponentBaseClass::WriteXml();
    xml += XmlFlagAttr(3, u"doclickfullsize", m_clickFullSize);
    xml += XmlFlagAttr(3, u"scaletofit", m_scaleToFit);
    xml += XmlFlagAttr(3, u"aspratio", m_keepAspect);
    xml += XmlAttr(3, u"loaderw", m_loaderWidth);
    if (!BareAttributes())
        xml += CloseLine() + EndLine() + XmlEol;
    return xml;
}
