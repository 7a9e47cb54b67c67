#pragma once

#include "ImageProcessor.h"
#include "Color.h"
#include "CanvasObject.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <functional>

class StyledComponent;
class ImageDisplay;
class GalleryButton;
class ThumbnailStrip;
class AlbumMenuStyle;
class AlbumMenuBackground;

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
class GalleryDocument : public CanvasObject
{
    Q_OBJECT
public:
    explicit GalleryDocument(QObject *owner = nullptr);
    ~GalleryDocument() override;

    // What New adds after construction: the first album and the 4:3 display.
    void resetAsNewGallery();

    // Settings.
    bool backgroundSolid() const { return m_backgroundSolid; }
    bool backgroundGradient() const { return m_backgroundGradient; }
    bool backgroundImageOn() const { return m_backgroundImageOn; }
    PackedColor fillColor() const { return m_fillColor; }
    int fillAlpha() const { return m_fillAlpha; }
    PackedColor gradientColor() const { return m_gradientColor; }
    int gradientAlpha() const { return m_gradientAlpha; }
    int gradientAngle() const { return m_gradientAngle; }
    QString backgroundImageSource() const { return m_backgroundImageSource; }
    QString backgroundImageName() const { return m_backgroundImageName; }
    const QImage &backgroundImage() const { return m_backgroundImage; }
    bool borderOn() const { return m_borderOn; }
    bool borderSolid() const { return m_borderSolid; }
    PackedColor borderColor() const { return m_borderColor; }
    QString backgroundSoundName() const { return m_backgroundSoundName; }
    QString backgroundSoundWorkPath() const { return m_backgroundSoundWorkPath; }
    QString mouseOverSoundName() const { return m_mouseOverSoundName; }
    QString mouseOverSoundWorkPath() const { return m_mouseOverSoundWorkPath; }
    bool albumsOnStartup() const { return m_albumsOnStartup; }
    bool playOnStartup() const { return m_playOnStartup; }

    int slideshowSpeed() const { return m_slideshowSpeed; } // in 1/24 seconds
    int thumbScrollSpeed() const { return m_thumbScrollSpeed; }
    QString captionFont() const { return m_captionFont; }
    int captionFontSize() const { return m_captionFontSize; }
    PackedColor captionFontColor() const { return m_captionFontColor; }
    PackedColor captionFontBkColor() const { return m_captionFontBkColor; }

    // Each setter that changes its value marks the gallery modified and sends changed() once.
    void setSlideshowSpeed(int value);
    void setThumbScrollSpeed(int value);
    void setCaptionFont(const QString &value);
    void setCaptionFontSize(int value);
    void setCaptionFontColor(PackedColor value);
    void setCaptionFontBkColor(PackedColor value);

    void setBackgroundSolid(bool value);
    void setBackgroundGradient(bool value);
    void setBackgroundImageOn(bool value);
    void setFillColor(PackedColor value);
    void setFillAlpha(int value);
    void setGradientColor(PackedColor value);
    void setGradientAlpha(int value);
    void setGradientAngle(int value);
    void setBorderOn(bool value);
    void setBorderSolid(bool value);
    void setBorderColor(PackedColor value);
    void setAlbumsOnStartup(bool value);
    void setPlayOnStartup(bool value);
    void setBackgroundImage(const QString &path);
    void setBackgroundSound(const QString &path);
    void setMouseOverSound(const QString &path);
    void setBackgroundSoundName(const QString &name);
    // Deletes the working copies of the two sounds; a load that brings its own sounds calls
    // this first, so that reopening and saving a gallery keeps its sound names.
    void releaseSoundWorkCopies();
    void setMouseOverSoundName(const QString &name);

    // File identity.
    QString baseName() const { return m_baseName; }
    QString getFolder() const { return m_folder; }
    void setBaseNameFromFileName(const QString &name);
    void setFolderFromPath(const QString &path);

    // Components, in their fixed order, and the z-order (bottom first).
    const QList<StyledComponent *> &Components() const { return m_components; }
    const QList<CanvasObject *> &zOrder() const { return m_zOrder; }
    void sendToBack(CanvasObject *object);
    ImageDisplay *imageDisplay() const { return m_imageDisplay; }
    GalleryButton *playButton() const { return m_playButton; }
    GalleryButton *soundsButton() const { return m_soundsButton; }
    GalleryButton *albumsButton() const { return m_albumsButton; }
    ThumbnailStrip *thumbnailStrip() const { return m_thumbnailStrip; }
    AlbumMenuStyle *menuStyle() const { return m_menuStyle; }
    AlbumMenuBackground *menuPanel() const { return m_menuPanel; }
    // The album menu's size as the file records it.
    QSize menuSize() const;

    // Selection.
    CanvasObject *selectedObject() const { return m_selectedObject; }
    void select(CanvasObject *object, bool on);
    int lastWidth() const { return m_lastWidth; }
    int lastHeight() const { return m_lastHeight; }

    void setModified(bool value) override;
    // Clears the modified flags of the gallery and of every component.
    void clearModified();

    // Upload lists and files of the published gallery.
    const QStringList &uploadFiles() const { return m_uploadFiles; }
    const QStringList &uploadImageFiles() const { return m_uploadImageFiles; }
    // An image file that the published gallery no longer needs (removed at the next save).
    void forgetPublishedImageFile(const QString &name);
    // The forgotten names of a published folder, taken off the list.
    QStringList takeForgottenPublishedImageFiles(const QString &folder);
    // A working file that a save could not copy.
    void reportMissingImageFile(const QString &path);
    QStringList takeMissingImageFiles();

    QString writeXml() override;
    void showGalleryProperties() override;

    // Saving and publishing. Save asks chooser for the file; false when the user cancelled.
    // Write failures throw InOutError and leave the previous files intact.
    bool save(const SaveFileChooser &chooser);
    void writeOutput(const QString &folder, const QString &baseName, bool forPreview);
    QString buildHtmlPage(const QString &movie);
    // The object/embed code; saves first when the gallery has no name yet (empty when cancelled).
    QString htmlSnippet(const SaveFileChooser &chooser);
    // Rebuilds UploadFiles and UploadImageFiles, saving first when needed.
    int collectUploadFiles(const SaveFileChooser &chooser);
    void fillUploadLists();

    // Rebuilds this (fresh) gallery from a gallery file.
    GalleryLoadReport loadFromFile(const QString &path, PhotoLoading photos = PhotoLoading::Import);

signals:
    void modifiedChanged(bool modified);
    void selectionChanged(CanvasObject *selected);
    void focusRequested(CanvasObject *object);
    void galleryPropertiesChanged();
    void zOrderChanged();
    // The Files to Upload window should show this gallery's code and lists.
    void requiredFilesRequested();
    // A save could not find these working files ("No Src Big Image Found").
    void imageFilesMissing(const QStringList &paths);

protected:
    void sizeChanged() override;

private:
    void buildDefaultLayout();
    void addComponent(StyledComponent *component);
    // Copies a sound into the working folder under a cleaned, unique name.
    void assignSound(const QString &path, QString &workPath, QString &name);

    bool m_backgroundSolid = true;
    bool m_backgroundGradient = false;
    bool m_backgroundImageOn = false;
    PackedColor m_fillColor = Colors::Black;
    int m_fillAlpha = 100;
    PackedColor m_gradientColor = Colors::White;
    int m_gradientAlpha = 100;
    int m_gradientAngle = 70;
    QString m_backgroundImageSource;
    QString m_backgroundImageName;
    QImage m_backgroundImage;
    bool m_borderOn = true;
    bool m_borderSolid = true;
    PackedColor m_borderColor = Colors::Gray;
    QString m_backgroundSoundName;
    QString m_backgroundSoundWorkPath;
    QString m_mouseOverSoundName;
    QString m_mouseOverSoundWorkPath;
    bool m_albumsOnStartup = false;
    bool m_playOnStartup = false;
    int m_slideshowSpeed = 100;
    int m_thumbScrollSpeed = 15;
    QString m_captionFont = QStringLiteral("Arial");
    int m_captionFontSize = 10;
    PackedColor m_captionFontColor = Colors::Black;
    PackedColor m_captionFontBkColor = Colors::White;
    QStringList m_uploadFiles;
    QStringList m_uploadImageFiles;

    QString m_baseName;
    QString m_folder;
    QList<StyledComponent *> m_components;
    QList<CanvasObject *> m_zOrder;
    ImageDisplay *m_imageDisplay = nullptr;
    GalleryButton *m_playButton = nullptr;
    GalleryButton *m_soundsButton = nullptr;
    GalleryButton *m_albumsButton = nullptr;
    ThumbnailStrip *m_thumbnailStrip = nullptr;
    AlbumMenuStyle *m_menuStyle = nullptr;
    AlbumMenuBackground *m_menuPanel = nullptr;
    CanvasObject *m_selectedObject = nullptr;
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
