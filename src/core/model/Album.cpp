#include "Album.h"

#include "AlbumMenuStyle.h"
#include "AlbumPhoto.h"
#include "ImageImportQueue.h"
#include "ImportProgress.h"
#include "AppFolders.h"
#include "Utils.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "GalleryXmlText.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPointer>
#include <QSet>

#include <deque>

using namespace Qt::StringLiterals;

Album::Album(GalleryDocument *document, QObject *owner)
    : StyledComponent(owner)
{
    setDocument(document);
    setMovable(false);
    setResizable(false);
    setBareAttributes(true);
    setWriteGeometry(false);
    if (document)
        setBounds(0, 0, document->menuStyle()->tileWidth(), document->menuStyle()->tileHeight());
    setModified(false);
}

Album::~Album()
{
    qDeleteAll(m_images);
}

void Album::markDocumentModified()
{
    if (Document())
        Document()->setModified(true);
}

void Album::setName(const QString &text)
{
    assign(m_name, text);
}

void Album::setDescription(const QString &text)
{
    assign(m_description, text);
}

void Album::setLinkId(const QString &id)
{
    assign(m_linkId, id, false);
}

void Album::setCover(const QString &path)
{
    const bool changed = path != m_coverPath;
    m_coverPath = path;
    // The same file is read again: its thumbnail may have been made anew.
    m_coverPicture = path.isEmpty() ? QImage() : QImage(path);
    m_coverFileName = fileNamePart(path);
    if (changed)
        noteChange();
    else
        repaint();
}

void Album::refreshCover()
{
    if (m_images.isEmpty())
        setCover(QString());
    else
        setCover(AppFolders::imagesWorkFolder() + m_images.first()->thumbFileName());
}

bool Album::isFirstAlbum() const
{
    GalleryDocument *document = Document();
    return document && document->thumbnailStrip() && !document->thumbnailStrip()->albums().isEmpty()
        && document->thumbnailStrip()->albums().first() == this;
}

AlbumPhoto *Album::addImage(const QString &path)
{
    auto *image = new AlbumPhoto;
    m_images.append(image);
    image->setAlbum(this);
    image->importImage(path); // also refreshes the strip's preview
    finishAddedImage(image);
    return image;
}

void Album::finishAddedImage(AlbumPhoto *image)
{
    if (m_images.size() == 1) {
        setCover(AppFolders::imagesWorkFolder() + image->thumbFileName());
        if (isFirstAlbum())
            image->setCaption(u"Enter your image caption here"_s);
    }
    m_thumbnailsPanelHeight = AlbumPhoto::ViewHeight;
    layoutThumbnails();
    selectImage(image, false);
    markDocumentModified();
    emit imagesChanged();
}

AlbumPhoto *Album::addNamedImage(const QString &sourcePath, const QString &bigName,
                                                      const QString &thumbName)
{
    auto *image = new AlbumPhoto;
    image->setAlbum(this);
    image->setSourcePath(sourcePath);
    image->setBigFileName(bigName);
    image->setThumbFileName(thumbName);
    m_images.append(image);
    return image;
}

bool Album::isFolderPictureEntry(const QString &name)
{
    static const QStringList extensions = {u".jpg"_s, u".jpeg"_s, u".gif"_s, u".bmp"_s, u".png"_s, u".tif"_s};
    return extensions.contains(fileExtension(name).toLower());
}

AddImagesResult Album::addImages(const QStringList &paths, const AddImagesOptions &options)
{
    ImportProgress *progress = options.progress ? options.progress : ImportProgress::current();
    AddImagesResult result;
    if (options.addFlow)
        progress->setTotal(int(paths.size()));

    // A photo on its way through the workers. Its names are foreseen when it is handed out (the
    // files of the photos before it count as made); they are checked again when it is added,
    // after the photos before it have really been made, and its files are written only then.
    struct Pending
    {
        qsizetype index = 0;
        QString sourcePath;
        AlbumPhoto::WorkingNames names;
        bool reserves = false; // its source exists, so it is expected to make its files
        std::shared_ptr<ImageImportQueue::Task> task;
    };
    std::deque<Pending> pending;
    QSet<QString> promised; // working names of pending photos that are expected to make files
    qsizetype next = 0;
    const auto importable = [&](qsizetype i) {
        return !options.folderEntries || isFolderPictureEntry(fileNamePart(paths[i]));
    };
    const auto thumbSourceFor = [](const QString &sourcePath, const QString &thumbName) -> QString {
        return includeTrailingSlash(QFileInfo(sourcePath).path()) + thumbName;
    };
    const size_t ahead = size_t(ImageImportQueue::workerCount()) + 1;
    const auto handOut = [&] {
        AlbumPhoto probe; // resolves paths against this album's gallery folder
        probe.setAlbum(this);
        while (pending.size() < ahead && next < paths.size()) {
            const qsizetype i = next++;
            if (!importable(i))
                continue;
            Pending p;
            p.index = i;
            p.sourcePath = probe.resolveSourcePath(paths[i]);
            p.names = AlbumPhoto::namesFor(fileNamePart(paths[i]), promised);
            p.reserves = QFileInfo(p.sourcePath).isFile();
            if (p.reserves) {
                promised.insert(p.names.big);
                promised.insert(p.names.thumb);
            }
            p.task = ImageImportQueue::start(ImportJob::withCurrentSettings(p.sourcePath, thumbSourceFor(p.sourcePath, p.names.thumb)));
            pending.push_back(std::move(p));
        }
    };
    const auto abandonPending = [&] {
        for (const Pending &p : pending)
            p.task->abandon();
    };

    const QPointer<Album> self(this);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (options.addFlow) {
            if (progress->cancelled()) {
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

        const QString name = fileNamePart(paths[i]);
        AlbumPhoto::reportLoading(progress, name);
        ImageImportQueue::wait(p.task);
        if (!self) { // the album went (with its images) while window events ran
            abandonPending();
            return AddImagesResult{{}, result.undecodable, true};
        }

        // The names AddImage would give now that every photo before this one is made.
        const AlbumPhoto::WorkingNames names = AlbumPhoto::namesFor(name);
        ImportOutcome outcome = p.task->Outcome();
        if (names != p.names) {
            const QString foreseen = thumbSourceFor(p.sourcePath, p.names.thumb);
            const QString actual = thumbSourceFor(p.sourcePath, names.thumb);
            if (QFileInfo(foreseen).isFile() || QFileInfo(actual).isFile())
                outcome = ImageProcessor::process(ImportJob::withCurrentSettings(p.sourcePath, actual));
        }
        if (outcome.result == ImportOutcome::Result::Undecodable) {
            result.undecodable.append(ImportFailure{p.sourcePath, outcome.failure});
            if (!options.keepUndecodable)
                continue;
        }

        auto *image = new AlbumPhoto;
        m_images.append(image);
        image->setAlbum(this);
        image->setSourcePath(p.sourcePath);
        image->setBigFileName(names.big);
        image->setThumbFileName(names.thumb);
        image->applyOutcome(outcome, progress);
        if (Document() && Document()->thumbnailStrip())
            Document()->thumbnailStrip()->refreshPreview();
        finishAddedImage(image);
        result.added.append(image);
    }
    abandonPending();
    return result;
}

AlbumPhoto *Album::takeImage(AlbumPhoto *image)
{
    if (!m_images.removeOne(image))
        return nullptr;
    image->setAlbum(nullptr);
    layoutThumbnails();
    markDocumentModified();
    emit imagesChanged();
    return image;
}

void Album::deleteImage(AlbumPhoto *image)
{
    if (!m_images.contains(image))
        return;
    image->deletePublishedFiles();
    delete takeImage(image);
}

void Album::moveImage(int from, int to)
{
    if (from < 0 || from >= m_images.size() || to < 0 || to >= m_images.size() || from == to)
        return;
    m_images.move(from, to);
    layoutThumbnails();
    markDocumentModified();
    emit imagesChanged();
}

void Album::selectImage(AlbumPhoto *image, bool extend)
{
    if (!extend) {
        for (AlbumPhoto *other : std::as_const(m_images))
            other->setSelected(false);
    }
    if (image)
        image->setSelected(extend ? !image->selected() : true);
    emit imageSelectionChanged();
}

QList<AlbumPhoto *> Album::selectedImages() const
{
    QList<AlbumPhoto *> selected;
    for (AlbumPhoto *image : m_images) {
        if (image->selected())
            selected.append(image);
    }
    return selected;
}

void Album::layoutThumbnails()
{
    int left = 2;
    for (AlbumPhoto *image : std::as_const(m_images)) {
        image->setViewLeft(left);
        left += AlbumPhoto::ViewWidth + 2;
    }
    m_thumbnailsPanelWidth = left;
}

QFont Album::labelFont(bool bold) const
{
    QFont font;
    if (!Document())
        return font;
    const AlbumMenuStyle *style = Document()->menuStyle();
    font.setFamily(style->fontFace());
    font.setPointSize(AlbumMenuStyle::labelPointSize(style->fontSize()));
    font.setBold(bold);
    return font;
}

void Album::layoutTile()
{
    if (!Document())
        return;
    const AlbumMenuStyle *style = Document()->menuStyle();
    const int pad = style->tilePadding();
    m_coverBox = QRect(pad, pad, style->coverWidth(), style->coverHeight());
    const int labelLeft = 2 * pad + style->coverWidth();
    m_nameLabel = QRect(labelLeft, 6, std::max(0, width() - labelLeft), QFontMetrics(labelFont(true)).height());
    const int descriptionTop = m_nameLabel.top() + m_nameLabel.height() + 4;
    m_descriptionLabel = QRect(labelLeft, descriptionTop, width() - labelLeft, height() - descriptionTop);
}

QString Album::writeImagesXml() const
{
    QString xml;
    for (qsizetype i = 0; i < m_images.size(); ++i) {
        const AlbumPhoto *image = m_images[i];
        const QString n = QString::number(i + 1);
        xml += xmlPathAttr(3, QString(u"image"_s + n), image->thumbFileName());
        xml += xmlPathAttr(3, QString(u"bigimage"_s + n), image->bigFileName());
        if (!image->link().isEmpty())
            xml += xmlTextAttr(3, QString(u"imagelink"_s + n), image->link());
        if (!image->caption().isEmpty())
            xml += xmlTextAttr(3, QString(u"imagecaption"_s + n), image->caption());
    }
    return xml;
}

QString Album::writeMenuEntryXml(int number) const
{
    const QString cat = u"cat"_s + QString::number(number);
    QString xml;
    xml += xmlAttr(3, QString(cat + u"link"_s), u"thumbs"_s + QString::number(number));
    xml += xmlTextAttr(3, QString(cat + u"name"_s), m_name);
    xml += xmlTextAttr(3, QString(cat + u"text"_s), m_description);
    xml += xmlPathAttr(3, QString(cat + u"image"_s), m_coverFileName);
    return xml;
}

QStringList Album::imageFileNames() const
{
    QStringList names;
    for (const AlbumPhoto *image : std::as_const(m_images))
        names << image->thumbFileName() << image->bigFileName();
    return names;
}

void Album::copyImagesTo(const QString &folder) const
{
    const QString work = AppFolders::imagesWorkFolder();
    for (const AlbumPhoto *image : m_images) {
        for (const QString &name : {image->bigFileName(), image->thumbFileName()}) {
            if (!QFileInfo(work + name).isFile()) {
                if (Document())
                    Document()->reportMissingImageFile(work + name);
                continue;
            }
            QFile::copy(work + name, folder + name); // never replaces a published file
        }
    }
}
