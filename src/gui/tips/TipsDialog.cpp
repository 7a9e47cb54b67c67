#include "TipsDialog.h"

#include "TipsFile.h"
#include "AppFolders.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// The tip's page: shades from sky blue at the top to white.
class TipPage : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(0.0, QColor(0x87, 0xCE, 0xEB));
        shade.setColorAt(1.0, Qt::white);
        painter.fillRect(rect(), shade);
    }
};
} // namespace

TipsDialog *TipsDialog::showStartupTip(QAction *menuItem, QWidget *parent)
{
    const QString path = TipsFile::findActive(TipsFile::folder(AppFolders::appFolder()));
    if (path.isEmpty()) {
        if (menuItem)
            menuItem->setChecked(false);
        return nullptr;
    }
    auto *window = new TipsDialog(path, menuItem, parent);
    if (window->tips().isEmpty()) {
        delete window;
        return nullptr;
    }
    window->showTip(TipsFile::firstIndex(int(window->tips().size())));
    window->show();
    return window;
}

TipsDialog::TipsDialog(const QString &tipsPath, QAction *menuItem, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_path(tipsPath), m_menuItem(menuItem), m_tips(TipsFile::readTips(tipsPath))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Quick Tips"_s);
    setModal(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createTipPages(), 1);
    layout->addLayout(createButtons());

    setFixedSize(440, 260);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

QWidget *TipsDialog::createTipPages()
{
    auto *pages = new QTabWidget(this);
    auto *page = new TipPage(pages);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(16, 16, 16, 16);
    m_tipLabel = new QLabel(page);
    m_tipLabel->setWordWrap(true);
    m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipLabel->setTextFormat(Qt::PlainText);
    QFont tipFont = m_tipLabel->font();
    tipFont.setPointSizeF(tipFont.pointSizeF() * 1.15);
    m_tipLabel->setFont(tipFont);
    pageLayout->addWidget(m_tipLabel, 1);
    pages->addTab(page, u"Tip of the Day"_s);
    return pages;
}

QLayout *TipsDialog::createButtons()
{
    auto *bottom = new QHBoxLayout;
    m_showTipsBox = new QCheckBox(u"Show Tips on Startup"_s, this);
    m_showTipsBox->setChecked(true);
    m_previousButton = new QPushButton(u"Previous"_s, this);
    m_nextButton = new QPushButton(u"Next"_s, this);
    m_closeButton = new QPushButton(u"Close"_s, this);
    m_previousButton->setAutoDefault(false);
    m_nextButton->setAutoDefault(false);
    m_closeButton->setDefault(true);
    bottom->addWidget(m_showTipsBox);
    bottom->addStretch(1);
    bottom->addWidget(m_previousButton);
    bottom->addWidget(m_nextButton);
    bottom->addWidget(m_closeButton);

    connect(m_previousButton, &QPushButton::clicked, this, &TipsDialog::previous);
    connect(m_nextButton, &QPushButton::clicked, this, &TipsDialog::next);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_showTipsBox, &QCheckBox::clicked, this, [this](bool checked) {
        if (m_menuItem)
            m_menuItem->setChecked(checked);
    });
    return bottom;
}

QString TipsDialog::currentTip() const
{
    return m_tips.value(m_index);
}

void TipsDialog::showTip(int index)
{
    m_index = index;
    m_tipLabel->setText(currentTip());
}

void TipsDialog::next()
{
    if (!m_tips.isEmpty())
        showTip(TipsFile::nextIndex(m_index, int(m_tips.size())));
}

void TipsDialog::previous()
{
    if (!m_tips.isEmpty())
        showTip(TipsFile::previousIndex(m_index, int(m_tips.size())));
}

void TipsDialog::done(int result)
{
    // Close, the close box and Escape all end here, once.
    if (!m_finished) {
        m_finished = true;
        m_tips.clear();
        if (!m_showTipsBox->isChecked())
            TipsFile::park(TipsFile::folder(AppFolders::appFolder()));
    }
    QDialog::done(result);
}
