#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

// Closes every dialog of class W as soon as it shows, so that a window a command opens modally
// (the Files to Upload window after each save, say) does not wait for a user; counts the showings.
template <typename W> class ModalCloser : public QObject
{
public:
    ModalCloser() { qApp->installEventFilter(this); }
    ~ModalCloser() override { qApp->removeEventFilter(this); }

    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *dialog = qobject_cast<W *>(watched)) {
                ++shown;
                QTimer::singleShot(0, dialog, &QDialog::reject);
            }
        }
        return false;
    }
};
