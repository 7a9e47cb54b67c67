#pragma once

#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>

class Album;
class ImportProgress;
struct ImportOutcome;

// One photo of an album: its working files (a big image and a thumbnail), caption and link.
class AlbumPhoto : public QObject
{
    Q_OBJECT
public:
    AlbumPhoto() = default;

    QString sourcePath() const { return m_sourcePath; }
    QString bigFileName() const { return m_bigFileName; }
    QString thumbFileName() const { return m_thumbFileName; }
    QString caption() const { return m_caption; }
    QString link() const { return m_link; }
    // What the gallery file records: a change marks the gallery modified and sends changed().
    void setSourcePath(const QString &path);
    void setBigFileName(const QString &name);
    void setThumbFileName(const QString &name);
    void setCaption(const QString &text);
    void setLink(const QString &link);

    // View and import state, not saved: changing it leaves the gallery unmodified.
    Album *album() const { return m_album; }
    void setAlbum(Album *album) { m_album = album; }
    bool selected() const { return m_selected; }
    void setSelected(bool value) { m_selected = value; }
    // Left edge of the thumbnail view in the album's thumbnails panel.
    int viewLeft() const { return m_viewLeft; }
    void setViewLeft(int value) { m_viewLeft = value; }
    // The file at sourcePath exists but could not be decoded (the image has names but no files,
    // as for a missing file); undecodableReason tells why.
    bool undecodable() const { return m_undecodable; }
    QString undecodableReason() const { return m_undecodableReason; }
    void setUndecodable(bool value, const QString &reason = {});

    static constexpr int ViewWidth = 100;
    static constexpr int ViewHeight = 100;

    // Names the image's working files after the picture at path and makes them, with
    // the progress calls (to ImportProgress::current()).
    void importImage(const QString &path);
    // The second half of ImportImage: makes the files from source.
    void processImage(const QString &source);
    // Forgets the published copies of the image's files: the next save removes them.
    void deletePublishedFiles();

    // The working file of the thumbnail, and its picture for the thumbnail view (a null picture
    // when the image has no files).
    QString thumbnailPath() const;
    QImage loadThumbnail() const;

    // The source path that ImportImage takes for path: path itself when a file is there,
    // otherwise the gallery's folder followed by its file name (step 3).
    QString resolveSourcePath(const QString &path) const;

    struct WorkingNames
    {
        QString big;
        QString thumb;
        bool operator==(const WorkingNames &) const = default;
    };
    // Steps 4 to 7: the working names for a picture file name, unique in the working images
    // folder; names in taken count as taken too (the files that earlier images of a batch are
    // about to write).
    static WorkingNames namesFor(const QString &fileName, const QSet<QString> &taken = {});

    // Writes the results of ImageProcessor::Process as steps 3 to 9 do, with their progress
    // calls (from bar 30 on), into the working images folder.
    void applyOutcome(const ImportOutcome &outcome, ImportProgress *progress);
    // Step 2's progress calls.
    static void reportLoading(ImportProgress *progress, const QString &name);

signals:
    void changed();

private:
    QString GalleryFolder() const;
    void refreshStripPreview() const;
    void assign(QString &member, const QString &value);

    QString m_sourcePath;
    QString m_bigFileName;
    QString m_thumbFileName;
    QString m_caption;
    QString m_link;
    Album *m_album = nullptr;
    bool m_selected = false;
    int m_viewLeft = 2;
    bool m_undecodable = false;
    QString m_undecodableReason;
};
