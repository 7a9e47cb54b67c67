#pragma once

#include "FilesToUploadDialog.h"
#include "support/ModalCloser.h"

#include "support/TestSupport.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class GalleryDocument;

// Ends the test program when a test outlives its time: a browser engine that cannot start may
// block instead of failing, and the run must then fail with a reason rather than hang.
class Watchdog
{
public:
    Watchdog(std::chrono::seconds limit, const char *what);
    ~Watchdog();

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

// A private application folder with the shipped sounds and the gallery player, the settings
// store in the test's own folder, and message boxes and file choosers answered by the test.
class PreviewTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString &name) const { return m_dir.path() + u'/' + name; }
    // Writes a JPEG of one colour for the import; returns its path.
    QString makePhoto(const QString &name, QColor colour, int width = 640, int height = 480);

    QTemporaryDir m_dir;
    QByteArray m_oldConfigHome;
    // Every save from the main window ends by showing the Files to Upload window.
    ModalCloser<FilesToUploadDialog> m_filesWindow;
};

// True when the colour is within tolerance of the expected one on every channel (JPEG and
// scaling blur the edges of a photo, not its middle).
bool near(QColor actual, QColor expected, int tolerance = 40);
