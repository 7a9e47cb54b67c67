#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <QAction>
class QCheckBox;
class QLabel;
class QPushButton;

// "Quick Tips": one tip at a time from the tips file, paged with Next and Previous, and the
// switch that stops the tips from showing at start-up.
class TipsDialog : public QDialog
{
    Q_OBJECT
public:
    // Run once when the main window is first shown. With an active tips file in the
    // application folder that holds at least one tip, shows a random tip (never the last line)
    // and returns the window; without a tips file, unchecks the menu item.
    static TipsDialog *showStartupTip(QAction *menuItem, QWidget *parent);

    TipsDialog(const QString &tipsPath, QAction *menuItem, QWidget *parent = nullptr);

    int tipIndex() const { return m_index; }
    QString currentTip() const;
    const QStringList &tips() const { return m_tips; }
    void showTip(int index);
    void next();
    void previous();

    QLabel *tipLabel() const { return m_tipLabel; }
    QCheckBox *showTipsBox() const { return m_showTips; }
    QPushButton *previousButton() const { return m_previous; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *closeButton() const { return m_close; }

    void done(int result) override;

private:
    QString m_path;
    QPointer<QAction> m_menuItem;
    QStringList m_tips;
    int m_index = 0;
    bool m_finished = false;

    QLabel *m_tipLabel = nullptr;
    QCheckBox *m_showTips = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_close = nullptr;
};
