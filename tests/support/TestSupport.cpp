#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

QString writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString testDataPath(const QString &name)
{
    return QStringLiteral(FOTOVIA_TEST_DATA) + u'/' + name;
}

QString builtAppFolder()
{
    return QStringLiteral(FOTOVIA_APP_DIR) + u'/';
}

ProcessResult runProgram(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.start(builtAppFolder() + program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

#include "AppFolders.h"

TestAppFolder::TestAppFolder()
{
    const QString built = builtAppFolder();
    for (const QString &file : {u"background sounds/butteryLoop1.mp3"_s, u"mouseover sounds/default.mp3"_s}) {
        QDir().mkpath(QFileInfo(path(file)).absolutePath());
        QFile::copy(built + file, path(file));
    }
    AppFolders::setup(path());
}
