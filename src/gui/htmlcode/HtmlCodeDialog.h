#pragma once

#include "GalleryDocument.h"

#include <QDialog>

class HtmlHighlighter;
class QPlainTextEdit;
class QPushButton;

// The object/embed code of the gallery, coloured, for pasting into other pages. A new window
// each time, freed when it closes.
class HtmlCodeDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens a window with the gallery's code. A gallery that was never saved is saved first
    // through chooser; when that is cancelled the user is told and no window stays. Returns
    // the window shown, or nullptr.
    static HtmlCodeDialog *showHtmlCode(GalleryDocument *gallery, const SaveFileChooser &chooser,
                                     QWidget *owner = nullptr);

    explicit HtmlCodeDialog(QWidget *owner = nullptr);

    void setCode(const QString &code);
    void copyClick();

    QPlainTextEdit *dcMemo1() const { return m_dcMemo1; }
    HtmlHighlighter *highlighter() const { return m_highlighter; }
    QPushButton *copyButton() const { return m_copyButton; }
    QPushButton *closeButton() const { return m_closeButton; }

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
