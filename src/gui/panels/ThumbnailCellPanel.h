#pragma once

#include <QPointer>
#include <QWidget>

#include "GalleryDocument.h"
class StyledComponent;
class ThumbnailStrip;
class ColorButton;
class QCheckBox;
class QSpinBox;

// The thumbnail part of the "Layout" tab, shown while the thumbnail strip is selected: the size,
// border and highlight of the thumbnail cells.
class ThumbnailCellPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ThumbnailCellPanel(QWidget *parent = nullptr);

    // Works on this gallery's thumbnail strip while it is selected (none: the controls do
    // nothing). The strip's PropertiesRequested fills the panel.
    void bind(GalleryDocument *gallery);
    GalleryDocument *gallery() const;

    // Fills the panel from the strip without writing anything back; other components are
    // ignored.
    void showFor(StyledComponent *component);

    QSpinBox *widthEdit() const { return m_width; }
    QSpinBox *heightEdit() const { return m_height; }
    QCheckBox *showBorderBox() const { return m_showBorder; }
    QCheckBox *dashedBox() const { return m_dashed; }
    ColorButton *borderColorButton() const { return m_borderColor; }
    ColorButton *highlightColorButton() const { return m_highlightColor; }

    // Raised while the panel fills its own controls; a FillingGuard on it makes a caller's
    // changes count as the program's own.
    bool &fillingFlag() { return m_filling; }

private:
    void connectControls();

    bool m_filling = false;

    // The selected strip, or none while the panels are being filled.
    ThumbnailStrip *target() const;

    QPointer<GalleryDocument> m_gallery;
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
    QCheckBox *m_showBorder = nullptr;
    QCheckBox *m_dashed = nullptr;
    ColorButton *m_borderColor = nullptr;
    ColorButton *m_highlightColor = nullptr;
};
