#pragma once

#include <QPointer>
#include <QWidget>

#include "GalleryDocument.h"
class ColorButton;
class SoundPicker;
class QCheckBox;
class QPushButton;
class QSpinBox;

// The "Gallery Settings" tab: size, background colour, border, sounds, which buttons the
// gallery has, start-up behaviour and speeds. Every control writes straight into the gallery.
class GallerySettingsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit GallerySettingsPanel(QWidget *parent = nullptr);

    // Shows this gallery (none: the controls do nothing). The panel refills itself whenever the
    // gallery asks for it (GalleryPropertiesChanged).
    void bind(GalleryDocument *gallery);
    GalleryDocument *gallery() const;

    // Fills the controls from the gallery without writing anything back.
    void fill();

    // The two sound dialogs, whose folders the main window keeps from one run to the next.
    SoundPicker *backgroundSoundPicker() const { return m_backgroundSoundPicker; }
    SoundPicker *mouseOverSoundPicker() const { return m_mouseOverSoundPicker; }

    // The controls, by their captions.
    QSpinBox *widthEdit() const { return m_width; }
    QSpinBox *heightEdit() const { return m_height; }
    QWidget *backgroundColorRow() const { return m_backgroundColorRow; }
    ColorButton *backgroundColorButton() const { return m_backgroundColor; }
    QCheckBox *showBorderBox() const { return m_showBorder; }
    QCheckBox *dashedBox() const { return m_dashed; }
    ColorButton *borderColorButton() const { return m_borderColor; }
    QPushButton *backgroundSoundBrowseButton() const { return m_backgroundSoundBrowse; }
    QPushButton *backgroundSoundRemoveButton() const { return m_backgroundSoundRemove; }
    QPushButton *mouseOverSoundBrowseButton() const { return m_mouseOverSoundBrowse; }
    QPushButton *mouseOverSoundRemoveButton() const { return m_mouseOverSoundRemove; }
    QCheckBox *noSoundsBox() const { return m_noSounds; }
    QCheckBox *showAudioButtonBox() const { return m_showAudioButton; }
    QCheckBox *showAlbumsButtonBox() const { return m_showAlbumsButton; }
    QCheckBox *showPlayButtonBox() const { return m_showPlayButton; }
    QCheckBox *albumsOnStartupBox() const { return m_albumsOnStartup; }
    QCheckBox *playOnStartupBox() const { return m_playOnStartup; }
    QCheckBox *clickFullSizeBox() const { return m_clickFullSize; }
    QSpinBox *slideshowSpeedEdit() const { return m_slideshowSpeed; }
    QSpinBox *scrollSpeedEdit() const { return m_scrollSpeed; }

    // Raised while the panel fills its own controls; a FillingGuard on it makes a caller's
    // changes count as the program's own.
    bool &fillingFlag() { return m_filling; }

private:
    void createControls();
    void layOutControls();
    void connectLookControls();
    void connectSoundControls();
    void connectPlayerControls();

    bool m_filling = false;

    // Change handlers: each returns at once while the panels are being filled.
    bool editing() const;
    void browseBackgroundSound();
    void browseMouseOverSound();
    void removeBackgroundSound();
    void removeMouseOverSound();
    void removeAllSounds();

    QPointer<GalleryDocument> m_gallery;
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
