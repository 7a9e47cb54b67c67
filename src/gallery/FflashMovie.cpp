#include "FflashMovie.h"

#include "GalleryLoader.h"
#include "GalleryWriter.h"
#include "XmlText.h"
#include "albums/FCatagoryMenuStyle.h"
#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailCatagoryPanel.h"
#include "app/AppFolders.h"
#include "app/AppState.h"
#include "app/Utils.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

FflashMovie::FflashMovie(QObject *owner) : FflashObjectBaseClass(owner)
{
    UpdatingPanelsGuard building;
    SetDocument(this);
    ThumbScrollSpeed = 15;
    m_lastWidth = 500;
    m_lastHeight = 462;
    SetBounds(0, 0, 500, 462);
    SetMovable(false);
    // Album menu style and background live as long as this gallery.
    m_menuStyle = new FCatagoryMenuStyle(this, this);
    m_menuPanel = new FThummnailCatagoryPanel(this);
    m_menuPanel->SetDocument(this);
    SetMouseOverSound(AppFolders::AppFile(u"MouseOver Sounds/default.mp3"_s));
    SetBackgroundSound(AppFolders::AppFile(u"Background Sounds/butteryLoop1.mp3"_s));
    BuildDefaultLayout();
    ShowGalleryProperties();
    ClearModified();
}

FflashMovie::~FflashMovie()
{
    if (AppState::CurrentGallery == this)
        AppState::CurrentGallery = nullptr;
}

void FflashMovie::AddComponent(FflashComponentBaseClass *component)
{
    component->SetDocument(this);
    m_components.append(component);
    m_zOrder.append(component);
}

void FflashMovie::BuildDefaultLayout()
{
    const int w = Width();
    const int h = Height();

    m_imageDisplay = new FflashImageDisplay(this);
    AddComponent(m_imageDisplay);
    const int displayWidth = w - 20;
    m_imageDisplay->SetBounds((w - displayWidth) / 2, 10, displayWidth, h - 115);

    auto makeButton = [this](int left, int top, const QString &text, const QString &toggled, const QString &action) {
        auto *button = new FflashButtonClass(this);
        AddComponent(button);
        button->SetBounds(left, top, 25, 25);
        button->SetGradientFill(false);
        button->SetSolidFill(false);
        button->SetText(text);
        button->SetToggleText(toggled);
        button->SetToggle(true);
        button->SetAction(action);
        button->SetShowThrough(true);
        button->SetBorderSolid(true);
        return button;
    };
    m_playButton = makeButton(w - 38, h - 87, u"Play Slideshow"_s, u"Pause Slideshow"_s, u"toggleplaypause"_s);
    m_soundsButton = makeButton(w - 38, h - 57, u"Audio Off"_s, u"Audio On"_s, u"togglesounds"_s);
    m_albumsButton = makeButton(w - 38, h - 30, u"Show Albums"_s, u"Hide Albums"_s, u"showcatagories"_s);
    m_albumsButton->SetShowBorder(false);

    m_thumbnailStrip = new FflashThumbnailerClass(this);
    AddComponent(m_thumbnailStrip);
    m_thumbnailStrip->SetBounds(10, h - 87, w - 50, m_thumbnailStrip->Height());
}

void FflashMovie::ResetAsNewGallery()
{
    UpdatingPanelsGuard building;
    FThummnailCatagory *album = m_thumbnailStrip->AddAlbum(u"My Images"_s);
    album->SetDescription(u"Put the description of your images here."_s);
    Select(nullptr, false);
    m_imageDisplay->SetHeight(m_imageDisplay->Width() / 4 * 3);
    // A gallery nobody has touched yet has nothing to save.
    ClearModified();
}

void FflashMovie::Changed(bool repaint)
{
    SetModified(true);
    if (repaint)
        Repaint();
}

void FflashMovie::SetModified(bool value)
{
    const bool changed = value != Modified();
    FflashObjectBaseClass::SetModified(value);
    if (changed)
        emit ModifiedChanged(value);
}

void FflashMovie::ClearModified()
{
    for (FflashComponentBaseClass *component : std::as_const(m_components))
        component->SetModified(false);
    SetModified(false);
}

void FflashMovie::SetBackgroundSolid(bool value)
{
    m_backgroundSolid = value;
    if (value) {
        m_backgroundGradient = false;
        m_backgroundImageOn = false;
    }
    Changed();
}

void FflashMovie::SetBackgroundGradient(bool value)
{
    m_backgroundGradient = value;
    if (value) {
        m_backgroundSolid = false;
        m_backgroundImageOn = false;
    }
    Changed();
}

void FflashMovie::SetBackgroundImageOn(bool value)
{
    m_backgroundImageOn = value;
    if (value) {
        m_backgroundSolid = false;
        m_backgroundGradient = false;
    }
    Changed();
}

void FflashMovie::SetFillColor(FColor value) { m_fillColor = value; Changed(); }
void FflashMovie::SetFillAlpha(int value) { m_fillAlpha = value; Changed(false); }
void FflashMovie::SetGradientColor(FColor value) { m_gradientColor = value; Changed(); }
void FflashMovie::SetGradientAlpha(int value) { m_gradientAlpha = value; Changed(false); }
void FflashMovie::SetGradientAngle(int value) { m_gradientAngle = value; Changed(false); }
void FflashMovie::SetBorderOn(bool value) { m_borderOn = value; Changed(); }
void FflashMovie::SetBorderSolid(bool value) { m_borderSolid = value; Changed(); }
void FflashMovie::SetBorderColor(FColor value) { m_borderColor = value; Changed(); }
void FflashMovie::SetAlbumsOnStartup(bool value) { m_albumsOnStartup = value; Changed(false); }
void FflashMovie::SetPlayOnStartup(bool value) { m_playOnStartup = value; Changed(false); }

void FflashMovie::SetBackgroundImage(const QString &path)
{
    m_backgroundImageSource = path;
    const QString name = FileNamePart(path);
    if (name != m_backgroundImageName)
        m_backgroundImageName = name;
    // A missing file keeps the previous picture.
    if (QFileInfo(path).isFile()) {
        QImage picture(path);
        if (!picture.isNull())
            m_backgroundImage = picture;
    }
    Changed();
}

void FflashMovie::AssignSound(const QString &path, QString &workPath, QString &name)
{
    const QString stem = ReplaceChar(FileBaseName(StripMediaNameChars(FileNamePart(path)).toLower()), u' ', u'_');
    workPath = UniqueFileName(AppFolders::TempFolder(), stem, FileExtension(path));
    name = FileNamePart(workPath);
    SetModified(true);
    QFile::copy(path, AppFolders::TempFolder() + name); // fails quietly when missing or taken
}

void FflashMovie::SetBackgroundSound(const QString &path)
{
    AssignSound(path, m_backgroundSoundWorkPath, m_backgroundSoundName);
}

void FflashMovie::SetMouseOverSound(const QString &path)
{
    AssignSound(path, m_mouseOverSoundWorkPath, m_mouseOverSoundName);
}

void FflashMovie::ReleaseSoundWorkCopies()
{
    for (const QString &path : {m_backgroundSoundWorkPath, m_mouseOverSoundWorkPath}) {
        if (QFileInfo(path).isFile())
            QFile::remove(path);
    }
}

void FflashMovie::SetBackgroundSoundName(const QString &name)
{
    m_backgroundSoundName = name;
    SetModified(true);
}

void FflashMovie::SetMouseOverSoundName(const QString &name)
{
    m_mouseOverSoundName = name;
    SetModified(true);
}

void FflashMovie::SetBaseNameFromFileName(const QString &name)
{
    m_baseName = FileBaseName(StripFileNameChars(name));
}

void FflashMovie::SetFolderFromPath(const QString &path)
{
    const QString candidate = IncludeTrailingSlash(StripPathChars(path));
    if (candidate.size() < 260)
        m_folder = candidate;
}

void FflashMovie::SendToBack(FflashObjectBaseClass *object)
{
    const qsizetype at = m_zOrder.indexOf(object);
    if (at <= 0)
        return;
    m_zOrder.move(at, 0);
    emit ZOrderChanged();
    Repaint();
}

QSize FflashMovie::MenuSize() const
{
    return m_menuStyle->MenuSize(Width(), m_imageDisplay ? m_imageDisplay->Height() : 0,
                                 int(m_thumbnailStrip ? m_thumbnailStrip->Albums().size() : 0));
}

void FflashMovie::Select(FflashObjectBaseClass *object, bool on)
{
    if (m_selectedObject && m_selectedObject != object)
        m_selectedObject->SetSelected(false);
    if (object) {
        m_selectedObject = on ? object : nullptr;
        object->SetSelected(on);
        if (on && object->Visible())
            emit FocusRequested(object);
    } else {
        m_selectedObject = nullptr;
    }
    emit SelectionChanged(m_selectedObject);
}

void FflashMovie::SizeChanged()
{
    if (Width() == m_lastWidth && Height() == m_lastHeight)
        return;
    m_lastWidth = Width();
    m_lastHeight = Height();
    ShowGalleryProperties();
    SetModified(true);
}

void FflashMovie::ShowGalleryProperties()
{
    UpdatingPanelsGuard filling;
    emit GalleryPropertiesChanged();
}

void FflashMovie::AddUploadImageFile(const QString &name)
{
    UploadImageFiles.append(name);
}

void FflashMovie::ForgetPublishedImageFile(const QString &name)
{
    const QPair<QString, QString> entry(m_folder, name);
    if (!name.isEmpty() && !m_folder.isEmpty() && !m_forgottenImageFiles.contains(entry))
        m_forgottenImageFiles.append(entry);
}

QStringList FflashMovie::TakeForgottenPublishedImageFiles(const QString &folder)
{
    QStringList names;
    for (qsizetype i = m_forgottenImageFiles.size() - 1; i >= 0; --i) {
        if (m_forgottenImageFiles[i].first == folder)
            names.prepend(m_forgottenImageFiles.takeAt(i).second);
    }
    return names;
}

void FflashMovie::ReportMissingImageFile(const QString &path)
{
    m_missingImageFiles.append(path);
}

QStringList FflashMovie::TakeMissingImageFiles()
{
    return std::exchange(m_missingImageFiles, {});
}

QString FflashMovie::WriteXml()
{
    QString xml;
    xml += u"<?xml version=\"1.0\"?>"_s + XmlEol + XmlEol;
    xml += u"<pelliconimagegallery version=\"3.5\">"_s + XmlEol + XmlEol;
    xml += u"  <imagegallery"_s + XmlEol;
    xml += XmlAttr(4, u"x", 0);
    xml += XmlAttr(4, u"y", 0);
    xml += XmlAttr(4, u"w", Width());
    xml += XmlAttr(4, u"h", Height());
    xml += XmlFlagAttr(4, u"bkdobk", m_backgroundSolid);
    xml += XmlFlagAttr(4, u"bkdogradient", m_backgroundGradient);
    xml += XmlColorAttr(4, u"bkfillclr", m_fillColor);
    xml += XmlAttr(4, u"bkfillalpha", m_fillAlpha);
    xml += XmlColorAttr(4, u"bkgradclr", m_gradientColor);
    xml += XmlAttr(4, u"bkgradalpha", m_gradientAlpha);
    xml += XmlAttr(4, u"bkgradangle", m_gradientAngle);
    xml += XmlFlagAttr(4, u"bkdoimg", m_backgroundImageOn);
    xml += XmlTextAttr(4, u"bkimg", m_backgroundImageName);
    xml += XmlFlagAttr(4, u"bkdobdr", m_borderOn);
    xml += XmlFlagAttr(4, u"bkbdrsolid", m_borderSolid);
    xml += XmlColorAttr(4, u"bkbdrcolor", m_borderColor);
    xml += XmlTextAttr(4, u"bkmp3", m_backgroundSoundName);
    xml += XmlTextAttr(4, u"overclick", m_mouseOverSoundName);
    xml += XmlAttr(4, u"playspeed", SlideshowSpeed);
    xml += XmlAttr(4, u"thumbspeed", ThumbScrollSpeed);
    xml += XmlAttr(3, u"captionfontsize", CaptionFontSize);
    xml += XmlColorAttr(3, u"captionfontcolor", CaptionFontColor);
    xml += XmlColorAttr(3, u"captionfontbkcolor", CaptionFontBkColor);
    xml += XmlTextAttr(3, u"captionfont", CaptionFont);
    xml += XmlFlagAttr(4, u"docatsonstartup", m_albumsOnStartup);
    xml += XmlFlagAttr(4, u"docplayonstartup", m_playOnStartup);
    xml += m_thumbnailStrip->WriteRootAttributes();
    xml += u"  >"_s + XmlEol;
    for (FflashComponentBaseClass *component : std::as_const(m_components)) {
        // The strip carries the albums and is always written.
        if (component->Visible() || component == m_thumbnailStrip)
            xml += component->WriteXml();
    }
    xml += u"</imagegallery>"_s + XmlEol;
    xml += u"</pelliconimagegallery>"_s;
    return xml;
}

void FflashMovie::WriteOutput(const QString &folder, const QString &baseName, bool forPreview)
{
    TakeMissingImageFiles();
    GalleryWriter(*this).WriteOutput(folder, baseName, forPreview);
    const QStringList missing = TakeMissingImageFiles();
    if (!missing.isEmpty())
        emit ImageFilesMissing(missing);
}

QString FflashMovie::BuildHtmlPage(const QString &movie)
{
    const QString width = QString::number(Width());
    const QString height = QString::number(Height());
    if (width == m_htmlWidth && height == m_htmlHeight && movie == m_htmlMovie && !m_htmlPage.isEmpty())
        return m_htmlPage;
    m_htmlWidth = width;
    m_htmlHeight = height;
    m_htmlMovie = movie;
    m_htmlSnippet = GalleryWriter::BuildSnippet(width, height, movie);
    m_htmlPage = GalleryWriter::BuildPage(m_htmlSnippet);
    return m_htmlPage;
}

bool FflashMovie::Save(const SaveFileChooser &chooser)
{
    const QString proposed = m_folder + (m_baseName.isEmpty() ? u"myalbum.xml"_s : m_baseName + u".xml"_s);
    const QString chosen = chooser ? chooser(proposed) : QString();
    if (chosen.isEmpty())
        return false;
    const QFileInfo file(chosen);
    SetFolderFromPath(IncludeTrailingSlash(file.absolutePath()));
    SetBaseNameFromFileName(file.fileName());
    WriteOutput(m_folder, m_baseName, false);
    ClearModified();
    emit RequiredFilesRequested();
    return true;
}

QString FflashMovie::GetHtmlSnippet(const SaveFileChooser &chooser)
{
    if (m_baseName.isEmpty())
        Save(chooser);
    if (m_baseName.isEmpty())
        return {};
    BuildHtmlPage(m_baseName + u".swf"_s);
    return m_htmlSnippet;
}

int FflashMovie::CollectUploadFiles(const SaveFileChooser &chooser)
{
    UploadFiles.clear();
    UploadImageFiles.clear();
    // Save already shows the Files to Upload window; it is not shown a second time.
    if (m_baseName.isEmpty() || Modified())
        Save(chooser);
    FillUploadLists();
    return int(UploadFiles.size() + UploadImageFiles.size());
}

void FflashMovie::FillUploadLists()
{
    UploadFiles.clear();
    UploadImageFiles.clear();
    const QString swf = m_baseName + u".swf"_s;
    // No player movie ships with Fotovia: list one only when the gallery folder has it.
    if (QFileInfo(m_folder + swf).isFile())
        UploadFiles.append(swf);
    UploadFiles.append(m_baseName + u".html"_s);
    UploadFiles.append(m_baseName + u".xml"_s);
    if (QFileInfo(m_folder + u"fotovia-player.js"_s).isFile())
        UploadFiles.append(u"fotovia-player.js"_s);
    if (m_backgroundImageOn && !m_backgroundImageName.isEmpty())
        UploadFiles.append(m_backgroundImageName);
    if (!m_mouseOverSoundName.isEmpty())
        UploadFiles.append(m_mouseOverSoundName);
    if (!m_backgroundSoundName.isEmpty())
        UploadFiles.append(m_backgroundSoundName);
    for (FflashComponentBaseClass *component : std::as_const(m_components))
        component->CollectFiles();
    for (FThummnailCatagory *album : m_thumbnailStrip->Albums())
        album->CollectFiles();
}

GalleryLoadReport FflashMovie::LoadFromFile(const QString &path, PhotoLoading photos)
{
    return GalleryLoader(*this, photos).Load(path);
}
