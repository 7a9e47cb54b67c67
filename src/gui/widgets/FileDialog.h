#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every file chooser of the program goes through here, so that tests can answer them: a queued
// answer is returned instead of showing the chooser (an empty one stands for Cancel).
class FileDialog
{
public:
    static QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter);
    static QStringList openFileNames(QWidget *parent, const QString &caption, const QString &folder,
                                     const QString &filter);
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &startPath,
                                const QString &filter);
    static QString existingFolder(QWidget *parent, const QString &caption, const QString &folder);

    // For tests.
    static void setNextFileName(const QString &path);
    static void setNextFileNames(const QStringList &paths);
    static void setNextCancel();
    // The start folder or path the last chooser was given.
    static QString lastStartPath();
    static void clear();
};
