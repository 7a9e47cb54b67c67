#pragma once

#include <QMessageBox>
#include <QStringList>

// Every message box of the program goes through here, so that tests can answer them: a queued
// answer is taken instead of showing the box, and every text shown is recorded.
class MessageBox
{
public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;

    // "Confirm" boxes: Yes/No with a question icon.
    static Button question(QWidget *parent, const QString &title, const QString &text,
                           Buttons buttons = QMessageBox::Yes | QMessageBox::No,
                           Button defaultButton = QMessageBox::NoButton);
    static void information(QWidget *parent, const QString &title, const QString &text);
    static void warning(QWidget *parent, const QString &title, const QString &text);
    static void critical(QWidget *parent, const QString &title, const QString &text);

    // For tests.
    static void setNextAnswer(Button answer);
    // With auto answer on, boxes without a queued answer are never shown: questions get
    // their default button (or the first of their buttons), the others just close.
    static void setAutoAnswer(bool on);
    static QStringList shownTexts();
    static QString lastText();
    static void clearHistory();

private:
    static Button show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                       const QString &text, Buttons buttons, Button defaultButton);
};
