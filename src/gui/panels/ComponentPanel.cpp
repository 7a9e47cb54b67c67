#include "ComponentPanel.h"

#include "ColorButton.h"
#include "PicturePicker.h"
#include "FillingGuard.h"
#include "GalleryButton.h"
#include "StyledComponent.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
QLabel *makeCaption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("caption", true);
    return label;
}

// A row inside a section: an optional caption, then the controls.
QHBoxLayout *addRow(QVBoxLayout *section, QLabel *caption, const QList<QWidget *> &controls)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    if (caption)
        row->addWidget(caption);
    for (QWidget *control : controls)
        row->addWidget(control);
    row->addStretch(1);
    section->addLayout(row);
    return row;
}

QVBoxLayout *makeSection(QWidget *section)
{
    auto *layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 2, 0, 2);
    return layout;
}
} // namespace

const QStringList &ComponentPanel::fontSizeItems()
{
    static const QStringList items = {u"8"_s,  u"9"_s,  u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s,
                                      u"16"_s, u"17"_s, u"18"_s, u"24"_s, u"36"_s, u"48"_s, u"72"_s};
    return items;
}

const QStringList &ComponentPanel::fontStyleItems()
{
    // "Bold " carries its trailing blank as it always has.
    static const QStringList items = {u"Regular"_s, u"Bold "_s, u"Italic"_s, u"Bold and Italic"_s};
    return items;
}

QStringList ComponentPanel::fontFaces()
{
    QStringList faces;
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        if (QFontDatabase::isPrivateFamily(family))
            continue;
        // Symbol fonts draw pictures instead of letters: no use for button captions.
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol))
            continue;
        faces.append(family);
    }
    return faces;
}

ComponentPanel::ComponentPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"componentPanel"_s);
    m_iconPicker = new PicturePicker(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    m_header = new QLabel(u"Graphics"_s, this);
    QFont headerFont = m_header->font();
    headerFont.setBold(true);
    m_header->setFont(headerFont);
    layout->addWidget(m_header);

    layout->addWidget(createButtonSection());
    layout->addWidget(createIconSection());
    layout->addWidget(createBorderSection());
    layout->addWidget(createTextSection());
    alignCaptions();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    connectButtonSection();
    connectIconSection();
    connectBorderSection();
    connectTextSection();
}

QWidget *ComponentPanel::createButtonSection()
{
    m_buttonSection = new QWidget(this);
    QVBoxLayout *section = makeSection(m_buttonSection);
    m_pictures = new QRadioButton(u"Pictures:"_s, m_buttonSection);
    m_text = new QRadioButton(u"Text:"_s, m_buttonSection);
    auto *group = new QButtonGroup(m_buttonSection);
    group->addButton(m_pictures);
    group->addButton(m_text);
    addRow(section, makeCaption(u"Icons:"_s, m_buttonSection), {m_pictures, m_text});
    m_transparent = new QCheckBox(u"Transparent Background:"_s, m_buttonSection);
    addRow(section, nullptr, {m_transparent});
    m_backgroundColorLabel = makeCaption(u"Background Color:"_s, m_buttonSection);
    m_backgroundColor = new ColorButton(m_buttonSection);
    addRow(section, m_backgroundColorLabel, {m_backgroundColor});
    return m_buttonSection;
}

QWidget *ComponentPanel::createIconSection()
{
    m_iconSection = new QWidget(this);
    QVBoxLayout *section = makeSection(m_iconSection);
    m_onIconBrowse = new QPushButton(u"Browse"_s, m_iconSection);
    m_onIconRemove = new QPushButton(u"Remove Image"_s, m_iconSection);
    addRow(section, makeCaption(u"Icon Image On:"_s, m_iconSection), {m_onIconBrowse, m_onIconRemove});
    m_offIconBrowse = new QPushButton(u"Browse"_s, m_iconSection);
    m_offIconRemove = new QPushButton(u"Remove Image"_s, m_iconSection);
    addRow(section, makeCaption(u"Icon Image Off:"_s, m_iconSection), {m_offIconBrowse, m_offIconRemove});
    return m_iconSection;
}

QWidget *ComponentPanel::createBorderSection()
{
    m_borderSection = new QWidget(this);
    QVBoxLayout *section = makeSection(m_borderSection);
    m_showBorder = new QCheckBox(u"Show Border:"_s, m_borderSection);
    m_dashed = new QCheckBox(u"Dashed:"_s, m_borderSection);
    addRow(section, nullptr, {m_showBorder, m_dashed});
    m_borderColor = new ColorButton(m_borderSection);
    addRow(section, makeCaption(u"Border Color:"_s, m_borderSection), {m_borderColor});
    return m_borderSection;
}

QWidget *ComponentPanel::createTextSection()
{
    m_textSection = new QWidget(this);
    QVBoxLayout *section = makeSection(m_textSection);
    m_textOn = new QLineEdit(m_textSection);
    addRow(section, makeCaption(u"Text On:"_s, m_textSection), {m_textOn});
    m_textOff = new QLineEdit(m_textSection);
    addRow(section, makeCaption(u"Text Off:"_s, m_textSection), {m_textOff});
    m_fontFace = new QComboBox(m_textSection);
    m_fontFace->addItems(fontFaces());
    addRow(section, makeCaption(u"Font Face:"_s, m_textSection), {m_fontFace});
    m_fontColor = new ColorButton(m_textSection);
    m_fontSize = new QComboBox(m_textSection);
    m_fontSize->addItems(fontSizeItems());
    addRow(section, makeCaption(u"Size and Color:"_s, m_textSection), {m_fontColor, m_fontSize});
    m_fontStyle = new QComboBox(m_textSection);
    m_fontStyle->addItems(fontStyleItems());
    addRow(section, makeCaption(u"Font Style:"_s, m_textSection), {m_fontStyle});
    return m_textSection;
}

void ComponentPanel::alignCaptions()
{
    // The controls of every section start in one column, just right of the longest caption.
    const QList<QLabel *> captions = findChildren<QLabel *>();
    int captionWidth = 0;
    for (QLabel *caption : captions) {
        if (caption->property("caption").toBool())
            captionWidth = qMax(captionWidth, caption->sizeHint().width());
    }
    for (QLabel *caption : captions) {
        if (caption->property("caption").toBool())
            caption->setFixedWidth(captionWidth);
    }
}

void ComponentPanel::connectButtonSection()
{
    connect(m_text, &QRadioButton::toggled, this, [this](bool textMode) {
        GalleryButton *button = targetButton();
        if (!button)
            return;
        button->setShowText(textMode);
        showModeSections(textMode);
    });
    connect(m_transparent, &QCheckBox::toggled, this, [this](bool transparent) {
        StyledComponent *component = target();
        if (!component)
            return;
        component->setSolidFill(!transparent);
        component->setGradientFill(false);
        m_backgroundColorLabel->setEnabled(!transparent);
        m_backgroundColor->setEnabled(!transparent);
    });
    connect(m_backgroundColor, &ColorButton::colorChanged, this, [this](PackedColor color) {
        StyledComponent *component = target();
        if (!component)
            return;
        component->setFillColor(color);
        component->setSolidFill(true);
        component->setGradientFill(false);
    });
}

void ComponentPanel::connectIconSection()
{
    connect(m_onIconBrowse, &QPushButton::clicked, this, [this] { browseIcon(true); });
    connect(m_offIconBrowse, &QPushButton::clicked, this, [this] { browseIcon(false); });
    connect(m_onIconRemove, &QPushButton::clicked, this, [this] { removeIcon(true); });
    connect(m_offIconRemove, &QPushButton::clicked, this, [this] { removeIcon(false); });
}

void ComponentPanel::connectBorderSection()
{
    connect(m_showBorder, &QCheckBox::toggled, this, [this](bool on) {
        if (StyledComponent *component = target())
            component->setShowBorder(on);
    });
    connect(m_dashed, &QCheckBox::toggled, this, [this](bool on) {
        if (StyledComponent *component = target())
            component->setBorderSolid(!on);
    });
    connect(m_borderColor, &ColorButton::colorChanged, this, [this](PackedColor color) {
        if (StyledComponent *component = target())
            component->setBorderColor(color);
    });
}

void ComponentPanel::connectTextSection()
{
    connect(m_textOn, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (GalleryButton *button = targetButton())
            button->setText(text);
    });
    connect(m_textOff, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (GalleryButton *button = targetButton())
            button->setToggleText(text);
    });
    connect(m_fontFace, &QComboBox::currentTextChanged, this, [this](const QString &face) {
        StyledComponent *component = target();
        if (component && !face.isEmpty())
            component->setFontFace(face);
    });
    connect(m_fontColor, &ColorButton::colorChanged, this, [this](PackedColor color) {
        if (StyledComponent *component = target())
            component->setFontColor(color);
    });
    connect(m_fontSize, &QComboBox::currentIndexChanged, this, [this](int index) {
        StyledComponent *component = target();
        if (component && index >= 0)
            component->setFontSize(m_fontSize->itemText(index).toInt());
    });
    connect(m_fontStyle, &QComboBox::currentIndexChanged, this, [this](int index) {
        StyledComponent *component = target();
        if (!component || index < 0)
            return;
        component->setBold(index == 1 || index == 3);
        component->setItalic(index == 2 || index == 3);
    });
}

void ComponentPanel::bind(GalleryDocument *gallery)
{
    if (m_gallery) {
        for (StyledComponent *component : m_gallery->Components())
            disconnect(component, nullptr, this, nullptr);
    }
    m_gallery = gallery;
    if (!gallery)
        return;
    for (StyledComponent *component : gallery->Components())
        connect(component, &StyledComponent::propertiesRequested, this, &ComponentPanel::showFor);
}

StyledComponent *ComponentPanel::target() const
{
    if (m_filling || !m_gallery)
        return nullptr;
    return qobject_cast<StyledComponent *>(m_gallery->selectedObject());
}

GalleryButton *ComponentPanel::targetButton() const
{
    return qobject_cast<GalleryButton *>(target());
}

void ComponentPanel::showModeSections(bool textMode)
{
    m_textSection->setVisible(textMode);
    m_iconSection->setVisible(!textMode);
}

void ComponentPanel::selectFontFace(const QString &face)
{
    if (m_missingFaceItem >= 0) {
        m_fontFace->removeItem(m_missingFaceItem);
        m_missingFaceItem = -1;
    }
    int index = m_fontFace->findText(face, Qt::MatchFixedString);
    if (index < 0 && !face.isEmpty()) {
        // A face that is not installed here is still the component's face: show it as it is.
        m_fontFace->insertItem(0, face);
        m_missingFaceItem = 0;
        index = 0;
    }
    m_fontFace->setCurrentIndex(index);
}

void ComponentPanel::showFor(StyledComponent *component)
{
    if (!component)
        return;
    const FillingGuard filling(m_filling);

    m_showBorder->setChecked(component->showBorder());
    m_dashed->setChecked(!component->borderSolid());
    m_borderColor->setColor(component->borderColor());

    auto *button = qobject_cast<GalleryButton *>(component);
    if (component->hasFont()) {
        selectFontFace(component->fontFace());
        m_fontColor->setColor(component->fontColor());
        m_fontSize->setCurrentIndex(m_fontSize->findText(QString::number(component->fontSize())));
        const bool bold = component->bold();
        const bool italic = component->italic();
        m_fontStyle->setCurrentIndex(bold && italic ? 3 : italic ? 2 : bold ? 1 : 0);
        m_textSection->setVisible(!button || button->showText());
    } else {
        m_textSection->setVisible(false);
    }

    if (!button) {
        m_buttonSection->setVisible(false);
        m_iconSection->setVisible(false);
        if (qobject_cast<ImageDisplay *>(component))
            m_header->setText(u"Photo Preview"_s);
        else if (qobject_cast<ThumbnailStrip *>(component))
            m_header->setText(u"Thumbnail Strip"_s);
        return;
    }

    m_buttonSection->setVisible(true);
    m_text->setChecked(button->showText());
    m_pictures->setChecked(!button->showText());
    showModeSections(button->showText());
    m_textOn->setText(button->text());
    m_textOff->setText(button->toggleText());
    m_transparent->setChecked(!button->solidFill());
    m_backgroundColorLabel->setEnabled(button->solidFill());
    m_backgroundColor->setEnabled(button->solidFill());
    m_backgroundColor->setColor(button->fillColor());
    m_header->setText(u"Icons"_s);
}

void ComponentPanel::browseIcon(bool onIcon)
{
    GalleryButton *button = targetButton();
    if (!button)
        return;
    const PicturePicker::Result picked = m_iconPicker->choose(this);
    if (!picked.chosen)
        return;
    if (onIcon)
        button->setOnIcon(picked.file);
    else
        button->setOffIcon(picked.file);
}

void ComponentPanel::removeIcon(bool onIcon)
{
    GalleryButton *button = targetButton();
    if (!button)
        return;
    if (onIcon)
        button->setOnIcon(QString());
    else
        button->setOffIcon(QString());
}

GalleryDocument *ComponentPanel::gallery() const
{
    return m_gallery.data();
}
