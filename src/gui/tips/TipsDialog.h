#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <QAction>
class QCheckBox;
class QLayout;
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
    QCheckBox *showTipsBox() const { return m_showTipsBox; }
    QPushButton *previousButton() const { return m_previousButton; }
    QPushButton *nextButton() const { return m_nextButton; }
    QPushButton *closeButton() const { return m_closeButton; }

    void done(int result) override;

private:
    QWidget *createTipPages();
    QLayout *createButtons();

    QString m_path;
    QPointer<QAction> m_menuItem;
    QStringList m_tips;
    int m_index = 0;
    bool m_finished = false;

    QLabel *m_tipLabel = nullptr;
    QCheckBox *m_showTipsBox = nullptr;
    QPushButton *m_previousButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};
