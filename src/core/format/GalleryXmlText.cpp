#include "GalleryXmlText.h"

#include "Utils.h"

using namespace Qt::StringLiterals;

QString xmlAttr(int indent, QStringView name, const QString &value)
{
    return QString(indent, u' ') + name + u"=\"" + value + u'"' + XmlEol;
}

QString xmlAttr(int indent, QStringView name, int value)
{
    return xmlAttr(indent, name, QString::number(value));
}

QString xmlFlag(bool value)
{
    return value ? u"t"_s : u"f"_s;
}

QString xmlFlagAttr(int indent, QStringView name, bool value)
{
    return xmlAttr(indent, name, xmlFlag(value));
}

QString xmlColorAttr(int indent, QStringView name, PackedColor value)
{
    return xmlAttr(indent, name, colorToHexText(value));
}

QString xmlTextAttr(int indent, QStringView name, const QString &text)
{
    return xmlAttr(indent, name, escapeXmlText(text));
}

QString xmlPathAttr(int indent, QStringView name, const QString &fileName)
{
    QString value = u"images/"_s + fileName;
    value.replace(u'"', u"&quot;"_s);
    return xmlAttr(indent, name, value);
}

QByteArray encodeGalleryText(const QString &text)
{
    QString bmp;
    bmp.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate()) {
            bmp.append(c);
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one replacement for the whole pair
        bmp.append(QChar::ReplacementCharacter);
    }
    return bmp.toUtf8();
}
