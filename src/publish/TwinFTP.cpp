#include "TwinFTP.h"

#include "ProxySettings.h"
#include "app/MessageBox.h"
#include "gallery/FflashMovie.h"

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
QPointer<TwinFTP> s_instance;
constexpr int FolderRole = Qt::UserRole + 1;
} // namespace

TwinFTP *TwinFTP::Instance(QWidget *parent)
{
    if (!s_instance)
        s_instance = new TwinFTP(parent);
    return s_instance;
}

TwinFTP::TwinFTP(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(u"Remote Server"_s);
    setMinimumSize(400, 300);
    resize(560, 420);
    m_uploader = new FtpUploader(this);

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
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    btnUpload = new QPushButton(u"Upload Files Here"_s, this);
    btnClose = new QPushButton(u"Close"_s, this);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblStatus, 1);
    bottom->addWidget(lblProgress);
    bottom->addWidget(ProgressBar1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnUpload);
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblRemotePath);
    layout->addWidget(pages, 1);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    connect(btnUpload, &QPushButton::clicked, this, &TwinFTP::UploadFilesHereClick);
    connect(btnClose, &QPushButton::clicked, this, &TwinFTP::CloseClick);
    connect(lstDirectory, &QListWidget::itemDoubleClicked, this, &TwinFTP::DirectoryActivated);
    connect(lstDirectory, &QListWidget::itemActivated, this, &TwinFTP::DirectoryActivated);

    connect(m_uploader, &FtpUploader::LogCleared, txtLog, &QTextEdit::clear);
    connect(m_uploader, &FtpUploader::LogLine, this, &TwinFTP::AppendLog);
    connect(m_uploader, &FtpUploader::StatusText, lblStatus, &QLabel::setText);
    connect(m_uploader, &FtpUploader::ProgressText, lblProgress, &QLabel::setText);
    connect(m_uploader, &FtpUploader::ProgressBar, this, [this](int maximum, int position) {
        ProgressBar1->setMaximum(maximum);
        ProgressBar1->setValue(std::min(position, maximum));
    });
    connect(m_uploader, &FtpUploader::ProgressVisible, ProgressBar1, &QProgressBar::setVisible);
    connect(m_uploader, &FtpUploader::RemotePathChanged, this, [this](const QString &path) {
        lblRemotePath->setText(u"Remote Path: "_s + path);
        FillListing();
    });
    connect(m_uploader, &FtpUploader::ConnectedTo, this,
            [this](const QString &name) { setWindowTitle(u"Remote Server - "_s + name); });
    connect(m_uploader, &FtpUploader::LoginFailed, this,
            [this] { MessageBox::Warning(this, u"Remote Server"_s, FtpUploader::LoginErrorText); });
    connect(m_uploader, &FtpUploader::SiteNotFound, this,
            [this] { MessageBox::Warning(this, u"Remote Server"_s, FtpUploader::SiteNotFoundText); });
    m_uploader->SetTrustQuestion([this](const QString &fingerprint, const QString &reason) {
        const auto answer = MessageBox::Question(
            this, u"Remote Server"_s,
            u"The server could not be verified: %1.\n\nFingerprint:\n%2\n\n"
            "Yes: trust it for this connection only.\nYes to All: always trust it for this site.\n"
            "Cancel: do not connect."_s.arg(reason, fingerprint),
            QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer == QMessageBox::YesToAll)
            return FtpUploader::TrustChoice::Always;
        if (answer == QMessageBox::Yes)
            return FtpUploader::TrustChoice::Once;
        return FtpUploader::TrustChoice::Cancel;
    });
}

TwinFTP::~TwinFTP() = default;

void TwinFTP::AppendLog(const QString &text, int kind)
{
    QColor color = Qt::black;
    if (kind == FtpUploader::LogCommand)
        color = Qt::blue;
    else if (kind == FtpUploader::LogUploading)
        color = Qt::darkGreen;
    else if (kind == FtpUploader::LogError)
        color = Qt::red;
    txtLog->setTextColor(color);
    txtLog->append(text);
}

void TwinFTP::FillListing()
{
    lstDirectory->clear();
    FtpSession *session = m_uploader->Session();
    if (session->RemotePath() != u"/"_s) {
        auto *up = new QListWidgetItem(u".."_s, lstDirectory);
        up->setData(FolderRole, true);
    }
    for (const FtpListItem &item : session->Listing()) {
        auto *entry = new QListWidgetItem(item.IsFolder ? item.Name + u'/' : item.Name, lstDirectory);
        entry->setData(Qt::UserRole, item.Name);
        entry->setData(FolderRole, item.IsFolder);
    }
}

void TwinFTP::DirectoryActivated(QListWidgetItem *item)
{
    if (!item || !item->data(FolderRole).toBool())
        return;
    const QString name = item->text() == u".."_s ? u".."_s : item->data(Qt::UserRole).toString();
    m_uploader->Session()->OpenFolder(name + u'/');
}

bool TwinFTP::connectProfile(JDServerData &profile)
{
    ProxySettings proxy;
    proxy.Load();
    m_uploader->SetProxy(proxy);
    return m_uploader->connectProfile(profile);
}

void TwinFTP::UploadFilesHereClick()
{
    if (m_uploader->IsUploading())
        return; // one upload at a time; the button stays pressable so the window stays live
    const QString folder = m_gallery ? m_gallery->GetFolder() : QString();
    const QStringList files = m_gallery ? m_gallery->UploadFiles : QStringList();
    const QStringList images = m_gallery ? m_gallery->UploadImageFiles : QStringList();
    m_uploader->Upload(folder, files, images);
}

void TwinFTP::CloseClick()
{
    m_uploader->Disconnect();
    hide();
}

void TwinFTP::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    lblProgress->clear();
    ProgressBar1->setValue(0);
    if (!m_uploader->IsUploading())
        ProgressBar1->hide();
}

void TwinFTP::closeEvent(QCloseEvent *event)
{
    m_uploader->Disconnect();
    QWidget::closeEvent(event);
}
