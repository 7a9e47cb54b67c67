#pragma once

#include <QString>
#include <QStringList>

// The tips shown at start-up: a text file in the application folder, one tip per line. Whether
// tips show at all is kept in the file's name: active as "tips.txt" (in any letter case),
// parked as "tips2.txt".
class TipsFile
{
public:
    // The folder whose tips file is the setting: the application folder when the user may
    // rename files in it; otherwise (an installed program) the user's own folder beside the
    // working folder, which starts with a copy of the application folder's tips file.
    static QString folder(const QString &appFolder);

    // The active tips file of the folder, or the empty text when there is none.
    static QString findActive(const QString &appFolder);
    // The parked one, or the empty text.
    static QString findParked(const QString &appFolder);

    // Every line is a tip, an empty one included; the line break that ends the file does not
    // start another one.
    static QStringList readTips(const QString &path);

    // Renames an active file to the parked name, or the parked one back; false when the
    // rename failed (for instance because the target name is taken).
    static bool park(const QString &appFolder);
    static bool activate(const QString &appFolder);

    // The first tip shown: any line but the last (the only one when there is one).
    static int firstIndex(int count);
    // Paging forward cycles through all lines but the last; paging back reaches it.
    static int nextIndex(int index, int count);
    static int previousIndex(int index, int count);
};
