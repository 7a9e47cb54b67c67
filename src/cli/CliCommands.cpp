#include "CliCommands.h"

#include "AppFolders.h"
#include "Errors.h"
#include "Utils.h"
#include "Album.h"
#include "ImageResizeSettings.h"
#include "ImportProgress.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"
#include "GalleryXmlText.h"
#include "PublishCommands.h"

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
    "                   save it as GALLERY.xml.\n"
    "  build PHOTOS_DIR GALLERY.xml [--size WxH|none] [--album NAME]\n"
    "                   Make a new gallery whose first album holds the pictures of\n"
    "                   PHOTOS_DIR, and save it as GALLERY.xml.\n"
    "  resave IN.xml OUT.xml\n"
    "                   Open a gallery and save it as OUT.xml.\n"
    "  info GALLERY.xml Print a gallery's size and its albums.\n"
    "  profiles [add]   List the stored server profiles, or add one.\n"
    "  upload GALLERY.xml --profile NAME\n"
    "                   Upload a saved gallery to a profile's server.\n"
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
    "album \"My Images\", the default sounds) and saves it as GALLERY.xml: the gallery file,\n"
    "its page, the player, the sounds and the images folder.\n";

const char *const BuildHelp =
    "Usage: fotovia-cli build PHOTOS_DIR GALLERY.xml [--size WxH|none] [--album NAME]\n"
    "\n"
    "Makes a new gallery whose first album holds every picture of PHOTOS_DIR (.jpg, .jpeg,\n"
    ".gif, .bmp, .png, .tif, .tiff; sub-folders are not read), sorted by file name, and saves\n"
    "it as GALLERY.xml. Progress goes to standard error.\n"
    "\n"
    "  --size WxH    bound for the big images: 640x480, 800x600 (default), 1024x768,\n"
    "                1152x864, 1280x800 or 1440x900; \"none\" keeps their size\n"
    "  --album NAME  name of the album (default \"My Images\")\n";

const char *const ResaveHelp =
    "Usage: fotovia-cli resave IN.xml OUT.xml\n"
    "\n"
    "Opens the gallery IN.xml (its photos are read from its images folder) and saves it as\n"
    "OUT.xml, with its page, player, sounds and images folder.\n";

const char *const InfoHelp =
    "Usage: fotovia-cli info GALLERY.xml\n"
    "\n"
    "Prints the gallery's size and, for each album, its name and number of images.\n";

const QStringList SizeEntries = {u"640x480"_s, u"800x600"_s, u"1024x768"_s, u"1152x864"_s,
                                 u"1280x800"_s, u"1440x900"_s, u"none"_s};

bool isPictureName(const QString &name)
{
    static const QStringList extensions = {u".jpg"_s, u".jpeg"_s, u".gif"_s, u".bmp"_s,
                                           u".png"_s, u".tif"_s, u".tiff"_s};
    return extensions.contains(fileExtension(name).toLower());
}

// Prints "[i/n] name" on standard error as each photo of a build is taken in.
class BuildProgress : public ImportProgress
{
public:
    explicit BuildProgress(QTextStream &err) : m_err(err) {}
    void setTotal(int count) override { m_total = count; }
    void Step() override { ++m_step; }
    void setCurrentImage(const QString &name) override
    {
        m_err << "[" << m_step << "/" << m_total << "] " << name << "\n";
        m_err.flush();
    }

private:
    QTextStream &m_err;
    int m_total = 0;
    int m_step = 0;
};

} // namespace

CliCommands::CliCommands(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

int CliCommands::fail(const QString &message)
{
    m_err << "fotovia-cli: " << message << "\n";
    m_err.flush();
    return 1;
}

int CliCommands::help(const QString &command)
{
    const char *text = command == u"new"_s ? NewHelp
        : command == u"build"_s            ? BuildHelp
        : command == u"resave"_s           ? ResaveHelp
        : command == u"info"_s             ? InfoHelp
                                           : nullptr;
    if (PublishCommands::handles(command)) {
        m_out << PublishCommands::help(command);
        m_out.flush();
        return 0;
    }
    if (text) {
        m_out << text;
        m_out.flush();
        return 0;
    }
    if (!command.isEmpty() && command != u"help"_s)
        return fail(u"unknown command '%1'; see fotovia-cli --help"_s.arg(command));
    m_out << GeneralHelp;
    m_out.flush();
    return 0;
}

bool CliCommands::prepareWorkFolder(const QString &appFolder)
{
    if (!m_work.isValid() || !QDir().mkdir(m_work.path() + u"/images"_s))
        return false;
    AppFolders::assign(appFolder, m_work.path());
    return true;
}

int CliCommands::saveAs(GalleryDocument &gallery, const QString &path)
{
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        return fail(u"the folder of %1 does not exist"_s.arg(path));
    gallery.save([&](const QString &) { return target.absoluteFilePath(); });
    const QStringList missing = gallery.takeMissingImageFiles();
    for (const QString &file : missing)
        m_err << "fotovia-cli: No Src Big Image Found: " << file << "\n";
    m_err.flush();
    return 0;
}

int CliCommands::newGallery(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return fail(u"new needs one argument, the gallery file; see fotovia-cli help new"_s);
    GalleryDocument gallery;
    gallery.resetAsNewGallery();
    return saveAs(gallery, arguments.first());
}

bool CliCommands::applySize(const QString &size)
{
    ImageResizeSettings &settings = ImageResizeSettings::instance();
    if (!SizeEntries.contains(size))
        return false;
    if (size == u"none"_s) {
        settings.resizeImages = false;
        return true;
    }
    const QStringList parts = size.split(u'x');
    settings.resizeImages = true;
    settings.maxWidth = parts[0].toInt();
    settings.maxHeight = parts[1].toInt();
    return true;
}

int CliCommands::build(const QStringList &arguments)
{
    QStringList positional;
    QString size = u"800x600"_s;
    QString albumName = u"My Images"_s;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if ((arg == u"--size"_s || arg == u"--album"_s) && i + 1 < arguments.size())
            (arg == u"--size"_s ? size : albumName) = arguments[++i];
        else if (arg.startsWith(u"--"_s))
            return fail(u"unknown option %1; see fotovia-cli help build"_s.arg(arg));
        else
            positional.append(arg);
    }
    if (positional.size() != 2)
        return fail(u"build needs a photo folder and a gallery file; see fotovia-cli help build"_s);
    if (!applySize(size.toLower()))
        return fail(u"unknown size '%1'; use one of %2"_s.arg(size, SizeEntries.join(u", "_s)));
    const QString photos = includeTrailingSlash(QDir(positional[0]).absolutePath());
    if (!QFileInfo(photos).isDir())
        return fail(u"%1 is not a folder"_s.arg(positional[0]));

    QStringList names = listFolder(photos, u"*"_s);
    names.sort();
    names.erase(std::remove_if(names.begin(), names.end(), [&](const QString &n) {
                    return !isPictureName(n) || !QFileInfo(photos + n).isFile();
                }), names.end());

    GalleryDocument gallery;
    gallery.resetAsNewGallery();
    Album *album = gallery.thumbnailStrip()->albums().first();
    album->setName(albumName);
    QStringList paths;
    for (const QString &name : std::as_const(names))
        paths.append(photos + name);
    BuildProgress progress(m_err);
    const AddImagesResult result = album->addImages(paths, AddImagesOptions{&progress, true, false, false});
    if (!result.undecodable.isEmpty())
        m_err << "fotovia-cli: " << ImportFailure::Message(result.undecodable, false) << "\n";
    return saveAs(gallery, positional[1]);
}

int CliCommands::open(GalleryDocument &gallery, const QString &path)
{
    if (!QFileInfo(path).isFile())
        return fail(u"%1 does not exist"_s.arg(path));
    const GalleryLoadReport report = gallery.loadFromFile(path);
    if (!report.recognised)
        return fail(u"This file cannot be opened in Fotovia! (%1)"_s.arg(path));
    if (!report.error.isEmpty())
        return fail(report.error);
    if (!report.undecodable.isEmpty()) {
        m_err << "fotovia-cli: " << ImportFailure::Message(report.undecodable, true) << "\n";
        m_err.flush();
    }
    return 0;
}

int CliCommands::resave(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return fail(u"resave needs a gallery file to open and one to write; see fotovia-cli help resave"_s);
    GalleryDocument gallery;
    if (const int status = open(gallery, arguments[0]); status != 0)
        return status;
    return saveAs(gallery, arguments[1]);
}

int CliCommands::info(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return fail(u"info needs one gallery file; see fotovia-cli help info"_s);
    GalleryDocument gallery;
    if (const int status = open(gallery, arguments[0]); status != 0)
        return status;
    m_out << "size " << gallery.width() << "x" << gallery.height() << "\n";
    for (const Album *album : gallery.thumbnailStrip()->albums())
        m_out << "album \"" << album->name() << "\" " << album->images().size() << " images\n";
    m_out.flush();
    return 0;
}

int CliCommands::run(const QString &appFolder, const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.first() == u"--help"_s || arguments.first() == u"-h"_s)
        return help({});
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == u"help"_s)
        return help(rest.value(0));
    if (rest.contains(u"--help"_s) || rest.contains(u"-h"_s))
        return help(command);
    using Command = int (CliCommands::*)(const QStringList &);
    const QHash<QString, Command> commands = {
        {u"new"_s, &CliCommands::newGallery}, {u"build"_s, &CliCommands::build},
        {u"resave"_s, &CliCommands::resave}, {u"info"_s, &CliCommands::info}};
    if (PublishCommands::handles(command)) {
        if (!prepareWorkFolder(appFolder))
            return fail(u"could not create a working folder"_s);
        QTextStream in(stdin);
        return PublishCommands(in, m_out, m_err).run(command, rest);
    }
    if (!commands.contains(command))
        return fail(u"unknown command '%1'; see fotovia-cli --help"_s.arg(command));
    if (!prepareWorkFolder(appFolder))
        return fail(u"could not create a working folder"_s);
    try {
        return (this->*commands.value(command))(rest);
    } catch (const FotoviaError &e) {
        return fail(e.message());
    }
}
