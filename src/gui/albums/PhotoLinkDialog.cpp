#include "PhotoLinkDialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

std::optional<std::optional<QString>> PhotoLinkDialog::s_nextAnswer;

PhotoLinkDialog::PhotoLinkDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"PhotoLinkDialog"_s);
    setWindowTitle(u"Photo Preview Webpage Link"_s);
    setFixedSize(450, 130);

    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(this);
    auto *groupLayout = new QHBoxLayout(group);
    auto *picture = new QLabel(group);
    picture->setFixedSize(48, 48);
    picture->setPixmap(style()->standardIcon(QStyle::SP_DirLinkIcon).pixmap(48, 48));
    groupLayout->addWidget(picture, 0, Qt::AlignTop);
    auto *textColumn = new QVBoxLayout;
    auto *text = new QLabel(u"This will allow you to link the photo preview image to a webpage instead of linking it to a larger image."_s, group);
    text->setWordWrap(true);
    textColumn->addWidget(text);
    m_edit = new QLineEdit(group);
    textColumn->addWidget(m_edit);
    groupLayout->addLayout(textColumn, 1);
    layout->addWidget(group);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_ok = new QPushButton(u"Ok"_s, this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(u"Cancel"_s, this);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &PhotoLinkDialog::acceptLink);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PhotoLinkDialog::setNextAnswer(std::optional<QString> text)
{
    s_nextAnswer = std::move(text);
}

void PhotoLinkDialog::prepare(const QString &link)
{
    m_result = link;
    m_edit->setText(link.isEmpty() ? emptyLinkText() : link);
    m_accepted = false;
}

void PhotoLinkDialog::open(const QString &link)
{
    prepare(link);
    if (s_nextAnswer) {
        const std::optional<QString> answer = *s_nextAnswer;
        s_nextAnswer.reset();
        if (answer) {
            m_edit->setText(*answer);
            acceptLink();
        }
        return;
    }
    if (QWidget *over = parentWidget() ? parentWidget()->window() : QApplication::activeWindow()) {
        const QRect area = over->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    exec();
}

void PhotoLinkDialog::acceptLink()
{
    // The prefilled "http://" left as it is means no link was typed: the old one stays.
    if (m_edit->text() != emptyLinkText())
        m_result = m_edit->text();
    m_accepted = true;
    if (isVisible())
        accept();
}
