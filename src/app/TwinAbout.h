#pragma once

#include <QDialog>

class QLabel;

// The about window: the product's name, its version and a link to the project's web page.
class TwinAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TwinAbout(QWidget *parent = nullptr);

    static QString ProductName();
    static QString Version();

    QLabel *LinkLabel() const { return m_link; }

private:
    QLabel *m_link = nullptr;
};
