#include "FileDialog.h"

#include <QFileDialog>
#include <QQueue>

namespace {
QQueue<QStringList> s_answers;
QString s_lastStart;

bool TakeAnswer(const QString &start, QStringList *answer)
{
    s_lastStart = start;
    if (s_answers.isEmpty())
        return false;
    *answer = s_answers.dequeue();
    return true;
}
} // namespace

QString FileDialog::OpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter)
{
    QStringList answer;
    if (TakeAnswer(folder, &answer))
        return answer.value(0);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QStringList FileDialog::OpenFileNames(QWidget *parent, const QString &caption, const QString &folder,
                                      const QString &filter)
{
    QStringList answer;
    if (TakeAnswer(folder, &answer))
        return answer;
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString FileDialog::SaveFileName(QWidget *parent, const QString &caption, const QString &startPath,
                                 const QString &filter)
{
    QStringList answer;
    if (TakeAnswer(startPath, &answer))
        return answer.value(0);
    return QFileDialog::getSaveFileName(parent, caption, startPath, filter);
}

QString FileDialog::ExistingFolder(QWidget *parent, const QString &caption, const QString &folder)
{
    QStringList answer;
    if (TakeAnswer(folder, &answer))
        return answer.value(0);
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

void FileDialog::SetNextFileName(const QString &path) { s_answers.enqueue({path}); }
void FileDialog::SetNextFileNames(const QStringList &paths) { s_answers.enqueue(paths); }
void FileDialog::SetNextCancel() { s_answers.enqueue({}); }
QString FileDialog::LastStartPath() { return s_lastStart; }

void FileDialog::Clear()
{
    s_answers.clear();
    s_lastStart.clear();
}
