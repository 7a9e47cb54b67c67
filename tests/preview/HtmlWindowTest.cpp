#include "PreviewTestSupport.h"

#include "FileDialog.h"
#include "MessageBox.h"
#include "MainWindow.h"
#include "GalleryDocument.h"
#include "HtmlHighlighter.h"
#include "HtmlCodeDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString SaveFirstMessage = u"You must save your flash to see the HTML!"_s;

QList<HtmlCodeDialog *> openHtmlWindows()
{
    QList<HtmlCodeDialog *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<HtmlCodeDialog *>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

void freeClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class HtmlWindowTest : public PreviewTest
{
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        if (HasFatalFailure())
            return;
        m_gallery = std::make_unique<GalleryDocument>();
        m_gallery->resetAsNewGallery();
        QDir().mkpath(path(u"out"_s));
    }
    void TearDown() override
    {
        for (HtmlCodeDialog *window : openHtmlWindows())
            delete window;
        m_gallery.reset();
        PreviewTest::TearDown();
    }

    SaveFileChooser saveAs(const QString &name)
    {
        return [this, name](const QString &) {
            ++m_asked;
            return path(u"out/"_s + name);
        };
    }
    SaveFileChooser cancel()
    {
        return [this](const QString &) {
            ++m_asked;
            return QString();
        };
    }

    std::unique_ptr<GalleryDocument> m_gallery;
    int m_asked = 0;
};

// The format the highlighter gave the text at a position of a line of the code view.
QTextCharFormat formatAt(QPlainTextEdit *edit, int line, int column)
{
    const QTextBlock block = edit->document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (column >= range.start && column < range.start + range.length)
            return range.format;
    }
    return {};
}

TEST_F(HtmlWindowTest, TheWindowHoldsTheSnippetAndCopiesItWhole)
{
    ASSERT_TRUE(m_gallery->save(saveAs(u"site.xml"_s)));
    m_asked = 0;
    QPointer<HtmlCodeDialog> window = HtmlCodeDialog::showHtmlCode(m_gallery.get(), saveAs(u"other.xml"_s));
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(m_asked, 0) << "a saved gallery is not saved again";
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), u"HTML"_s);
    EXPECT_EQ(window->size(), QSize(463, 428));
    EXPECT_EQ(window->minimumSize(), QSize(200, 200));

    const QString snippet = m_gallery->htmlSnippet(cancel());
    ASSERT_FALSE(snippet.isEmpty());
    EXPECT_TRUE(snippet.contains(u"value=\"site.swf\""_s));
    QPlainTextEdit *code = window->codeEdit();
    EXPECT_TRUE(code->isReadOnly());
    EXPECT_EQ(code->toPlainText(), QString(snippet).replace(u"\r\n"_s, u"\n"_s));

    QStringList labels;
    for (QLabel *label : window->findChildren<QLabel *>())
        labels.append(label->text());
    EXPECT_TRUE(labels.contains(u"Required HTML"_s));
    EXPECT_TRUE(labels.contains(
        u"You will need to put this html in the page you want your search to appear. Press the Copy "
        "button to copy it to the clipboard, then open your web page and paste it where you want the "
        "search to appear."_s));
    ASSERT_EQ(window->findChildren<QGroupBox *>().size(), 1);
    EXPECT_EQ(window->findChildren<QGroupBox *>().first()->title(), u"HTML"_s);
    EXPECT_EQ(window->copyButton()->text(), u"Copy HTML to Clipboard"_s);
    EXPECT_EQ(window->closeButton()->text(), u"Close"_s);
    EXPECT_TRUE(window->closeButton()->isDefault());

    QApplication::clipboard()->setText(u"something else"_s);
    QTest::mouseClick(window->copyButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), snippet);
    EXPECT_EQ(code->textCursor().selectedText().size(), code->toPlainText().size());

    QTest::mouseClick(window->closeButton(), Qt::LeftButton);
    freeClosedWindows();
    EXPECT_TRUE(window.isNull()) << "a closed window is freed";
}

TEST_F(HtmlWindowTest, TheCodeIsColouredAsHtml)
{
    HtmlCodeDialog window;
    window.setCode(m_gallery->buildHtmlPage(u"site.swf"_s));
    QPlainTextEdit *code = window.codeEdit();
    const HtmlHighlighter *colours = window.highlighter();
    ASSERT_NE(colours, nullptr);
    // Page line 12: <param name="movie" value="site.swf"/>
    const int line = 11;
    ASSERT_EQ(code->document()->findBlockByNumber(line).text(), u"<param name=\"movie\" value=\"site.swf\"/>"_s);
    EXPECT_EQ(formatAt(code, line, 1), colours->tagFormat());
    EXPECT_EQ(formatAt(code, line, 7), colours->attributeFormat());
    EXPECT_EQ(formatAt(code, line, 13), colours->valueFormat());
    EXPECT_EQ(formatAt(code, line, 29), colours->valueFormat());
    EXPECT_EQ(formatAt(code, line, 37), colours->tagFormat());
    // The comment line, and the attribute of an object tag that began two lines before.
    EXPECT_EQ(formatAt(code, 7, 10), colours->commentFormat());
    EXPECT_EQ(code->document()->findBlockByNumber(10).text().left(7), u" width="_s);
    EXPECT_EQ(formatAt(code, 10, 2), colours->attributeFormat());
    EXPECT_NE(colours->tagFormat().foreground(), colours->attributeFormat().foreground());
    EXPECT_NE(colours->attributeFormat().foreground(), colours->valueFormat().foreground());
    EXPECT_NE(colours->commentFormat().foreground(), colours->tagFormat().foreground());
}

TEST_F(HtmlWindowTest, AGalleryNeverSavedIsSavedFirst)
{
    QPointer<HtmlCodeDialog> window = HtmlCodeDialog::showHtmlCode(m_gallery.get(), saveAs(u"first.xml"_s));
    EXPECT_EQ(m_asked, 1);
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(QFileInfo(path(u"out/first.xml"_s)).isFile());
    EXPECT_TRUE(window->codeEdit()->toPlainText().contains(u"value=\"first.swf\""_s));
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
}

TEST_F(HtmlWindowTest, ACancelledSaveShowsTheMessageAndNoWindow)
{
    HtmlCodeDialog *window = HtmlCodeDialog::showHtmlCode(m_gallery.get(), cancel());
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(m_asked, 1);
    EXPECT_EQ(MessageBox::shownTexts(), QStringList{SaveFirstMessage});
    freeClosedWindows();
    EXPECT_TRUE(openHtmlWindows().isEmpty());
    bool anyLeft = false;
    for (QWidget *widget : QApplication::topLevelWidgets())
        anyLeft = anyLeft || qobject_cast<HtmlCodeDialog *>(widget);
    EXPECT_FALSE(anyLeft);
    EXPECT_TRUE(QDir(path(u"out"_s)).isEmpty());
}

TEST_F(HtmlWindowTest, NoGalleryNoWindow)
{
    EXPECT_EQ(HtmlCodeDialog::showHtmlCode(nullptr, cancel()), nullptr);
    EXPECT_EQ(m_asked, 0);
    EXPECT_TRUE(MessageBox::shownTexts().isEmpty());
}

TEST_F(HtmlWindowTest, TheMainWindowsGetCodeCommandOpensTheWindow)
{
    m_gallery.reset();
    MainWindow main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    ASSERT_NE(main.gallery(), nullptr);

    FileDialog::setNextCancel();
    main.actionGetCode()->trigger();
    EXPECT_EQ(MessageBox::lastText(), SaveFirstMessage);
    freeClosedWindows();
    EXPECT_TRUE(openHtmlWindows().isEmpty());

    FileDialog::setNextFileName(path(u"out/mine.xml"_s));
    main.actionGetCode()->trigger();
    const QList<HtmlCodeDialog *> windows = openHtmlWindows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.first()->parentWidget(), &main);
    EXPECT_TRUE(windows.first()->codeEdit()->toPlainText().contains(u"value=\"mine.swf\""_s));
    EXPECT_EQ(main.gallery()->baseName(), u"mine"_s);
    delete windows.first();
    main.gallery()->setModified(false);
}

} // namespace
