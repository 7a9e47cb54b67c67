#include "FThummnailImageData.h"

#include "FThummnailCatagory.h"
#include "app/AppFolders.h"
#include "app/Utils.h"
#include "gallery/FflashMovie.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString FThummnailImageData::GalleryFolder() const
{
    FflashMovie *document = album ? album->Document() : nullptr;
    return document ? document->GetFolder() : QString();
}

void FThummnailImageData::ImportImage(const QString &path)
{
    const QString name = FileNamePart(path);
    sourcePath = QFileInfo(path).isFile() ? path : IncludeTrailingSlash(GalleryFolder()) + name;

    const QString cleaned = StripMediaNameChars(name).toLower();
    const QString stem = ReplaceChar(FileBaseName(cleaned), u' ', u'_');
    const QString work = AppFolders::ImagesWorkFolder();
    bigFileName = FileNamePart(UniqueFileName(work, stem, u".jpg"_s));
    const QString thumbStem = ReplaceChar(FileBaseName(bigFileName), u' ', u'_') + u"_s"_s;
    thumbFileName = FileNamePart(UniqueFileName(work, thumbStem, u".jpg"_s));
}

void FThummnailImageData::DeletePublishedFiles()
{
    FflashMovie *document = album ? album->Document() : nullptr;
    if (!document || document->GetFolder().isEmpty())
        return;
    document->ForgetPublishedImageFile(bigFileName);
    document->ForgetPublishedImageFile(thumbFileName);
}
