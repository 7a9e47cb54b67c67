#pragma once

#include "PhotoFixtures.h"
#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailImageData.h"
#include "albums/ImageResizeSettings.h"
#include "albums/ImportProgress.h"
#include "app/AppFolders.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"
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

    void SetTotal(int count) override { total = count; counter = 0; calls << QStringLiteral("total:%1").arg(count); }
    void Step() override { ++counter; calls << QStringLiteral("step:%1").arg(counter); }
    bool Cancelled() const override { return cancelAfterSteps >= 0 && counter >= cancelAfterSteps; }
    void SetStatus(const QString &text) override { calls << QStringLiteral("status:") + text; }
    void SetCurrentImage(const QString &name) override { calls << QStringLiteral("image:") + name; }
    void SetPercent(int percent) override { calls << QStringLiteral("percent:%1").arg(percent); }

    QStringList Import() const // the calls without those of the add-images flow
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
        SetupApp(m_dir.path() + QStringLiteral("/app"));
        ImageResizeSettings &settings = ImageResizeSettings::Instance();
        settings.resizeImages = true;
        settings.maxWidth = 800;
        settings.maxHeight = 600;
        NewGallery();
        ImportProgress::SetCurrent(&progress);
    }
    void TearDown() override
    {
        ImportProgress::SetCurrent(nullptr);
        ImageResizeSettings::Instance().resizeImages = true;
    }

    // AppFolders::Setup in a fresh application folder.
    static void SetupApp(const QString &app)
    {
        QDir().mkpath(app);
        AppFolders::Setup(app);
    }

    void NewGallery()
    {
        gallery = std::make_unique<FflashMovie>();
        gallery->ResetAsNewGallery();
        album = gallery->ThumbnailStrip()->Albums().first();
    }

    QString Photo(const QString &name) const { return m_dir.path() + QStringLiteral("/photos/") + name; }
    QString Work(const QString &name) const { return AppFolders::ImagesWorkFolder() + name; }
    QImage Big(const FThummnailImageData *image) const { return QImage(Work(image->bigFileName)); }
    QImage Thumb(const FThummnailImageData *image) const { return QImage(Work(image->thumbFileName)); }
    QByteArray BigBytes(const FThummnailImageData *image) const { return ReadFile(Work(image->bigFileName)); }
    QByteArray ThumbBytes(const FThummnailImageData *image) const { return ReadFile(Work(image->thumbFileName)); }
    bool HasFiles(const FThummnailImageData *image) const
    {
        return QFileInfo(Work(image->bigFileName)).isFile() && QFileInfo(Work(image->thumbFileName)).isFile();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<FflashMovie> gallery;
    FThummnailCatagory *album = nullptr;
    RecordingProgress progress;
};
