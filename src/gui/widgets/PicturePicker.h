#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The open dialog for a button icon. The player takes baseline JPEG pictures only: any other
// picture is converted, after asking the user where to keep the converted copy.
class PicturePicker : public QObject
{
    Q_OBJECT
public:
    // What Choose found.
    struct Result
    {
        bool chosen = false; // false: the user cancelled the picture dialog; change nothing
        QString file;        // the picture to use; empty when the conversion was cancelled
    };

    explicit PicturePicker(QObject *parent = nullptr);

    // The folder the dialog opens in next.
    QString startFolder() const;
    // A folder remembered from an earlier run; empty means the user's pictures folder.
    void setStartFolder(const QString &folder);

    Result choose(QWidget *parent);

    static QString filter();
    static QString conversionFilter();
    static QString conversionMessage();

signals:
    void startFolderChanged(const QString &folder);

private:
    QString m_folder;
};
