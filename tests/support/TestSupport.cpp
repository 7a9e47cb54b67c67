#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

QString WriteFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TestDataPath(const QString &name)
{
    return QStringLiteral(FOTOVIA_TEST_DATA) + u'/' + name;
}

QString BuiltAppFolder()
{
    return QStringLiteral(FOTOVIA_APP_DIR) + u'/';
}

ProcessResult RunProgram(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.start(BuiltAppFolder() + program, arguments);
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

#include "app/AppFolders.h"

TestAppFolder::TestAppFolder()
{
    const QString built = BuiltAppFolder();
    for (const QString &file : {u"background sounds/butteryLoop1.mp3"_s, u"mouseover sounds/default.mp3"_s}) {
        QDir().mkpath(QFileInfo(Path(file)).absolutePath());
        QFile::copy(built + file, Path(file));
    }
    AppFolders::Setup(Path());
}
