#include "XmlText.h"

#include "app/Utils.h"

using namespace Qt::StringLiterals;

QString XmlAttr(int indent, QStringView name, const QString &value)
{
    return QString(indent, u' ') + name + u"=\"" + value + u'"' + XmlEol;
}

QString XmlAttr(int indent, QStringView name, int value)
{
    return XmlAttr(indent, name, QString::number(value));
}

QString XmlFlag(bool value)
{
    return value ? u"t"_s : u"f"_s;
}

QString XmlFlagAttr(int indent, QStringView name, bool value)
{
    return XmlAttr(indent, name, XmlFlag(value));
}

QString XmlColorAttr(int indent, QStringView name, FColor value)
{
    return XmlAttr(indent, name, ColorToHexText(value));
}

QString XmlTextAttr(int indent, QStringView name, const QString &text)
{
    return XmlAttr(indent, name, EscapeXmlText(text));
}

QString XmlPathAttr(int indent, QStringView name, const QString &fileName)
{
    QString value = u"images/"_s + fileName;
    value.replace(u'"', u"&quot;"_s);
    return XmlAttr(indent, name, value);
}

QByteArray EncodeGalleryText(const QString &text)
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
