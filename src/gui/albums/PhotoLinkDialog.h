#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

// "Photo Preview Webpage Link": the web page a photo's preview opens instead of the big photo.
class PhotoLinkDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PhotoLinkDialog(QWidget *parent = nullptr);

    // Shows the dialog modally with link; afterwards wasAccepted() and, when it is true, link().
    void open(const QString &link);
    // Open without running the dialog: fills it as open() does and leaves it to the caller.
    void prepare(const QString &link);
    bool wasAccepted() const { return m_accepted; }
    QString link() const { return m_result; }

    QLineEdit *linkEdit() const { return m_edit; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    static QString emptyLinkText() { return QStringLiteral("http://"); }

    // For tests: the next open() ends at once as if this text had been typed and Ok pressed
    // (std::nullopt: Cancel).
    static void setNextAnswer(std::optional<QString> text);

private:
    void acceptLink();

    QString m_result;
    bool m_accepted = false;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    static std::optional<std::optional<QString>> s_nextAnswer;
};
