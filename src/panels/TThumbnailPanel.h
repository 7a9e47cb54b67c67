#pragma once

#include <QPointer>
#include <QWidget>

class FflashMovie;
class FflashComponentBaseClass;
class FflashThumbnailerClass;
class ColorButton;
class QCheckBox;
class QSpinBox;

// The thumbnail part of the "Layout" tab, shown while the thumbnail strip is selected: the size,
// border and highlight of the thumbnail cells.
class TThumbnailPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TThumbnailPanel(QWidget *parent = nullptr);

    // Works on this gallery's thumbnail strip while it is selected (none: the controls do
    // nothing). The strip's PropertiesRequested fills the panel.
    void Bind(FflashMovie *gallery);
    FflashMovie *Gallery() const;

    // Fills the panel from the strip without writing anything back; other components are
    // ignored.
    void ShowFor(FflashComponentBaseClass *component);

    QSpinBox *WidthEdit() const { return m_width; }
    QSpinBox *HeightEdit() const { return m_height; }
    QCheckBox *ShowBorderBox() const { return m_showBorder; }
    QCheckBox *DashedBox() const { return m_dashed; }
    ColorButton *BorderColorButton() const { return m_borderColor; }
    ColorButton *HighlightColorButton() const { return m_highlightColor; }

private:
    // The selected strip, or none while the panels are being filled.
    FflashThumbnailerClass *Target() const;

    QPointer<FflashMovie> m_gallery;
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
    QCheckBox *m_showBorder = nullptr;
    QCheckBox *m_dashed = nullptr;
    ColorButton *m_borderColor = nullptr;
    ColorButton *m_highlightColor = nullptr;
};
