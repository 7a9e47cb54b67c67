#include "FilesToUploadDialog.h"

#include "MySitesDialog.h"
#include "MessageBox.h"
#include "Utils.h"
#include "GalleryDocument.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FilesToUploadDialog::FilesToUploadDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(u"Files to Upload"_s);

    auto *header = new QWidget;
    header->setAutoFillBackground(true);
    QPalette pal = header->palette();
    pal.setColor(QPalette::Window, Qt::white);
    header->setPalette(pal);
    auto *icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
    auto *title = new QLabel(u"Files to Upload"_s);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->addWidget(icon);
    headerLayout->addWidget(title, 1);

    auto *required = new QGroupBox(u"Required Files"_s);
    auto *intro = new QLabel(u"For Photo Album to work properly on your website, upload all of these files Now."_s);
    intro->setWordWrap(true);
    lblFolder = new QLabel;
    QFont link = lblFolder->font();
    link.setBold(true);
    link.setUnderline(true);
    lblFolder->setFont(link);
    lblFolder->setCursor(Qt::PointingHandCursor);
    lblFolder->installEventFilter(this);
    lbFiles = new QListWidget;
    auto *requiredLayout = new QVBoxLayout(required);
    requiredLayout->addWidget(intro);
    requiredLayout->addWidget(new QLabel(u"These files are located in:"_s));
    requiredLayout->addWidget(lblFolder);
    requiredLayout->addWidget(lbFiles);

    auto *html = new QGroupBox(u"HTML"_s);
    auto *paste = new QLabel(u"You must copy and paste this code on every page you want your photo album to appear."_s);
    paste->setFont(bold);
    paste->setWordWrap(true);
    txtHtml = new QPlainTextEdit;
    txtHtml->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *htmlLayout = new QVBoxLayout(html);
    htmlLayout->addWidget(paste);
    htmlLayout->addWidget(txtHtml);

    btnUploadNow = new QPushButton(u"Upload Now"_s);
    btnCopy = new QPushButton(u"Copy to Clipboard"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnUploadNow);
    buttons->addWidget(btnCopy);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(required, 1);
    layout->addWidget(html, 1);
    layout->addLayout(buttons);
    resize(520, 520);

    connect(btnUploadNow, &QPushButton::clicked, this, &FilesToUploadDialog::uploadNowClick);
    connect(btnCopy, &QPushButton::clicked, this, &FilesToUploadDialog::copyToClipboardClick);
}

void FilesToUploadDialog::showFor(GalleryDocument *gallery)
{
    m_gallery = gallery;
    // The save that the snippet may need ends by asking for this window again: one showing.
    if (isVisible() || m_preparing) {
        fillLists();
        return;
    }
    if (gallery) {
        m_preparing = true;
        const QString snippet = gallery->htmlSnippet(MySitesDialog::galleryChooser(this));
        m_preparing = false;
        if (snippet.isEmpty() && gallery->baseName().isEmpty())
            MessageBox::warning(this, u"Files to Upload"_s, u"You must save your flash to see the HTML!"_s);
        txtHtml->setPlainText(snippet);
    }
    exec();
}

void FilesToUploadDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fillLists();
}

void FilesToUploadDialog::fillLists()
{
    if (!m_gallery || m_filling)
        return;
    m_filling = true; // a save run from here shows this window again
    m_gallery->collectUploadFiles(MySitesDialog::galleryChooser(this));
    m_filling = false;
    lbFiles->clear();
    for (const QString &file : std::as_const(m_gallery->uploadFiles()))
        lbFiles->addItem(fileNamePart(file));
    lblFolder->setText(m_gallery->getFolder());
    lbFiles->addItem(u"And All Files in the \"Images\" folder"_s);
}

void FilesToUploadDialog::uploadNowClick()
{
    if (m_gallery) {
        MySitesDialog *servers = MySitesDialog::instance(parentWidget());
        m_gallery->collectUploadFiles(MySitesDialog::galleryChooser(this));
        servers->openUploadSites(m_gallery);
    }
    accept();
}

void FilesToUploadDialog::copyToClipboardClick()
{
    txtHtml->selectAll();
    QApplication::clipboard()->setText(txtHtml->toPlainText());
}

void FilesToUploadDialog::folderLabelClick()
{
    if (!lblFolder->text().isEmpty())
        shellOpen(lblFolder->text());
}

bool FilesToUploadDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblFolder && event->type() == QEvent::MouseButtonRelease)
        folderLabelClick();
    return QDialog::eventFilter(watched, event);
}
