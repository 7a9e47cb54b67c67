// fotovia-cli: the command-line tool.

#include "CliCommands.h"
#include "AppFolders.h"
#include "CommandLine.h"
#include "Utils.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

// Scripts read our stderr: keep Qt's chatter about the session environment out of it.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    // Text measuring and picture work need Qt Gui, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const CommonOptions options = parseCommonOptions(QGuiApplication::arguments(), AppFolders::defaultAppFolder());
    if (!options.error.isEmpty()) {
        err << "fotovia-cli: " << options.error << "\n";
        return 1;
    }
    CliCommands tool(out, err);
    return tool.run(options.appFolder, options.arguments);
}
