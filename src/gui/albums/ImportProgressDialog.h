#pragma once

#include "ImportProgress.h"

#include <QDialog>

class QLabel;
class QPushButton;
class SegmentedProgressBar;

// "Loading Images": the progress of adding photos to an album, with a Cancel that is honoured
// between two photos. The import reports to it also while it is hidden.
class ImportProgressDialog : public QDialog, public ImportProgress
{
    Q_OBJECT
public:
    explicit ImportProgressDialog(QWidget *parent = nullptr);
    ~ImportProgressDialog() override;

    void setTotal(int count) override;
    void Step() override;
    bool cancelled() const override { return m_cancelled; }
    void setStatus(const QString &text) override;
    void setCurrentImage(const QString &name) override;
    void setPercent(int percent) override;

    // Shown without being modal, centred on over; the bar and the cancel mark start afresh.
    void showFor(QWidget *over);
    void closeProgress();

    int counter() const { return m_counter; }
    QString total() const { return m_total; }
    QString loadingRow() const;
    QString currentImageText() const;
    QString statusText() const;
    int barPercent() const;
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    // The import has started on another photo (before the window's events run).
    void currentImageChanged(const QString &name);

private:
    void updateLoadingRow();
    static void letEventsRun();

    QString m_total = QStringLiteral("0");
    int m_counter = 0;
    bool m_cancelled = false;
    QLabel *m_loading = nullptr;
    QLabel *m_currentImage = nullptr;
    QLabel *m_status = nullptr;
    SegmentedProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
};
