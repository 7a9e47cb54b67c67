#include "UploadTestSupport.h"

#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

GalleryFolder::GalleryFolder()
    : files{u"myalbum.swf"_s, u"myalbum.html"_s, u"myalbum.xml"_s, u"back.jpg"_s, u"default.mp3"_s},
      images{u"cover.jpg"_s, u"IMG 1_t.jpg"_s, u"IMG 1.jpg"_s, u"b_t.jpg"_s, u"b.jpg"_s}
{
    for (const QString &f : files)
        WriteFile(dir.path() + u'/' + f, FileContent(f));
    for (const QString &f : images)
        WriteFile(dir.path() + u"/images/"_s + f, ImageContent(f));
}

Recorder::Recorder(FtpUploader &u)
{
    QObject::connect(&u, &FtpUploader::LogCleared, [this] { log.clear(); });
    QObject::connect(&u, &FtpUploader::LogLine, [this](const QString &t, int) { log.append(t); });
    QObject::connect(&u, &FtpUploader::StatusText, [this](const QString &t) { status.append(t); });
    QObject::connect(&u, &FtpUploader::LoginFailed, [this] { ++loginFailed; });
    QObject::connect(&u, &FtpUploader::SiteNotFound, [this] { ++siteNotFound; });
}

QStringList Recorder::Matching(const QString &prefix) const
{
    QStringList out;
    for (const QString &l : log) {
        if (l.startsWith(prefix))
            out.append(l.mid(prefix.size()));
    }
    return out;
}

JDServerData Profile(int port, int protocol)
{
    JDServerData p = JDServerData::MakeNew(u"Test Site"_s, u"127.0.0.1"_s, u"tester"_s, u"secret"_s, {}, false, true);
    p.Port = port;
    p.Protocol = protocol;
    p.Timeout = 20;
    return p;
}

QStringList Sorted(QStringList l)
{
    l.sort();
    return l;
}
