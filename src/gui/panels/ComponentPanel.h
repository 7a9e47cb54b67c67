#pragma once

#include <QPointer>
#include <QWidget>

#include "GalleryDocument.h"
class StyledComponent;
class GalleryButton;
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
class ComponentPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ComponentPanel(QWidget *parent = nullptr);

    // Works on this gallery's selection (none: the controls do nothing). Each component's
    // PropertiesRequested fills the panel from that component.
    void bind(GalleryDocument *gallery);
    GalleryDocument *gallery() const;

    // Fills the panel from the component without writing anything back, showing the sections
    // that fit it.
    void showFor(StyledComponent *component);

    // The icon dialog, whose folder the main window keeps from one run to the next.
    PicturePicker *iconPicker() const { return m_iconPicker; }

    // The fonts the font list offers: the installed ones without symbol fonts.
    static QStringList fontFaces();
    static const QStringList &fontSizeItems();
    static const QStringList &fontStyleItems();

    // The header and the sections, top to bottom.
    QLabel *header() const { return m_header; }
    QWidget *buttonSection() const { return m_buttonSection; }
    QWidget *iconSection() const { return m_iconSection; }
    QWidget *borderSection() const { return m_borderSection; }
    QWidget *textSection() const { return m_textSection; }

    // The controls, by their captions.
    QRadioButton *picturesRadio() const { return m_pictures; }
    QRadioButton *textRadio() const { return m_text; }
    QCheckBox *transparentBox() const { return m_transparent; }
    QLabel *backgroundColorLabel() const { return m_backgroundColorLabel; }
    ColorButton *backgroundColorButton() const { return m_backgroundColor; }
    QPushButton *onIconBrowseButton() const { return m_onIconBrowse; }
    QPushButton *onIconRemoveButton() const { return m_onIconRemove; }
    QPushButton *offIconBrowseButton() const { return m_offIconBrowse; }
    QPushButton *offIconRemoveButton() const { return m_offIconRemove; }
    QCheckBox *showBorderBox() const { return m_showBorder; }
    QCheckBox *dashedBox() const { return m_dashed; }
    ColorButton *borderColorButton() const { return m_borderColor; }
    QLineEdit *textOnEdit() const { return m_textOn; }
    QLineEdit *textOffEdit() const { return m_textOff; }
    QComboBox *fontFaceList() const { return m_fontFace; }
    ColorButton *fontColorButton() const { return m_fontColor; }
    QComboBox *fontSizeList() const { return m_fontSize; }
    QComboBox *fontStyleList() const { return m_fontStyle; }

    // Raised while the panel fills its own controls; a FillingGuard on it makes a caller's
    // changes count as the program's own.
    bool &fillingFlag() { return m_filling; }

private:
    QWidget *createButtonSection();
    QWidget *createIconSection();
    QWidget *createBorderSection();
    QWidget *createTextSection();
    void alignCaptions();
    void connectButtonSection();
    void connectIconSection();
    void connectBorderSection();
    void connectTextSection();

    bool m_filling = false;

    // The selected component, or none while the panels are being filled.
    StyledComponent *target() const;
    GalleryButton *targetButton() const;
    void showModeSections(bool textMode);
    void selectFontFace(const QString &face);
    void browseIcon(bool onIcon);
    void removeIcon(bool onIcon);

    QPointer<GalleryDocument> m_gallery;
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
