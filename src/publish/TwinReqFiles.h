#pragma once

#include <QDialog>
#include <QPointer>

class FflashMovie;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Files to Upload": what a published gallery consists of, where it lies, and the code to paste
// into a page; the way to the upload. Created at start-up and reused.
class TwinReqFiles : public QDialog
{
    Q_OBJECT
public:
    explicit TwinReqFiles(QWidget *parent = nullptr);

    // Shows the gallery's embed code and upload lists, modally. While the window is already
    // showing (a save started from it), only its contents are refreshed.
    void ShowFor(FflashMovie *gallery);
    void showRequiredFiles(FflashMovie *gallery) { ShowFor(gallery); }

    void UploadNowClick();
    void CopyToClipboardClick();
    void FolderLabelClick();

    QLabel *lblFolder = nullptr;
    QListWidget *lbFiles = nullptr;
    QPlainTextEdit *txtHtml = nullptr;
    QPushButton *btnUploadNow = nullptr;
    QPushButton *btnCopy = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FillLists();

    bool m_preparing = false;

    QPointer<FflashMovie> m_gallery;
    bool m_filling = false;
};
