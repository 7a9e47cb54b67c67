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
QString libraryFolder(const QString &app, const QString &name)
{
    return includeTrailingSlash(ensureFolder(resolvePathCase(app + name), false));
}

} // namespace

QString AppFolders::defaultAppFolder()
{
    const QString program = applicationFolder();
    const QString shared = QDir::cleanPath(program + u"../share/fotovia"_s);
    if (!QFileInfo(program + u"swf"_s).isDir() && QFileInfo(shared).isDir())
        return includeTrailingSlash(shared);
    return program;
}

QString AppFolders::workRootFor(const QString &appFolder)
{
    // An installed program's data folder is shared by every user of the machine.
    const bool installed = QDir::cleanPath(appFolder).endsWith(u"/share/fotovia"_s);
    if (!installed && QFileInfo(appFolder).isWritable())
        return includeTrailingSlash(appFolder);
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/fotovia"_s;
    QDir().mkpath(own);
    return includeTrailingSlash(own);
}

void AppFolders::setup(const QString &appFolder)
{
    s_app = includeTrailingSlash(appFolder);
    s_temp = includeTrailingSlash(ensureFolder(workRootFor(s_app) + u"temp/"_s, true));
    ensureFolder(s_temp + u"images/"_s, true);
    s_swf = libraryFolder(s_app, u"swf/"_s);
    s_backgroundSounds = libraryFolder(s_app, u"background sounds/"_s);
    s_mouseOverSounds = libraryFolder(s_app, u"mouseover sounds/"_s);
}

void AppFolders::assign(const QString &appFolder, const QString &tempFolder)
{
    s_app = includeTrailingSlash(appFolder);
    s_temp = includeTrailingSlash(tempFolder);
    s_swf = includeTrailingSlash(resolvePathCase(s_app + u"swf"_s));
    s_backgroundSounds = includeTrailingSlash(resolvePathCase(s_app + u"background sounds"_s));
    s_mouseOverSounds = includeTrailingSlash(resolvePathCase(s_app + u"mouseover sounds"_s));
}

QString AppFolders::appFile(const QString &relativePath)
{
    return resolvePathCase(s_app + relativePath);
}
