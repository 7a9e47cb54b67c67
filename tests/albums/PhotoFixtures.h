#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

// Pictures made at run time for the import tests.

// The top-left quarter red, the top-right quarter green, the rest blue: after any rotation the
// corners tell which way up a picture is.
QImage markedPicture(int width, int height);
// A single colour.
QImage plainPicture(int width, int height, QColor color);

struct JpegFixture
{
    int quality = 90;
    bool progressive = false;
    int exifOrientation = 0; // 1 to 8: an EXIF APP1 segment with that orientation tag
};
QByteArray jpegBytes(const QImage &picture, const JpegFixture &options = {});
// Inserts an EXIF APP1 segment with an orientation tag right after SOI.
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation);
// Writes a JPEG (folders created); returns the path.
QString makeJpeg(const QString &path, const QImage &picture, const JpegFixture &options = {});
QString makeJpeg(const QString &path, int width, int height, const JpegFixture &options = {});
// Writes a picture in the format its extension names (png, gif, bmp, tif); returns the path.
QString makePicture(const QString &path, const QImage &picture, const char *format);

// The dominant colour class of a pixel: 'r', 'g', 'b', 'w' (white), or '?'.
char colourAt(const QImage &image, int x, int y);

// The 64 quantisation values libjpeg uses for its standard luminance table at a quality.
QList<int> standardLuminanceTable(int quality);
// The first quantisation table of a JPEG file, in file (zig-zag) order.
QList<int> firstQuantTable(const QByteArray &jpeg);
