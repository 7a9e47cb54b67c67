#include "RemoteServerWindow.h"

#include "ProxySettings.h"
#include "MessageBox.h"
#include "GalleryDocument.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int FolderRole = Qt::UserRole + 1;
} // namespace

RemoteServerWindow::RemoteServerWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(u"Remote Server"_s);
    setMinimumSize(400, 300);
    resize(560, 420);
    m_uploader = new GalleryUploader(this);
    createControls();
    layOutControls();
    connectControls();
    connectUploader();
    askBeforeTrusting();
}

void RemoteServerWindow::createControls()
{
    m_remotePath = new QLabel(u"Remote Path:"_s, this);
    m_remotePath->setObjectName(u"remotePath"_s);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(u"pages"_s);
    m_folderList = new QListWidget;
    m_folderList->setObjectName(u"folderList"_s);
    m_log = new QTextEdit;
    m_log->setObjectName(u"log"_s);
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QTextEdit::NoWrap);
    m_log->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pages->addTab(m_folderList, u"Server Directory"_s);
    m_pages->addTab(m_log, u"Log"_s);
    m_status = new QLabel(u"Status:"_s, this);
    m_status->setObjectName(u"status"_s);
    m_progressText = new QLabel(this);
    m_progressText->setObjectName(u"progressText"_s);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(u"progressBar"_s);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    m_uploadButton = new QPushButton(u"Upload Files Here"_s, this);
    m_uploadButton->setObjectName(u"uploadButton"_s);
    m_closeButton = new QPushButton(u"Close"_s, this);
    m_closeButton->setObjectName(u"closeButton"_s);
}

void RemoteServerWindow::layOutControls()
{
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_progressText);
    bottom->addWidget(m_progressBar);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_uploadButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_remotePath);
    layout->addWidget(m_pages, 1);
    layout->addLayout(bottom);
    layout->addLayout(buttons);
}

void RemoteServerWindow::connectControls()
{
    connect(m_uploadButton, &QPushButton::clicked, this, &RemoteServerWindow::uploadFilesHere);
    connect(m_closeButton, &QPushButton::clicked, this, &RemoteServerWindow::closeConnection);
    connect(m_folderList, &QListWidget::itemDoubleClicked, this, &RemoteServerWindow::directoryActivated);
    connect(m_folderList, &QListWidget::itemActivated, this, &RemoteServerWindow::directoryActivated);
}

// The window shows whatever the uploader reports.
void RemoteServerWindow::connectUploader()
{
    connect(m_uploader, &GalleryUploader::logCleared, m_log, &QTextEdit::clear);
    connect(m_uploader, &GalleryUploader::logLine, this, &RemoteServerWindow::appendLog);
    connect(m_uploader, &GalleryUploader::statusText, m_status, &QLabel::setText);
    connect(m_uploader, &GalleryUploader::progressText, m_progressText, &QLabel::setText);
    connect(m_uploader, &GalleryUploader::progressBar, this, [this](int maximum, int position) {
        m_progressBar->setMaximum(maximum);
        m_progressBar->setValue(std::min(position, maximum));
    });
    connect(m_uploader, &GalleryUploader::progressVisible, m_progressBar, &QProgressBar::setVisible);
    connect(m_uploader, &GalleryUploader::remotePathChanged, this, [this](const QString &path) {
        m_remotePath->setText(u"Remote Path: "_s + path);
        fillListing();
    });
    connect(m_uploader, &GalleryUploader::connectedTo, this,
            [this](const QString &name) { setWindowTitle(u"Remote Server - "_s + name); });
    connect(m_uploader, &GalleryUploader::loginFailed, this,
            [this] { MessageBox::warning(this, u"Remote Server"_s, GalleryUploader::LoginErrorText); });
    connect(m_uploader, &GalleryUploader::siteNotFound, this,
            [this] { MessageBox::warning(this, u"Remote Server"_s, GalleryUploader::SiteNotFoundText); });
}

void RemoteServerWindow::askBeforeTrusting()
{
    m_uploader->setTrustQuestion([this](const QString &fingerprint, const QString &reason) {
        const auto answer = MessageBox::question(
            this, u"Remote Server"_s,
            u"The server could not be verified: %1.\n\nFingerprint:\n%2\n\n"
            "Yes: trust it for this connection only.\nYes to All: always trust it for this site.\n"
            "Cancel: do not connect."_s.arg(reason, fingerprint),
            QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer == QMessageBox::YesToAll)
            return GalleryUploader::TrustChoice::Always;
        if (answer == QMessageBox::Yes)
            return GalleryUploader::TrustChoice::Once;
        return GalleryUploader::TrustChoice::Cancel;
    });
}

RemoteServerWindow::~RemoteServerWindow() = default;

void RemoteServerWindow::appendLog(const QString &text, int kind)
{
    QColor color = Qt::black;
    if (kind == GalleryUploader::LogCommand)
        color = Qt::blue;
    else if (kind == GalleryUploader::LogUploading)
        color = Qt::darkGreen;
    else if (kind == GalleryUploader::LogError)
        color = Qt::red;
    m_log->setTextColor(color);
    m_log->append(text);
}

void RemoteServerWindow::fillListing()
{
    m_folderList->clear();
    FtpSession *session = m_uploader->session();
    if (session->remotePath() != u"/"_s) {
        auto *up = new QListWidgetItem(u".."_s, m_folderList);
        up->setData(FolderRole, true);
    }
    for (const FtpListItem &item : session->listing()) {
        auto *entry = new QListWidgetItem(item.isFolder ? item.name + u'/' : item.name, m_folderList);
        entry->setData(Qt::UserRole, item.name);
        entry->setData(FolderRole, item.isFolder);
    }
}

void RemoteServerWindow::directoryActivated(QListWidgetItem *item)
{
    if (!item || !item->data(FolderRole).toBool())
        return;
    const QString name = item->text() == u".."_s ? u".."_s : item->data(Qt::UserRole).toString();
    m_uploader->session()->openFolder(name + u'/');
}

bool RemoteServerWindow::connectProfile(ServerProfile &profile)
{
    ProxySettings proxy;
    proxy.load();
    m_uploader->setProxy(proxy);
    return m_uploader->connectProfile(profile);
}

void RemoteServerWindow::uploadFilesHere()
{
    if (m_uploader->isUploading())
        return; // one upload at a time; the button stays pressable so the window stays live
    const QString folder = m_gallery ? m_gallery->getFolder() : QString();
    const QStringList files = m_gallery ? m_gallery->uploadFiles() : QStringList();
    const QStringList images = m_gallery ? m_gallery->uploadImageFiles() : QStringList();
    m_uploader->upload(folder, files, images);
}

void RemoteServerWindow::closeConnection()
{
    m_uploader->disconnectFromServer();
    hide();
}

void RemoteServerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_progressText->clear();
    m_progressBar->setValue(0);
    if (!m_uploader->isUploading())
        m_progressBar->hide();
}

void RemoteServerWindow::closeEvent(QCloseEvent *event)
{
    m_uploader->disconnectFromServer();
    QWidget::closeEvent(event);
}
