#include "HtmlCodeDialog.h"

#include "HtmlHighlighter.h"
#include "Errors.h"
#include "MessageBox.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HtmlCodeDialog *HtmlCodeDialog::showHtmlCode(GalleryDocument *gallery, const SaveFileChooser &chooser, QWidget *owner)
{
    if (!gallery)
        return nullptr;
    auto *window = new HtmlCodeDialog(owner);
    QString code;
    try {
        code = gallery->htmlSnippet(chooser);
    } catch (const FotoviaError &e) {
        delete window;
        MessageBox::critical(owner, u"Fotovia"_s, e.message());
        return nullptr;
    }
    if (code.isEmpty() && gallery->baseName().isEmpty())
        MessageBox::warning(owner, u"Fotovia"_s, u"You must save your flash to see the HTML!"_s);
    window->setCode(code);
    if (window->codeEdit()->toPlainText().isEmpty()) {
        delete window;
        return nullptr;
    }
    window->show();
    return window;
}

HtmlCodeDialog::HtmlCodeDialog(QWidget *owner)
    : QDialog(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(u"htmlWindow"_s);
    setWindowTitle(u"HTML"_s);
    setModal(false);
    setMinimumSize(200, 200);
    resize(463, 428);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(createHeader());
    auto *groupMargin = new QHBoxLayout;
    groupMargin->setContentsMargins(8, 0, 8, 0);
    groupMargin->addWidget(createCodeGroup());
    layout->addLayout(groupMargin, 1);
    layout->addLayout(createButtons());
}

QLabel *HtmlCodeDialog::createHeader()
{
    auto *header = new QLabel(u"Required HTML"_s, this);
    header->setObjectName(u"header"_s);
    QFont headerFont = header->font();
    headerFont.setBold(true);
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.4);
    header->setFont(headerFont);
    header->setContentsMargins(12, 10, 12, 10);
    header->setAutoFillBackground(true);
    QPalette white = header->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    header->setPalette(white);
    return header;
}

QGroupBox *HtmlCodeDialog::createCodeGroup()
{
    auto *group = new QGroupBox(u"HTML"_s, this);
    auto *groupLayout = new QVBoxLayout(group);
    auto *explanation = new QLabel(
        u"You will need to put this html in the page you want your search to appear. Press the Copy "
        "button to copy it to the clipboard, then open your web page and paste it where you want the "
        "search to appear."_s,
        group);
    explanation->setWordWrap(true);
    groupLayout->addWidget(explanation);
    m_codeEdit = new QPlainTextEdit(group);
    m_codeEdit->setObjectName(u"codeEdit"_s);
    m_codeEdit->setReadOnly(true);
    // Read-only, but the user may still select part of the code and copy it.
    m_codeEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_codeEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_codeEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_highlighter = new HtmlHighlighter(m_codeEdit->document());
    groupLayout->addWidget(m_codeEdit, 1);
    return group;
}

QLayout *HtmlCodeDialog::createButtons()
{
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 0);
    m_copyButton = new QPushButton(u"Copy HTML to Clipboard"_s, this);
    m_copyButton->setAutoDefault(false);
    m_closeButton = new QPushButton(u"Close"_s, this);
    m_closeButton->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_closeButton);
    connect(m_copyButton, &QPushButton::clicked, this, &HtmlCodeDialog::copyCode);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
    return buttons;
}

void HtmlCodeDialog::setCode(const QString &code)
{
    m_code = code;
    m_codeEdit->setPlainText(code);
}

void HtmlCodeDialog::copyCode()
{
    m_codeEdit->selectAll();
    // The code as the page carries it, line breaks included; the editor keeps only bare ones.
    QGuiApplication::clipboard()->setText(m_code);
}

void HtmlCodeDialog::showEvent(QShowEvent *event)
{
    if (!m_centred && parentWidget()) {
        m_centred = true;
        const QRect area = parentWidget()->window()->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}
