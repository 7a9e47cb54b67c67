#include "MessageBox.h"

#include <QQueue>

namespace {
QQueue<MessageBox::Button> s_answers;
QStringList s_shown;
bool s_autoAnswer = false;
} // namespace

MessageBox::Button MessageBox::Show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
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

MessageBox::Button MessageBox::Question(QWidget *parent, const QString &title, const QString &text,
                                        Buttons buttons, Button defaultButton)
{
    return Show(parent, QMessageBox::Question, title, text, buttons, defaultButton);
}

void MessageBox::Information(QWidget *parent, const QString &title, const QString &text)
{
    Show(parent, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::Warning(QWidget *parent, const QString &title, const QString &text)
{
    Show(parent, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::Critical(QWidget *parent, const QString &title, const QString &text)
{
    Show(parent, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::SetNextAnswer(Button answer) { s_answers.enqueue(answer); }
void MessageBox::SetAutoAnswer(bool on) { s_autoAnswer = on; }
QStringList MessageBox::ShownTexts() { return s_shown; }
QString MessageBox::LastText() { return s_shown.isEmpty() ? QString() : s_shown.last(); }

void MessageBox::ClearHistory()
{
    s_shown.clear();
    s_answers.clear();
}
