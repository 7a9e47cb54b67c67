#include "GalleryWriter.h"

#include "FflashMovie.h"
#include "XmlText.h"
#include "app/AppFolders.h"
#include "app/Errors.h"
#include "app/Utils.h"
#include "components/FflashComponentBaseClass.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const QString PlayerMovie = u"PNImageGallery.swf"_s;
const QString PlayerScript = u"fotovia-player.js"_s;

QString Tr(const char *text)
{
    return QCoreApplication::translate("GalleryWriter", text);
}

} // namespace

QString GalleryWriter::BuildOutputPath(const QString &folder, const QString &baseName, const QString &extension)
{
    const QString path = folder + baseName + extension;
    return path.size() > 260 ? QString() : path;
}

QString GalleryWriter::BuildSnippet(const QString &width, const QString &height, const QString &movie)
{
    const QStringList lines = {
        u"<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\""_s,
        u" codebase=\"http://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=7,0,0,0\""_s,
        u" width=\""_s + width + u"\" height=\""_s + height + u"\" id=\"Pellicon\" align=\"middle\">"_s,
        u"<param name=\"movie\" value=\""_s + movie + u"\"/>"_s,
        u"<param name=\"quality\" value=\"high\" />"_s,
        u"<param name=\"scale\" value=\"noscale\" />"_s,
        u"<param name=\"salign\" value=\"lt\" />"_s,
        u"<param name=\"bgcolor\" value=\"#ffffff\" />"_s,
        u"<embed src=\""_s + movie + u"\" quality=\"high\" bgcolor=\"#ffffff\" width=\""_s + width
            + u"\" height=\""_s + height + u'"',
        u" name=\"Pellicon\" scale=\"noscale\" salign=\"lt\" align=\"middle\" type=\"application/x-shockwave-flash\""_s,
        u" pluginspage=\"http://www.macromedia.com/go/getflashplayer\" /></object>"_s,
        // Browsers no longer play the movie: the player script replaces the object with the gallery.
        u"<script src=\""_s + PlayerScript + u"\"></script>"_s,
    };
    return lines.join(XmlEol);
}

QString GalleryWriter::BuildPage(const QString &snippet)
{
    // The page is written as UTF-8, so that is what it declares.
    return u"<html>\r\n"
           "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" /></head>\r\n"
           "<body bgcolor=\"#FFFFFF\"><p align=\"center\"></br>\r\n"
           "\r\n\r\n\r\n\r\n"
           "<!-- Here is the HTML that you need to copy and paste into your page -->\r\n"_s
        + snippet + u"\r\n\r\n\r\n\r\n\r\n</p></body></html>"_s;
}

void GalleryWriter::WriteTextFile(const QString &path, const QString &text) const
{
    QSaveFile file(path);
    if (path.isEmpty()) {
        throw InOutError(Tr("The path of the gallery is too long."));
    }
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeGalleryText(text)) < 0 || !file.commit()) {
        throw InOutError(Tr("Could not write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

void GalleryWriter::CopyPlayer(const QString &folder, const QString &baseName) const
{
    const QString swf = BuildOutputPath(folder, baseName, u".swf"_s);
    if (!swf.isEmpty()) {
        QFile::remove(swf);
        QFile::copy(AppFolders::SwfFolder() + PlayerMovie, swf);
    }
    // The player script is rewritten like the movie, so a gallery always has the current one.
    const QString script = AppFolders::SwfFolder() + PlayerScript;
    if (QFileInfo(script).isFile()) {
        QFile::remove(folder + PlayerScript);
        QFile::copy(script, folder + PlayerScript);
    }
}

void GalleryWriter::CopyMedia(const QString &folder, const QString &images) const
{
    // Copies never replace a file that is already there.
    if (m_gallery.BackgroundImageOn() && !m_gallery.BackgroundImageName().isEmpty())
        QFile::copy(m_gallery.BackgroundImageSource(), folder + m_gallery.BackgroundImageName());
    if (!m_gallery.MouseOverSoundName().isEmpty())
        QFile::copy(m_gallery.MouseOverSoundWorkPath(), folder + m_gallery.MouseOverSoundName());
    if (!m_gallery.BackgroundSoundName().isEmpty())
        QFile::copy(m_gallery.BackgroundSoundWorkPath(), folder + m_gallery.BackgroundSoundName());
    for (FflashComponentBaseClass *component : m_gallery.Components())
        component->CopyFilesTo(images);
}

void GalleryWriter::RemoveForgottenImages(const QString &folder, const QString &images) const
{
    m_gallery.FillUploadLists();
    const QStringList stillUsed = m_gallery.UploadImageFiles;
    for (const QString &name : m_gallery.TakeForgottenPublishedImageFiles(folder)) {
        if (!stillUsed.contains(name))
            QFile::remove(images + name);
    }
}

void GalleryWriter::WriteOutput(const QString &folder, const QString &baseName, bool forPreview)
{
    const QString html = BuildOutputPath(folder, baseName, u".html"_s);
    const QString xml = BuildOutputPath(folder, baseName, u".xml"_s);
    const QString images = folder + u"images/"_s;
    if (!QFileInfo(images).isDir() && !QDir().mkdir(images))
        throw InOutError(Tr("Could not create the folder %1.").arg(QDir::toNativeSeparators(images)));

    WriteTextFile(xml, m_gallery.WriteXml());
    WriteTextFile(html, m_gallery.BuildHtmlPage(baseName + u".swf"_s));
    CopyPlayer(folder, baseName);
    CopyMedia(folder, images);
    // Pictures of deleted images go only once the new gallery file no longer names them.
    if (!forPreview)
        RemoveForgottenImages(folder, images);
}
