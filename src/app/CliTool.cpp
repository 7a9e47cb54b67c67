#include "CliTool.h"

using namespace Qt::StringLiterals;

namespace {

const char *const GeneralHelp =
    "Usage: fotovia-cli [--app-folder DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "Builds Fotovia galleries from scripts.\n"
    "\n"
    "Commands:\n"
    "  help [COMMAND]   Show this help, or the help of one command.\n"
    "\n"
    "Options:\n"
    "  --app-folder DIR  Fotovia's application folder (the player, the default sounds).\n"
    "                    Default: the folder of this program.\n"
    "  --help            Show help; after a command, that command's help.\n";

} // namespace

CliTool::CliTool(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

int CliTool::Fail(const QString &message)
{
    m_err << "fotovia-cli: " << message << "\n";
    m_err.flush();
    return 1;
}

int CliTool::Help(const QString &command)
{
    if (!command.isEmpty() && command != u"help"_s)
        return Fail(u"unknown command '%1'; see fotovia-cli --help"_s.arg(command));
    m_out << GeneralHelp;
    m_out.flush();
    return 0;
}

int CliTool::Run(const QString &appFolder, const QStringList &arguments)
{
    Q_UNUSED(appFolder);
    if (arguments.isEmpty() || arguments.first() == u"--help"_s || arguments.first() == u"-h"_s)
        return Help({});
    const QString command = arguments.first();
    if (command == u"help"_s)
        return Help(arguments.value(1));
    return Fail(u"unknown command '%1'; see fotovia-cli --help"_s.arg(command));
}
