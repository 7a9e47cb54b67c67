#pragma once

#include <QString>

class FflashMovie;

// Writes a gallery's output set into a folder: the gallery file, the HTML page, the player,
// the sounds and the images folder.
class GalleryWriter
{
public:
    explicit GalleryWriter(FflashMovie &gallery) : m_gallery(gallery) {}

    // folder + base name + extension, or the empty text when that is too long for the file system.
    static QString BuildOutputPath(const QString &folder, const QString &baseName, const QString &extension);

    // The object/embed code for the gallery's size and a movie file name.
    static QString BuildSnippet(const QString &width, const QString &height, const QString &movie);
    static QString BuildPage(const QString &snippet);

    // Throws InOutError when the images folder, the gallery file or the page cannot be written;
    // the previous files then stay as they were.
    void WriteOutput(const QString &folder, const QString &baseName, bool forPreview);

private:
    void WriteTextFile(const QString &path, const QString &text) const;
    void CopyPlayer(const QString &folder, const QString &baseName) const;
    void CopyMedia(const QString &folder, const QString &images) const;
    void RemoveForgottenImages(const QString &folder, const QString &images) const;

    FflashMovie &m_gallery;
};
