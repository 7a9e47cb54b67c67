#include "AppFolders.h"

#include "Utils.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString AppFolders::s_app;
QString AppFolders::s_temp;
QString AppFolders::s_swf;
QString AppFolders::s_backgroundSounds;
QString AppFolders::s_mouseOverSounds;

namespace {

// A library folder may exist in another letter case ("Background Sounds"); use that one.
QString LibraryFolder(const QString &app, const QString &name)
{
    return IncludeTrailingSlash(EnsureFolder(ResolvePathCase(app + name), false));
}

} // namespace

QString AppFolders::DefaultAppFolder()
{
    const QString program = ApplicationFolder();
    const QString shared = QDir::cleanPath(program + u"../share/fotovia"_s);
    if (!QFileInfo(program + u"swf"_s).isDir() && QFileInfo(shared).isDir())
        return IncludeTrailingSlash(shared);
    return program;
}

QString AppFolders::WorkRootFor(const QString &appFolder)
{
    // An installed program's data folder is shared by every user of the machine.
    const bool installed = QDir::cleanPath(appFolder).endsWith(u"/share/fotovia"_s);
    if (!installed && QFileInfo(appFolder).isWritable())
        return IncludeTrailingSlash(appFolder);
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/fotovia"_s;
    QDir().mkpath(own);
    return IncludeTrailingSlash(own);
}

void AppFolders::Setup(const QString &appFolder)
{
    s_app = IncludeTrailingSlash(appFolder);
    s_temp = IncludeTrailingSlash(EnsureFolder(WorkRootFor(s_app) + u"temp/"_s, true));
    EnsureFolder(s_temp + u"images/"_s, true);
    s_swf = LibraryFolder(s_app, u"swf/"_s);
    s_backgroundSounds = LibraryFolder(s_app, u"background sounds/"_s);
    s_mouseOverSounds = LibraryFolder(s_app, u"mouseover sounds/"_s);
}

void AppFolders::Assign(const QString &appFolder, const QString &tempFolder)
{
    s_app = IncludeTrailingSlash(appFolder);
    s_temp = IncludeTrailingSlash(tempFolder);
    s_swf = IncludeTrailingSlash(ResolvePathCase(s_app + u"swf"_s));
    s_backgroundSounds = IncludeTrailingSlash(ResolvePathCase(s_app + u"background sounds"_s));
    s_mouseOverSounds = IncludeTrailingSlash(ResolvePathCase(s_app + u"mouseover sounds"_s));
}

QString AppFolders::AppFile(const QString &relativePath)
{
    return ResolvePathCase(s_app + relativePath);
}
