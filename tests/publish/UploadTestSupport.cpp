#include "UploadTestSupport.h"

#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

GalleryFolder::GalleryFolder()
    : files{u"myalbum.swf"_s, u"myalbum.html"_s, u"myalbum.xml"_s, u"back.jpg"_s, u"default.mp3"_s},
      images{u"cover.jpg"_s, u"IMG 1_t.jpg"_s, u"IMG 1.jpg"_s, u"b_t.jpg"_s, u"b.jpg"_s}
{
    for (const QString &f : files)
        writeFile(dir.path() + u'/' + f, fileContent(f));
    for (const QString &f : images)
        writeFile(dir.path() + u"/images/"_s + f, imageContent(f));
}

Recorder::Recorder(GalleryUploader &u)
{
    QObject::connect(&u, &GalleryUploader::logCleared, [this] { log.clear(); });
    QObject::connect(&u, &GalleryUploader::logLine, [this](const QString &t, int) { log.append(t); });
    QObject::connect(&u, &GalleryUploader::statusText, [this](const QString &t) { status.append(t); });
    QObject::connect(&u, &GalleryUploader::loginFailed, [this] { ++loginFailed; });
    QObject::connect(&u, &GalleryUploader::siteNotFound, [this] { ++siteNotFound; });
}

QStringList Recorder::matching(const QString &prefix) const
{
    QStringList out;
    for (const QString &l : log) {
        if (l.startsWith(prefix))
            out.append(l.mid(prefix.size()));
    }
    return out;
}

ServerProfile testProfile(int port, int protocol)
{
    ServerProfile p = ServerProfile::makeNew(u"Test Site"_s, u"127.0.0.1"_s, u"tester"_s, u"secret"_s, {}, false, true);
    p.port = port;
    p.protocol = protocol;
    p.timeout = 20;
    return p;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}
