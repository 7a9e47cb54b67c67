#pragma once

#include <QDialog>
#include <memory>
#include <optional>

class QComboBox;
class QPushButton;
class SettingsStore;

// "Add Images": asks whether to add single photos or a whole folder, and holds the size that
// big images are scaled to. The size entry and the dialog's place are kept per user.
class AddImagesDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Choice { None, Images, Folder };

    // store: where the choice is kept (nullptr: the per-user settings file).
    explicit AddImagesDialog(QWidget *parent = nullptr, SettingsStore *store = nullptr);
    ~AddImagesDialog() override;

    // Shows the dialog modally over the given window; true when one of the two buttons was
    // picked (individualFiles() tells which).
    bool execute(QWidget *over);
    bool chosen() const { return m_chosen; }
    bool individualFiles() const { return m_individualFiles; }

    QString resizeEntry() const;
    // Picks an entry as the user would (the warning for "NO RESIZE" shows while on screen).
    void setResizeEntry(const QString &entry);

    QComboBox *resizeList() const { return m_resizeList; }
    QPushButton *addImagesButton() const { return m_addImagesButton; }
    QPushButton *addFolderButton() const { return m_addFolderButton; }

    static QString settingsKey();

    // For tests: the next execute() returns this answer without showing the dialog.
    static void setNextAnswer(Choice choice);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    QWidget *createChoiceGroup();
    QWidget *createResizeGroup();
    void pick(bool individualFiles);
    void applyEntry(const QString &entry);
    void restoreSettings();
    void storeSettings();

    SettingsStore *m_store = nullptr;
    std::unique_ptr<SettingsStore> m_ownStore;
    bool m_chosen = false;
    bool m_individualFiles = true;
    bool m_restoredPlace = false;
    QComboBox *m_resizeList = nullptr;
    QPushButton *m_addImagesButton = nullptr;
    QPushButton *m_addFolderButton = nullptr;
    static std::optional<Choice> s_nextAnswer;
};
