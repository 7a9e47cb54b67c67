#pragma once

#include "ImportProgress.h"

#include <QDialog>

class QLabel;
class QPushButton;
class SegmentedProgressBar;

// "Loading Images": the progress of adding photos to an album, with a Cancel that is honoured
// between two photos. The import reports to it also while it is hidden.
class TwinSaveProgress : public QDialog, public ImportProgress
{
    Q_OBJECT
public:
    explicit TwinSaveProgress(QWidget *parent = nullptr);
    ~TwinSaveProgress() override;

    void SetTotal(int count) override;
    void Step() override;
    bool Cancelled() const override { return m_cancelled; }
    void SetStatus(const QString &text) override;
    void SetCurrentImage(const QString &name) override;
    void SetPercent(int percent) override;

    // Shown without being modal, centred on over; the bar and the cancel mark start afresh.
    void ShowFor(QWidget *over);
    void CloseProgress();

    int Counter() const { return m_counter; }
    QString Total() const { return m_total; }
    QString LoadingRow() const;
    QString CurrentImageText() const;
    QString StatusText() const;
    int BarPercent() const;
    QPushButton *CancelButton() const { return m_cancel; }

signals:
    // The import has started on another photo (before the window's events run).
    void CurrentImageChanged(const QString &name);

private:
    void UpdateLoadingRow();
    static void LetEventsRun();

    QString m_total = QStringLiteral("0");
    int m_counter = 0;
    bool m_cancelled = false;
    QLabel *m_loading = nullptr;
    QLabel *m_currentImage = nullptr;
    QLabel *m_status = nullptr;
    SegmentedProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
};
