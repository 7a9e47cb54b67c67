#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every file chooser of the program goes through here, so that tests can answer them: a queued
// answer is returned instead of showing the chooser (an empty one stands for Cancel).
class FileDialog
{
public:
    static QString OpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter);
    static QStringList OpenFileNames(QWidget *parent, const QString &caption, const QString &folder,
                                     const QString &filter);
    static QString SaveFileName(QWidget *parent, const QString &caption, const QString &startPath,
                                const QString &filter);
    static QString ExistingFolder(QWidget *parent, const QString &caption, const QString &folder);

    // For tests.
    static void SetNextFileName(const QString &path);
    static void SetNextFileNames(const QStringList &paths);
    static void SetNextCancel();
    // The start folder or path the last chooser was given.
    static QString LastStartPath();
    static void Clear();
};
