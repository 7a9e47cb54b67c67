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
QPointer<RemoteServerWindow> s_instance;
constexpr int FolderRole = Qt::UserRole + 1;
} // namespace

RemoteServerWindow *RemoteServerWindow::instance(QWidget *parent)
{
    if (!s_instance)
        s_instance = new RemoteServerWindow(parent);
    return s_instance;
}

RemoteServerWindow::RemoteServerWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(u"Remote Server"_s);
    setMinimumSize(400, 300);
    resize(560, 420);
    m_uploader = new GalleryUploader(this);

    lblRemotePath = new QLabel(u"Remote Path:"_s, this);
    pages = new QTabWidget(this);
    lstDirectory = new QListWidget;
    txtLog = new QTextEdit;
    txtLog->setReadOnly(true);
    txtLog->setLineWrapMode(QTextEdit::NoWrap);
    txtLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pages->addTab(lstDirectory, u"Server Directory"_s);
    pages->addTab(txtLog, u"Log"_s);
    lblStatus = new QLabel(u"Status:"_s, this);
    lblProgress = new QLabel(this);
    progressBar1 = new QProgressBar(this);
    progressBar1->setTextVisible(false);
    progressBar1->hide();
    btnUpload = new QPushButton(u"Upload Files Here"_s, this);
    btnClose = new QPushButton(u"Close"_s, this);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblStatus, 1);
    bottom->addWidget(lblProgress);
    bottom->addWidget(progressBar1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnUpload);
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblRemotePath);
    layout->addWidget(pages, 1);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    connect(btnUpload, &QPushButton::clicked, this, &RemoteServerWindow::uploadFilesHereClick);
    connect(btnClose, &QPushButton::clicked, this, &RemoteServerWindow::closeClick);
    connect(lstDirectory, &QListWidget::itemDoubleClicked, this, &RemoteServerWindow::directoryActivated);
    connect(lstDirectory, &QListWidget::itemActivated, this, &RemoteServerWindow::directoryActivated);

    connect(m_uploader, &GalleryUploader::logCleared, txtLog, &QTextEdit::clear);
    connect(m_uploader, &GalleryUploader::logLine, this, &RemoteServerWindow::appendLog);
    connect(m_uploader, &GalleryUploader::statusText, lblStatus, &QLabel::setText);
    connect(m_uploader, &GalleryUploader::progressText, lblProgress, &QLabel::setText);
    connect(m_uploader, &GalleryUploader::progressBar, this, [this](int maximum, int position) {
        progressBar1->setMaximum(maximum);
        progressBar1->setValue(std::min(position, maximum));
    });
    connect(m_uploader, &GalleryUploader::progressVisible, progressBar1, &QProgressBar::setVisible);
    connect(m_uploader, &GalleryUploader::remotePathChanged, this, [this](const QString &path) {
        lblRemotePath->setText(u"Remote Path: "_s + path);
        fillListing();
    });
    connect(m_uploader, &GalleryUploader::connectedTo, this,
            [this](const QString &name) { setWindowTitle(u"Remote Server - "_s + name); });
    connect(m_uploader, &GalleryUploader::loginFailed, this,
            [this] { MessageBox::warning(this, u"Remote Server"_s, GalleryUploader::LoginErrorText); });
    connect(m_uploader, &GalleryUploader::siteNotFound, this,
            [this] { MessageBox::warning(this, u"Remote Server"_s, GalleryUploader::SiteNotFoundText); });
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
    txtLog->setTextColor(color);
    txtLog->append(text);
}

void RemoteServerWindow::fillListing()
{
    lstDirectory->clear();
    FtpSession *session = m_uploader->session();
    if (session->remotePath() != u"/"_s) {
        auto *up = new QListWidgetItem(u".."_s, lstDirectory);
        up->setData(FolderRole, true);
    }
    for (const FtpListItem &item : session->listing()) {
        auto *entry = new QListWidgetItem(item.isFolder ? item.name + u'/' : item.name, lstDirectory);
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

void RemoteServerWindow::uploadFilesHereClick()
{
    if (m_uploader->isUploading())
        return; // one upload at a time; the button stays pressable so the window stays live
    const QString folder = m_gallery ? m_gallery->getFolder() : QString();
    const QStringList files = m_gallery ? m_gallery->uploadFiles() : QStringList();
    const QStringList images = m_gallery ? m_gallery->uploadImageFiles() : QStringList();
    m_uploader->upload(folder, files, images);
}

void RemoteServerWindow::closeClick()
{
    m_uploader->disconnectFromServer();
    hide();
}

void RemoteServerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    lblProgress->clear();
    progressBar1->setValue(0);
    if (!m_uploader->isUploading())
        progressBar1->hide();
}

void RemoteServerWindow::closeEvent(QCloseEvent *event)
{
    m_uploader->disconnectFromServer();
    QWidget::closeEvent(event);
}
