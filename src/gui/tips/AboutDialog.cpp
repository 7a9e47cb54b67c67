#include "AboutDialog.h"

#include "ProjectLinks.h"
#include "Utils.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QString AboutDialog::productName()
{
    return u"Fotovia"_s;
}

QString AboutDialog::version()
{
    return u"3.5"_s;
}

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(u"About "_s + productName());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(8);

    auto *name = new QLabel(productName(), this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2.0);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);

    auto *version = new QLabel(u"Version "_s + AboutDialog::version(), this);
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);

    auto *purpose = new QLabel(u"A designer for web photo galleries."_s, this);
    purpose->setAlignment(Qt::AlignCenter);
    layout->addWidget(purpose);

    const QString page = ProjectLinks::homePage();
    m_link = new QLabel(u"<a href=\"%1\">%1</a>"_s.arg(page.toHtmlEscaped()), this);
    m_link->setAlignment(Qt::AlignCenter);
    m_link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    // Through the desktop's "open", like the help commands.
    connect(m_link, &QLabel::linkActivated, this, [](const QString &link) { shellOpen(link); });
    layout->addWidget(m_link);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}
