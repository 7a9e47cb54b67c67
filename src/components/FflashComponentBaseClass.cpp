#include "FflashComponentBaseClass.h"

#include "app/Utils.h"
#include "gallery/FflashMovie.h"
#include "gallery/XmlText.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

FflashComponentBaseClass::FflashComponentBaseClass(QObject *owner) : FflashObjectBaseClass(owner)
{
    m_writeGeometry = true;
    m_hasFont = true;
    m_bareAttributes = false;
    m_elementName = u"FflashComponentBaseClass"_s;
    SetSolidFill(true);
    m_mask = true;
    m_previewFont = QFont();
    SetFontY(0);
    SetFontX(0);
    SetFontAlpha(100);
    SetFontText(u"Search"_s);
    SetFontColor(Colors::Black);
    SetBold(false);
    SetItalic(false);
    SetFontFace(u"Arial"_s);
    SetFontSize(10);
    SetFillColor(Colors::White);
    SetFillAlpha(100);
    SetGradientColor(Colors::Gray);
    SetGradientAlpha(70);
    SetGradientAngle(70);
    m_showThrough = false;
    SetModified(false);
}

FflashComponentBaseClass::~FflashComponentBaseClass() = default;

void FflashComponentBaseClass::Changed(bool repaint)
{
    MarkModified();
    if (repaint)
        Repaint();
}

void FflashComponentBaseClass::SetSolidFill(bool value)
{
    m_solidFill = value;
    if (value) {
        m_gradientFill = false;
        m_pictureFill = false;
    }
    Changed();
}

void FflashComponentBaseClass::SetGradientFill(bool value)
{
    m_gradientFill = value;
    if (value) {
        m_solidFill = false;
        m_pictureFill = false;
    }
    Changed();
}

void FflashComponentBaseClass::SetPictureFill(bool value)
{
    m_pictureFill = value;
    if (value) {
        m_solidFill = false;
        m_gradientFill = false;
    }
    Changed();
}

void FflashComponentBaseClass::SetFillColor(FColor value) { m_fillColor = value; Changed(); }
void FflashComponentBaseClass::SetGradientColor(FColor value) { m_gradientColor = value; Changed(); }
void FflashComponentBaseClass::SetFillAlpha(int value) { m_fillAlpha = value; Changed(); }
void FflashComponentBaseClass::SetGradientAngle(int value) { m_gradientAngle = value; Changed(); }
void FflashComponentBaseClass::SetGradientAlpha(int value) { m_gradientAlpha = value; Changed(); }
void FflashComponentBaseClass::SetBorderSolid(bool value) { m_borderSolid = value; Changed(); }
void FflashComponentBaseClass::SetShowBorder(bool value) { m_showBorder = value; Changed(); }
void FflashComponentBaseClass::SetBorderColor(FColor value) { m_borderColor = value; Changed(); }
void FflashComponentBaseClass::SetMask(bool value) { m_mask = value; Changed(false); }

void FflashComponentBaseClass::SetPictureFile(const QString &path)
{
    m_picturePath = path;
    const QString name = FileNamePart(path);
    if (name != m_pictureName)
        m_pictureName = name;
    // A missing file keeps whatever picture was shown before.
    if (QFileInfo(path).isFile()) {
        QImage picture(path);
        if (!picture.isNull())
            m_previewPicture = picture;
    }
    Changed();
}

void FflashComponentBaseClass::SetPictureName(const QString &name)
{
    m_pictureName = name;
}

void FflashComponentBaseClass::SetFontAlpha(int value) { m_fontAlpha = value; Changed(); }
void FflashComponentBaseClass::SetFontY(int value) { m_fontY = value; Changed(); }
void FflashComponentBaseClass::SetFontX(int value) { m_fontX = value; Changed(); }
void FflashComponentBaseClass::SetFontText(const QString &value) { m_fontText = value; Changed(); }

void FflashComponentBaseClass::SetFontColor(FColor value)
{
    m_fontColor = value;
    Changed();
}

void FflashComponentBaseClass::SetItalic(bool value)
{
    m_italic = value;
    m_previewFont.setItalic(value);
    Changed();
}

void FflashComponentBaseClass::SetBold(bool value)
{
    m_bold = value;
    m_previewFont.setBold(value);
    Changed();
}

void FflashComponentBaseClass::SetFontFace(const QString &value)
{
    m_fontFace = value;
    m_previewFont.setFamily(value);
    Changed();
}

void FflashComponentBaseClass::SetFontSize(int value)
{
    m_fontSize = value;
    if (const int points = PreviewPointSize(value); points > 0)
        m_previewFont.setPointSize(points);
    Changed();
}

int FflashComponentBaseClass::PreviewPointSize(int playerSize)
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

void FflashComponentBaseClass::CopyFilesTo(const QString &folder)
{
    // QFile::copy never replaces an existing file; a missing source just fails.
    if (m_pictureFill && !m_pictureName.isEmpty())
        QFile::copy(m_picturePath, folder + m_pictureName);
}

void FflashComponentBaseClass::CollectFiles()
{
    if (!m_pictureName.isEmpty() && Document())
        Document()->AddUploadImageFile(m_pictureName);
}

void FflashComponentBaseClass::ShowProperties()
{
    emit PropertiesRequested(this);
}

void FflashComponentBaseClass::MoveFinished()
{
    if (Document())
        Document()->Select(this, true);
}

QString FflashComponentBaseClass::StartLine() const
{
    return u"  <"_s + m_elementName + XmlEol;
}

QString FflashComponentBaseClass::CloseLine()
{
    return u"  >"_s + XmlEol;
}

QString FflashComponentBaseClass::EndLine() const
{
    return u"  </"_s + m_elementName + u'>' + XmlEol;
}

QString FflashComponentBaseClass::WriteBackgroundXml() const
{
    QString xml;
    xml += XmlFlagAttr(3, u"bkdobk", m_solidFill);
    xml += XmlFlagAttr(3, u"bkdogradient", m_gradientFill);
    xml += XmlColorAttr(3, u"bkfillclr", m_fillColor);
    xml += XmlAttr(3, u"bkfillalpha", m_fillAlpha);
    xml += XmlColorAttr(3, u"bkgradclr", m_gradientColor);
    xml += XmlAttr(3, u"bkgradalpha", m_gradientAlpha);
    xml += XmlAttr(3, u"bkgradangle", m_gradientAngle);
    xml += XmlFlagAttr(3, u"bkdoimg", m_pictureFill);
    xml += XmlTextAttr(3, u"bkimg", m_pictureName);
    xml += XmlFlagAttr(3, u"bkdobdr", m_showBorder);
    xml += XmlFlagAttr(3, u"bkbdrsolid", m_borderSolid);
    xml += XmlColorAttr(3, u"bkbdrcolor", m_borderColor);
    xml += XmlFlagAttr(3, u"bkdomask", m_mask);
    return xml;
}

QString FflashComponentBaseClass::WriteXml()
{
    QString xml;
    if (m_writeGeometry) {
        xml += XmlAttr(3, u"x", Left());
        xml += XmlAttr(3, u"y", Top());
        xml += XmlAttr(3, u"w", Width());
        xml += XmlAttr(3, u"h", Height());
    }
    xml += WriteBackgroundXml();
    if (m_hasFont) {
        xml += XmlAttr(3, u"fntx", m_fontX);
        xml += XmlAttr(3, u"fnty", m_fontY);
        xml += XmlAttr(3, u"fntalpha", m_fontAlpha);
        xml += XmlTextAttr(3, u"fnttext", m_fontText);
        xml += XmlAttr(3, u"fntsize", m_fontSize);
        xml += XmlColorAttr(3, u"fntclr", m_fontColor);
        xml += XmlFlagAttr(3, u"fntbold", m_bold);
        xml += XmlFlagAttr(3, u"fntitalic", m_italic);
        xml += XmlTextAttr(3, u"fnt", m_fontFace);
    }
    return xml;
}
