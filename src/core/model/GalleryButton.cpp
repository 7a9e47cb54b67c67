#include "GalleryButton.h"

#include "AppFolders.h"
#include "Utils.h"
#include "GalleryDocument.h"
#include "GalleryXmlText.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>

using namespace Qt::StringLiterals;

GalleryButton::GalleryButton(QObject *owner) : StyledComponent(owner)
{
    setHasFont(true);
    setGradientFill(true);
    setGradientColor(Colors::Gray);
    setFillColor(Colors::Silver);
    setFontColor(Colors::White);
    setElementName(u"button"_s);
    setShowText(false);
    setSendToBackAfterMove(false);
    setModified(false);
}

void GalleryButton::setText(const QString &text) { assign(m_textOn, text); }
void GalleryButton::setToggleText(const QString &text) { assign(m_textOff, text); }
void GalleryButton::setToggle(bool value) { assign(m_toggle, value, false); }
void GalleryButton::setAction(const QString &action) { assign(m_action, action, false); }

void GalleryButton::setShowText(bool value)
{
    if (!assign(m_showText, value) || !value)
        return;
    // Text mode widens a button that is too narrow for its caption, and the gallery with it.
    const int measured = QFontMetrics(previewFont()).horizontalAdvance(m_textOn);
    if (measured + 10 > width())
        setWidth(measured + 13);
    GalleryDocument *document = Document();
    if (document && left() + width() > document->width())
        document->setWidth(left() + width());
}

void GalleryButton::setIcon(const QString &file, QString &given, QString &path, QString &name)
{
    // The same file again keeps its working copy.
    if (file == given && (file.isEmpty() ? path.isEmpty() : QFileInfo::exists(path)))
        return;
    given = file;
    QString source = file;
    if (!QFileInfo(source).isFile() && Document())
        source = includeTrailingSlash(Document()->getFolder()) + file;
    if (!file.isEmpty() && QFileInfo(source).isFile()) {
        const QString cleaned = stripMediaNameChars(fileNamePart(file)).toLower();
        const QString stem = replaceChar(fileBaseName(cleaned), u' ', u'_');
        const QString copy = uniqueFileName(AppFolders::imagesWorkFolder(), stem, u".jpg"_s);
        QFile::copy(source, copy);
        path = copy;
        name = fileNamePart(copy);
        QImage picture(copy);
        if (!picture.isNull())
            m_iconPicture = picture;
    } else {
        path.clear();
        name.clear();
    }
    noteChange();
}

void GalleryButton::setOnIcon(const QString &file)
{
    setIcon(file, m_onIconFile, m_onIconPath, m_onIconName);
}

void GalleryButton::setOffIcon(const QString &file)
{
    setIcon(file, m_offIconFile, m_offIconPath, m_offIconName);
}

QString GalleryButton::writeXml()
{
    QString xml;
    if (!bareAttributes())
        xml += startLine();
    xml += StyledComponent::writeXml();
    xml += xmlTextAttr(3, u"txt", m_textOn);
    xml += xmlTextAttr(3, u"toggletxt", m_textOff);
    xml += xmlTextAttr(3, u"action", m_action);
    if (!m_onIconName.isEmpty())
        xml += xmlTextAttr(3, u"upicon", u"images/"_s + m_onIconName);
    if (!m_offIconName.isEmpty())
        xml += xmlTextAttr(3, u"downicon", u"images/"_s + m_offIconName);
    xml += xmlFlagAttr(3, u"showtext", m_showText);
    xml += xmlFlagAttr(3, u"toggle", m_toggle);
    if (!bareAttributes())
        xml += closeLine() + endLine() + XmlEol;
    return xml;
}

void GalleryButton::copyFilesTo(const QString &folder)
{
    StyledComponent::copyFilesTo(folder);
    if (!m_offIconPath.isEmpty() && !m_offIconName.isEmpty())
        QFile::copy(m_offIconPath, folder + m_offIconName);
    if (!m_onIconPath.isEmpty() && !m_onIconName.isEmpty())
        QFile::copy(m_onIconPath, folder + m_onIconName);
}

QStringList GalleryButton::imageFileNames() const
{
    QStringList names = StyledComponent::imageFileNames();
    if (!m_onIconName.isEmpty())
        names.append(m_onIconName);
    if (!m_offIconName.isEmpty())
        names.append(m_offIconName);
    return names;
}
