#pragma once

#include <QString>

class FThummnailCatagory;

// One photo of an album: its working files (a big image and a thumbnail), caption and link.
class FThummnailImageData
{
public:
    FThummnailImageData() = default;

    QString sourcePath;
    QString bigFileName;
    QString thumbFileName;
    QString caption;
    QString link;
    FThummnailCatagory *album = nullptr;
    bool selected = false;
    int viewLeft = 2; // left edge of the thumbnail view in the album's thumbnails panel

    static constexpr int ViewWidth = 100;
    static constexpr int ViewHeight = 100;

    // Names the image's working files after the picture at path.
    void ImportImage(const QString &path);
    // Forgets the published copies of the image's files: the next save removes them.
    void DeletePublishedFiles();

private:
    QString GalleryFolder() const;
};
