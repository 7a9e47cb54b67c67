#include "TComponentPanel.h"

#include "ColorButton.h"
#include "PicturePicker.h"
#include "app/AppState.h"
#include "components/FflashButtonClass.h"
#include "components/FflashComponentBaseClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"

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
QLabel *MakeCaption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("caption", true);
    return label;
}

// A row inside a section: an optional caption, then the controls.
QHBoxLayout *AddRow(QVBoxLayout *section, QLabel *caption, const QList<QWidget *> &controls)
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

QVBoxLayout *MakeSection(QWidget *section)
{
    auto *layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 2, 0, 2);
    return layout;
}
} // namespace

const QStringList &TComponentPanel::FontSizeItems()
{
    static const QStringList items = {u"8"_s,  u"9"_s,  u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s,
                                      u"16"_s, u"17"_s, u"18"_s, u"24"_s, u"36"_s, u"48"_s, u"72"_s};
    return items;
}

const QStringList &TComponentPanel::FontStyleItems()
{
    // "Bold " carries its trailing blank as it always has.
    static const QStringList items = {u"Regular"_s, u"Bold "_s, u"Italic"_s, u"Bold and Italic"_s};
    return items;
}

QStringList TComponentPanel::FontFaces()
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

TComponentPanel::TComponentPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"basePanel"_s);
    m_iconPicker = new PicturePicker(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    m_header = new QLabel(u"Graphics"_s, this);
    QFont headerFont = m_header->font();
    headerFont.setBold(true);
    m_header->setFont(headerFont);
    layout->addWidget(m_header);

    // Button section.
    m_buttonSection = new QWidget(this);
    {
        QVBoxLayout *section = MakeSection(m_buttonSection);
        m_pictures = new QRadioButton(u"Pictures:"_s, m_buttonSection);
        m_text = new QRadioButton(u"Text:"_s, m_buttonSection);
        auto *group = new QButtonGroup(m_buttonSection);
        group->addButton(m_pictures);
        group->addButton(m_text);
        AddRow(section, MakeCaption(u"Icons:"_s, m_buttonSection), {m_pictures, m_text});
        m_transparent = new QCheckBox(u"Transparent Background:"_s, m_buttonSection);
        AddRow(section, nullptr, {m_transparent});
        m_backgroundColorLabel = MakeCaption(u"Background Color:"_s, m_buttonSection);
        m_backgroundColor = new ColorButton(m_buttonSection);
        AddRow(section, m_backgroundColorLabel, {m_backgroundColor});
    }
    layout->addWidget(m_buttonSection);

    // Icon section.
    m_iconSection = new QWidget(this);
    {
        QVBoxLayout *section = MakeSection(m_iconSection);
        m_onIconBrowse = new QPushButton(u"Browse"_s, m_iconSection);
        m_onIconRemove = new QPushButton(u"Remove Image"_s, m_iconSection);
        AddRow(section, MakeCaption(u"Icon Image On:"_s, m_iconSection), {m_onIconBrowse, m_onIconRemove});
        m_offIconBrowse = new QPushButton(u"Browse"_s, m_iconSection);
        m_offIconRemove = new QPushButton(u"Remove Image"_s, m_iconSection);
        AddRow(section, MakeCaption(u"Icon Image Off:"_s, m_iconSection), {m_offIconBrowse, m_offIconRemove});
    }
    layout->addWidget(m_iconSection);

    // Border section.
    m_borderSection = new QWidget(this);
    {
        QVBoxLayout *section = MakeSection(m_borderSection);
        m_showBorder = new QCheckBox(u"Show Border:"_s, m_borderSection);
        m_dashed = new QCheckBox(u"Dashed:"_s, m_borderSection);
        AddRow(section, nullptr, {m_showBorder, m_dashed});
        m_borderColor = new ColorButton(m_borderSection);
        AddRow(section, MakeCaption(u"Border Color:"_s, m_borderSection), {m_borderColor});
    }
    layout->addWidget(m_borderSection);

    // Text section.
    m_textSection = new QWidget(this);
    {
        QVBoxLayout *section = MakeSection(m_textSection);
        m_textOn = new QLineEdit(m_textSection);
        AddRow(section, MakeCaption(u"Text On:"_s, m_textSection), {m_textOn});
        m_textOff = new QLineEdit(m_textSection);
        AddRow(section, MakeCaption(u"Text Off:"_s, m_textSection), {m_textOff});
        m_fontFace = new QComboBox(m_textSection);
        m_fontFace->addItems(FontFaces());
        AddRow(section, MakeCaption(u"Font Face:"_s, m_textSection), {m_fontFace});
        m_fontColor = new ColorButton(m_textSection);
        m_fontSize = new QComboBox(m_textSection);
        m_fontSize->addItems(FontSizeItems());
        AddRow(section, MakeCaption(u"Size and Color:"_s, m_textSection), {m_fontColor, m_fontSize});
        m_fontStyle = new QComboBox(m_textSection);
        m_fontStyle->addItems(FontStyleItems());
        AddRow(section, MakeCaption(u"Font Style:"_s, m_textSection), {m_fontStyle});
    }
    layout->addWidget(m_textSection);

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
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    // Button section handlers.
    connect(m_text, &QRadioButton::toggled, this, [this](bool textMode) {
        FflashButtonClass *button = TargetButton();
        if (!button)
            return;
        button->SetShowText(textMode);
        ShowModeSections(textMode);
    });
    connect(m_transparent, &QCheckBox::toggled, this, [this](bool transparent) {
        FflashComponentBaseClass *component = Target();
        if (!component)
            return;
        component->SetSolidFill(!transparent);
        component->SetGradientFill(false);
        m_backgroundColorLabel->setEnabled(!transparent);
        m_backgroundColor->setEnabled(!transparent);
    });
    connect(m_backgroundColor, &ColorButton::ColorChanged, this, [this](FColor color) {
        FflashComponentBaseClass *component = Target();
        if (!component)
            return;
        component->SetFillColor(color);
        component->SetSolidFill(true);
        component->SetGradientFill(false);
    });

    // Icon section handlers.
    connect(m_onIconBrowse, &QPushButton::clicked, this, [this] { BrowseIcon(true); });
    connect(m_offIconBrowse, &QPushButton::clicked, this, [this] { BrowseIcon(false); });
    connect(m_onIconRemove, &QPushButton::clicked, this, [this] { RemoveIcon(true); });
    connect(m_offIconRemove, &QPushButton::clicked, this, [this] { RemoveIcon(false); });

    // Border section handlers.
    connect(m_showBorder, &QCheckBox::toggled, this, [this](bool on) {
        if (FflashComponentBaseClass *component = Target())
            component->SetShowBorder(on);
    });
    connect(m_dashed, &QCheckBox::toggled, this, [this](bool on) {
        if (FflashComponentBaseClass *component = Target())
            component->SetBorderSolid(!on);
    });
    connect(m_borderColor, &ColorButton::ColorChanged, this, [this](FColor color) {
        if (FflashComponentBaseClass *component = Target())
            component->SetBorderColor(color);
    });

    // Text section handlers.
    connect(m_textOn, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (FflashButtonClass *button = TargetButton())
            button->SetText(text);
    });
    connect(m_textOff, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (FflashButtonClass *button = TargetButton())
            button->SetToggleText(text);
    });
    connect(m_fontFace, &QComboBox::currentTextChanged, this, [this](const QString &face) {
        FflashComponentBaseClass *component = Target();
        if (component && !face.isEmpty())
            component->SetFontFace(face);
    });
    connect(m_fontColor, &ColorButton::ColorChanged, this, [this](FColor color) {
        if (FflashComponentBaseClass *component = Target())
            component->SetFontColor(color);
    });
    connect(m_fontSize, &QComboBox::currentIndexChanged, this, [this](int index) {
        FflashComponentBaseClass *component = Target();
        if (component && index >= 0)
            component->SetFontSize(m_fontSize->itemText(index).toInt());
    });
    connect(m_fontStyle, &QComboBox::currentIndexChanged, this, [this](int index) {
        FflashComponentBaseClass *component = Target();
        if (!component || index < 0)
            return;
        component->SetBold(index == 1 || index == 3);
        component->SetItalic(index == 2 || index == 3);
    });
}

void TComponentPanel::Bind(FflashMovie *gallery)
{
    if (m_gallery) {
        for (FflashComponentBaseClass *component : m_gallery->Components())
            disconnect(component, nullptr, this, nullptr);
    }
    m_gallery = gallery;
    if (!gallery)
        return;
    for (FflashComponentBaseClass *component : gallery->Components())
        connect(component, &FflashComponentBaseClass::PropertiesRequested, this, &TComponentPanel::ShowFor);
}

FflashComponentBaseClass *TComponentPanel::Target() const
{
    if (AppState::UpdatingPanels || !m_gallery)
        return nullptr;
    return qobject_cast<FflashComponentBaseClass *>(m_gallery->SelectedObject());
}

FflashButtonClass *TComponentPanel::TargetButton() const
{
    return qobject_cast<FflashButtonClass *>(Target());
}

void TComponentPanel::ShowModeSections(bool textMode)
{
    m_textSection->setVisible(textMode);
    m_iconSection->setVisible(!textMode);
}

void TComponentPanel::SelectFontFace(const QString &face)
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

void TComponentPanel::ShowFor(FflashComponentBaseClass *component)
{
    if (!component)
        return;
    UpdatingPanelsGuard filling;

    m_showBorder->setChecked(component->ShowBorder());
    m_dashed->setChecked(!component->BorderSolid());
    m_borderColor->SetColor(component->BorderColor());

    auto *button = qobject_cast<FflashButtonClass *>(component);
    if (component->HasFont()) {
        SelectFontFace(component->FontFace());
        m_fontColor->SetColor(component->FontColor());
        m_fontSize->setCurrentIndex(m_fontSize->findText(QString::number(component->FontSize())));
        const bool bold = component->Bold();
        const bool italic = component->Italic();
        m_fontStyle->setCurrentIndex(bold && italic ? 3 : italic ? 2 : bold ? 1 : 0);
        m_textSection->setVisible(!button || button->ShowText());
    } else {
        m_textSection->setVisible(false);
    }

    if (!button) {
        m_buttonSection->setVisible(false);
        m_iconSection->setVisible(false);
        if (qobject_cast<FflashImageDisplay *>(component))
            m_header->setText(u"Photo Preview"_s);
        else if (qobject_cast<FflashThumbnailerClass *>(component))
            m_header->setText(u"Thumbnail Strip"_s);
        return;
    }

    m_buttonSection->setVisible(true);
    m_text->setChecked(button->ShowText());
    m_pictures->setChecked(!button->ShowText());
    ShowModeSections(button->ShowText());
    m_textOn->setText(button->Text());
    m_textOff->setText(button->ToggleText());
    m_transparent->setChecked(!button->SolidFill());
    m_backgroundColorLabel->setEnabled(button->SolidFill());
    m_backgroundColor->setEnabled(button->SolidFill());
    m_backgroundColor->SetColor(button->FillColor());
    m_header->setText(u"Icons"_s);
}

void TComponentPanel::BrowseIcon(bool onIcon)
{
    FflashButtonClass *button = TargetButton();
    if (!button)
        return;
    const PicturePicker::Result picked = m_iconPicker->Choose(this);
    if (!picked.chosen)
        return;
    if (onIcon)
        button->SetOnIcon(picked.file);
    else
        button->SetOffIcon(picked.file);
}

void TComponentPanel::RemoveIcon(bool onIcon)
{
    FflashButtonClass *button = TargetButton();
    if (!button)
        return;
    if (onIcon)
        button->SetOnIcon(QString());
    else
        button->SetOffIcon(QString());
}

FflashMovie *TComponentPanel::Gallery() const
{
    return m_gallery.data();
}
