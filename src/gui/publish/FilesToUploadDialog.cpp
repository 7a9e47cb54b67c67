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
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createHeader());
    layout->addWidget(createRequiredFiles(), 1);
    layout->addWidget(createEmbedCode(), 1);
    layout->addLayout(createButtons());
    resize(520, 520);

    connect(m_uploadNowButton, &QPushButton::clicked, this, &FilesToUploadDialog::uploadNow);
    connect(m_copyButton, &QPushButton::clicked, this, &FilesToUploadDialog::copyCodeToClipboard);
}

QWidget *FilesToUploadDialog::createHeader()
{
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
    return header;
}

QWidget *FilesToUploadDialog::createRequiredFiles()
{
    auto *required = new QGroupBox(u"Required Files"_s);
    auto *intro = new QLabel(u"For Photo Album to work properly on your website, upload all of these files Now."_s);
    intro->setWordWrap(true);
    m_folderLabel = new QLabel;
    m_folderLabel->setObjectName(u"folderLabel"_s);
    QFont link = m_folderLabel->font();
    link.setBold(true);
    link.setUnderline(true);
    m_folderLabel->setFont(link);
    m_folderLabel->setCursor(Qt::PointingHandCursor);
    m_folderLabel->installEventFilter(this);
    m_fileList = new QListWidget;
    m_fileList->setObjectName(u"fileList"_s);
    auto *requiredLayout = new QVBoxLayout(required);
    requiredLayout->addWidget(intro);
    requiredLayout->addWidget(new QLabel(u"These files are located in:"_s));
    requiredLayout->addWidget(m_folderLabel);
    requiredLayout->addWidget(m_fileList);
    return required;
}

QWidget *FilesToUploadDialog::createEmbedCode()
{
    auto *html = new QGroupBox(u"HTML"_s);
    auto *paste = new QLabel(u"You must copy and paste this code on every page you want your photo album to appear."_s);
    QFont bold = paste->font();
    bold.setBold(true);
    paste->setFont(bold);
    paste->setWordWrap(true);
    m_embedCode = new QPlainTextEdit;
    m_embedCode->setObjectName(u"embedCode"_s);
    m_embedCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *htmlLayout = new QVBoxLayout(html);
    htmlLayout->addWidget(paste);
    htmlLayout->addWidget(m_embedCode);
    return html;
}

QHBoxLayout *FilesToUploadDialog::createButtons()
{
    m_uploadNowButton = new QPushButton(u"Upload Now"_s);
    m_uploadNowButton->setObjectName(u"uploadNowButton"_s);
    m_copyButton = new QPushButton(u"Copy to Clipboard"_s);
    m_copyButton->setObjectName(u"copyButton"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_uploadNowButton);
    buttons->addWidget(m_copyButton);
    return buttons;
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
        m_embedCode->setPlainText(snippet);
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
    m_fileList->clear();
    for (const QString &file : std::as_const(m_gallery->uploadFiles()))
        m_fileList->addItem(fileNamePart(file));
    m_folderLabel->setText(m_gallery->getFolder());
    m_fileList->addItem(u"And All Files in the \"Images\" folder"_s);
}

void FilesToUploadDialog::uploadNow()
{
    if (m_gallery) {
        m_gallery->collectUploadFiles(MySitesDialog::galleryChooser(this));
        emit uploadRequested(m_gallery);
    }
    accept();
}

void FilesToUploadDialog::copyCodeToClipboard()
{
    m_embedCode->selectAll();
    QApplication::clipboard()->setText(m_embedCode->toPlainText());
}

void FilesToUploadDialog::openGalleryFolder()
{
    if (!m_folderLabel->text().isEmpty())
        shellOpen(m_folderLabel->text());
}

bool FilesToUploadDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_folderLabel && event->type() == QEvent::MouseButtonRelease)
        openGalleryFolder();
    return QDialog::eventFilter(watched, event);
}
