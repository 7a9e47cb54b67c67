#pragma once

#include "FilesToUploadDialog.h"
#include "support/ModalCloser.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include "support/TestSupport.h"

// Collects what the program asks the desktop to open instead of starting a browser.
class OpenedUrls : public QObject
{
    Q_OBJECT
public:
    OpenedUrls();
    ~OpenedUrls() override;
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// A fresh application folder and settings file for each test, message
// boxes and file choosers answered by the test, and nothing opened on the desktop.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString appPath(const QString &name) const { return m_dir.path() + QStringLiteral("/app/") + name; }
    QString tempPath(const QString &name) const { return m_dir.path() + u'/' + name; }

    QTemporaryDir m_dir;
    OpenedUrls *m_opened = nullptr;
    QByteArray m_oldConfigHome;
    // Every save from the main window ends by showing the Files to Upload window.
    ModalCloser<FilesToUploadDialog> m_filesWindow;
};
