#include "FThummnailCatagory.h"

#include "FCatagoryMenuStyle.h"
#include "FThummnailImageData.h"
#include "ImageImportQueue.h"
#include "ImportProgress.h"
#include "app/AppFolders.h"
#include "app/Utils.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "gallery/XmlText.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPointer>
#include <QSet>

#include <deque>

using namespace Qt::StringLiterals;

FThummnailCatagory::FThummnailCatagory(FflashMovie *document, QObject *owner)
    : FflashComponentBaseClass(owner)
{
    SetDocument(document);
    SetMovable(false);
    SetResizable(false);
    SetBareAttributes(true);
    SetWriteGeometry(false);
    if (document)
        SetBounds(0, 0, document->MenuStyle()->catw, document->MenuStyle()->cath);
    SetModified(false);
}

FThummnailCatagory::~FThummnailCatagory()
{
    qDeleteAll(m_images);
}

void FThummnailCatagory::MarkDocumentModified()
{
    if (Document())
        Document()->SetModified(true);
}

void FThummnailCatagory::SetName(const QString &text)
{
    m_name = text;
    MarkDocumentModified();
    Repaint();
}

void FThummnailCatagory::SetDescription(const QString &text)
{
    m_description = text;
    MarkDocumentModified();
    Repaint();
}

void FThummnailCatagory::SetCover(const QString &path)
{
    MarkDocumentModified();
    m_coverPath = path;
    m_coverPicture = path.isEmpty() ? QImage() : QImage(path);
    m_coverFileName = FileNamePart(path);
    Repaint();
}

void FThummnailCatagory::RefreshCover()
{
    if (m_images.isEmpty())
        SetCover(QString());
    else
        SetCover(AppFolders::ImagesWorkFolder() + m_images.first()->thumbFileName);
}

bool FThummnailCatagory::IsFirstAlbum() const
{
    FflashMovie *document = Document();
    return document && document->ThumbnailStrip() && !document->ThumbnailStrip()->Albums().isEmpty()
        && document->ThumbnailStrip()->Albums().first() == this;
}

FThummnailImageData *FThummnailCatagory::AddImage(const QString &path)
{
    auto *image = new FThummnailImageData;
    m_images.append(image);
    image->album = this;
    image->ImportImage(path); // also refreshes the strip's preview
    FinishAddedImage(image);
    return image;
}

void FThummnailCatagory::FinishAddedImage(FThummnailImageData *image)
{
    if (m_images.size() == 1) {
        SetCover(AppFolders::ImagesWorkFolder() + image->thumbFileName);
        if (IsFirstAlbum())
            image->caption = u"Enter your image caption here"_s;
    }
    m_thumbnailsPanelHeight = FThummnailImageData::ViewHeight;
    LayoutThumbnails();
    SelectImage(image, false);
    MarkDocumentModified();
    emit ImagesChanged();
}

FThummnailImageData *FThummnailCatagory::AddNamedImage(const QString &sourcePath, const QString &bigName,
                                                      const QString &thumbName)
{
    auto *image = new FThummnailImageData;
    image->album = this;
    image->sourcePath = sourcePath;
    image->bigFileName = bigName;
    image->thumbFileName = thumbName;
    m_images.append(image);
    return image;
}

bool FThummnailCatagory::IsFolderPictureEntry(const QString &name)
{
    static const QStringList extensions = {u".jpg"_s, u".jpeg"_s, u".gif"_s, u".bmp"_s, u".png"_s, u".tif"_s};
    return extensions.contains(FileExtension(name).toLower());
}

AddImagesResult FThummnailCatagory::AddImages(const QStringList &paths, const AddImagesOptions &options)
{
    ImportProgress *progress = options.progress ? options.progress : ImportProgress::Current();
    AddImagesResult result;
    if (options.addFlow)
        progress->SetTotal(int(paths.size()));

    // A photo on its way through the workers. Its names are foreseen when it is handed out (the
    // files of the photos before it count as made); they are checked again when it is added,
    // after the photos before it have really been made, and its files are written only then.
    struct Pending
    {
        qsizetype index = 0;
        QString sourcePath;
        FThummnailImageData::WorkingNames names;
        bool reserves = false; // its source exists, so it is expected to make its files
        std::shared_ptr<ImageImportQueue::Task> task;
    };
    std::deque<Pending> pending;
    QSet<QString> promised; // working names of pending photos that are expected to make files
    qsizetype next = 0;
    const auto importable = [&](qsizetype i) {
        return !options.folderEntries || IsFolderPictureEntry(FileNamePart(paths[i]));
    };
    const auto thumbSourceFor = [](const QString &sourcePath, const QString &thumbName) -> QString {
        return IncludeTrailingSlash(QFileInfo(sourcePath).path()) + thumbName;
    };
    const size_t ahead = size_t(ImageImportQueue::WorkerCount()) + 1;
    const auto handOut = [&] {
        FThummnailImageData probe; // resolves paths against this album's gallery folder
        probe.album = this;
        while (pending.size() < ahead && next < paths.size()) {
            const qsizetype i = next++;
            if (!importable(i))
                continue;
            Pending p;
            p.index = i;
            p.sourcePath = probe.ResolveSourcePath(paths[i]);
            p.names = FThummnailImageData::NamesFor(FileNamePart(paths[i]), promised);
            p.reserves = QFileInfo(p.sourcePath).isFile();
            if (p.reserves) {
                promised.insert(p.names.big);
                promised.insert(p.names.thumb);
            }
            p.task = ImageImportQueue::Start(ImportJob::WithCurrentSettings(p.sourcePath, thumbSourceFor(p.sourcePath, p.names.thumb)));
            pending.push_back(std::move(p));
        }
    };
    const auto abandonPending = [&] {
        for (const Pending &p : pending)
            p.task->Abandon();
    };

    const QPointer<FThummnailCatagory> self(this);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (options.addFlow) {
            if (progress->Cancelled()) {
                result.cancelled = true;
                break;
            }
            progress->Step();
        }
        if (!importable(i))
            continue;
        handOut();
        Q_ASSERT(!pending.empty() && pending.front().index == i);
        const Pending p = pending.front();
        pending.pop_front();
        if (p.reserves) {
            promised.remove(p.names.big);
            promised.remove(p.names.thumb);
        }
        handOut(); // keep the workers busy while this photo is finished

        const QString name = FileNamePart(paths[i]);
        FThummnailImageData::ReportLoading(progress, name);
        ImageImportQueue::Wait(p.task);
        if (!self) { // the album went (with its images) while window events ran
            abandonPending();
            return AddImagesResult{{}, result.undecodable, true};
        }

        // The names AddImage would give now that every photo before this one is made.
        const FThummnailImageData::WorkingNames names = FThummnailImageData::NamesFor(name);
        ImportOutcome outcome = p.task->Outcome();
        if (names != p.names) {
            const QString foreseen = thumbSourceFor(p.sourcePath, p.names.thumb);
            const QString actual = thumbSourceFor(p.sourcePath, names.thumb);
            if (QFileInfo(foreseen).isFile() || QFileInfo(actual).isFile())
                outcome = ImageProcessor::Process(ImportJob::WithCurrentSettings(p.sourcePath, actual));
        }
        if (outcome.result == ImportOutcome::Result::Undecodable) {
            result.undecodable.append(ImportFailure{p.sourcePath, outcome.failure});
            if (!options.keepUndecodable)
                continue;
        }

        auto *image = new FThummnailImageData;
        m_images.append(image);
        image->album = this;
        image->sourcePath = p.sourcePath;
        image->bigFileName = names.big;
        image->thumbFileName = names.thumb;
        image->ApplyOutcome(outcome, progress);
        if (Document() && Document()->ThumbnailStrip())
            Document()->ThumbnailStrip()->RefreshPreview();
        FinishAddedImage(image);
        result.added.append(image);
    }
    abandonPending();
    return result;
}

FThummnailImageData *FThummnailCatagory::TakeImage(FThummnailImageData *image)
{
    if (!m_images.removeOne(image))
        return nullptr;
    image->album = nullptr;
    LayoutThumbnails();
    MarkDocumentModified();
    emit ImagesChanged();
    return image;
}

void FThummnailCatagory::DeleteImage(FThummnailImageData *image)
{
    if (!m_images.contains(image))
        return;
    image->DeletePublishedFiles();
    delete TakeImage(image);
}

void FThummnailCatagory::MoveImage(int from, int to)
{
    if (from < 0 || from >= m_images.size() || to < 0 || to >= m_images.size() || from == to)
        return;
    m_images.move(from, to);
    LayoutThumbnails();
    MarkDocumentModified();
    emit ImagesChanged();
}

void FThummnailCatagory::SelectImage(FThummnailImageData *image, bool extend)
{
    if (!extend) {
        for (FThummnailImageData *other : std::as_const(m_images))
            other->selected = false;
    }
    if (image)
        image->selected = extend ? !image->selected : true;
    emit ImageSelectionChanged();
}

QList<FThummnailImageData *> FThummnailCatagory::SelectedImages() const
{
    QList<FThummnailImageData *> selected;
    for (FThummnailImageData *image : m_images) {
        if (image->selected)
            selected.append(image);
    }
    return selected;
}

void FThummnailCatagory::LayoutThumbnails()
{
    int left = 2;
    for (FThummnailImageData *image : std::as_const(m_images)) {
        image->viewLeft = left;
        left += FThummnailImageData::ViewWidth + 2;
    }
    m_thumbnailsPanelWidth = left;
}

QFont FThummnailCatagory::labelFont(bool bold) const
{
    QFont font;
    if (!Document())
        return font;
    const FCatagoryMenuStyle *style = Document()->MenuStyle();
    font.setFamily(style->catfont);
    font.setPointSize(FCatagoryMenuStyle::LabelPointSize(style->catfontsize));
    font.setBold(bold);
    return font;
}

void FThummnailCatagory::LayoutTile()
{
    if (!Document())
        return;
    const FCatagoryMenuStyle *style = Document()->MenuStyle();
    const int pad = style->catxypadding;
    m_coverBox = QRect(pad, pad, style->catimgw, style->catimgh);
    const int labelLeft = 2 * pad + style->catimgw;
    m_nameLabel = QRect(labelLeft, 6, std::max(0, Width() - labelLeft), QFontMetrics(labelFont(true)).height());
    const int descriptionTop = m_nameLabel.top() + m_nameLabel.height() + 4;
    m_descriptionLabel = QRect(labelLeft, descriptionTop, Width() - labelLeft, Height() - descriptionTop);
}

QString FThummnailCatagory::WriteImagesXml() const
{
    QString xml;
    for (qsizetype i = 0; i < m_images.size(); ++i) {
        const FThummnailImageData *image = m_images[i];
        const QString n = QString::number(i + 1);
        xml += XmlPathAttr(3, QString(u"image"_s + n), image->thumbFileName);
        xml += XmlPathAttr(3, QString(u"bigimage"_s + n), image->bigFileName);
        if (!image->link.isEmpty())
            xml += XmlTextAttr(3, QString(u"imagelink"_s + n), image->link);
        if (!image->caption.isEmpty())
            xml += XmlTextAttr(3, QString(u"imagecaption"_s + n), image->caption);
    }
    return xml;
}

QString FThummnailCatagory::WriteMenuEntryXml(int number) const
{
    const QString cat = u"cat"_s + QString::number(number);
    QString xml;
    xml += XmlAttr(3, QString(cat + u"link"_s), u"thumbs"_s + QString::number(number));
    xml += XmlTextAttr(3, QString(cat + u"name"_s), m_name);
    xml += XmlTextAttr(3, QString(cat + u"text"_s), m_description);
    xml += XmlPathAttr(3, QString(cat + u"image"_s), m_coverFileName);
    return xml;
}

void FThummnailCatagory::CollectFiles()
{
    if (!Document())
        return;
    for (const FThummnailImageData *image : std::as_const(m_images)) {
        Document()->AddUploadImageFile(image->thumbFileName);
        Document()->AddUploadImageFile(image->bigFileName);
    }
}

void FThummnailCatagory::CopyImagesTo(const QString &folder) const
{
    const QString work = AppFolders::ImagesWorkFolder();
    for (const FThummnailImageData *image : m_images) {
        for (const QString &name : {image->bigFileName, image->thumbFileName}) {
            if (!QFileInfo(work + name).isFile()) {
                if (Document())
                    Document()->ReportMissingImageFile(work + name);
                continue;
            }
            QFile::copy(work + name, folder + name); // never replaces a published file
        }
    }
}
