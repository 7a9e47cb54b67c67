#include "PreviewTestSupport.h"

#include "app/AppState.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/TwMain.h"
#include "gallery/FflashMovie.h"
#include "gallery/HtmlHighlighter.h"
#include "gallery/ThtmlWindow.h"

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

QList<ThtmlWindow *> OpenHtmlWindows()
{
    QList<ThtmlWindow *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<ThtmlWindow *>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

void FreeClosedWindows()
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
        m_gallery = std::make_unique<FflashMovie>();
        m_gallery->ResetAsNewGallery();
        QDir().mkpath(Path(u"out"_s));
    }
    void TearDown() override
    {
        for (ThtmlWindow *window : OpenHtmlWindows())
            delete window;
        m_gallery.reset();
        PreviewTest::TearDown();
    }

    SaveFileChooser SaveAs(const QString &name)
    {
        return [this, name](const QString &) {
            ++m_asked;
            return Path(u"out/"_s + name);
        };
    }
    SaveFileChooser Cancel()
    {
        return [this](const QString &) {
            ++m_asked;
            return QString();
        };
    }

    std::unique_ptr<FflashMovie> m_gallery;
    int m_asked = 0;
};

// The format the highlighter gave the text at a position of a line of the code view.
QTextCharFormat FormatAt(QPlainTextEdit *edit, int line, int column)
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
    ASSERT_TRUE(m_gallery->Save(SaveAs(u"site.xml"_s)));
    m_asked = 0;
    QPointer<ThtmlWindow> window = ThtmlWindow::ShowHtmlCode(m_gallery.get(), SaveAs(u"other.xml"_s));
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(m_asked, 0) << "a saved gallery is not saved again";
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), u"HTML"_s);
    EXPECT_EQ(window->size(), QSize(463, 428));
    EXPECT_EQ(window->minimumSize(), QSize(200, 200));

    const QString snippet = m_gallery->GetHtmlSnippet(Cancel());
    ASSERT_FALSE(snippet.isEmpty());
    EXPECT_TRUE(snippet.contains(u"value=\"site.swf\""_s));
    QPlainTextEdit *code = window->DCMemo1();
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
    EXPECT_EQ(window->CopyButton()->text(), u"Copy HTML to Clipboard"_s);
    EXPECT_EQ(window->CloseButton()->text(), u"Close"_s);
    EXPECT_TRUE(window->CloseButton()->isDefault());

    QApplication::clipboard()->setText(u"something else"_s);
    QTest::mouseClick(window->CopyButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), snippet);
    EXPECT_EQ(code->textCursor().selectedText().size(), code->toPlainText().size());

    QTest::mouseClick(window->CloseButton(), Qt::LeftButton);
    FreeClosedWindows();
    EXPECT_TRUE(window.isNull()) << "a closed window is freed";
}

TEST_F(HtmlWindowTest, TheCodeIsColouredAsHtml)
{
    ThtmlWindow window;
    window.SetCode(m_gallery->BuildHtmlPage(u"site.swf"_s));
    QPlainTextEdit *code = window.DCMemo1();
    const HtmlHighlighter *colours = window.Highlighter();
    ASSERT_NE(colours, nullptr);
    // Page line 12: <param name="movie" value="site.swf"/>
    const int line = 11;
    ASSERT_EQ(code->document()->findBlockByNumber(line).text(), u"<param name=\"movie\" value=\"site.swf\"/>"_s);
    EXPECT_EQ(FormatAt(code, line, 1), colours->TagFormat());
    EXPECT_EQ(FormatAt(code, line, 7), colours->AttributeFormat());
    EXPECT_EQ(FormatAt(code, line, 13), colours->ValueFormat());
    EXPECT_EQ(FormatAt(code, line, 29), colours->ValueFormat());
    EXPECT_EQ(FormatAt(code, line, 37), colours->TagFormat());
    // The comment line, and the attribute of an object tag that began two lines before.
    EXPECT_EQ(FormatAt(code, 7, 10), colours->CommentFormat());
    EXPECT_EQ(code->document()->findBlockByNumber(10).text().left(7), u" width="_s);
    EXPECT_EQ(FormatAt(code, 10, 2), colours->AttributeFormat());
    EXPECT_NE(colours->TagFormat().foreground(), colours->AttributeFormat().foreground());
    EXPECT_NE(colours->AttributeFormat().foreground(), colours->ValueFormat().foreground());
    EXPECT_NE(colours->CommentFormat().foreground(), colours->TagFormat().foreground());
}

TEST_F(HtmlWindowTest, AGalleryNeverSavedIsSavedFirst)
{
    QPointer<ThtmlWindow> window = ThtmlWindow::ShowHtmlCode(m_gallery.get(), SaveAs(u"first.xml"_s));
    EXPECT_EQ(m_asked, 1);
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(QFileInfo(Path(u"out/first.xml"_s)).isFile());
    EXPECT_TRUE(window->DCMemo1()->toPlainText().contains(u"value=\"first.swf\""_s));
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_F(HtmlWindowTest, ACancelledSaveShowsTheMessageAndNoWindow)
{
    ThtmlWindow *window = ThtmlWindow::ShowHtmlCode(m_gallery.get(), Cancel());
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(m_asked, 1);
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{SaveFirstMessage});
    FreeClosedWindows();
    EXPECT_TRUE(OpenHtmlWindows().isEmpty());
    bool anyLeft = false;
    for (QWidget *widget : QApplication::topLevelWidgets())
        anyLeft = anyLeft || qobject_cast<ThtmlWindow *>(widget);
    EXPECT_FALSE(anyLeft);
    EXPECT_TRUE(QDir(Path(u"out"_s)).isEmpty());
}

TEST_F(HtmlWindowTest, NoGalleryNoWindow)
{
    EXPECT_EQ(ThtmlWindow::ShowHtmlCode(nullptr, Cancel()), nullptr);
    EXPECT_EQ(m_asked, 0);
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
}

TEST_F(HtmlWindowTest, TheMainWindowsGetCodeCommandOpensTheWindow)
{
    m_gallery.reset();
    TwMain main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    ASSERT_NE(main.Gallery(), nullptr);

    FileDialog::SetNextCancel();
    main.ActionGetHTML()->trigger();
    EXPECT_EQ(MessageBox::LastText(), SaveFirstMessage);
    FreeClosedWindows();
    EXPECT_TRUE(OpenHtmlWindows().isEmpty());

    FileDialog::SetNextFileName(Path(u"out/mine.xml"_s));
    main.ActionGetHTML()->trigger();
    const QList<ThtmlWindow *> windows = OpenHtmlWindows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.first()->parentWidget(), &main);
    EXPECT_TRUE(windows.first()->DCMemo1()->toPlainText().contains(u"value=\"mine.swf\""_s));
    EXPECT_EQ(main.Gallery()->BaseName(), u"mine"_s);
    delete windows.first();
    main.Gallery()->SetModified(false);
}

} // namespace
