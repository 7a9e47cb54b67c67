#include "PhotoFixtures.h"

#include "support/TestSupport.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <climits>

QImage markedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(255, 0, 0));
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(0, 255, 0));
    return image;
}

QImage plainPicture(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QByteArray withExifOrientation(const QByteArray &jpeg, int orientation)
{
    // Big-endian TIFF header, IFD0 at offset 8 with one entry: orientation, SHORT, 1 value.
    QByteArray tiff("MM\0*\0\0\0\x08", 8);
    tiff += QByteArray("\0\x01", 2);
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8);
    tiff += char(0);
    tiff += char(orientation);
    tiff += QByteArray(2, '\0');
    tiff += QByteArray(4, '\0'); // no next IFD
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(body.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    segment += body;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray jpegBytes(const QImage &picture, const JpegFixture &options)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(options.quality);
    writer.setProgressiveScanWrite(options.progressive);
    writer.write(picture);
    if (options.exifOrientation)
        bytes = withExifOrientation(bytes, options.exifOrientation);
    return bytes;
}

QString makeJpeg(const QString &path, const QImage &picture, const JpegFixture &options)
{
    return writeFile(path, jpegBytes(picture, options));
}

QString makeJpeg(const QString &path, int width, int height, const JpegFixture &options)
{
    return makeJpeg(path, markedPicture(width, height), options);
}

// Qt reads GIF but does not write it: a small GIF89a writer with a four-colour palette (red,
// green, blue, white) whose LZW stream never grows past 3-bit codes (a clear code after every two
// pixels).
static QByteArray gifBytes(const QImage &picture)
{
    const QRgb palette[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    const auto nearest = [&](QRgb c) {
        int best = 0;
        int bestDistance = INT_MAX;
        for (int i = 0; i < 4; ++i) {
            const int d = std::abs(qRed(c) - qRed(palette[i])) + std::abs(qGreen(c) - qGreen(palette[i]))
                + std::abs(qBlue(c) - qBlue(palette[i]));
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return best;
    };
    const auto u16 = [](QByteArray &out, int v) {
        out += char(v & 0xFF);
        out += char(v >> 8);
    };
    QByteArray out("GIF89a");
    u16(out, picture.width());
    u16(out, picture.height());
    out += char(0x81); // global colour table of 4 entries
    out += char(0);
    out += char(0);
    for (QRgb c : palette) {
        out += char(qRed(c));
        out += char(qGreen(c));
        out += char(qBlue(c));
    }
    out += ',';
    u16(out, 0);
    u16(out, 0);
    u16(out, picture.width());
    u16(out, picture.height());
    out += char(0);
    out += char(2); // LZW minimum code size

    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](int c) {
        bits |= quint32(c) << count;
        count += 3;
        while (count >= 8) {
            data += char(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    };
    const int clear = 4;
    const int end = 5;
    int run = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (run % 2 == 0)
                code(clear);
            code(nearest(picture.pixel(x, y)));
            ++run;
        }
    }
    code(end);
    if (count > 0)
        data += char(bits & 0xFF);
    for (qsizetype pos = 0; pos < data.size(); pos += 255) {
        const QByteArray block = data.mid(pos, 255);
        out += char(block.size());
        out += block;
    }
    out += char(0);
    out += ';';
    return out;
}

QString makePicture(const QString &path, const QImage &picture, const char *format)
{
    if (qstrcmp(format, "gif") == 0)
        return writeFile(path, gifBytes(picture));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(picture);
    return writeFile(path, bytes);
}

char colourAt(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    if (c.red() > 200 && c.green() > 200 && c.blue() > 200)
        return 'w';
    if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
        return 'r';
    if (c.green() > 180 && c.red() < 80 && c.blue() < 80)
        return 'g';
    if (c.blue() > 180 && c.red() < 80 && c.green() < 80)
        return 'b';
    return '?';
}

QList<int> standardLuminanceTable(int quality)
{
    // ITU T.81 Annex K table K.1, in zig-zag order, scaled as libjpeg's jpeg_set_quality does
    // (values limited to 1..255 for baseline).
    static const int naturalK1[64] = {
        16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
        14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
        18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
        49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    static const int zigzag[64] = {
        0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
        12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
        35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
        58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
    const int scale = quality < 50 ? 5000 / quality : 200 - quality * 2;
    QList<int> table;
    for (int i = 0; i < 64; ++i) {
        int value = (naturalK1[zigzag[i]] * scale + 50) / 100;
        table.append(std::clamp(value, 1, 255));
    }
    return table;
}

QList<int> firstQuantTable(const QByteArray &jpeg)
{
    for (qsizetype pos = 2; pos + 4 < jpeg.size();) {
        if (uchar(jpeg[pos]) != 0xFF)
            return {};
        const int marker = uchar(jpeg[pos + 1]);
        const int length = (uchar(jpeg[pos + 2]) << 8) | uchar(jpeg[pos + 3]);
        if (marker == 0xDB) {
            QList<int> table;
            const qsizetype start = pos + 5; // after the precision/table-id byte
            for (int i = 0; i < 64 && start + i < jpeg.size(); ++i)
                table.append(uchar(jpeg[start + i]));
            return table;
        }
        if (marker == 0xDA)
            return {};
        pos += 2 + length;
    }
    return {};
}
