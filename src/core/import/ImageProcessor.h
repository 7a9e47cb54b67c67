#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// The picture work of one import (ProcessImage steps 3 to 9 without the file
// writes): decode the source once, at the smallest size its outputs need (libjpeg's DCT scaling
// through QImageReader::setScaledSize), resample it to exactly the big image's and the
// thumbnail's sizes, and encode them as baseline JPEG at quality 80. The EXIF orientation is
// applied, and every size is decided on the upright picture.
//
// Process touches no shared state and writes no file: workers run it for a batch, and the window
// thread writes its results in order (AlbumPhoto::ApplyOutcome).

// What ProcessImage needs to know, taken on the window thread.
struct ImportJob
{
    QString source;      // the file given to ProcessImage
    QString thumbSource; // folder of sourcePath + thumbFileName: a thumbnail that may lie there
    bool resizeImages = true;
    int maxWidth = 800;
    int maxHeight = 600;
    int thumbWidth = 150;
    int thumbHeight = 100;

    // A job with the run's ImageResizeSettings.
    static ImportJob withCurrentSettings(const QString &source, const QString &thumbSource);
};

struct ImportOutcome
{
    enum class Result {
        NoSource,    // no file at source: nothing is made (step 1)
        Undecodable, // the file exists but is no picture that can be decoded: nothing is made
        Made,        // the files can be written
    };
    Result result = Result::NoSource;
    QString source;  // the job's source
    QString failure; // why the file cannot be decoded (Undecodable)

    QSize sourceSize;         // upright size of the source picture
    bool bigScaled = false;   // step 4 scaled (progress 40 and 60)
    bool bigEncoded = false;  // false: the big image is a byte-for-byte copy of source
    QSize bigSize;
    QByteArray bigJpeg;

    bool thumbScaled = false; // step 8 scaled (progress 70 and 100, "Done")
    bool thumbEncoded = false;
    bool thumbFromBeside = false; // the thumbnail was made from thumbSource
    QString thumbCopyFrom;        // the file copied as the thumbnail when it is not encoded
    QSize thumbSize;
    QByteArray thumbJpeg;
};

// A file that exists but could not be imported, with the reason.
struct ImportFailure
{
    QString path;
    QString reason;

    // The one message that lists every such file of a run. keptInAlbums: the files stay in their
    // albums without pictures (a gallery being opened); otherwise they were not added.
    static QString Message(const QList<ImportFailure> &failures, bool keptInAlbums);
};

class ImageProcessor
{
public:
    static constexpr int JpegQuality = 80;
    // The most memory one decoded picture may take (QImageReader's allocation limit, in MB).
    static constexpr int AllocationLimitMB = 512;
    // The largest stored picture (in pixels) that is decoded at all.
    static constexpr qint64 MaxSourcePixels = qint64(256) * 1024 * 1024;

    static ImportOutcome process(const ImportJob &job);

    // Rounds to the nearest integer, exact halves to the even neighbour.
    static int roundHalfEven(double value);
    // The scaling rule: a picture at least as tall as wide is brought to boundHeight,
    // a wider one to boundWidth, keeping its aspect ratio.
    static QSize scaleByOrientation(QSize size, int boundWidth, int boundHeight);
    // Step 4: the big image's size; scaled tells whether it is scaled at all.
    static QSize bigImageSize(QSize size, const ImportJob &job, bool *scaled);
    // Step 8: the thumbnail's size.
    static QSize thumbnailSize(QSize size, const ImportJob &job, bool *scaled);

    // A baseline (never progressive) JPEG at quality 80; empty when encoding fails.
    static QByteArray encodeJpeg(const QImage &image);
    // JPEG has no transparency: transparent parts turn white rather than black.
    static QImage onWhite(const QImage &picture);
    // The case-sensitive extension test of steps 5 and 9.
    static bool hasJpgExtension(const QString &path);
};
