#include "BaselineJpeg.h"

#include "ImageProcessor.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QString BaselineJpeg::formatName(const QString &path)
{
    QImageReader reader(path);
    // The name of a file says nothing about what it holds.
    reader.setDecideFormatFromContent(true);
    return QString::fromLatin1(reader.format()).toUpper();
}

namespace {
enum class Frame { None, Sequential, Progressive };

// The kind of the first frame header of a JPEG file; None when the file has none before its
// image data, or is no JPEG file at all.
Frame findFrame(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Frame::None;
    auto readByte = [&file](int *value) {
        char c;
        if (!file.getChar(&c))
            return false;
        *value = uchar(c);
        return true;
    };
    int first = 0;
    int second = 0;
    if (!readByte(&first) || !readByte(&second) || first != 0xFF || second != 0xD8)
        return Frame::None;
    for (;;) {
        int byte = 0;
        if (!readByte(&byte))
            return Frame::None;
        if (byte != 0xFF)
            continue; // not at a marker: tolerate stray bytes between segments
        int marker = 0xFF;
        while (marker == 0xFF) { // fill bytes
            if (!readByte(&marker))
                return Frame::None;
        }
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue; // markers without a segment
        if (marker == 0xD9 || marker == 0xDA)
            return Frame::None; // image data begins before any frame header
        int high = 0;
        int low = 0;
        if (!readByte(&high) || !readByte(&low))
            return Frame::None;
        const int length = (high << 8) | low;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8
                           && marker != 0xCC;
        if (frame)
            return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE ? Frame::Progressive
                                                                                     : Frame::Sequential;
        if (length < 2 || !file.seek(file.pos() + length - 2))
            return Frame::None;
    }
}
} // namespace

bool BaselineJpeg::isProgressive(const QString &path)
{
    return findFrame(path) == Frame::Progressive;
}

bool BaselineJpeg::isUsableAsIs(const QString &path)
{
    // A file whose frame header cannot be found fails the test like any unreadable picture.
    return formatName(path).startsWith(u"JPEG"_s) && findFrame(path) == Frame::Sequential;
}

bool BaselineJpeg::saveAsBaseline(const QString &source, const QString &target, QString *error)
{
    QImageReader reader(source);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull()) {
        if (error)
            *error = reader.errorString();
        return false;
    }
    picture = ImageProcessor::onWhite(picture);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, "jpeg");
    writer.setProgressiveScanWrite(false);
    if (!writer.write(picture)) {
        if (error)
            *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
