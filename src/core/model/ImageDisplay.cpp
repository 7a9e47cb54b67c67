#include "ImageDisplay.h"

#include "GalleryDocument.h"
#include "GalleryXmlText.h"

using namespace Qt::StringLiterals;

ImageDisplay::ImageDisplay(QObject *owner) : StyledComponent(owner)
{
    setResizable(false);
    setElementName(u"imagedisplay"_s);
    setHasFont(false);
    m_clickFullSize = true;
    m_scaleToFit = true;
    setSolidFill(false);
    m_loaderWidth = 200;
    m_keepAspect = false;
    setBounds(left(), top(), 400, 300);
    setShowThrough(true);
    setSendToBackAfterMove(true);
    setModified(false);
}

void ImageDisplay::setScaleToFit(bool value) { assign(m_scaleToFit, value, false); }
void ImageDisplay::setClickFullSize(bool value) { assign(m_clickFullSize, value, false); }
void ImageDisplay::setKeepAspect(bool value) { assign(m_keepAspect, value, false); }
void ImageDisplay::setLoaderWidth(int value) { assign(m_loaderWidth, value, false); }

void ImageDisplay::showPicture(const QString &file)
{
    if (file == m_pictureFile && !m_picture.isNull())
        return;
    m_pictureFile = file;
    m_picture = QImage(file);
    repaint();
}

void ImageDisplay::clearPicture()
{
    m_pictureFile.clear();
    m_picture = QImage();
    repaint();
}

HitZone ImageDisplay::hitTest(int x, int) const
{
    if (x < 5)
        return HitZone::Left;
    if (x > width() - 5)
        return HitZone::Right;
    return HitZone::Client;
}

void ImageDisplay::sizeChanged()
{
    // The display keeps a 4:3 shape and stays beneath the buttons and the strip.
    setHeight(width() / 4 * 3);
    if (Document())
        Document()->sendToBack(this);
}

QString ImageDisplay::writeXml()
{
    QString xml;
    if (!bareAttributes())
        xml += startLine();
    xml += StyledComponent::writeXml();
    xml += xmlFlagAttr(3, u"doclickfullsize", m_clickFullSize);
    xml += xmlFlagAttr(3, u"scaletofit", m_scaleToFit);
    xml += xmlFlagAttr(3, u"aspratio", m_keepAspect);
    xml += xmlAttr(3, u"loaderw", m_loaderWidth);
    if (!bareAttributes())
        xml += closeLine() + endLine() + XmlEol;
    return xml;
}
