#include "AlbumPhoto.h"

#include "Album.h"
#include "ImageProcessor.h"
#include "ImportProgress.h"
#include "AppFolders.h"
#include "Utils.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// UniqueFileName, with the names a batch has promised counting as existing files.
QString uniqueName(const QString &folder, const QString &stem, const QString &extension, const QSet<QString> &taken)
{
    QString name = stem + extension;
    for (qint64 n = 2; taken.contains(name) || QFileInfo(folder + name).isFile(); ++n)
        name = stem + u'(' + QString::number(n) + u')' + extension;
    return name;
}

// Writes bytes as a new file; an existing file is left alone.
void writeNewFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return;
    if (file.write(bytes) != bytes.size()) {
        file.close();
        file.remove(); // no half-written picture (failures are not reported)
    }
}

} // namespace

QString AlbumPhoto::GalleryFolder() const
{
    GalleryDocument *document = m_album ? m_album->Document() : nullptr;
    return document ? document->getFolder() : QString();
}

QString AlbumPhoto::resolveSourcePath(const QString &path) const
{
    return QFileInfo(path).isFile() ? path : includeTrailingSlash(GalleryFolder()) + fileNamePart(path);
}

AlbumPhoto::WorkingNames AlbumPhoto::namesFor(const QString &fileName, const QSet<QString> &taken)
{
    const QString work = AppFolders::imagesWorkFolder();
    const QString cleaned = stripMediaNameChars(fileName).toLower();
    const QString stem = replaceChar(fileBaseName(cleaned), u' ', u'_');
    WorkingNames names;
    names.big = uniqueName(work, stem, u".jpg"_s, taken);
    const QString thumbStem = replaceChar(fileBaseName(names.big), u' ', u'_') + u"_s"_s;
    names.thumb = uniqueName(work, thumbStem, u".jpg"_s, taken);
    return names;
}

void AlbumPhoto::reportLoading(ImportProgress *progress, const QString &name)
{
    progress->setStatus(ImportProgress::loadingText());
    progress->setCurrentImage(name);
    progress->setPercent(10);
}

void AlbumPhoto::importImage(const QString &path)
{
    const QString name = fileNamePart(path);
    reportLoading(ImportProgress::current(), name);
    m_sourcePath = resolveSourcePath(path);
    const WorkingNames names = namesFor(name);
    m_bigFileName = names.big;
    m_thumbFileName = names.thumb;
    processImage(m_sourcePath);
    refreshStripPreview();
}

void AlbumPhoto::processImage(const QString &source)
{
    const QString thumbSource = includeTrailingSlash(QFileInfo(m_sourcePath).path()) + m_thumbFileName;
    applyOutcome(ImageProcessor::process(ImportJob::withCurrentSettings(source, thumbSource)),
                 ImportProgress::current());
}

void AlbumPhoto::applyOutcome(const ImportOutcome &outcome, ImportProgress *progress)
{
    setUndecodable(outcome.result == ImportOutcome::Result::Undecodable, outcome.failure);
    if (outcome.result != ImportOutcome::Result::Made)
        return;
    const QString work = AppFolders::imagesWorkFolder();
    progress->setPercent(30);
    if (outcome.bigScaled) {
        progress->setStatus(ImportProgress::scalingText());
        progress->setPercent(40);
        progress->setPercent(60);
    }
    const QString bigPath = work + m_bigFileName;
    if (!QFileInfo::exists(bigPath)) {
        if (outcome.bigEncoded)
            writeNewFile(bigPath, outcome.bigJpeg);
        else
            QFile::copy(outcome.source, bigPath); // byte for byte; never replaces a file
    }
    if (outcome.thumbScaled) {
        progress->setStatus(ImportProgress::creatingThumbnailText());
        progress->setPercent(70);
        progress->setPercent(100);
        progress->setStatus(ImportProgress::doneText());
    }
    const QString thumbPath = work + m_thumbFileName;
    if (!QFileInfo::exists(thumbPath)) {
        if (outcome.thumbEncoded)
            writeNewFile(thumbPath, outcome.thumbJpeg);
        else
            QFile::copy(outcome.thumbCopyFrom, thumbPath);
    }
}

void AlbumPhoto::refreshStripPreview() const
{
    GalleryDocument *document = m_album ? m_album->Document() : nullptr;
    if (document && document->thumbnailStrip())
        document->thumbnailStrip()->refreshPreview();
}

QString AlbumPhoto::thumbnailPath() const
{
    return AppFolders::imagesWorkFolder() + m_thumbFileName;
}

QImage AlbumPhoto::loadThumbnail() const
{
    return m_thumbFileName.isEmpty() ? QImage() : QImage(thumbnailPath());
}

void AlbumPhoto::deletePublishedFiles()
{
    GalleryDocument *document = m_album ? m_album->Document() : nullptr;
    if (!document || document->getFolder().isEmpty())
        return;
    document->forgetPublishedImageFile(m_bigFileName);
    document->forgetPublishedImageFile(m_thumbFileName);
}

void AlbumPhoto::assign(QString &member, const QString &value)
{
    if (member == value)
        return;
    member = value;
    if (GalleryDocument *document = m_album ? m_album->Document() : nullptr)
        document->setModified(true);
    emit changed();
}

void AlbumPhoto::setSourcePath(const QString &path) { assign(m_sourcePath, path); }
void AlbumPhoto::setBigFileName(const QString &name) { assign(m_bigFileName, name); }
void AlbumPhoto::setThumbFileName(const QString &name) { assign(m_thumbFileName, name); }
void AlbumPhoto::setCaption(const QString &text) { assign(m_caption, text); }
void AlbumPhoto::setLink(const QString &link) { assign(m_link, link); }

void AlbumPhoto::setUndecodable(bool value, const QString &reason)
{
    m_undecodable = value;
    m_undecodableReason = reason;
}
