#pragma once

#include <QDialog>

class QLabel;

// The about window: the product's name, its version and a link to the project's web page.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    static QString productName();
    static QString version();

    QLabel *linkLabel() const { return m_link; }

private:
    QLabel *m_link = nullptr;
};
