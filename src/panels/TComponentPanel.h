#pragma once

#include <QPointer>
#include <QWidget>

class FflashMovie;
class FflashComponentBaseClass;
class FflashButtonClass;
class ColorButton;
class PicturePicker;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The component part of the "Layout" tab: the border of the selected component, and for
// buttons their background, their icons or their text and font. Every control writes into the
// gallery's selected component.
class TComponentPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TComponentPanel(QWidget *parent = nullptr);

    // Works on this gallery's selection (none: the controls do nothing). Each component's
    // PropertiesRequested fills the panel from that component.
    void Bind(FflashMovie *gallery);
    FflashMovie *Gallery() const;

    // Fills the panel from the component without writing anything back, showing the sections
    // that fit it.
    void ShowFor(FflashComponentBaseClass *component);

    // The icon dialog, whose folder the main window keeps from one run to the next.
    PicturePicker *IconPicker() const { return m_iconPicker; }

    // The fonts the font list offers: the installed ones without symbol fonts.
    static QStringList FontFaces();
    static const QStringList &FontSizeItems();
    static const QStringList &FontStyleItems();

    // The header and the sections, top to bottom.
    QLabel *Header() const { return m_header; }
    QWidget *ButtonSection() const { return m_buttonSection; }
    QWidget *IconSection() const { return m_iconSection; }
    QWidget *BorderSection() const { return m_borderSection; }
    QWidget *TextSection() const { return m_textSection; }

    // The controls, by their captions.
    QRadioButton *PicturesRadio() const { return m_pictures; }
    QRadioButton *TextRadio() const { return m_text; }
    QCheckBox *TransparentBox() const { return m_transparent; }
    QLabel *BackgroundColorLabel() const { return m_backgroundColorLabel; }
    ColorButton *BackgroundColorButton() const { return m_backgroundColor; }
    QPushButton *OnIconBrowseButton() const { return m_onIconBrowse; }
    QPushButton *OnIconRemoveButton() const { return m_onIconRemove; }
    QPushButton *OffIconBrowseButton() const { return m_offIconBrowse; }
    QPushButton *OffIconRemoveButton() const { return m_offIconRemove; }
    QCheckBox *ShowBorderBox() const { return m_showBorder; }
    QCheckBox *DashedBox() const { return m_dashed; }
    ColorButton *BorderColorButton() const { return m_borderColor; }
    QLineEdit *TextOnEdit() const { return m_textOn; }
    QLineEdit *TextOffEdit() const { return m_textOff; }
    QComboBox *FontFaceList() const { return m_fontFace; }
    ColorButton *FontColorButton() const { return m_fontColor; }
    QComboBox *FontSizeList() const { return m_fontSize; }
    QComboBox *FontStyleList() const { return m_fontStyle; }

private:
    // The selected component, or none while the panels are being filled.
    FflashComponentBaseClass *Target() const;
    FflashButtonClass *TargetButton() const;
    void ShowModeSections(bool textMode);
    void SelectFontFace(const QString &face);
    void BrowseIcon(bool onIcon);
    void RemoveIcon(bool onIcon);

    QPointer<FflashMovie> m_gallery;
    PicturePicker *m_iconPicker = nullptr;
    int m_missingFaceItem = -1; // list item added for a face that is not installed

    QLabel *m_header = nullptr;
    QWidget *m_buttonSection = nullptr;
    QWidget *m_iconSection = nullptr;
    QWidget *m_borderSection = nullptr;
    QWidget *m_textSection = nullptr;
    QRadioButton *m_pictures = nullptr;
    QRadioButton *m_text = nullptr;
    QCheckBox *m_transparent = nullptr;
    QLabel *m_backgroundColorLabel = nullptr;
    ColorButton *m_backgroundColor = nullptr;
    QPushButton *m_onIconBrowse = nullptr;
    QPushButton *m_onIconRemove = nullptr;
    QPushButton *m_offIconBrowse = nullptr;
    QPushButton *m_offIconRemove = nullptr;
    QCheckBox *m_showBorder = nullptr;
    QCheckBox *m_dashed = nullptr;
    ColorButton *m_borderColor = nullptr;
    QLineEdit *m_textOn = nullptr;
    QLineEdit *m_textOff = nullptr;
    QComboBox *m_fontFace = nullptr;
    ColorButton *m_fontColor = nullptr;
    QComboBox *m_fontSize = nullptr;
    QComboBox *m_fontStyle = nullptr;
};
