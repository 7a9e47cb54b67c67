#include "FileDialog.h"

#include <QFileDialog>
#include <QQueue>

namespace {
QQueue<QStringList> s_answers;
QString s_lastStart;

bool takeAnswer(const QString &start, QStringList *answer)
{
    s_lastStart = start;
    if (s_answers.isEmpty())
        return false;
    *answer = s_answers.dequeue();
    return true;
}
} // namespace

QString FileDialog::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter)
{
    QStringList answer;
    if (takeAnswer(folder, &answer))
        return answer.value(0);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QStringList FileDialog::openFileNames(QWidget *parent, const QString &caption, const QString &folder,
                                      const QString &filter)
{
    QStringList answer;
    if (takeAnswer(folder, &answer))
        return answer;
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString FileDialog::saveFileName(QWidget *parent, const QString &caption, const QString &startPath,
                                 const QString &filter)
{
    QStringList answer;
    if (takeAnswer(startPath, &answer))
        return answer.value(0);
    return QFileDialog::getSaveFileName(parent, caption, startPath, filter);
}

QString FileDialog::existingFolder(QWidget *parent, const QString &caption, const QString &folder)
{
    QStringList answer;
    if (takeAnswer(folder, &answer))
        return answer.value(0);
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

void FileDialog::setNextFileName(const QString &path) { s_answers.enqueue({path}); }
void FileDialog::setNextFileNames(const QStringList &paths) { s_answers.enqueue(paths); }
void FileDialog::setNextCancel() { s_answers.enqueue({}); }
QString FileDialog::lastStartPath() { return s_lastStart; }

void FileDialog::clear()
{
    s_answers.clear();
    s_lastStart.clear();
}
