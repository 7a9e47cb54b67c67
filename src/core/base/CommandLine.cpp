#include "CommandLine.h"

#include "Utils.h"

#include <QDir>

using namespace Qt::StringLiterals;

CommonOptions parseCommonOptions(const QStringList &arguments, const QString &defaultAppFolder)
{
    CommonOptions options;
    options.appFolder = defaultAppFolder;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == u"--app-folder"_s) {
            if (i + 1 >= arguments.size()) {
                options.error = u"--app-folder needs a folder"_s;
                break;
            }
            options.appFolder = arguments[++i];
        } else if (arg.startsWith(u"--app-folder="_s)) {
            options.appFolder = arg.mid(13);
        } else {
            options.arguments.append(arg);
        }
    }
    options.appFolder = includeTrailingSlash(QDir(options.appFolder).absolutePath());
    return options;
}
