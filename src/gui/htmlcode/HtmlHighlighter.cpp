#include "HtmlHighlighter.h"

#include <QColor>

using namespace Qt::StringLiterals;

HtmlHighlighter::HtmlHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{
    m_tag.setForeground(QColor(0x00, 0x00, 0x80));
    m_tag.setFontWeight(QFont::Bold);
    m_attribute.setForeground(QColor(0xA0, 0x00, 0x00));
    m_value.setForeground(QColor(0x00, 0x00, 0xFF));
    m_comment.setForeground(QColor(0x00, 0x80, 0x00));
    m_comment.setFontItalic(true);
    m_entity.setForeground(QColor(0x80, 0x00, 0x80));
}

void HtmlHighlighter::highlightBlock(const QString &text)
{
    // A small scanner rather than regular expressions: a tag, a value or a comment that goes on
    // past the end of the line must colour the following lines too, and the snippet's tags do
    // run over several lines.
    int state = previousBlockState() < 0 ? InText : previousBlockState();
    const qsizetype length = text.size();
    qsizetype i = 0;
    while (i < length) {
        switch (state) {
        case InComment: {
            const qsizetype end = text.indexOf(u"-->"_s, i);
            const qsizetype stop = end < 0 ? length : end + 3;
            setFormat(int(i), int(stop - i), m_comment);
            i = stop;
            if (end >= 0)
                state = InText;
            break;
        }
        case InValue: {
            const qsizetype end = text.indexOf(u'"', i);
            const qsizetype stop = end < 0 ? length : end + 1;
            setFormat(int(i), int(stop - i), m_value);
            i = stop;
            if (end >= 0)
                state = InTag;
            break;
        }
        case InTag: {
            const QChar c = text.at(i);
            if (c == u'>' || (c == u'/' && i + 1 < length && text.at(i + 1) == u'>')) {
                const int size = c == u'>' ? 1 : 2;
                setFormat(int(i), size, m_tag);
                i += size;
                state = InText;
            } else if (c == u'"') {
                state = InValue;
                setFormat(int(i), 1, m_value);
                ++i;
            } else if (c == u'\'') {
                const qsizetype end = text.indexOf(u'\'', i + 1);
                const qsizetype stop = end < 0 ? length : end + 1;
                setFormat(int(i), int(stop - i), m_value);
                i = stop;
            } else if (c.isSpace() || c == u'=') {
                ++i;
            } else {
                qsizetype end = i;
                while (end < length && !text.at(end).isSpace() && text.at(end) != u'='
                       && text.at(end) != u'>' && text.at(end) != u'"'
                       && !(text.at(end) == u'/' && end + 1 < length && text.at(end + 1) == u'>'))
                    ++end;
                if (end == i)
                    end = i + 1;
                // Unquoted values (width=500) are values, the rest are attribute names.
                const bool isValue = i > 0 && text.at(i - 1) == u'=';
                setFormat(int(i), int(end - i), isValue ? m_value : m_attribute);
                i = end;
            }
            break;
        }
        default: {
            const QChar c = text.at(i);
            if (text.mid(i, 4) == u"<!--"_s) {
                state = InComment;
                setFormat(int(i), 4, m_comment);
                i += 4;
            } else if (c == u'<') {
                qsizetype end = i + 1;
                if (end < length && (text.at(end) == u'/' || text.at(end) == u'!' || text.at(end) == u'?'))
                    ++end;
                while (end < length && (text.at(end).isLetterOrNumber() || text.at(end) == u'-'
                                        || text.at(end) == u':'))
                    ++end;
                setFormat(int(i), int(end - i), m_tag);
                i = end;
                state = InTag;
            } else if (c == u'&') {
                const qsizetype end = text.indexOf(u';', i);
                if (end > i && end - i <= 10) {
                    setFormat(int(i), int(end - i + 1), m_entity);
                    i = end + 1;
                } else {
                    ++i;
                }
            } else {
                ++i;
            }
            break;
        }
        }
    }
    setCurrentBlockState(state);
}
