#pragma once

#include "GalleryDocument.h"

#include <QDialog>

class HtmlHighlighter;
class QGroupBox;
class QLabel;
class QLayout;
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
    // Copies the code to the clipboard, and selects it all so that the user sees what went.
    void copyCode();

    QPlainTextEdit *codeEdit() const { return m_codeEdit; }
    HtmlHighlighter *highlighter() const { return m_highlighter; }
    QPushButton *copyButton() const { return m_copyButton; }
    QPushButton *closeButton() const { return m_closeButton; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *createHeader();
    QGroupBox *createCodeGroup();
    QLayout *createButtons();

    QPlainTextEdit *m_codeEdit = nullptr;
    HtmlHighlighter *m_highlighter = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QString m_code;
    bool m_centred = false;
};
