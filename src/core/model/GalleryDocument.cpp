#include "GalleryDocument.h"

#include "GalleryXmlReader.h"
#include "GalleryFolderWriter.h"
#include "GalleryXmlText.h"
#include "AlbumMenuStyle.h"
#include "Album.h"
#include "AlbumMenuBackground.h"
#include "AppFolders.h"
#include "Utils.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

GalleryDocument::GalleryDocument(QObject *owner) : CanvasObject(owner)
{
    setDocument(this);
    m_lastWidth = 500;
    m_lastHeight = 462;
    setBounds(0, 0, 500, 462);
    setMovable(false);
    // Album menu style and background live as long as this gallery.
    m_menuStyle = new AlbumMenuStyle(this, this);
    m_menuPanel = new AlbumMenuBackground(this);
    m_menuPanel->setDocument(this);
    setMouseOverSound(AppFolders::appFile(u"MouseOver Sounds/default.mp3"_s));
    setBackgroundSound(AppFolders::appFile(u"Background Sounds/butteryLoop1.mp3"_s));
    buildDefaultLayout();
    showGalleryProperties();
    clearModified();
}

GalleryDocument::~GalleryDocument()
{
}

void GalleryDocument::addComponent(StyledComponent *component)
{
    component->setDocument(this);
    component->setGeometryStored(true);
    m_components.append(component);
    m_zOrder.append(component);
}

void GalleryDocument::buildDefaultLayout()
{
    const int w = width();
    const int h = height();

    m_imageDisplay = new ImageDisplay(this);
    addComponent(m_imageDisplay);
    const int displayWidth = w - 20;
    m_imageDisplay->setBounds((w - displayWidth) / 2, 10, displayWidth, h - 115);

    auto makeButton = [this](int left, int top, const QString &text, const QString &toggled, const QString &action) {
        auto *button = new GalleryButton(this);
        addComponent(button);
        button->setBounds(left, top, 25, 25);
        button->setGradientFill(false);
        button->setSolidFill(false);
        button->setText(text);
        button->setToggleText(toggled);
        button->setToggle(true);
        button->setAction(action);
        button->setShowThrough(true);
        button->setBorderSolid(true);
        return button;
    };
    m_playButton = makeButton(w - 38, h - 87, u"Play Slideshow"_s, u"Pause Slideshow"_s, u"toggleplaypause"_s);
    m_soundsButton = makeButton(w - 38, h - 57, u"Audio Off"_s, u"Audio On"_s, u"togglesounds"_s);
    m_albumsButton = makeButton(w - 38, h - 30, u"Show Albums"_s, u"Hide Albums"_s, u"showcatagories"_s);
    m_albumsButton->setShowBorder(false);

    m_thumbnailStrip = new ThumbnailStrip(this);
    addComponent(m_thumbnailStrip);
    m_thumbnailStrip->setBounds(10, h - 87, w - 50, m_thumbnailStrip->height());
}

void GalleryDocument::resetAsNewGallery()
{
    Album *album = m_thumbnailStrip->addAlbum(u"My Images"_s);
    album->setDescription(u"Put the description of your images here."_s);
    select(nullptr, false);
    m_imageDisplay->setHeight(m_imageDisplay->width() / 4 * 3);
    // A gallery nobody has touched yet has nothing to save.
    clearModified();
}

void GalleryDocument::setModified(bool value)
{
    const bool changed = value != modified();
    CanvasObject::setModified(value);
    if (changed)
        emit modifiedChanged(value);
}

void GalleryDocument::clearModified()
{
    for (StyledComponent *component : std::as_const(m_components))
        component->setModified(false);
    setModified(false);
}

void GalleryDocument::setBackgroundSolid(bool value)
{
    if (m_backgroundSolid == value)
        return;
    m_backgroundSolid = value;
    if (value) {
        m_backgroundGradient = false;
        m_backgroundImageOn = false;
    }
    noteChange();
}

void GalleryDocument::setBackgroundGradient(bool value)
{
    if (m_backgroundGradient == value)
        return;
    m_backgroundGradient = value;
    if (value) {
        m_backgroundSolid = false;
        m_backgroundImageOn = false;
    }
    noteChange();
}

void GalleryDocument::setBackgroundImageOn(bool value)
{
    if (m_backgroundImageOn == value)
        return;
    m_backgroundImageOn = value;
    if (value) {
        m_backgroundSolid = false;
        m_backgroundGradient = false;
    }
    noteChange();
}

void GalleryDocument::setFillColor(PackedColor value) { assign(m_fillColor, value); }
void GalleryDocument::setFillAlpha(int value) { assign(m_fillAlpha, value, false); }
void GalleryDocument::setGradientColor(PackedColor value) { assign(m_gradientColor, value); }
void GalleryDocument::setGradientAlpha(int value) { assign(m_gradientAlpha, value, false); }
void GalleryDocument::setGradientAngle(int value) { assign(m_gradientAngle, value, false); }
void GalleryDocument::setBorderOn(bool value) { assign(m_borderOn, value); }
void GalleryDocument::setBorderSolid(bool value) { assign(m_borderSolid, value); }
void GalleryDocument::setBorderColor(PackedColor value) { assign(m_borderColor, value); }
void GalleryDocument::setAlbumsOnStartup(bool value) { assign(m_albumsOnStartup, value, false); }
void GalleryDocument::setPlayOnStartup(bool value) { assign(m_playOnStartup, value, false); }

void GalleryDocument::setBackgroundImage(const QString &path)
{
    if (path == m_backgroundImageSource)
        return;
    m_backgroundImageSource = path;
    const QString name = fileNamePart(path);
    if (name != m_backgroundImageName)
        m_backgroundImageName = name;
    // A missing file keeps the previous picture.
    if (QFileInfo(path).isFile()) {
        QImage picture(path);
        if (!picture.isNull())
            m_backgroundImage = picture;
    }
    noteChange();
}

// Choosing a sound always makes a fresh working copy, even of the same file again.
void GalleryDocument::assignSound(const QString &path, QString &workPath, QString &name)
{
    const QString stem = replaceChar(fileBaseName(stripMediaNameChars(fileNamePart(path)).toLower()), u' ', u'_');
    workPath = uniqueFileName(AppFolders::tempFolder(), stem, fileExtension(path));
    name = fileNamePart(workPath);
    QFile::copy(path, AppFolders::tempFolder() + name); // fails quietly when missing or taken
    noteChange(false);
}

void GalleryDocument::setBackgroundSound(const QString &path)
{
    assignSound(path, m_backgroundSoundWorkPath, m_backgroundSoundName);
}

void GalleryDocument::setMouseOverSound(const QString &path)
{
    assignSound(path, m_mouseOverSoundWorkPath, m_mouseOverSoundName);
}

void GalleryDocument::releaseSoundWorkCopies()
{
    for (const QString &path : {m_backgroundSoundWorkPath, m_mouseOverSoundWorkPath}) {
        if (QFileInfo(path).isFile())
            QFile::remove(path);
    }
}

void GalleryDocument::setBackgroundSoundName(const QString &name)
{
    assign(m_backgroundSoundName, name, false);
}

void GalleryDocument::setMouseOverSoundName(const QString &name)
{
    assign(m_mouseOverSoundName, name, false);
}

void GalleryDocument::setBaseNameFromFileName(const QString &name)
{
    m_baseName = fileBaseName(stripFileNameChars(name));
}

void GalleryDocument::setFolderFromPath(const QString &path)
{
    const QString candidate = includeTrailingSlash(stripPathChars(path));
    if (candidate.size() < 260)
        m_folder = candidate;
}

void GalleryDocument::sendToBack(CanvasObject *object)
{
    const qsizetype at = m_zOrder.indexOf(object);
    if (at <= 0)
        return;
    m_zOrder.move(at, 0);
    emit zOrderChanged();
    repaint();
}

QSize GalleryDocument::menuSize() const
{
    return m_menuStyle->menuSize(width(), m_imageDisplay ? m_imageDisplay->height() : 0,
                                 int(m_thumbnailStrip ? m_thumbnailStrip->albums().size() : 0));
}

void GalleryDocument::select(CanvasObject *object, bool on)
{
    if (m_selectedObject && m_selectedObject != object)
        m_selectedObject->setSelected(false);
    if (object) {
        m_selectedObject = on ? object : nullptr;
        object->setSelected(on);
        if (on && object->visible())
            emit focusRequested(object);
    } else {
        m_selectedObject = nullptr;
    }
    emit selectionChanged(m_selectedObject);
}

void GalleryDocument::sizeChanged()
{
    if (width() == m_lastWidth && height() == m_lastHeight)
        return;
    m_lastWidth = width();
    m_lastHeight = height();
    showGalleryProperties();
    setModified(true);
}

void GalleryDocument::showGalleryProperties()
{
    emit galleryPropertiesChanged();
}

void GalleryDocument::setSlideshowSpeed(int value) { assign(m_slideshowSpeed, value, false); }
void GalleryDocument::setThumbScrollSpeed(int value) { assign(m_thumbScrollSpeed, value, false); }
void GalleryDocument::setCaptionFont(const QString &value) { assign(m_captionFont, value, false); }
void GalleryDocument::setCaptionFontSize(int value) { assign(m_captionFontSize, value, false); }
void GalleryDocument::setCaptionFontColor(PackedColor value) { assign(m_captionFontColor, value, false); }
void GalleryDocument::setCaptionFontBkColor(PackedColor value) { assign(m_captionFontBkColor, value, false); }

void GalleryDocument::forgetPublishedImageFile(const QString &name)
{
    const QPair<QString, QString> entry(m_folder, name);
    if (!name.isEmpty() && !m_folder.isEmpty() && !m_forgottenImageFiles.contains(entry))
        m_forgottenImageFiles.append(entry);
}

QStringList GalleryDocument::takeForgottenPublishedImageFiles(const QString &folder)
{
    QStringList names;
    for (qsizetype i = m_forgottenImageFiles.size() - 1; i >= 0; --i) {
        if (m_forgottenImageFiles[i].first == folder)
            names.prepend(m_forgottenImageFiles.takeAt(i).second);
    }
    return names;
}

void GalleryDocument::reportMissingImageFile(const QString &path)
{
    m_missingImageFiles.append(path);
}

QStringList GalleryDocument::takeMissingImageFiles()
{
    return std::exchange(m_missingImageFiles, {});
}

QString GalleryDocument::writeXml()
{
    QString xml;
    xml += u"<?xml version=\"1.0\"?>"_s + XmlEol + XmlEol;
    xml += u"<pelliconimagegallery version=\"3.5\">"_s + XmlEol + XmlEol;
    xml += u"  <imagegallery"_s + XmlEol;
    xml += xmlAttr(4, u"x", 0);
    xml += xmlAttr(4, u"y", 0);
    xml += xmlAttr(4, u"w", width());
    xml += xmlAttr(4, u"h", height());
    xml += xmlFlagAttr(4, u"bkdobk", m_backgroundSolid);
    xml += xmlFlagAttr(4, u"bkdogradient", m_backgroundGradient);
    xml += xmlColorAttr(4, u"bkfillclr", m_fillColor);
    xml += xmlAttr(4, u"bkfillalpha", m_fillAlpha);
    xml += xmlColorAttr(4, u"bkgradclr", m_gradientColor);
    xml += xmlAttr(4, u"bkgradalpha", m_gradientAlpha);
    xml += xmlAttr(4, u"bkgradangle", m_gradientAngle);
    xml += xmlFlagAttr(4, u"bkdoimg", m_backgroundImageOn);
    xml += xmlTextAttr(4, u"bkimg", m_backgroundImageName);
    xml += xmlFlagAttr(4, u"bkdobdr", m_borderOn);
    xml += xmlFlagAttr(4, u"bkbdrsolid", m_borderSolid);
    xml += xmlColorAttr(4, u"bkbdrcolor", m_borderColor);
    xml += xmlTextAttr(4, u"bkmp3", m_backgroundSoundName);
    xml += xmlTextAttr(4, u"overclick", m_mouseOverSoundName);
    xml += xmlAttr(4, u"playspeed", m_slideshowSpeed);
    xml += xmlAttr(4, u"thumbspeed", m_thumbScrollSpeed);
    xml += xmlAttr(3, u"captionfontsize", m_captionFontSize);
    xml += xmlColorAttr(3, u"captionfontcolor", m_captionFontColor);
    xml += xmlColorAttr(3, u"captionfontbkcolor", m_captionFontBkColor);
    xml += xmlTextAttr(3, u"captionfont", m_captionFont);
    xml += xmlFlagAttr(4, u"docatsonstartup", m_albumsOnStartup);
    xml += xmlFlagAttr(4, u"docplayonstartup", m_playOnStartup);
    xml += m_thumbnailStrip->writeRootAttributes();
    xml += u"  >"_s + XmlEol;
    for (StyledComponent *component : std::as_const(m_components)) {
        // The strip carries the albums and is always written.
        if (component->visible() || component == m_thumbnailStrip)
            xml += component->writeXml();
    }
    xml += u"</imagegallery>"_s + XmlEol;
    xml += u"</pelliconimagegallery>"_s;
    return xml;
}

void GalleryDocument::writeOutput(const QString &folder, const QString &baseName, bool forPreview)
{
    takeMissingImageFiles();
    GalleryFolderWriter(*this).writeOutput(folder, baseName, forPreview);
    const QStringList missing = takeMissingImageFiles();
    if (!missing.isEmpty())
        emit imageFilesMissing(missing);
}

QString GalleryDocument::buildHtmlPage(const QString &movie)
{
    const QString width = QString::number(this->width());
    const QString height = QString::number(this->height());
    if (width == m_htmlWidth && height == m_htmlHeight && movie == m_htmlMovie && !m_htmlPage.isEmpty())
        return m_htmlPage;
    m_htmlWidth = width;
    m_htmlHeight = height;
    m_htmlMovie = movie;
    m_htmlSnippet = GalleryFolderWriter::buildSnippet(width, height, movie);
    m_htmlPage = GalleryFolderWriter::buildPage(m_htmlSnippet);
    return m_htmlPage;
}

bool GalleryDocument::save(const SaveFileChooser &chooser)
{
    const QString proposed = m_folder + (m_baseName.isEmpty() ? u"myalbum.xml"_s : m_baseName + u".xml"_s);
    const QString chosen = chooser ? chooser(proposed) : QString();
    if (chosen.isEmpty())
        return false;
    const QFileInfo file(chosen);
    setFolderFromPath(includeTrailingSlash(file.absolutePath()));
    setBaseNameFromFileName(file.fileName());
    writeOutput(m_folder, m_baseName, false);
    clearModified();
    emit requiredFilesRequested();
    return true;
}

QString GalleryDocument::htmlSnippet(const SaveFileChooser &chooser)
{
    if (m_baseName.isEmpty())
        save(chooser);
    if (m_baseName.isEmpty())
        return {};
    buildHtmlPage(m_baseName + u".swf"_s);
    return m_htmlSnippet;
}

int GalleryDocument::collectUploadFiles(const SaveFileChooser &chooser)
{
    m_uploadFiles.clear();
    m_uploadImageFiles.clear();
    // Save already shows the Files to Upload window; it is not shown a second time.
    if (m_baseName.isEmpty() || modified())
        save(chooser);
    fillUploadLists();
    return int(m_uploadFiles.size() + m_uploadImageFiles.size());
}

void GalleryDocument::fillUploadLists()
{
    m_uploadFiles.clear();
    m_uploadImageFiles.clear();
    const QString swf = m_baseName + u".swf"_s;
    // No player movie ships with Fotovia: list one only when the gallery folder has it.
    if (QFileInfo(m_folder + swf).isFile())
        m_uploadFiles.append(swf);
    m_uploadFiles.append(m_baseName + u".html"_s);
    m_uploadFiles.append(m_baseName + u".xml"_s);
    if (QFileInfo(m_folder + u"fotovia-player.js"_s).isFile())
        m_uploadFiles.append(u"fotovia-player.js"_s);
    if (m_backgroundImageOn && !m_backgroundImageName.isEmpty())
        m_uploadFiles.append(m_backgroundImageName);
    if (!m_mouseOverSoundName.isEmpty())
        m_uploadFiles.append(m_mouseOverSoundName);
    if (!m_backgroundSoundName.isEmpty())
        m_uploadFiles.append(m_backgroundSoundName);
    for (const StyledComponent *component : std::as_const(m_components))
        m_uploadImageFiles += component->imageFileNames();
    for (const Album *album : m_thumbnailStrip->albums())
        m_uploadImageFiles += album->imageFileNames();
}

GalleryLoadReport GalleryDocument::loadFromFile(const QString &path, PhotoLoading photos)
{
    return GalleryXmlReader(*this, photos).load(path);
}
