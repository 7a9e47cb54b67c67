#include "PanelTestSupport.h"

#include "AppFolders.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "GalleryDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QAbstractButton>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QLayout>
#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

void PanelTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    QDir().mkpath(m_dir.path() + u"/app"_s);
    AppFolders::setup(m_dir.path() + u"/app/"_s);
    FileDialog::clear();
    MessageBox::clearHistory();
    MessageBox::setAutoAnswer(true);
    m_gallery = std::make_unique<GalleryDocument>();
    ASSERT_FALSE(m_gallery->modified());
}

void PanelTest::TearDown()
{
    m_gallery.reset();
    FileDialog::clear();
    MessageBox::setAutoAnswer(false);
}

QString captionsInReadingOrder(QWidget *panel)
{
    panel->resize(panel->sizeHint());
    // Parents first, so that each row is laid out inside its final place.
    panel->layout()->activate();
    for (QWidget *child : panel->findChildren<QWidget *>()) {
        if (child->layout())
            child->layout()->activate();
    }
    struct Caption { QRect at; QString text; };
    QList<Caption> captions;
    for (QWidget *widget : panel->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(panel))
            continue;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        if (!text.isEmpty())
            captions.append({QRect(widget->mapTo(panel, QPoint(0, 0)), widget->size()), text});
    }
    // Controls of one row share their vertical centre (give or take a pixel of rounding).
    std::stable_sort(captions.begin(), captions.end(), [](const Caption &a, const Caption &b) {
        const int dy = a.at.center().y() - b.at.center().y();
        if (dy < -2 || dy > 2)
            return dy < 0;
        return a.at.x() < b.at.x();
    });
    QStringList texts;
    for (const Caption &caption : std::as_const(captions))
        texts.append(caption.text);
    return texts.join(u'|');
}

QString writePicture(const QString &path, const char *format, bool progressive)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (qstrcmp(format, "gif") == 0) {
        static const unsigned char gif[] = {
            'G', 'I', 'F', '8', '9', 'a', 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00,
            0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00,
            0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(gif), sizeof gif);
        return path;
    }
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(QColor(20, 120, 220));
    for (int x = 0; x < 20; ++x)
        picture.setPixelColor(x, 5, Qt::red);
    QImageWriter writer(path, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture)) << qPrintable(writer.errorString());
    return path;
}
