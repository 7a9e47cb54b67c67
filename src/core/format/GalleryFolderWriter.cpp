#include "GalleryFolderWriter.h"

#include "GalleryDocument.h"
#include "GalleryXmlText.h"
#include "AppFolders.h"
#include "Errors.h"
#include "Utils.h"
#include "StyledComponent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const QString PlayerMovie = u"PNImageGallery.swf"_s;
const QString PlayerScript = u"fotovia-player.js"_s;

QString translated(const char *text)
{
    return QCoreApplication::translate("GalleryWriter", text);
}

} // namespace

QString GalleryFolderWriter::buildOutputPath(const QString &folder, const QString &baseName, const QString &extension)
{
    const QString path = folder + baseName + extension;
    return path.size() > 260 ? QString() : path;
}

QString GalleryFolderWriter::buildSnippet(const QString &width, const QString &height, const QString &movie)
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

QString GalleryFolderWriter::buildPage(const QString &snippet)
{
    // The page is written as UTF-8, so that is what it declares.
    return u"<html>\r\n"
           "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" /></head>\r\n"
           "<body bgcolor=\"#FFFFFF\"><p align=\"center\"></br>\r\n"
           "\r\n\r\n\r\n\r\n"
           "<!-- Here is the HTML that you need to copy and paste into your page -->\r\n"_s
        + snippet + u"\r\n\r\n\r\n\r\n\r\n</p></body></html>"_s;
}

void GalleryFolderWriter::writeTextFile(const QString &path, const QString &text) const
{
    QSaveFile file(path);
    if (path.isEmpty()) {
        throw InOutError(translated("The path of the gallery is too long."));
    }
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeGalleryText(text)) < 0 || !file.commit()) {
        throw InOutError(translated("Could not write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

void GalleryFolderWriter::copyPlayer(const QString &folder, const QString &baseName) const
{
    const QString swf = buildOutputPath(folder, baseName, u".swf"_s);
    if (!swf.isEmpty()) {
        QFile::remove(swf);
        QFile::copy(AppFolders::swfFolder() + PlayerMovie, swf);
    }
    // The player script is rewritten like the movie, so a gallery always has the current one.
    const QString script = AppFolders::swfFolder() + PlayerScript;
    if (QFileInfo(script).isFile()) {
        QFile::remove(folder + PlayerScript);
        QFile::copy(script, folder + PlayerScript);
    }
}

void GalleryFolderWriter::copyMedia(const QString &folder, const QString &images) const
{
    // Copies never replace a file that is already there.
    if (m_gallery.backgroundImageOn() && !m_gallery.backgroundImageName().isEmpty())
        QFile::copy(m_gallery.backgroundImageSource(), folder + m_gallery.backgroundImageName());
    if (!m_gallery.mouseOverSoundName().isEmpty())
        QFile::copy(m_gallery.mouseOverSoundWorkPath(), folder + m_gallery.mouseOverSoundName());
    if (!m_gallery.backgroundSoundName().isEmpty())
        QFile::copy(m_gallery.backgroundSoundWorkPath(), folder + m_gallery.backgroundSoundName());
    for (StyledComponent *component : m_gallery.Components())
        component->copyFilesTo(images);
}

void GalleryFolderWriter::removeForgottenImages(const QString &folder, const QString &images) const
{
    m_gallery.fillUploadLists();
    const QStringList stillUsed = m_gallery.uploadImageFiles();
    for (const QString &name : m_gallery.takeForgottenPublishedImageFiles(folder)) {
        if (!stillUsed.contains(name))
            QFile::remove(images + name);
    }
}

void GalleryFolderWriter::writeOutput(const QString &folder, const QString &baseName, bool forPreview)
{
    const QString html = buildOutputPath(folder, baseName, u".html"_s);
    const QString xml = buildOutputPath(folder, baseName, u".xml"_s);
    const QString images = folder + u"images/"_s;
    if (!QFileInfo(images).isDir() && !QDir().mkdir(images))
        throw InOutError(translated("Could not create the folder %1.").arg(QDir::toNativeSeparators(images)));

    writeTextFile(xml, m_gallery.writeXml());
    writeTextFile(html, m_gallery.buildHtmlPage(baseName + u".swf"_s));
    copyPlayer(folder, baseName);
    copyMedia(folder, images);
    // Pictures of deleted images go only once the new gallery file no longer names them.
    if (!forPreview)
        removeForgottenImages(folder, images);
}
