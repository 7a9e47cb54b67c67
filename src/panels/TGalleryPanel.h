#pragma once

#include <QPointer>
#include <QWidget>

class FflashMovie;
class ColorButton;
class SoundPicker;
class QCheckBox;
class QPushButton;
class QSpinBox;

// The "Gallery Settings" tab: size, background colour, border, sounds, which buttons the
// gallery has, start-up behaviour and speeds. Every control writes straight into the gallery.
class TGalleryPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TGalleryPanel(QWidget *parent = nullptr);

    // Shows this gallery (none: the controls do nothing). The panel refills itself whenever the
    // gallery asks for it (GalleryPropertiesChanged).
    void Bind(FflashMovie *gallery);
    FflashMovie *Gallery() const;

    // Fills the controls from the gallery without writing anything back.
    void Fill();

    // The two sound dialogs, whose folders the main window keeps from one run to the next.
    SoundPicker *BackgroundSoundPicker() const { return m_backgroundSoundPicker; }
    SoundPicker *MouseOverSoundPicker() const { return m_mouseOverSoundPicker; }

    // The controls, by their captions.
    QSpinBox *WidthEdit() const { return m_width; }
    QSpinBox *HeightEdit() const { return m_height; }
    QWidget *BackgroundColorRow() const { return m_backgroundColorRow; }
    ColorButton *BackgroundColorButton() const { return m_backgroundColor; }
    QCheckBox *ShowBorderBox() const { return m_showBorder; }
    QCheckBox *DashedBox() const { return m_dashed; }
    ColorButton *BorderColorButton() const { return m_borderColor; }
    QPushButton *BackgroundSoundBrowseButton() const { return m_backgroundSoundBrowse; }
    QPushButton *BackgroundSoundRemoveButton() const { return m_backgroundSoundRemove; }
    QPushButton *MouseOverSoundBrowseButton() const { return m_mouseOverSoundBrowse; }
    QPushButton *MouseOverSoundRemoveButton() const { return m_mouseOverSoundRemove; }
    QCheckBox *NoSoundsBox() const { return m_noSounds; }
    QCheckBox *ShowAudioButtonBox() const { return m_showAudioButton; }
    QCheckBox *ShowAlbumsButtonBox() const { return m_showAlbumsButton; }
    QCheckBox *ShowPlayButtonBox() const { return m_showPlayButton; }
    QCheckBox *AlbumsOnStartupBox() const { return m_albumsOnStartup; }
    QCheckBox *PlayOnStartupBox() const { return m_playOnStartup; }
    QCheckBox *ClickFullSizeBox() const { return m_clickFullSize; }
    QSpinBox *SlideshowSpeedEdit() const { return m_slideshowSpeed; }
    QSpinBox *ScrollSpeedEdit() const { return m_scrollSpeed; }

private:
    // Change handlers: each returns at once while the panels are being filled.
    bool Editing() const;
    void BrowseBackgroundSound();
    void BrowseMouseOverSound();
    void RemoveBackgroundSound();
    void RemoveMouseOverSound();
    void RemoveAllSounds();

    QPointer<FflashMovie> m_gallery;
    SoundPicker *m_backgroundSoundPicker = nullptr;
    SoundPicker *m_mouseOverSoundPicker = nullptr;

    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
    QWidget *m_backgroundColorRow = nullptr;
    ColorButton *m_backgroundColor = nullptr;
    QCheckBox *m_showBorder = nullptr;
    QCheckBox *m_dashed = nullptr;
    ColorButton *m_borderColor = nullptr;
    QPushButton *m_backgroundSoundBrowse = nullptr;
    QPushButton *m_backgroundSoundRemove = nullptr;
    QPushButton *m_mouseOverSoundBrowse = nullptr;
    QPushButton *m_mouseOverSoundRemove = nullptr;
    QCheckBox *m_noSounds = nullptr;
    QCheckBox *m_showAudioButton = nullptr;
    QCheckBox *m_showAlbumsButton = nullptr;
    QCheckBox *m_showPlayButton = nullptr;
    QCheckBox *m_albumsOnStartup = nullptr;
    QCheckBox *m_playOnStartup = nullptr;
    QCheckBox *m_clickFullSize = nullptr;
    QSpinBox *m_slideshowSpeed = nullptr;
    QSpinBox *m_scrollSpeed = nullptr;
};
