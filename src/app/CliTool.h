#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

class FflashMovie;

// fotovia-cli: builds and converts galleries from scripts. Works in a private working folder
// of its own, so it never disturbs a running designer.
class CliTool
{
public:
    CliTool(QTextStream &out, QTextStream &err);

    // Runs one command line (program name excluded); returns the exit status.
    int Run(const QString &appFolder, const QStringList &arguments);

private:
    int Help(const QString &command);
    int Fail(const QString &message);
    bool PrepareWorkFolder(const QString &appFolder);
    int SaveAs(FflashMovie &gallery, const QString &path);
    // Loads a gallery file; 0, or the exit status of a failure already reported.
    int Open(FflashMovie &gallery, const QString &path);
    bool ApplySize(const QString &size);
    int New(const QStringList &arguments);
    int Build(const QStringList &arguments);
    int Resave(const QStringList &arguments);
    int Info(const QStringList &arguments);

    // The tool's own working folder, removed when it ends.
    QTemporaryDir m_work;

    QTextStream &m_out;
    QTextStream &m_err;
};
