#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Colours HTML the way code editors do: tags, attribute names, quoted values, entities and
// comments. Comments may run over several lines; the block state carries that.
class HtmlHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit HtmlHighlighter(QTextDocument *document);

    // The formats, for the window's tests and for anyone who wants to match the colours.
    const QTextCharFormat &tagFormat() const { return m_tag; }
    const QTextCharFormat &attributeFormat() const { return m_attribute; }
    const QTextCharFormat &valueFormat() const { return m_value; }
    const QTextCharFormat &commentFormat() const { return m_comment; }
    const QTextCharFormat &entityFormat() const { return m_entity; }

protected:
    void highlightBlock(const QString &text) override;

private:
    enum State { InText = 0, InComment = 1, InTag = 2, InValue = 3 };

    QTextCharFormat m_tag;
    QTextCharFormat m_attribute;
    QTextCharFormat m_value;
    QTextCharFormat m_comment;
    QTextCharFormat m_entity;
};
