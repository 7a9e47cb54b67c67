#include "ImportProgressDialog.h"

#include "SegmentedProgressBar.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ImportProgressDialog::ImportProgressDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"ImportProgressDialog"_s);
    setWindowTitle(u"Loading Images"_s);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    setModal(false);
    setFixedSize(309, 123);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 8, 16, 8);
    layout->setSpacing(4);
    m_loading = new QLabel(this);
    QFont bold = m_loading->font();
    bold.setBold(true);
    m_loading->setFont(bold);
    layout->addWidget(m_loading);

    auto *imageRow = new QHBoxLayout;
    auto *imageLabel = new QLabel(u"Current Image:"_s, this);
    imageLabel->setFont(bold);
    m_currentImage = new QLabel(this);
    imageRow->addWidget(imageLabel);
    imageRow->addWidget(m_currentImage, 1);
    layout->addLayout(imageRow);

    m_status = new QLabel(this);
    layout->addWidget(m_status);

    m_bar = new SegmentedProgressBar(this);
    m_bar->setFixedSize(277, 13);
    layout->addWidget(m_bar, 0, Qt::AlignHCenter);

    m_cancel = new QPushButton(u"Cancel"_s, this);
    m_cancel->setAutoDefault(false);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });

    updateLoadingRow();
    ImportProgress::setCurrent(this);
}

ImportProgressDialog::~ImportProgressDialog()
{
    if (ImportProgress::current() == this)
        ImportProgress::setCurrent(nullptr);
}

void ImportProgressDialog::letEventsRun()
{
    QCoreApplication::processEvents();
}

void ImportProgressDialog::updateLoadingRow()
{
    m_loading->setText(loadingRow());
}

QString ImportProgressDialog::loadingRow() const
{
    return u"Loading: "_s + QString::number(m_counter) + u" of "_s + m_total + u" images"_s;
}

QString ImportProgressDialog::currentImageText() const { return m_currentImage->text(); }
QString ImportProgressDialog::statusText() const { return m_status->text(); }
int ImportProgressDialog::barPercent() const { return m_bar->percent(); }

void ImportProgressDialog::setTotal(int count)
{
    m_total = QString::number(count);
    m_counter = 0;
    updateLoadingRow();
}

void ImportProgressDialog::Step()
{
    ++m_counter;
    updateLoadingRow();
    letEventsRun();
}

void ImportProgressDialog::setStatus(const QString &text)
{
    m_status->setText(text);
    letEventsRun();
}

void ImportProgressDialog::setCurrentImage(const QString &name)
{
    m_currentImage->setText(name);
    emit currentImageChanged(name);
    letEventsRun();
}

void ImportProgressDialog::setPercent(int percent)
{
    m_bar->setPercent(percent);
}

void ImportProgressDialog::showFor(QWidget *over)
{
    m_bar->setPercent(0);
    m_cancelled = false;
    if (over) {
        const QRect area = over->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
}

void ImportProgressDialog::closeProgress()
{
    hide();
}
