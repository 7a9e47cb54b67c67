#pragma once

#include "FflashMovie.h"

#include <QDialog>

class HtmlHighlighter;
class QPlainTextEdit;
class QPushButton;

// The object/embed code of the gallery, coloured, for pasting into other pages. A new window
// each time, freed when it closes.
class ThtmlWindow : public QDialog
{
    Q_OBJECT
public:
    // Opens a window with the gallery's code. A gallery that was never saved is saved first
    // through chooser; when that is cancelled the user is told and no window stays. Returns
    // the window shown, or nullptr.
    static ThtmlWindow *ShowHtmlCode(FflashMovie *gallery, const SaveFileChooser &chooser,
                                     QWidget *owner = nullptr);

    explicit ThtmlWindow(QWidget *owner = nullptr);

    void SetCode(const QString &code);
    void CopyClick();

    QPlainTextEdit *DCMemo1() const { return m_dcMemo1; }
    HtmlHighlighter *Highlighter() const { return m_highlighter; }
    QPushButton *CopyButton() const { return m_copyButton; }
    QPushButton *CloseButton() const { return m_closeButton; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPlainTextEdit *m_dcMemo1 = nullptr;
    HtmlHighlighter *m_highlighter = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QString m_code;
    bool m_centred = false;
};
