#include "ImageProcessor.h"

#include "ImageResizeSettings.h"
#include "JpegMarkers.h"
#include "Utils.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

ImportJob ImportJob::withCurrentSettings(const QString &source, const QString &thumbSource)
{
    const ImageResizeSettings &settings = ImageResizeSettings::instance();
    ImportJob job;
    job.source = source;
    job.thumbSource = thumbSource;
    job.resizeImages = settings.resizeImages;
    job.maxWidth = settings.maxWidth;
    job.maxHeight = settings.maxHeight;
    job.thumbWidth = settings.thumbWidth;
    job.thumbHeight = settings.thumbHeight;
    return job;
}

QString ImportFailure::Message(const QList<ImportFailure> &failures, bool keptInAlbums)
{
    if (failures.isEmpty())
        return QString();
    QString text = keptInAlbums
        ? (failures.size() == 1
               ? u"This photo could not be read as a picture. It stays in its album without a picture:"_s
               : u"These %1 photos could not be read as pictures. They stay in their albums without pictures:"_s.arg(failures.size()))
        : (failures.size() == 1
               ? u"This file could not be read as a picture and was not added:"_s
               : u"These %1 files could not be read as pictures and were not added:"_s.arg(failures.size()));
    text += u'\n';
    for (const ImportFailure &failure : failures)
        text += u"\n"_s + failure.path + u" ("_s + failure.reason + u')';
    return text;
}

QImage ImageProcessor::onWhite(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat;
}

int ImageProcessor::roundHalfEven(double value)
{
    // The default floating-point rounding mode rounds exact halves to the even neighbour.
    return int(std::nearbyint(value));
}

QSize ImageProcessor::scaleByOrientation(QSize size, int boundWidth, int boundHeight)
{
    const int w = size.width();
    const int h = size.height();
    const double f = h >= w ? double(boundHeight) / h : double(boundWidth) / w;
    return QSize(roundHalfEven(w * f), roundHalfEven(h * f));
}

QSize ImageProcessor::bigImageSize(QSize size, const ImportJob &job, bool *scaled)
{
    *scaled = false;
    if (!job.resizeImages || size.width() <= 0 || size.height() <= 0)
        return size;
    if (size.width() <= job.maxWidth && size.height() <= job.maxHeight)
        return size;
    *scaled = true;
    return scaleByOrientation(size, job.maxWidth, job.maxHeight);
}

QSize ImageProcessor::thumbnailSize(QSize size, const ImportJob &job, bool *scaled)
{
    *scaled = false;
    if (size.width() <= 0 || size.height() <= 0)
        return size;
    if (size == QSize(job.thumbWidth, job.thumbHeight))
        return size;
    *scaled = true;
    return scaleByOrientation(size, job.thumbWidth, job.thumbHeight);
}

bool ImageProcessor::hasJpgExtension(const QString &path)
{
    return fileExtension(path) == u".jpg"_s;
}

QByteArray ImageProcessor::encodeJpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(JpegQuality);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image))
        return QByteArray();
    return bytes;
}

namespace {

// A picture file read into memory, with what its header tells.
class PictureFile
{
public:
    QString failure;
    QSize stored;  // as stored in the file
    QSize upright; // after the EXIF (or TIFF) orientation
    bool rotated = false;
    bool isJpeg = false;

    bool open(const QString &path)
    {
        // Mapped rather than read: the decoder reads the pages straight from the file cache.
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly))
            return fail(u"the file cannot be read: "_s + m_file.errorString());
        const qint64 size = m_file.size();
        if (uchar *mapped = size > 0 ? m_file.map(0, size) : nullptr)
            m_data = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), qsizetype(size));
        else
            m_data = m_file.readAll();
        m_buffer.setBuffer(&m_data);
        m_buffer.open(QIODevice::ReadOnly);
        startReader();
        if (m_data.isEmpty())
            return fail(u"the file is empty"_s);
        if (!m_reader.canRead())
            return fail(u"not a picture in a format Fotovia reads"_s);
        isJpeg = m_reader.format() == "jpeg";
        if (isJpeg) {
            const JpegMarkers markers = JpegMarkers::read(m_data);
            if (!markers.isJpeg)
                return fail(u"the JPEG data is damaged"_s);
            if (!markers.complete)
                return fail(u"the file is incomplete: its picture data is cut off"_s);
        }
        stored = m_reader.size();
        if (!stored.isValid()) {
            // A format whose header tells no size: decode it whole.
            m_read = true;
            m_whole = m_reader.read();
            if (m_whole.isNull())
                return fail(decodeFailure(QSize()));
            upright = m_whole.size();
            stored = upright;
        } else {
            rotated = m_reader.transformation() & QImageIOHandler::TransformationRotate90;
            upright = rotated ? stored.transposed() : stored;
        }
        if (stored.width() <= 0 || stored.height() <= 0)
            return fail(u"the picture has no pixels"_s);
        if (qint64(stored.width()) * stored.height() > ImageProcessor::MaxSourcePixels)
            return fail(tooLarge());
        return true;
    }

    // The upright picture at exactly size, decoded once (at a reduced size where the format
    // allows it), on white where it is transparent.
    QImage decode(QSize size)
    {
        QImage picture;
        if (!m_whole.isNull()) {
            picture = m_whole;
        } else {
            if (m_read)
                startReader(); // a reader decodes its picture once
            m_read = true;
            if (size != upright)
                m_reader.setScaledSize(rotated ? size.transposed() : size);
            picture = m_reader.read();
        }
        if (picture.isNull()) {
            failure = decodeFailure(size);
            return picture;
        }
        if (picture.hasAlphaChannel()) {
            picture = ImageProcessor::onWhite(picture);
        } else if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_Grayscale8) {
            picture = picture.convertToFormat(QImage::Format_RGB32);
        }
        if (picture.size() != size)
            picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return picture;
    }

private:
    void startReader()
    {
        m_buffer.seek(0);
        m_reader.setDevice(&m_buffer);
        m_reader.setAutoTransform(true);
        m_reader.setAllocationLimit(ImageProcessor::AllocationLimitMB);
    }

    bool fail(const QString &text)
    {
        failure = text;
        return false;
    }

    QString tooLarge() const
    {
        return u"the picture is too large to decode (%1 x %2 pixels)"_s.arg(stored.width()).arg(stored.height());
    }

    QString decodeFailure(QSize size) const
    {
        // JPEG decodes at a reduced size (at most 8 times smaller); other formats whole.
        const QSize allocated = isJpeg && size.isValid() ? QSize((stored.width() + 7) / 8, (stored.height() + 7) / 8) : stored;
        if (qint64(allocated.width()) * allocated.height() * 4 > qint64(ImageProcessor::AllocationLimitMB) * 1024 * 1024)
            return tooLarge();
        return u"the picture data cannot be decoded"_s;
    }

    QFile m_file; // declared first: the mapping outlives the buffer and reader that use it
    QByteArray m_data;
    QBuffer m_buffer;
    QImageReader m_reader;
    QImage m_whole;
    bool m_read = false;
};

QImage resampled(const QImage &picture, QSize size)
{
    return picture.size() == size ? picture : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool covers(QSize outer, QSize inner)
{
    return outer.width() >= inner.width() && outer.height() >= inner.height();
}

} // namespace

ImportOutcome ImageProcessor::process(const ImportJob &job)
{
    ImportOutcome outcome;
    outcome.source = job.source;
    if (!QFileInfo(job.source).isFile())
        return outcome; // NoSource

    PictureFile source;
    if (!source.open(job.source)) {
        outcome.result = ImportOutcome::Result::Undecodable;
        outcome.failure = source.failure;
        return outcome;
    }
    const bool jpgName = hasJpgExtension(job.source);
    outcome.sourceSize = source.upright;

    // Step 4 and 5: the big image, scaled on its upright size.
    outcome.bigSize = bigImageSize(source.upright, job, &outcome.bigScaled);
    outcome.bigEncoded = outcome.bigScaled || !jpgName;

    // Steps 6 to 9: the thumbnail, from a thumbnail lying beside the source when there is one.
    PictureFile beside;
    outcome.thumbFromBeside = job.thumbSource != job.source && QFileInfo(job.thumbSource).isFile()
        && beside.open(job.thumbSource);
    const QSize thumbOrigin = outcome.thumbFromBeside ? beside.upright : source.upright;
    outcome.thumbSize = thumbnailSize(thumbOrigin, job, &outcome.thumbScaled);
    outcome.thumbEncoded = outcome.thumbScaled || !jpgName;
    outcome.thumbCopyFrom = outcome.thumbFromBeside ? job.thumbSource : job.source;

    // Decode the source once, at the smallest size that its outputs need.
    const bool thumbFromSource = outcome.thumbEncoded && !outcome.thumbFromBeside;
    QSize decodeSize;
    if (outcome.bigEncoded)
        decodeSize = thumbFromSource && !covers(outcome.bigSize, outcome.thumbSize) ? source.upright : outcome.bigSize;
    else if (thumbFromSource)
        decodeSize = outcome.thumbSize;
    else if (!source.isJpeg)
        decodeSize = scaleByOrientation(source.upright, job.thumbWidth, job.thumbHeight); // only to see that it decodes
    // (A JPEG copied with its beside thumbnail or as it is needs no pixels: its markers were
    // checked when it was opened.)

    QImage picture;
    if (decodeSize.isValid()) {
        picture = source.decode(decodeSize);
        if (picture.isNull()) {
            outcome.result = ImportOutcome::Result::Undecodable;
            outcome.failure = source.failure;
            return outcome;
        }
    }

    QImage big;
    if (outcome.bigEncoded) {
        big = resampled(picture, outcome.bigSize);
        outcome.bigJpeg = encodeJpeg(big);
    }

    if (outcome.thumbEncoded) {
        QImage from;
        if (outcome.thumbFromBeside) {
            from = beside.decode(outcome.thumbSize);
            if (from.isNull()) {
                // A damaged thumbnail beside the source: make it from the source instead.
                outcome.thumbFromBeside = false;
                outcome.thumbCopyFrom = job.source;
                outcome.thumbSize = thumbnailSize(source.upright, job, &outcome.thumbScaled);
                outcome.thumbEncoded = outcome.thumbScaled || !jpgName;
            }
        }
        if (outcome.thumbEncoded && from.isNull()) {
            if (!big.isNull() && covers(big.size(), outcome.thumbSize))
                from = big;
            else if (!picture.isNull() && covers(picture.size(), outcome.thumbSize))
                from = picture;
            else
                from = source.decode(outcome.thumbSize); // a second decode only in this rare case
            if (from.isNull()) {
                outcome.result = ImportOutcome::Result::Undecodable;
                outcome.failure = source.failure;
                return outcome;
            }
        }
        if (outcome.thumbEncoded)
            outcome.thumbJpeg = encodeJpeg(resampled(from, outcome.thumbSize));
    }
    outcome.result = ImportOutcome::Result::Made;
    return outcome;
}
