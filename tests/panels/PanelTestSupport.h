#pragma once

#include "support/TestSupport.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class GalleryDocument;

// A fresh application folder and a fresh gallery for each test, with the message boxes and file
// choosers answered by the test.
class PanelTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString tempPath(const QString &name) const { return m_dir.path() + u'/' + name; }

    QTemporaryDir m_dir;
    std::unique_ptr<GalleryDocument> m_gallery;
};

class QWidget;

// The captions of a panel's labels and buttons as a reader sees them: row by row from the top,
// left to right in a row, joined by "|". Hidden sections are left out.
QString captionsInReadingOrder(QWidget *panel);

// Writes a small picture in the given format ("png", "gif", "bmp", "jpeg"); progressive applies
// to JPEG only. GIF pictures, which Qt cannot write, are a fixed 1 x 1 picture.
QString writePicture(const QString &path, const char *format, bool progressive = false);
