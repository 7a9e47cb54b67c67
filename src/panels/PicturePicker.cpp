#include "PicturePicker.h"

#include "JpegPicture.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/Utils.h"

#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

PicturePicker::PicturePicker(QObject *parent) : QObject(parent) {}

QString PicturePicker::Filter()
{
    // "*tif" without its dot is how the pattern has always been offered.
    return u"All graphics (*.jpeg *.jpg *.gif *.bmp *.png *tif *.tiff)"_s;
}

QString PicturePicker::ConversionFilter()
{
    return u"JPEG Bitmap (JPG,JPEG) (*.jpg *.jpeg)"_s;
}

QString PicturePicker::ConversionMessage()
{
    return u"This image must be converted to work in Fotovia\n"
           u"Please choose where you want to save the converted version."_s;
}

QString PicturePicker::StartFolder() const
{
    if (!m_folder.isEmpty())
        return m_folder;
    return IncludeTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

void PicturePicker::SetStartFolder(const QString &folder)
{
    m_folder = folder.isEmpty() ? QString() : IncludeTrailingSlash(folder);
}

PicturePicker::Result PicturePicker::Choose(QWidget *parent)
{
    Result result;
    const QString path = FileDialog::OpenFileName(parent, QString(), StartFolder(), Filter());
    if (path.isEmpty())
        return result;
    const QFileInfo chosen(path);
    SetStartFolder(chosen.absolutePath());
    emit StartFolderChanged(m_folder);

    if (JpegPicture::IsUsableAsIs(path)) {
        result.chosen = true;
        result.file = path;
        return result;
    }

    MessageBox::Information(parent, u"Fotovia"_s, ConversionMessage());
    const QString proposed = IncludeTrailingSlash(chosen.absolutePath()) + chosen.completeBaseName() + u".jpg"_s;
    const QString target = FileDialog::SaveFileName(parent, QString(), proposed, ConversionFilter());
    if (target.isEmpty()) {
        // Declining the conversion leaves the row without a picture.
        result.chosen = true;
        return result;
    }
    QString error;
    if (!JpegPicture::SaveAsBaseline(path, target, &error)) {
        // Nothing usable was made: keep the icon the row has.
        MessageBox::Warning(parent, u"Fotovia"_s,
                            u"The picture could not be converted.\n"_s + path
                                + u"\n"_s + error);
        return result;
    }
    result.chosen = true;
    result.file = target;
    return result;
}
