#include "PicturePicker.h"

#include "BaselineJpeg.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "Utils.h"

#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

PicturePicker::PicturePicker(QObject *parent) : QObject(parent) {}

QString PicturePicker::filter()
{
    // "*tif" without its dot is how the pattern has always been offered.
    return u"All graphics (*.jpeg *.jpg *.gif *.bmp *.png *tif *.tiff)"_s;
}

QString PicturePicker::conversionFilter()
{
    return u"JPEG Bitmap (JPG,JPEG) (*.jpg *.jpeg)"_s;
}

QString PicturePicker::conversionMessage()
{
    return u"This image must be converted to work in Fotovia\n"
           u"Please choose where you want to save the converted version."_s;
}

QString PicturePicker::startFolder() const
{
    if (!m_folder.isEmpty())
        return m_folder;
    return includeTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

void PicturePicker::setStartFolder(const QString &folder)
{
    m_folder = folder.isEmpty() ? QString() : includeTrailingSlash(folder);
}

PicturePicker::Result PicturePicker::choose(QWidget *parent)
{
    Result result;
    const QString path = FileDialog::openFileName(parent, QString(), startFolder(), filter());
    if (path.isEmpty())
        return result;
    const QFileInfo chosen(path);
    setStartFolder(chosen.absolutePath());
    emit startFolderChanged(m_folder);

    if (BaselineJpeg::isUsableAsIs(path)) {
        result.chosen = true;
        result.file = path;
        return result;
    }

    MessageBox::information(parent, u"Fotovia"_s, conversionMessage());
    const QString proposed = includeTrailingSlash(chosen.absolutePath()) + chosen.completeBaseName() + u".jpg"_s;
    const QString target = FileDialog::saveFileName(parent, QString(), proposed, conversionFilter());
    if (target.isEmpty()) {
        // Declining the conversion leaves the row without a picture.
        result.chosen = true;
        return result;
    }
    QString error;
    if (!BaselineJpeg::saveAsBaseline(path, target, &error)) {
        // Nothing usable was made: keep the icon the row has.
        MessageBox::warning(parent, u"Fotovia"_s,
                            u"The picture could not be converted.\n"_s + path
                                + u"\n"_s + error);
        return result;
    }
    result.chosen = true;
    result.file = target;
    return result;
}
