#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The open dialog for one of the gallery's two sounds. It starts in the folder of the last sound
// chosen and, before any choice, in the matching sound library folder.
class SoundPicker : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Background, MouseOver };

    explicit SoundPicker(Kind kind, QObject *parent = nullptr);

    Kind soundKind() const { return m_kind; }
    // The folder the dialog opens in next.
    QString startFolder() const;
    // A folder remembered from an earlier run; empty means the library folder.
    void setStartFolder(const QString &folder);

    // Shows the dialog; the chosen path, or empty for Cancel. A choice moves the start folder
    // to the chosen file's folder and reports it.
    QString choose(QWidget *parent);

    static QString filter();

signals:
    void startFolderChanged(const QString &folder);

private:
    Kind m_kind;
    QString m_folder;
};
