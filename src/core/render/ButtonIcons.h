#pragma once

#include <QImage>
#include <QString>

// The pictures a gallery button shows when the user has not chosen an icon of its own. They
// have transparent backgrounds, so the button's background shows around them.
class ButtonIcons
{
public:
    static const QImage &playPause(); // 24 x 24
    static const QImage &sound();     // 19 x 22
    static const QImage &albums();    // 24 x 21

    // The built-in icon for a button action; a null picture for any other action.
    static const QImage &forAction(const QString &action);
};
