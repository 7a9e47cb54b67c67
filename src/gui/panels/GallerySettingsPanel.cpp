#include "GallerySettingsPanel.h"

#include "ColorButton.h"
#include "SoundPicker.h"
#include "FillingGuard.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "GalleryDocument.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// One row of the panel: a caption on the left, the controls after it.
QWidget *makeRow(QWidget *parent, const QString &caption, const QList<QWidget *> &controls,
                 QList<QLabel *> &captions)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!caption.isEmpty()) {
        auto *label = new QLabel(caption, row);
        captions.append(label);
        layout->addWidget(label);
    }
    for (QWidget *control : controls) {
        control->setParent(row);
        layout->addWidget(control);
    }
    layout->addStretch(1);
    return row;
}

// The controls of all rows start in one column, just right of the longest caption.
void alignCaptions(const QList<QLabel *> &captions)
{
    int width = 0;
    for (QLabel *caption : captions)
        width = qMax(width, caption->sizeHint().width());
    for (QLabel *caption : captions)
        caption->setFixedWidth(width);
}

QSpinBox *makeSpinBox(int minimum, int maximum)
{
    auto *box = new QSpinBox;
    box->setRange(minimum, maximum);
    box->setSingleStep(1);
    return box;
}

// The folder part of a path, with its trailing separator.
QString folderPart(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}
} // namespace

GallerySettingsPanel::GallerySettingsPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"gallerySettingsPanel"_s);
    createControls();
    layOutControls();
    connectLookControls();
    connectSoundControls();
    connectPlayerControls();
}

void GallerySettingsPanel::createControls()
{
    m_backgroundSoundPicker = new SoundPicker(SoundPicker::Kind::Background, this);
    m_mouseOverSoundPicker = new SoundPicker(SoundPicker::Kind::MouseOver, this);

    m_width = makeSpinBox(0, 1000);
    m_height = makeSpinBox(0, 5000);
    m_backgroundColor = new ColorButton;
    m_showBorder = new QCheckBox(u"Show Border:"_s);
    m_dashed = new QCheckBox(u"Dashed:"_s);
    m_borderColor = new ColorButton;
    m_backgroundSoundBrowse = new QPushButton(u"Browse"_s);
    m_backgroundSoundRemove = new QPushButton(u"Remove Sound"_s);
    m_mouseOverSoundBrowse = new QPushButton(u"Browse"_s);
    m_mouseOverSoundRemove = new QPushButton(u"Remove Sound"_s);
    m_noSounds = new QCheckBox(u"Don't Play Any Sounds"_s);
    m_showAudioButton = new QCheckBox(u"Show Audio Button"_s);
    m_showAlbumsButton = new QCheckBox(u"Show Albums Button"_s);
    m_showPlayButton = new QCheckBox(u"Show Play Button"_s);
    m_albumsOnStartup = new QCheckBox(u"Show Albums on Startup"_s);
    m_playOnStartup = new QCheckBox(u"Play SlideShow on Startup"_s);
    m_clickFullSize = new QCheckBox(u"Open Full Image On Click"_s);
    m_slideshowSpeed = makeSpinBox(1, 120);
    m_slideshowSpeed->setToolTip(u"Slideshow Speed:\nThe number of seconds each slide is shown."_s);
    m_scrollSpeed = makeSpinBox(1, 120);
    m_scrollSpeed->setToolTip(u"Scroll Speed:\nSmaller Numbers are Faster"_s);
}

void GallerySettingsPanel::layOutControls()
{
    QList<QLabel *> captions;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 5, 4, 4);
    layout->addWidget(makeRow(this, u"Width:"_s, {m_width}, captions));
    layout->addWidget(makeRow(this, u"Height:"_s, {m_height}, captions));
    m_backgroundColorRow = makeRow(this, u"Background Color:"_s, {m_backgroundColor}, captions);
    layout->addWidget(m_backgroundColorRow);
    layout->addWidget(makeRow(this, QString(), {m_showBorder, m_dashed}, captions));
    layout->addWidget(makeRow(this, u"Border Color:"_s, {m_borderColor}, captions));
    layout->addWidget(makeRow(this, u"Background Sound:"_s, {m_backgroundSoundBrowse, m_backgroundSoundRemove}, captions));
    layout->addWidget(makeRow(this, u"Mouse Over Sound:"_s, {m_mouseOverSoundBrowse, m_mouseOverSoundRemove}, captions));
    layout->addWidget(makeRow(this, QString(), {m_noSounds}, captions));
    layout->addWidget(makeRow(this, QString(), {m_showAudioButton}, captions));
    layout->addWidget(makeRow(this, QString(), {m_showAlbumsButton}, captions));
    layout->addWidget(makeRow(this, QString(), {m_showPlayButton}, captions));
    layout->addWidget(makeRow(this, QString(), {m_albumsOnStartup}, captions));
    layout->addWidget(makeRow(this, QString(), {m_playOnStartup}, captions));
    layout->addWidget(makeRow(this, QString(), {m_clickFullSize}, captions));
    layout->addWidget(makeRow(this, u"SlideShow Speed"_s, {m_slideshowSpeed}, captions));
    layout->addWidget(makeRow(this, u"Thumbnail Scroll Speed:"_s, {m_scrollSpeed}, captions));
    alignCaptions(captions);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

void GallerySettingsPanel::connectLookControls()
{
    // The document's resize handling refills this panel and marks the gallery modified.
    connect(m_width, &QSpinBox::valueChanged, this, [this](int value) {
        if (editing())
            m_gallery->setWidth(value);
    });
    connect(m_height, &QSpinBox::valueChanged, this, [this](int value) {
        if (editing())
            m_gallery->setHeight(value);
    });
    connect(m_backgroundColor, &ColorButton::colorChanged, this, [this](PackedColor color) {
        if (editing())
            m_gallery->setFillColor(color);
    });
    connect(m_showBorder, &QCheckBox::toggled, this, [this](bool on) {
        if (editing())
            m_gallery->setBorderOn(on);
    });
    connect(m_dashed, &QCheckBox::toggled, this, [this](bool on) {
        if (editing())
            m_gallery->setBorderSolid(!on);
    });
    connect(m_borderColor, &ColorButton::colorChanged, this, [this](PackedColor color) {
        if (editing())
            m_gallery->setBorderColor(color);
    });
}

void GallerySettingsPanel::connectSoundControls()
{
    // The sound commands are the user's own even while the panels are being filled.
    connect(m_backgroundSoundBrowse, &QPushButton::clicked, this, &GallerySettingsPanel::browseBackgroundSound);
    connect(m_mouseOverSoundBrowse, &QPushButton::clicked, this, &GallerySettingsPanel::browseMouseOverSound);
    connect(m_backgroundSoundRemove, &QPushButton::clicked, this, &GallerySettingsPanel::removeBackgroundSound);
    connect(m_mouseOverSoundRemove, &QPushButton::clicked, this, &GallerySettingsPanel::removeMouseOverSound);
    connect(m_noSounds, &QCheckBox::toggled, this, &GallerySettingsPanel::removeAllSounds);
}

void GallerySettingsPanel::connectPlayerControls()
{
    auto showButton = [this](QCheckBox *box, GalleryButton *(GalleryDocument::*button)() const) {
        connect(box, &QCheckBox::toggled, this, [this, button](bool on) {
            if (!editing())
                return;
            if (GalleryButton *target = (m_gallery->*button)()) {
                target->setVisible(on);
                // Visibility decides whether the button is in the saved gallery.
                m_gallery->setModified(true);
            }
        });
    };
    showButton(m_showAudioButton, &GalleryDocument::soundsButton);
    showButton(m_showAlbumsButton, &GalleryDocument::albumsButton);
    showButton(m_showPlayButton, &GalleryDocument::playButton);

    connect(m_albumsOnStartup, &QCheckBox::toggled, this, [this](bool on) {
        if (editing())
            m_gallery->setAlbumsOnStartup(on);
    });
    connect(m_playOnStartup, &QCheckBox::toggled, this, [this](bool on) {
        if (editing())
            m_gallery->setPlayOnStartup(on);
    });
    connect(m_clickFullSize, &QCheckBox::toggled, this, [this](bool on) {
        if (editing() && m_gallery->imageDisplay())
            m_gallery->imageDisplay()->setClickFullSize(on);
    });
    connect(m_slideshowSpeed, &QSpinBox::valueChanged, this, [this](int seconds) {
        if (!editing())
            return;
        m_gallery->setSlideshowSpeed(seconds * 24);
        m_gallery->setModified(true);
    });
    connect(m_scrollSpeed, &QSpinBox::valueChanged, this, [this](int speed) {
        if (!editing())
            return;
        m_gallery->setThumbScrollSpeed(speed);
        m_gallery->setModified(true);
    });
}

bool GallerySettingsPanel::editing() const
{
    return !m_filling && m_gallery;
}

void GallerySettingsPanel::bind(GalleryDocument *gallery)
{
    if (m_gallery)
        disconnect(m_gallery, nullptr, this, nullptr);
    m_gallery = gallery;
    if (!gallery)
        return;
    connect(gallery, &GalleryDocument::galleryPropertiesChanged, this, &GallerySettingsPanel::fill);
    fill();
}

void GallerySettingsPanel::fill()
{
    if (!m_gallery)
        return;
    const FillingGuard filling(m_filling);
    GalleryDocument *gallery = m_gallery;
    m_width->setValue(gallery->width());
    m_height->setValue(gallery->height());
    m_slideshowSpeed->setValue(gallery->slideshowSpeed() / 24);
    m_scrollSpeed->setValue(gallery->thumbScrollSpeed());

    // The panel offers no gradient colours; with neither fill the row stays as it was.
    if (gallery->backgroundSolid()) {
        m_backgroundColorRow->setVisible(true);
        m_backgroundColor->setColor(gallery->fillColor());
    } else if (gallery->backgroundGradient()) {
        m_backgroundColorRow->setVisible(false);
    }

    m_showBorder->setChecked(gallery->borderOn());
    m_dashed->setChecked(!gallery->borderSolid());
    m_borderColor->setColor(gallery->borderColor());

    if (gallery->albumsButton())
        m_showAlbumsButton->setChecked(gallery->albumsButton()->visible());
    if (gallery->playButton())
        m_showPlayButton->setChecked(gallery->playButton()->visible());
    if (gallery->soundsButton())
        m_showAudioButton->setChecked(gallery->soundsButton()->visible());

    m_albumsOnStartup->setChecked(gallery->albumsOnStartup());
    m_playOnStartup->setChecked(gallery->playOnStartup());
    if (gallery->imageDisplay())
        m_clickFullSize->setChecked(gallery->imageDisplay()->clickFullSize());
}

void GallerySettingsPanel::browseBackgroundSound()
{
    if (!m_gallery)
        return;
    const QString path = m_backgroundSoundPicker->choose(this);
    if (!path.isEmpty())
        m_gallery->setBackgroundSound(path);
}

void GallerySettingsPanel::browseMouseOverSound()
{
    if (!m_gallery)
        return;
    const QString path = m_mouseOverSoundPicker->choose(this);
    if (!path.isEmpty())
        m_gallery->setMouseOverSound(path);
}

void GallerySettingsPanel::removeBackgroundSound()
{
    if (!m_gallery)
        return;
    // A sound kept in the gallery's own folder goes with it; elsewhere only the name is dropped.
    const QString work = m_gallery->backgroundSoundWorkPath();
    if (!m_gallery->getFolder().isEmpty() && folderPart(work) == m_gallery->getFolder() && QFileInfo(work).isFile())
        QFile::remove(work);
    m_gallery->setBackgroundSound(QString());
}

void GallerySettingsPanel::removeMouseOverSound()
{
    if (!m_gallery)
        return;
    const QString work = m_gallery->mouseOverSoundWorkPath();
    if (!m_gallery->getFolder().isEmpty() && folderPart(work) == m_gallery->getFolder() && QFileInfo(work).isFile())
        QFile::remove(work);
    m_gallery->setMouseOverSound(QString());
}

void GallerySettingsPanel::removeAllSounds()
{
    removeBackgroundSound();
    removeMouseOverSound();
}

GalleryDocument *GallerySettingsPanel::gallery() const
{
    return m_gallery.data();
}
