#include "MessageBox.h"

#include <QQueue>

namespace {
QQueue<MessageBox::Button> s_answers;
QStringList s_shown;
bool s_autoAnswer = false;
} // namespace

MessageBox::Button MessageBox::show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                    const QString &text, Buttons buttons, Button defaultButton)
{
    s_shown.append(text);
    if (!s_answers.isEmpty())
        return s_answers.dequeue();
    if (s_autoAnswer) {
        if (defaultButton != QMessageBox::NoButton)
            return defaultButton;
        for (int bit = 0; bit < 32; ++bit) {
            const auto button = Button(1u << bit);
            if (buttons.testFlag(button))
                return button;
        }
        return QMessageBox::Ok;
    }
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return Button(box.exec());
}

MessageBox::Button MessageBox::question(QWidget *parent, const QString &title, const QString &text,
                                        Buttons buttons, Button defaultButton)
{
    return show(parent, QMessageBox::Question, title, text, buttons, defaultButton);
}

void MessageBox::information(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::warning(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::critical(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::setNextAnswer(Button answer) { s_answers.enqueue(answer); }
void MessageBox::setAutoAnswer(bool on) { s_autoAnswer = on; }
QStringList MessageBox::shownTexts() { return s_shown; }
QString MessageBox::lastText() { return s_shown.isEmpty() ? QString() : s_shown.last(); }

void MessageBox::clearHistory()
{
    s_shown.clear();
    s_answers.clear();
}
