#pragma once

#include <QByteArray>
#include <QString>

// What the markers of a JPEG file tell without decoding it: its frame type (baseline,
// progressive, ...), its stored size, its EXIF orientation and whether its data is complete.
struct JpegMarkers
{
    bool isJpeg = false;      // starts with SOI and has a frame header (SOFn)
    int frameMarker = 0;      // 0xC0 baseline, 0xC1 extended, 0xC2 progressive, ...
    int width = 0;            // as stored (before any EXIF orientation)
    int height = 0;
    int exifOrientation = 0;  // 1 to 8 when the file has an EXIF orientation tag, else 0
    bool complete = false;    // an end-of-image marker follows the first scan's data

    bool isBaseline() const { return frameMarker == 0xC0; }
    bool isProgressive() const
    {
        return frameMarker == 0xC2 || frameMarker == 0xC6 || frameMarker == 0xCA || frameMarker == 0xCE;
    }

    static JpegMarkers read(const QByteArray &data);
    static JpegMarkers readFile(const QString &path);
    // True when data starts with the JPEG start-of-image marker.
    static bool looksLikeJpeg(const QByteArray &data);
};
