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
    GalleryDocument *document = album ? album->Document() : nullptr;
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
    sourcePath = resolveSourcePath(path);
    const WorkingNames names = namesFor(name);
    bigFileName = names.big;
    thumbFileName = names.thumb;
    processImage(sourcePath);
    refreshStripPreview();
}

void AlbumPhoto::processImage(const QString &source)
{
    const QString thumbSource = includeTrailingSlash(QFileInfo(sourcePath).path()) + thumbFileName;
    applyOutcome(ImageProcessor::process(ImportJob::withCurrentSettings(source, thumbSource)),
                 ImportProgress::current());
}

void AlbumPhoto::applyOutcome(const ImportOutcome &outcome, ImportProgress *progress)
{
    undecodable = outcome.result == ImportOutcome::Result::Undecodable;
    undecodableReason = outcome.failure;
    if (outcome.result != ImportOutcome::Result::Made)
        return;
    const QString work = AppFolders::imagesWorkFolder();
    progress->setPercent(30);
    if (outcome.bigScaled) {
        progress->setStatus(ImportProgress::scalingText());
        progress->setPercent(40);
        progress->setPercent(60);
    }
    const QString bigPath = work + bigFileName;
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
    const QString thumbPath = work + thumbFileName;
    if (!QFileInfo::exists(thumbPath)) {
        if (outcome.thumbEncoded)
            writeNewFile(thumbPath, outcome.thumbJpeg);
        else
            QFile::copy(outcome.thumbCopyFrom, thumbPath);
    }
}

void AlbumPhoto::refreshStripPreview() const
{
    GalleryDocument *document = album ? album->Document() : nullptr;
    if (document && document->thumbnailStrip())
        document->thumbnailStrip()->refreshPreview();
}

QString AlbumPhoto::thumbnailPath() const
{
    return AppFolders::imagesWorkFolder() + thumbFileName;
}

QImage AlbumPhoto::loadThumbnail() const
{
    return thumbFileName.isEmpty() ? QImage() : QImage(thumbnailPath());
}

void AlbumPhoto::deletePublishedFiles()
{
    GalleryDocument *document = album ? album->Document() : nullptr;
    if (!document || document->getFolder().isEmpty())
        return;
    document->forgetPublishedImageFile(bigFileName);
    document->forgetPublishedImageFile(thumbFileName);
}
