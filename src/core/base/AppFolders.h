#pragma once

#include <QString>

// The program's folders, set once at start-up. Every value ends with "/".
class AppFolders
{
public:
    // Creates the folders under appFolder (the working folder emptied, the libraries kept).
    // Throws InOutError naming a folder that cannot be created.
    static void setup(const QString &appFolder);

    // The application folder when none is given: the program's own folder in a build tree,
    // or the shared data folder beside an installed program (<prefix>/share/fotovia).
    static QString defaultAppFolder();
    // Where the working folder lives: in the application folder when that is writable,
    // otherwise (an installed program) in the user's own data folder.
    static QString workRootFor(const QString &appFolder);

    // Points the folder values at appFolder without creating or emptying anything.
    static void assign(const QString &appFolder, const QString &tempFolder);

    static QString appFolder() { return s_app; }
    static QString tempFolder() { return s_temp; }
    static QString imagesWorkFolder() { return s_temp + QStringLiteral("images/"); }
    static QString swfFolder() { return s_swf; }
    static QString backgroundSoundsFolder() { return s_backgroundSounds; }
    static QString mouseOverSoundsFolder() { return s_mouseOverSounds; }

    // A file in the application folder, found without regard to letter case.
    static QString appFile(const QString &relativePath);

private:
    static QString s_app;
    static QString s_temp;
    static QString s_swf;
    static QString s_backgroundSounds;
    static QString s_mouseOverSounds;
};
