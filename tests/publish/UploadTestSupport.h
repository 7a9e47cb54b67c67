#pragma once

#include "GalleryUploader.h"

#include <QStringList>
#include <QTemporaryDir>

// A saved gallery as the upload lists name it.
struct GalleryFolder
{
    QTemporaryDir dir;
    QStringList files;
    QStringList images;

    GalleryFolder();
    QString path() const { return dir.path(); }
    // What a file of the gallery holds, to compare with what arrived on the server.
    static QByteArray fileContent(const QString &name) { return "top " + name.toUtf8(); }
    static QByteArray imageContent(const QString &name) { return QByteArray(3000, 'i') + name.toUtf8(); }
};

// Everything the uploader tells its window.
struct Recorder
{
    QStringList log;
    QStringList status;
    int loginFailed = 0;
    int siteNotFound = 0;

    explicit Recorder(GalleryUploader &u);
    QStringList matching(const QString &prefix) const;
    QString lastStatus() const { return status.isEmpty() ? QString() : status.last(); }
};

// A profile for the test servers' user "tester"/"secret" on 127.0.0.1.
ServerProfile testProfile(int port, int protocol = ServerProfile::Ftp);

QStringList sorted(QStringList l);
