#include "FThummnailCatagory.h"

#include "FCatagoryMenuStyle.h"
#include "FThummnailImageData.h"
#include "app/AppFolders.h"
#include "app/Utils.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
#include "gallery/XmlText.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>

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
    image->ImportImage(path);
    if (m_images.size() == 1) {
        SetCover(AppFolders::ImagesWorkFolder() + image->thumbFileName);
        if (IsFirstAlbum())
            image->caption = u"Enter your image caption here"_s;
    }
    m_thumbnailsPanelHeight = FThummnailImageData::ViewHeight;
    LayoutThumbnails();
    SelectImage(image, false);
    MarkDocumentModified();
    if (Document() && Document()->ThumbnailStrip())
        Document()->ThumbnailStrip()->RefreshPreview();
    emit ImagesChanged();
    return image;
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
