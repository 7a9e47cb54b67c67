#pragma once

#include <QDialog>
#include <QPointer>

#include "GalleryDocument.h"
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Files to Upload": what a published gallery consists of, where it lies, and the code to paste
// into a page; the way to the upload. Created at start-up and reused.
class FilesToUploadDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FilesToUploadDialog(QWidget *parent = nullptr);

    // Shows the gallery's embed code and upload lists, modally. While the window is already
    // showing (a save started from it), only its contents are refreshed.
    void showFor(GalleryDocument *gallery);
    void showRequiredFiles(GalleryDocument *gallery) { showFor(gallery); }

    void uploadNow();
    void copyCodeToClipboard();
    void openGalleryFolder();

signals:
    // "Upload Now": the gallery's upload lists are fresh; the owner opens the sites to upload to.
    void uploadRequested(GalleryDocument *gallery);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createHeader();
    QWidget *createRequiredFiles();
    QWidget *createEmbedCode();
    QHBoxLayout *createButtons();
    QLabel *m_folderLabel = nullptr;
    QListWidget *m_fileList = nullptr;
    QPlainTextEdit *m_embedCode = nullptr;
    QPushButton *m_uploadNowButton = nullptr;
    QPushButton *m_copyButton = nullptr;

    void fillLists();

    bool m_preparing = false;

    QPointer<GalleryDocument> m_gallery;
    bool m_filling = false;
};
