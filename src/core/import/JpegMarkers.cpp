#include "JpegMarkers.h"

#include <QFile>

#include <cstring>

namespace {

int U16(const uchar *p, bool bigEndian)
{
    return bigEndian ? (p[0] << 8) | p[1] : (p[1] << 8) | p[0];
}

quint32 U32(const uchar *p, bool bigEndian)
{
    return bigEndian ? (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3]
                     : (quint32(p[3]) << 24) | (quint32(p[2]) << 16) | (quint32(p[1]) << 8) | p[0];
}

// The orientation tag (0x0112) of IFD0 of an APP1 "Exif" segment's body.
int readExifOrientation(const uchar *body, qsizetype size)
{
    if (size < 6 + 8 || std::memcmp(body, "Exif\0\0", 6) != 0)
        return 0;
    const uchar *tiff = body + 6;
    const qsizetype tiffSize = size - 6;
    bool bigEndian;
    if (tiff[0] == 'M' && tiff[1] == 'M')
        bigEndian = true;
    else if (tiff[0] == 'I' && tiff[1] == 'I')
        bigEndian = false;
    else
        return 0;
    const quint32 ifd = U32(tiff + 4, bigEndian);
    if (ifd + 2 > quint64(tiffSize))
        return 0;
    const int entries = U16(tiff + ifd, bigEndian);
    for (int i = 0; i < entries; ++i) {
        const quint64 entry = ifd + 2 + quint64(i) * 12;
        if (entry + 12 > quint64(tiffSize))
            return 0;
        if (U16(tiff + entry, bigEndian) == 0x0112 && U16(tiff + entry + 2, bigEndian) == 3) {
            const int value = U16(tiff + entry + 8, bigEndian);
            return value >= 1 && value <= 8 ? value : 0;
        }
    }
    return 0;
}

// Whether FF D9 occurs in [from, end). Searched from the end, where a complete file has it (at
// most followed by a few bytes), so that a whole file is scanned only when it is cut off.
bool findEndOfImage(const uchar *from, const uchar *end)
{
    while (end - from >= 2) {
        const auto *ff = static_cast<const uchar *>(memrchr(from, 0xFF, size_t(end - 1 - from)));
        if (!ff)
            return false;
        if (ff[1] == 0xD9)
            return true;
        end = ff + 1; // look before this 0xFF next
    }
    return false;
}

bool isFrameMarker(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

bool JpegMarkers::looksLikeJpeg(const QByteArray &data)
{
    return data.size() >= 3 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xD8 && uchar(data[2]) == 0xFF;
}

JpegMarkers JpegMarkers::read(const QByteArray &data)
{
    JpegMarkers info;
    if (!looksLikeJpeg(data))
        return info;
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype size = data.size();
    qsizetype pos = 2;
    while (pos + 4 <= size) {
        if (p[pos] != 0xFF)
            return info; // not a marker where one must be
        int marker = p[pos + 1];
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2; // markers without a length
            continue;
        }
        if (marker == 0xD9)
            return info; // end of image before any scan
        const int length = (p[pos + 2] << 8) | p[pos + 3];
        if (length < 2 || pos + 2 + length > size)
            return info; // segment cut off
        const uchar *body = p + pos + 4;
        const qsizetype bodySize = length - 2;
        if (isFrameMarker(marker) && bodySize >= 5 && info.frameMarker == 0) {
            info.frameMarker = marker;
            info.height = (body[1] << 8) | body[2];
            info.width = (body[3] << 8) | body[4];
        } else if (marker == 0xE1 && info.exifOrientation == 0) {
            info.exifOrientation = readExifOrientation(body, bodySize);
        } else if (marker == 0xDA) {
            // Entropy-coded data follows; inside it 0xFF is always followed by 0x00 or a restart
            // marker, and later scans of a progressive file begin with other markers, so the
            // first FF D9 from here on is the end of the image.
            info.isJpeg = info.frameMarker != 0;
            info.complete = findEndOfImage(p + pos + 2 + length, p + size);
            return info;
        }
        pos += 2 + length;
    }
    return info;
}

JpegMarkers JpegMarkers::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return JpegMarkers();
    return read(file.readAll());
}
