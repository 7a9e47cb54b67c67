#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

class GalleryDocument;

// fotovia-cli: builds and converts galleries from scripts. Works in a private working folder
// of its own, so it never disturbs a running designer.
class CliCommands
{
public:
    CliCommands(QTextStream &out, QTextStream &err);

    // Runs one command line (program name excluded); returns the exit status.
    int run(const QString &appFolder, const QStringList &arguments);

private:
    int help(const QString &command);
    int fail(const QString &message);
    bool prepareWorkFolder(const QString &appFolder);
    int saveAs(GalleryDocument &gallery, const QString &path);
    // Loads a gallery file; 0, or the exit status of a failure already reported.
    int open(GalleryDocument &gallery, const QString &path);
    bool applySize(const QString &size);
    int newGallery(const QStringList &arguments);
    int build(const QStringList &arguments);
    int resave(const QStringList &arguments);
    int info(const QStringList &arguments);

    // The tool's own working folder, removed when it ends.
    QTemporaryDir m_work;

    QTextStream &m_out;
    QTextStream &m_err;
};
