#include "StyledComponent.h"

#include "Utils.h"
#include "GalleryDocument.h"
#include "GalleryXmlText.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

StyledComponent::StyledComponent(QObject *owner) : CanvasObject(owner)
{
    m_writeGeometry = true;
    m_hasFont = true;
    m_bareAttributes = false;
    setSolidFill(true);
    m_mask = true;
    m_previewFont = QFont();
    setFontY(0);
    setFontX(0);
    setFontAlpha(100);
    setFontText(u"Search"_s);
    setFontColor(Colors::Black);
    setBold(false);
    setItalic(false);
    setFontFace(u"Arial"_s);
    setFontSize(10);
    // The setters skip values the members hold already; the preview font must still follow them.
    if (const int points = previewPointSize(m_fontSize); points > 0)
        m_previewFont.setPointSize(points);
    setFillColor(Colors::White);
    setFillAlpha(100);
    setGradientColor(Colors::Gray);
    setGradientAlpha(70);
    setGradientAngle(70);
    m_showThrough = false;
    setModified(false);
}

StyledComponent::~StyledComponent() = default;

void StyledComponent::setSolidFill(bool value)
{
    if (m_solidFill == value)
        return;
    m_solidFill = value;
    if (value) {
        m_gradientFill = false;
        m_pictureFill = false;
    }
    noteChange();
}

void StyledComponent::setGradientFill(bool value)
{
    if (m_gradientFill == value)
        return;
    m_gradientFill = value;
    if (value) {
        m_solidFill = false;
        m_pictureFill = false;
    }
    noteChange();
}

void StyledComponent::setPictureFill(bool value)
{
    if (m_pictureFill == value)
        return;
    m_pictureFill = value;
    if (value) {
        m_solidFill = false;
        m_gradientFill = false;
    }
    noteChange();
}

void StyledComponent::setFillColor(PackedColor value) { assign(m_fillColor, value); }
void StyledComponent::setGradientColor(PackedColor value) { assign(m_gradientColor, value); }
void StyledComponent::setFillAlpha(int value) { assign(m_fillAlpha, value); }
void StyledComponent::setGradientAngle(int value) { assign(m_gradientAngle, value); }
void StyledComponent::setGradientAlpha(int value) { assign(m_gradientAlpha, value); }
void StyledComponent::setBorderSolid(bool value) { assign(m_borderSolid, value); }
void StyledComponent::setShowBorder(bool value) { assign(m_showBorder, value); }
void StyledComponent::setBorderColor(PackedColor value) { assign(m_borderColor, value); }
void StyledComponent::setMask(bool value) { assign(m_mask, value, false); }

void StyledComponent::setPictureFile(const QString &path)
{
    if (path == m_picturePath)
        return;
    m_picturePath = path;
    const QString name = fileNamePart(path);
    if (name != m_pictureName)
        m_pictureName = name;
    // A missing file keeps whatever picture was shown before.
    if (QFileInfo(path).isFile()) {
        QImage picture(path);
        if (!picture.isNull())
            m_previewPicture = picture;
    }
    noteChange();
}

// Renames the picture that a save writes without choosing another one: the design stays as it is.
void StyledComponent::setPictureName(const QString &name)
{
    m_pictureName = name;
}

void StyledComponent::setFontAlpha(int value) { assign(m_fontAlpha, value); }
void StyledComponent::setFontY(int value) { assign(m_fontY, value); }
void StyledComponent::setFontX(int value) { assign(m_fontX, value); }
void StyledComponent::setFontText(const QString &value) { assign(m_fontText, value); }

void StyledComponent::setFontColor(PackedColor value)
{
    assign(m_fontColor, value);
}

void StyledComponent::setItalic(bool value)
{
    if (m_italic == value)
        return;
    m_italic = value;
    m_previewFont.setItalic(value);
    noteChange();
}

void StyledComponent::setBold(bool value)
{
    if (m_bold == value)
        return;
    m_bold = value;
    m_previewFont.setBold(value);
    noteChange();
}

void StyledComponent::setFontFace(const QString &value)
{
    if (m_fontFace == value)
        return;
    m_fontFace = value;
    m_previewFont.setFamily(value);
    noteChange();
}

void StyledComponent::setFontSize(int value)
{
    if (m_fontSize == value)
        return;
    m_fontSize = value;
    if (const int points = previewPointSize(value); points > 0)
        m_previewFont.setPointSize(points);
    noteChange();
}

int StyledComponent::previewPointSize(int playerSize)
{
    switch (playerSize) {
    case 8: return 5;
    case 9: return 6;
    case 10: return 7;
    case 11: return 8;
    case 12: return 10;
    case 13: return 11;
    case 14: return 12;
    case 15: return 13;
    case 16: return 14;
    case 17: return 15;
    case 18: return 16;
    case 24: return 22;
    case 36: return 34;
    default: return 0;
    }
}

void StyledComponent::copyFilesTo(const QString &folder)
{
    // QFile::copy never replaces an existing file; a missing source just fails.
    if (m_pictureFill && !m_pictureName.isEmpty())
        QFile::copy(m_picturePath, folder + m_pictureName);
}

QStringList StyledComponent::imageFileNames() const
{
    return m_pictureName.isEmpty() ? QStringList() : QStringList{m_pictureName};
}

void StyledComponent::showProperties()
{
    emit propertiesRequested(this);
}

void StyledComponent::moveFinished()
{
    if (Document())
        Document()->select(this, true);
}

QString StyledComponent::startLine() const
{
    return u"  <"_s + m_elementName + XmlEol;
}

QString StyledComponent::closeLine()
{
    return u"  >"_s + XmlEol;
}

QString StyledComponent::endLine() const
{
    return u"  </"_s + m_elementName + u'>' + XmlEol;
}

QString StyledComponent::writeBackgroundXml() const
{
    QString xml;
    xml += xmlFlagAttr(3, u"bkdobk", m_solidFill);
    xml += xmlFlagAttr(3, u"bkdogradient", m_gradientFill);
    xml += xmlColorAttr(3, u"bkfillclr", m_fillColor);
    xml += xmlAttr(3, u"bkfillalpha", m_fillAlpha);
    xml += xmlColorAttr(3, u"bkgradclr", m_gradientColor);
    xml += xmlAttr(3, u"bkgradalpha", m_gradientAlpha);
    xml += xmlAttr(3, u"bkgradangle", m_gradientAngle);
    xml += xmlFlagAttr(3, u"bkdoimg", m_pictureFill);
    xml += xmlTextAttr(3, u"bkimg", m_pictureName);
    xml += xmlFlagAttr(3, u"bkdobdr", m_showBorder);
    xml += xmlFlagAttr(3, u"bkbdrsolid", m_borderSolid);
    xml += xmlColorAttr(3, u"bkbdrcolor", m_borderColor);
    xml += xmlFlagAttr(3, u"bkdomask", m_mask);
    return xml;
}

QString StyledComponent::writeXml()
{
    QString xml;
    if (m_writeGeometry) {
        xml += xmlAttr(3, u"x", left());
        xml += xmlAttr(3, u"y", top());
        xml += xmlAttr(3, u"w", width());
        xml += xmlAttr(3, u"h", height());
    }
    xml += writeBackgroundXml();
    if (m_hasFont) {
        xml += xmlAttr(3, u"fntx", m_fontX);
        xml += xmlAttr(3, u"fnty", m_fontY);
        xml += xmlAttr(3, u"fntalpha", m_fontAlpha);
        xml += xmlTextAttr(3, u"fnttext", m_fontText);
        xml += xmlAttr(3, u"fntsize", m_fontSize);
        xml += xmlColorAttr(3, u"fntclr", m_fontColor);
        xml += xmlFlagAttr(3, u"fntbold", m_bold);
        xml += xmlFlagAttr(3, u"fntitalic", m_italic);
        xml += xmlTextAttr(3, u"fnt", m_fontFace);
    }
    return xml;
}
