#include "CliTool.h"

#include "app/AppFolders.h"
#include "app/Errors.h"
#include "app/Utils.h"
#include "gallery/FflashMovie.h"
#include "gallery/XmlText.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const char *const GeneralHelp =
    "Usage: fotovia-cli [--app-folder DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "Builds Fotovia galleries from scripts.\n"
    "\n"
    "Commands:\n"
    "  new GALLERY.xml  Make a new gallery, as the designer's New command does, and\n"
    "                   write its gallery file.\n"
    "  help [COMMAND]   Show this help, or the help of one command.\n"
    "\n"
    "Options:\n"
    "  --app-folder DIR  Fotovia's application folder (the player, the default sounds).\n"
    "                    Default: the folder of this program.\n"
    "  --help            Show help; after a command, that command's help.\n";

const char *const NewHelp =
    "Usage: fotovia-cli new GALLERY.xml\n"
    "\n"
    "Makes a new gallery exactly as the designer's New command does (default layout, one\n"
    "album \"My Images\", the default sounds) and writes its gallery file to GALLERY.xml.\n";

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
    if (command == u"new"_s) {
        m_out << NewHelp;
        m_out.flush();
        return 0;
    }
    if (!command.isEmpty() && command != u"help"_s)
        return Fail(u"unknown command '%1'; see fotovia-cli --help"_s.arg(command));
    m_out << GeneralHelp;
    m_out.flush();
    return 0;
}

bool CliTool::PrepareWorkFolder(const QString &appFolder)
{
    if (!m_work.isValid() || !QDir().mkdir(m_work.path() + u"/images"_s))
        return false;
    AppFolders::Assign(appFolder, m_work.path());
    return true;
}

int CliTool::WriteGalleryFile(FflashMovie &gallery, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeGalleryText(gallery.WriteXml())) < 0 || !file.commit())
        return Fail(u"could not write %1: %2"_s.arg(path, file.errorString()));
    return 0;
}

int CliTool::New(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return Fail(u"new needs one argument, the gallery file; see fotovia-cli help new"_s);
    FflashMovie gallery;
    gallery.ResetAsNewGallery();
    return WriteGalleryFile(gallery, arguments.first());
}

int CliTool::Run(const QString &appFolder, const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.first() == u"--help"_s || arguments.first() == u"-h"_s)
        return Help({});
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == u"help"_s)
        return Help(rest.value(0));
    if (rest.contains(u"--help"_s) || rest.contains(u"-h"_s))
        return Help(command);
    if (command != u"new"_s)
        return Fail(u"unknown command '%1'; see fotovia-cli --help"_s.arg(command));
    if (!PrepareWorkFolder(appFolder))
        return Fail(u"could not create a working folder"_s);
    try {
        return New(rest);
    } catch (const FotoviaError &e) {
        return Fail(e.message());
    }
}
