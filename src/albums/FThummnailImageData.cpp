#include "FThummnailImageData.h"

#include "FThummnailCatagory.h"
#include "ImageProcessor.h"
#include "ImportProgress.h"
#include "app/AppFolders.h"
#include "app/Utils.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// UniqueFileName, with the names a batch has promised counting as existing files.
QString UniqueName(const QString &folder, const QString &stem, const QString &extension, const QSet<QString> &taken)
{
    QString name = stem + extension;
    for (qint64 n = 2; taken.contains(name) || QFileInfo(folder + name).isFile(); ++n)
        name = stem + u'(' + QString::number(n) + u')' + extension;
    return name;
}

// Writes bytes as a new file; an existing file is left alone.
void WriteNewFile(const QString &path, const QByteArray &bytes)
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

QString FThummnailImageData::GalleryFolder() const
{
    FflashMovie *document = album ? album->Document() : nullptr;
    return document ? document->GetFolder() : QString();
}

QString FThummnailImageData::ResolveSourcePath(const QString &path) const
{
    return QFileInfo(path).isFile() ? path : IncludeTrailingSlash(GalleryFolder()) + FileNamePart(path);
}

FThummnailImageData::WorkingNames FThummnailImageData::NamesFor(const QString &fileName, const QSet<QString> &taken)
{
    const QString work = AppFolders::ImagesWorkFolder();
    const QString cleaned = StripMediaNameChars(fileName).toLower();
    const QString stem = ReplaceChar(FileBaseName(cleaned), u' ', u'_');
    WorkingNames names;
    names.big = UniqueName(work, stem, u".jpg"_s, taken);
    const QString thumbStem = ReplaceChar(FileBaseName(names.big), u' ', u'_') + u"_s"_s;
    names.thumb = UniqueName(work, thumbStem, u".jpg"_s, taken);
    return names;
}

void FThummnailImageData::ReportLoading(ImportProgress *progress, const QString &name)
{
    progress->SetStatus(ImportProgress::LoadingText());
    progress->SetCurrentImage(name);
    progress->SetPercent(10);
}

void FThummnailImageData::ImportImage(const QString &path)
{
    const QString name = FileNamePart(path);
    ReportLoading(ImportProgress::Current(), name);
    sourcePath = ResolveSourcePath(path);
    const WorkingNames names = NamesFor(name);
    bigFileName = names.big;
    thumbFileName = names.thumb;
    ProcessImage(sourcePath);
    RefreshStripPreview();
}

void FThummnailImageData::ProcessImage(const QString &source)
{
    const QString thumbSource = IncludeTrailingSlash(QFileInfo(sourcePath).path()) + thumbFileName;
    ApplyOutcome(ImageProcessor::Process(ImportJob::WithCurrentSettings(source, thumbSource)),
                 ImportProgress::Current());
}

void FThummnailImageData::ApplyOutcome(const ImportOutcome &outcome, ImportProgress *progress)
{
    undecodable = outcome.result == ImportOutcome::Result::Undecodable;
    undecodableReason = outcome.failure;
    if (outcome.result != ImportOutcome::Result::Made)
        return;
    const QString work = AppFolders::ImagesWorkFolder();
    progress->SetPercent(30);
    if (outcome.bigScaled) {
        progress->SetStatus(ImportProgress::ScalingText());
        progress->SetPercent(40);
        progress->SetPercent(60);
    }
    const QString bigPath = work + bigFileName;
    if (!QFileInfo::exists(bigPath)) {
        if (outcome.bigEncoded)
            WriteNewFile(bigPath, outcome.bigJpeg);
        else
            QFile::copy(outcome.source, bigPath); // byte for byte; never replaces a file
    }
    if (outcome.thumbScaled) {
        progress->SetStatus(ImportProgress::CreatingThumbnailText());
        progress->SetPercent(70);
        progress->SetPercent(100);
        progress->SetStatus(ImportProgress::DoneText());
    }
    const QString thumbPath = work + thumbFileName;
    if (!QFileInfo::exists(thumbPath)) {
        if (outcome.thumbEncoded)
            WriteNewFile(thumbPath, outcome.thumbJpeg);
        else
            QFile::copy(outcome.thumbCopyFrom, thumbPath);
    }
}

void FThummnailImageData::RefreshStripPreview() const
{
    FflashMovie *document = album ? album->Document() : nullptr;
    if (document && document->ThumbnailStrip())
        document->ThumbnailStrip()->RefreshPreview();
}

QString FThummnailImageData::ThumbnailPath() const
{
    return AppFolders::ImagesWorkFolder() + thumbFileName;
}

QImage FThummnailImageData::LoadThumbnail() const
{
    return thumbFileName.isEmpty() ? QImage() : QImage(ThumbnailPath());
}

void FThummnailImageData::DeletePublishedFiles()
{
    FflashMovie *document = album ? album->Document() : nullptr;
    if (!document || document->GetFolder().isEmpty())
        return;
    document->ForgetPublishedImageFile(bigFileName);
    document->ForgetPublishedImageFile(thumbFileName);
}
