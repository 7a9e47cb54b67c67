#pragma once

#include "albums/ImageProcessor.h"
#include "app/Color.h"
#include "components/FflashObjectBaseClass.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <functional>

class FflashComponentBaseClass;
class FflashImageDisplay;
class FflashButtonClass;
class FflashThumbnailerClass;
class FCatagoryMenuStyle;
class FThummnailCatagoryPanel;

// Asks the user where to save: given the proposed path (folder + file name), returns the chosen
// path, or the empty text for Cancel.
using SaveFileChooser = std::function<QString(const QString &proposedPath)>;

// How a load takes in the albums' photos. NamesOnly gives each photo the names its gallery file
// gives it without reading any picture: for looking at or uploading a saved gallery, whose
// images folder holds the files already. Such a gallery has no working files and is not saved.
enum class PhotoLoading { Import, NamesOnly };

// What a load found, for the window to tell the user.
struct GalleryLoadReport
{
    bool recognised = false;    // false: "This file cannot be opened in Fotovia!"
    QString error;              // the parser's or a conversion error, empty when none
    QList<ImportFailure> undecodable; // photos that exist but could not be read (kept in their albums)
};

// The gallery: the design canvas and the document at once. It holds every gallery-wide
// setting, owns the five components, knows its file, tracks unsaved changes and keeps the
// selection.
class FflashMovie : public FflashObjectBaseClass
{
    Q_OBJECT
public:
    explicit FflashMovie(QObject *owner = nullptr);
    ~FflashMovie() override;

    // What New adds after construction: the first album and the 4:3 display.
    void ResetAsNewGallery();

    // Settings.
    bool BackgroundSolid() const { return m_backgroundSolid; }
    bool BackgroundGradient() const { return m_backgroundGradient; }
    bool BackgroundImageOn() const { return m_backgroundImageOn; }
    FColor FillColor() const { return m_fillColor; }
    int FillAlpha() const { return m_fillAlpha; }
    FColor GradientColor() const { return m_gradientColor; }
    int GradientAlpha() const { return m_gradientAlpha; }
    int GradientAngle() const { return m_gradientAngle; }
    QString BackgroundImageSource() const { return m_backgroundImageSource; }
    QString BackgroundImageName() const { return m_backgroundImageName; }
    const QImage &BackgroundImage() const { return m_backgroundImage; }
    bool BorderOn() const { return m_borderOn; }
    bool BorderSolid() const { return m_borderSolid; }
    FColor BorderColor() const { return m_borderColor; }
    QString BackgroundSoundName() const { return m_backgroundSoundName; }
    QString BackgroundSoundWorkPath() const { return m_backgroundSoundWorkPath; }
    QString MouseOverSoundName() const { return m_mouseOverSoundName; }
    QString MouseOverSoundWorkPath() const { return m_mouseOverSoundWorkPath; }
    bool AlbumsOnStartup() const { return m_albumsOnStartup; }
    bool PlayOnStartup() const { return m_playOnStartup; }

    // Stored directly by the panels and the loader.
    int SlideshowSpeed = 100; // in 1/24 seconds
    int ThumbScrollSpeed = 15;
    QString CaptionFont = QStringLiteral("Arial");
    int CaptionFontSize = 10;
    FColor CaptionFontColor = Colors::Black;
    FColor CaptionFontBkColor = Colors::White;

    void SetBackgroundSolid(bool value);
    void SetBackgroundGradient(bool value);
    void SetBackgroundImageOn(bool value);
    void SetFillColor(FColor value);
    void SetFillAlpha(int value);
    void SetGradientColor(FColor value);
    void SetGradientAlpha(int value);
    void SetGradientAngle(int value);
    void SetBorderOn(bool value);
    void SetBorderSolid(bool value);
    void SetBorderColor(FColor value);
    void SetAlbumsOnStartup(bool value);
    void SetPlayOnStartup(bool value);
    void SetBackgroundImage(const QString &path);
    void SetBackgroundSound(const QString &path);
    void SetMouseOverSound(const QString &path);
    void SetBackgroundSoundName(const QString &name);
    // Deletes the working copies of the two sounds; a load that brings its own sounds calls
    // this first, so that reopening and saving a gallery keeps its sound names.
    void ReleaseSoundWorkCopies();
    void SetMouseOverSoundName(const QString &name);

    // File identity.
    QString BaseName() const { return m_baseName; }
    QString GetFolder() const { return m_folder; }
    void SetBaseNameFromFileName(const QString &name);
    void SetFolderFromPath(const QString &path);

    // Components, in their fixed order, and the z-order (bottom first).
    const QList<FflashComponentBaseClass *> &Components() const { return m_components; }
    const QList<FflashObjectBaseClass *> &ZOrder() const { return m_zOrder; }
    void SendToBack(FflashObjectBaseClass *object);
    FflashImageDisplay *ImageDisplay() const { return m_imageDisplay; }
    FflashButtonClass *PlayButton() const { return m_playButton; }
    FflashButtonClass *SoundsButton() const { return m_soundsButton; }
    FflashButtonClass *AlbumsButton() const { return m_albumsButton; }
    FflashThumbnailerClass *ThumbnailStrip() const { return m_thumbnailStrip; }
    FCatagoryMenuStyle *MenuStyle() const { return m_menuStyle; }
    FThummnailCatagoryPanel *MenuPanel() const { return m_menuPanel; }
    // The album menu's size as the file records it.
    QSize MenuSize() const;

    // Selection.
    FflashObjectBaseClass *SelectedObject() const { return m_selectedObject; }
    void Select(FflashObjectBaseClass *object, bool on);
    int LastWidth() const { return m_lastWidth; }
    int LastHeight() const { return m_lastHeight; }

    void SetModified(bool value) override;
    // Clears the modified flags of the gallery and of every component.
    void ClearModified();

    // Upload lists and files of the published gallery.
    QStringList UploadFiles;
    QStringList UploadImageFiles;
    void AddUploadImageFile(const QString &name);
    // An image file that the published gallery no longer needs (removed at the next save).
    void ForgetPublishedImageFile(const QString &name);
    // The forgotten names of a published folder, taken off the list.
    QStringList TakeForgottenPublishedImageFiles(const QString &folder);
    // A working file that a save could not copy.
    void ReportMissingImageFile(const QString &path);
    QStringList TakeMissingImageFiles();

    QString WriteXml() override;
    void ShowGalleryProperties() override;

    // Saving and publishing. Save asks chooser for the file; false when the user cancelled.
    // Write failures throw InOutError and leave the previous files intact.
    bool Save(const SaveFileChooser &chooser);
    void WriteOutput(const QString &folder, const QString &baseName, bool forPreview);
    QString BuildHtmlPage(const QString &movie);
    // The object/embed code; saves first when the gallery has no name yet (empty when cancelled).
    QString GetHtmlSnippet(const SaveFileChooser &chooser);
    // Rebuilds UploadFiles and UploadImageFiles, saving first when needed.
    int CollectUploadFiles(const SaveFileChooser &chooser);
    void FillUploadLists();

    // Rebuilds this (fresh) gallery from a gallery file.
    GalleryLoadReport LoadFromFile(const QString &path, PhotoLoading photos = PhotoLoading::Import);

signals:
    void ModifiedChanged(bool modified);
    void SelectionChanged(FflashObjectBaseClass *selected);
    void FocusRequested(FflashObjectBaseClass *object);
    void GalleryPropertiesChanged();
    void ZOrderChanged();
    // The Files to Upload window should show this gallery's code and lists.
    void RequiredFilesRequested();
    // A save could not find these working files ("No Src Big Image Found").
    void ImageFilesMissing(const QStringList &paths);

protected:
    void SizeChanged() override;

private:
    void BuildDefaultLayout();
    void AddComponent(FflashComponentBaseClass *component);
    void Changed(bool repaint = true);
    // Copies a sound into the working folder under a cleaned, unique name.
    void AssignSound(const QString &path, QString &workPath, QString &name);

    bool m_backgroundSolid = true;
    bool m_backgroundGradient = false;
    bool m_backgroundImageOn = false;
    FColor m_fillColor = Colors::Black;
    int m_fillAlpha = 100;
    FColor m_gradientColor = Colors::White;
    int m_gradientAlpha = 100;
    int m_gradientAngle = 70;
    QString m_backgroundImageSource;
    QString m_backgroundImageName;
    QImage m_backgroundImage;
    bool m_borderOn = true;
    bool m_borderSolid = true;
    FColor m_borderColor = Colors::Gray;
    QString m_backgroundSoundName;
    QString m_backgroundSoundWorkPath;
    QString m_mouseOverSoundName;
    QString m_mouseOverSoundWorkPath;
    bool m_albumsOnStartup = false;
    bool m_playOnStartup = false;

    QString m_baseName;
    QString m_folder;
    QList<FflashComponentBaseClass *> m_components;
    QList<FflashObjectBaseClass *> m_zOrder;
    FflashImageDisplay *m_imageDisplay = nullptr;
    FflashButtonClass *m_playButton = nullptr;
    FflashButtonClass *m_soundsButton = nullptr;
    FflashButtonClass *m_albumsButton = nullptr;
    FflashThumbnailerClass *m_thumbnailStrip = nullptr;
    FCatagoryMenuStyle *m_menuStyle = nullptr;
    FThummnailCatagoryPanel *m_menuPanel = nullptr;
    FflashObjectBaseClass *m_selectedObject = nullptr;
    int m_lastWidth = 500;
    int m_lastHeight = 462;
    QList<QPair<QString, QString>> m_forgottenImageFiles; // published folder, file name
    QString m_htmlWidth;
    QString m_htmlHeight;
    QString m_htmlMovie;
    QString m_htmlSnippet;
    QString m_htmlPage;
    QStringList m_missingImageFiles;
};
