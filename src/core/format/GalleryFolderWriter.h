#pragma once

#include <QString>

class GalleryDocument;

// Writes a gallery's output set into a folder: the gallery file, the HTML page, the player,
// the sounds and the images folder.
class GalleryFolderWriter
{
public:
    explicit GalleryFolderWriter(GalleryDocument &gallery) : m_gallery(gallery) {}

    // folder + base name + extension, or the empty text when that is too long for the file system.
    static QString buildOutputPath(const QString &folder, const QString &baseName, const QString &extension);

    // The object/embed code for the gallery's size and a movie file name.
    static QString buildSnippet(const QString &width, const QString &height, const QString &movie);
    static QString buildPage(const QString &snippet);

    // Throws InOutError when the images folder, the gallery file or the page cannot be written;
    // the previous files then stay as they were.
    void writeOutput(const QString &folder, const QString &baseName, bool forPreview);

private:
    void writeTextFile(const QString &path, const QString &text) const;
    void copyPlayer(const QString &folder, const QString &baseName) const;
    void copyMedia(const QString &folder, const QString &images) const;
    void removeForgottenImages(const QString &folder, const QString &images) const;

    GalleryDocument &m_gallery;
};
