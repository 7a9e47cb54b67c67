#pragma once

#include <QHash>
#include <QString>

class SettingsStore;

// The folder each file dialog of the main window opens in, kept from one run to the next in the
// settings store under the window settings (one value per dialog, named after it:
// "openXMLdialog", "openimage", "OpenImage2", "snddialog", "mousesnddialog", "SaveDialog").
class RememberedFolders
{
public:
    explicit RememberedFolders(SettingsStore &store);

    // The remembered folder, else the dialog's default, else the empty text.
    QString folder(const QString &dialog) const;
    QString remembered(const QString &dialog) const;
    // Remembers the folder of a choice; an empty folder is not stored.
    void remember(const QString &dialog, const QString &folder);
    // Where a dialog starts while it has no remembered folder (not stored).
    void setDefault(const QString &dialog, const QString &folder);

    static QString key();

private:
    SettingsStore &m_store;
    QHash<QString, QString> m_defaults;
};
