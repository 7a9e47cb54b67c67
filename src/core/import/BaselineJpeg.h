#pragma once

#include <QString>

// The player movie takes baseline JPEG pictures only. These tell whether a picture file can be
// used as it is and turn any other picture into one.
class BaselineJpeg
{
public:
    // The format the file's content names ("JPEG", "PNG", ...), empty when it is not a picture.
    static QString formatName(const QString &path);
    // Reads the frame marker of a JPEG file without decoding it.
    static bool isProgressive(const QString &path);
    // A JPEG file that is not progressive.
    static bool isUsableAsIs(const QString &path);
    // Decodes source and writes it at target as a baseline JPEG; an existing target is replaced
    // only once the new file is complete. False with the reason in error on failure.
    static bool saveAsBaseline(const QString &source, const QString &target, QString *error);
};
