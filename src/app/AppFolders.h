#pragma once

#include <QString>

// The program's folders, set once at start-up. Every value ends with "/".
class AppFolders
{
public:
    // Creates the folders under appFolder (the working folder emptied, the libraries kept).
    // Throws InOutError naming a folder that cannot be created.
    static void Setup(const QString &appFolder);

    // The application folder when none is given: the program's own folder in a build tree,
    // or the shared data folder beside an installed program (<prefix>/share/fotovia).
    static QString DefaultAppFolder();
    // Where the working folder lives: in the application folder when that is writable,
    // otherwise (an installed program) in the user's own data folder.
    static QString WorkRootFor(const QString &appFolder);

    // Points the folder values at appFolder without creating or emptying anything.
    static void Assign(const QString &appFolder, const QString &tempFolder);

    static QString AppFolder() { return s_app; }
    static QString TempFolder() { return s_temp; }
    static QString ImagesWorkFolder() { return s_temp + QStringLiteral("images/"); }
    static QString SwfFolder() { return s_swf; }
    static QString BackgroundSoundsFolder() { return s_backgroundSounds; }
    static QString MouseOverSoundsFolder() { return s_mouseOverSounds; }

    // A file in the application folder, found without regard to letter case.
    static QString AppFile(const QString &relativePath);

private:
    static QString s_app;
    static QString s_temp;
    static QString s_swf;
    static QString s_backgroundSounds;
    static QString s_mouseOverSounds;
};
