#include "TGalleryPanel.h"

#include "ColorButton.h"
#include "SoundPicker.h"
#include "app/AppState.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "gallery/FflashMovie.h"

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
QWidget *MakeRow(QWidget *parent, const QString &caption, const QList<QWidget *> &controls,
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
void AlignCaptions(const QList<QLabel *> &captions)
{
    int width = 0;
    for (QLabel *caption : captions)
        width = qMax(width, caption->sizeHint().width());
    for (QLabel *caption : captions)
        caption->setFixedWidth(width);
}

QSpinBox *MakeSpinBox(int minimum, int maximum)
{
    auto *box = new QSpinBox;
    box->setRange(minimum, maximum);
    box->setSingleStep(1);
    return box;
}

// The folder part of a path, with its trailing separator.
QString FolderPart(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}
} // namespace

TGalleryPanel::TGalleryPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"mainPanel"_s);
    m_backgroundSoundPicker = new SoundPicker(SoundPicker::Kind::Background, this);
    m_mouseOverSoundPicker = new SoundPicker(SoundPicker::Kind::MouseOver, this);

    m_width = MakeSpinBox(0, 1000);
    m_height = MakeSpinBox(0, 5000);
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
    m_slideshowSpeed = MakeSpinBox(1, 120);
    m_slideshowSpeed->setToolTip(u"Slideshow Speed:\nThe number of seconds each slide is shown."_s);
    m_scrollSpeed = MakeSpinBox(1, 120);
    m_scrollSpeed->setToolTip(u"Scroll Speed:\nSmaller Numbers are Faster"_s);

    QList<QLabel *> captions;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 5, 4, 4);
    layout->addWidget(MakeRow(this, u"Width:"_s, {m_width}, captions));
    layout->addWidget(MakeRow(this, u"Height:"_s, {m_height}, captions));
    m_backgroundColorRow = MakeRow(this, u"Background Color:"_s, {m_backgroundColor}, captions);
    layout->addWidget(m_backgroundColorRow);
    layout->addWidget(MakeRow(this, QString(), {m_showBorder, m_dashed}, captions));
    layout->addWidget(MakeRow(this, u"Border Color:"_s, {m_borderColor}, captions));
    layout->addWidget(MakeRow(this, u"Background Sound:"_s, {m_backgroundSoundBrowse, m_backgroundSoundRemove}, captions));
    layout->addWidget(MakeRow(this, u"Mouse Over Sound:"_s, {m_mouseOverSoundBrowse, m_mouseOverSoundRemove}, captions));
    layout->addWidget(MakeRow(this, QString(), {m_noSounds}, captions));
    layout->addWidget(MakeRow(this, QString(), {m_showAudioButton}, captions));
    layout->addWidget(MakeRow(this, QString(), {m_showAlbumsButton}, captions));
    layout->addWidget(MakeRow(this, QString(), {m_showPlayButton}, captions));
    layout->addWidget(MakeRow(this, QString(), {m_albumsOnStartup}, captions));
    layout->addWidget(MakeRow(this, QString(), {m_playOnStartup}, captions));
    layout->addWidget(MakeRow(this, QString(), {m_clickFullSize}, captions));
    layout->addWidget(MakeRow(this, u"SlideShow Speed"_s, {m_slideshowSpeed}, captions));
    layout->addWidget(MakeRow(this, u"Thumbnail Scroll Speed:"_s, {m_scrollSpeed}, captions));
    AlignCaptions(captions);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    // The document's resize handling refills this panel and marks the gallery modified.
    connect(m_width, &QSpinBox::valueChanged, this, [this](int value) {
        if (Editing())
            m_gallery->SetWidth(value);
    });
    connect(m_height, &QSpinBox::valueChanged, this, [this](int value) {
        if (Editing())
            m_gallery->SetHeight(value);
    });
    connect(m_backgroundColor, &ColorButton::ColorChanged, this, [this](FColor color) {
        if (Editing())
            m_gallery->SetFillColor(color);
    });
    connect(m_showBorder, &QCheckBox::toggled, this, [this](bool on) {
        if (Editing())
            m_gallery->SetBorderOn(on);
    });
    connect(m_dashed, &QCheckBox::toggled, this, [this](bool on) {
        if (Editing())
            m_gallery->SetBorderSolid(!on);
    });
    connect(m_borderColor, &ColorButton::ColorChanged, this, [this](FColor color) {
        if (Editing())
            m_gallery->SetBorderColor(color);
    });

    // The sound commands are the user's own even while the panels are being filled.
    connect(m_backgroundSoundBrowse, &QPushButton::clicked, this, &TGalleryPanel::BrowseBackgroundSound);
    connect(m_mouseOverSoundBrowse, &QPushButton::clicked, this, &TGalleryPanel::BrowseMouseOverSound);
    connect(m_backgroundSoundRemove, &QPushButton::clicked, this, &TGalleryPanel::RemoveBackgroundSound);
    connect(m_mouseOverSoundRemove, &QPushButton::clicked, this, &TGalleryPanel::RemoveMouseOverSound);
    connect(m_noSounds, &QCheckBox::toggled, this, &TGalleryPanel::RemoveAllSounds);

    auto showButton = [this](QCheckBox *box, FflashButtonClass *(FflashMovie::*button)() const) {
        connect(box, &QCheckBox::toggled, this, [this, button](bool on) {
            if (!Editing())
                return;
            if (FflashButtonClass *target = (m_gallery->*button)()) {
                target->SetVisible(on);
                // Visibility decides whether the button is in the saved gallery.
                m_gallery->SetModified(true);
            }
        });
    };
    showButton(m_showAudioButton, &FflashMovie::SoundsButton);
    showButton(m_showAlbumsButton, &FflashMovie::AlbumsButton);
    showButton(m_showPlayButton, &FflashMovie::PlayButton);

    connect(m_albumsOnStartup, &QCheckBox::toggled, this, [this](bool on) {
        if (Editing())
            m_gallery->SetAlbumsOnStartup(on);
    });
    connect(m_playOnStartup, &QCheckBox::toggled, this, [this](bool on) {
        if (Editing())
            m_gallery->SetPlayOnStartup(on);
    });
    connect(m_clickFullSize, &QCheckBox::toggled, this, [this](bool on) {
        if (Editing() && m_gallery->ImageDisplay())
            m_gallery->ImageDisplay()->SetClickFullSize(on);
    });
    connect(m_slideshowSpeed, &QSpinBox::valueChanged, this, [this](int seconds) {
        if (!Editing())
            return;
        m_gallery->SlideshowSpeed = seconds * 24;
        m_gallery->SetModified(true);
    });
    connect(m_scrollSpeed, &QSpinBox::valueChanged, this, [this](int speed) {
        if (!Editing())
            return;
        m_gallery->ThumbScrollSpeed = speed;
        m_gallery->SetModified(true);
    });
}

bool TGalleryPanel::Editing() const
{
    return !AppState::UpdatingPanels && m_gallery;
}

void TGalleryPanel::Bind(FflashMovie *gallery)
{
    if (m_gallery)
        disconnect(m_gallery, nullptr, this, nullptr);
    m_gallery = gallery;
    if (!gallery)
        return;
    connect(gallery, &FflashMovie::GalleryPropertiesChanged, this, &TGalleryPanel::Fill);
    Fill();
}

void TGalleryPanel::Fill()
{
    if (!m_gallery)
        return;
    UpdatingPanelsGuard filling;
    FflashMovie *gallery = m_gallery;
    m_width->setValue(gallery->Width());
    m_height->setValue(gallery->Height());
    m_slideshowSpeed->setValue(gallery->SlideshowSpeed / 24);
    m_scrollSpeed->setValue(gallery->ThumbScrollSpeed);

    // The panel offers no gradient colours; with neither fill the row stays as it was.
    if (gallery->BackgroundSolid()) {
        m_backgroundColorRow->setVisible(true);
        m_backgroundColor->SetColor(gallery->FillColor());
    } else if (gallery->BackgroundGradient()) {
        m_backgroundColorRow->setVisible(false);
    }

    m_showBorder->setChecked(gallery->BorderOn());
    m_dashed->setChecked(!gallery->BorderSolid());
    m_borderColor->SetColor(gallery->BorderColor());

    if (gallery->AlbumsButton())
        m_showAlbumsButton->setChecked(gallery->AlbumsButton()->Visible());
    if (gallery->PlayButton())
        m_showPlayButton->setChecked(gallery->PlayButton()->Visible());
    if (gallery->SoundsButton())
        m_showAudioButton->setChecked(gallery->SoundsButton()->Visible());

    m_albumsOnStartup->setChecked(gallery->AlbumsOnStartup());
    m_playOnStartup->setChecked(gallery->PlayOnStartup());
    if (gallery->ImageDisplay())
        m_clickFullSize->setChecked(gallery->ImageDisplay()->ClickFullSize());
}

void TGalleryPanel::BrowseBackgroundSound()
{
    if (!m_gallery)
        return;
    const QString path = m_backgroundSoundPicker->Choose(this);
    if (!path.isEmpty())
        m_gallery->SetBackgroundSound(path);
}

void TGalleryPanel::BrowseMouseOverSound()
{
    if (!m_gallery)
        return;
    const QString path = m_mouseOverSoundPicker->Choose(this);
    if (!path.isEmpty())
        m_gallery->SetMouseOverSound(path);
}

void TGalleryPanel::RemoveBackgroundSound()
{
    if (!m_gallery)
        return;
    // A sound kept in the gallery's own folder goes with it; elsewhere only the name is dropped.
    const QString work = m_gallery->BackgroundSoundWorkPath();
    if (!m_gallery->GetFolder().isEmpty() && FolderPart(work) == m_gallery->GetFolder() && QFileInfo(work).isFile())
        QFile::remove(work);
    m_gallery->SetBackgroundSound(QString());
}

void TGalleryPanel::RemoveMouseOverSound()
{
    if (!m_gallery)
        return;
    const QString work = m_gallery->MouseOverSoundWorkPath();
    if (!m_gallery->GetFolder().isEmpty() && FolderPart(work) == m_gallery->GetFolder() && QFileInfo(work).isFile())
        QFile::remove(work);
    m_gallery->SetMouseOverSound(QString());
}

void TGalleryPanel::RemoveAllSounds()
{
    RemoveBackgroundSound();
    RemoveMouseOverSound();
}

FflashMovie *TGalleryPanel::Gallery() const
{
    return m_gallery.data();
}
