#pragma once

#include "PhotoFixtures.h"
#include "Album.h"
#include "AlbumPhoto.h"
#include "ImageResizeSettings.h"
#include "ImportProgress.h"
#include "AppFolders.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// Records every progress call as text ("status:Loading...", "image:a.jpg", "percent:10", ...).
class RecordingProgress : public ImportProgress
{
public:
    QStringList calls;
    int total = -1;
    int counter = 0;
    int cancelAfterSteps = -1; // Cancel "pressed" while the file of that step imports

    void setTotal(int count) override { total = count; counter = 0; calls << QStringLiteral("total:%1").arg(count); }
    void Step() override { ++counter; calls << QStringLiteral("step:%1").arg(counter); }
    bool cancelled() const override { return cancelAfterSteps >= 0 && counter >= cancelAfterSteps; }
    void setStatus(const QString &text) override { calls << QStringLiteral("status:") + text; }
    void setCurrentImage(const QString &name) override { calls << QStringLiteral("image:") + name; }
    void setPercent(int percent) override { calls << QStringLiteral("percent:%1").arg(percent); }

    QStringList import() const // the calls without those of the add-images flow
    {
        QStringList import;
        for (const QString &call : calls)
            if (!call.startsWith(QStringLiteral("step:")) && !call.startsWith(QStringLiteral("total:")))
                import << call;
        return import;
    }
};

// A new gallery with its first album, its own application folder and a folder for photos.
class ImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setupApp(m_dir.path() + QStringLiteral("/app"));
        ImageResizeSettings &settings = ImageResizeSettings::instance();
        settings.resizeImages = true;
        settings.maxWidth = 800;
        settings.maxHeight = 600;
        newGallery();
        ImportProgress::setCurrent(&progress);
    }
    void TearDown() override
    {
        ImportProgress::setCurrent(nullptr);
        ImageResizeSettings::instance().resizeImages = true;
    }

    // AppFolders::Setup in a fresh application folder.
    static void setupApp(const QString &app)
    {
        QDir().mkpath(app);
        AppFolders::setup(app);
    }

    void newGallery()
    {
        gallery = std::make_unique<GalleryDocument>();
        gallery->resetAsNewGallery();
        album = gallery->thumbnailStrip()->albums().first();
    }

    QString photo(const QString &name) const { return m_dir.path() + QStringLiteral("/photos/") + name; }
    QString work(const QString &name) const { return AppFolders::imagesWorkFolder() + name; }
    QImage big(const AlbumPhoto *image) const { return QImage(work(image->bigFileName())); }
    QImage thumb(const AlbumPhoto *image) const { return QImage(work(image->thumbFileName())); }
    QByteArray bigBytes(const AlbumPhoto *image) const { return readFile(work(image->bigFileName())); }
    QByteArray thumbBytes(const AlbumPhoto *image) const { return readFile(work(image->thumbFileName())); }
    bool hasFiles(const AlbumPhoto *image) const
    {
        return QFileInfo(work(image->bigFileName())).isFile() && QFileInfo(work(image->thumbFileName())).isFile();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<GalleryDocument> gallery;
    Album *album = nullptr;
    RecordingProgress progress;
};
