#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure messages for Qt texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList &list, std::ostream *os) { *os << '[' << list.join(u"|").toStdString() << ']'; }
QT_END_NAMESPACE

// Writes a file (creating its folder); returns its path.
QString writeFile(const QString &path, const QByteArray &content = "x");
QByteArray readFile(const QString &path);
QString testDataPath(const QString &name);
QString builtAppFolder();

struct ProcessResult
{
    int exitCode = -1;
    QString out;
    QString err;
};
// Runs a program of the build's application folder and waits for it.
ProcessResult runProgram(const QString &program, const QStringList &arguments, int timeoutMs = 60000);

#include <QTemporaryDir>

// A private application folder for one test: the working folders made by start-up and the
// shipped default sounds in their library folders.
class TestAppFolder
{
public:
    TestAppFolder();
    QString path(const QString &name = {}) const { return m_dir.path() + u'/' + name; }

private:
    QTemporaryDir m_dir;
};
