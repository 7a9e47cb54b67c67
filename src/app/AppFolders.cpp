#include "AppFolders.h"

#include "Utils.h"

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

void AppFolders::Setup(const QString &appFolder)
{
    s_app = IncludeTrailingSlash(appFolder);
    s_temp = IncludeTrailingSlash(EnsureFolder(s_app + u"temp/"_s, true));
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
