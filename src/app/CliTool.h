#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

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

    QTextStream &m_out;
    QTextStream &m_err;
};
