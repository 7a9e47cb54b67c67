#pragma once

#include <QWidget>

// A bar of separate blocks, as LED-style progress bars show, without a percentage text.
class SegmentedProgressBar : public QWidget
{
    Q_OBJECT
public:
    explicit SegmentedProgressBar(QWidget *parent = nullptr);

    int percent() const { return m_percent; }
    void setPercent(int percent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_percent = 0;
};
