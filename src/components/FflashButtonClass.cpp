#include "FflashButtonClass.h"

#include "app/AppFolders.h"
#include "app/Utils.h"
#include "gallery/FflashMovie.h"
#include "gallery/XmlText.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>

using namespace Qt::StringLiterals;

FflashButtonClass::FflashButtonClass(QObject *owner) : FflashComponentBaseClass(owner)
{
    SetHasFont(true);
    SetGradientFill(true);
    SetGradientColor(Colors::Gray);
    SetFillColor(Colors::Silver);
    SetFontColor(Colors::White);
    SetElementName(u"button"_s);
    SetShowText(false);
    SetSendToBackAfterMove(false);
    SetModified(false);
}

void FflashButtonClass::SetText(const QString &text) { m_textOn = text; Changed(); }
void FflashButtonClass::SetToggleText(const QString &text) { m_textOff = text; Changed(); }
void FflashButtonClass::SetToggle(bool value) { m_toggle = value; Changed(false); }
void FflashButtonClass::SetAction(const QString &action) { m_action = action; Changed(false); }

void FflashButtonClass::SetShowText(bool value)
{
    m_showText = value;
    Changed();
    if (!value)
        return;
    // Text mode widens a button that is too narrow for its caption, and the gallery with it.
    const int measured = QFontMetrics(PreviewFont()).horizontalAdvance(m_textOn);
    if (measured + 10 > Width())
        SetWidth(measured + 13);
    FflashMovie *document = Document();
    if (document && Left() + Width() > document->Width())
        document->SetWidth(Left() + Width());
}

void FflashButtonClass::SetIcon(const QString &file, QString &path, QString &name)
{
    QString source = file;
    if (!QFileInfo(source).isFile() && Document())
        source = IncludeTrailingSlash(Document()->GetFolder()) + file;
    if (!file.isEmpty() && QFileInfo(source).isFile()) {
        const QString cleaned = StripMediaNameChars(FileNamePart(file)).toLower();
        const QString stem = ReplaceChar(FileBaseName(cleaned), u' ', u'_');
        const QString copy = UniqueFileName(AppFolders::ImagesWorkFolder(), stem, u".jpg"_s);
        QFile::copy(source, copy);
        path = copy;
        name = FileNamePart(copy);
        QImage picture(copy);
        if (!picture.isNull())
            m_iconPicture = picture;
    } else {
        path.clear();
        name.clear();
    }
    Changed();
}

void FflashButtonClass::SetOnIcon(const QString &file)
{
    SetIcon(file, m_onIconPath, m_onIconName);
}

void FflashButtonClass::SetOffIcon(const QString &file)
{
    SetIcon(file, m_offIconPath, m_offIconName);
}

QString FflashButtonClass::WriteXml()
{
    QString xml;
    if (!BareAttributes())
        xml += StartLine();
    xml += FflashComponentBaseClass::WriteXml();
    xml += XmlTextAttr(3, u"txt", m_textOn);
    xml += XmlTextAttr(3, u"toggletxt", m_textOff);
    xml += XmlTextAttr(3, u"action", m_action);
    if (!m_onIconName.isEmpty())
        xml += XmlTextAttr(3, u"upicon", u"images/"_s + m_onIconName);
    if (!m_offIconName.isEmpty())
        xml += XmlTextAttr(3, u"downicon", u"images/"_s + m_offIconName);
    xml += XmlFlagAttr(3, u"showtext", m_showText);
    xml += XmlFlagAttr(3, u"toggle", m_toggle);
    if (!BareAttributes())
        xml += CloseLine() + EndLine() + XmlEol;
    return xml;
}

void FflashButtonClass::CopyFilesTo(const QString &folder)
{
    FflashComponentBaseClass::CopyFilesTo(folder);
    if (!m_offIconPath.isEmpty() && !m_offIconName.isEmpty())
        QFile::copy(m_offIconPath, folder + m_offIconName);
    if (!m_onIconPath.isEmpty() && !m_onIconName.isEmpty())
        QFile::copy(m_onIconPath, folder + m_onIconName);
}

void FflashButtonClass::CollectFiles()
{
    FflashComponentBaseClass::CollectFiles();
    if (!Document())
        return;
    if (!m_onIconName.isEmpty())
        Document()->AddUploadImageFile(m_onIconName);
    if (!m_offIconName.isEmpty())
        Document()->AddUploadImageFile(m_offIconName);
}
