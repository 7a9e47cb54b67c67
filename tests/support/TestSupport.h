#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes a file (creating its folder); returns its path.
QString WriteFile(const QString &path, const QByteArray &content = "x");
QByteArray ReadFile(const QString &path);
QString TestDataPath(const QString &name);
QString BuiltAppFolder();

struct ProcessResult
{
    int exitCode = -1;
    QString out;
    QString err;
};
// Runs a program of the build's application folder and waits for it.
ProcessResult RunProgram(const QString &program, const QStringList &arguments, int timeoutMs = 60000);
