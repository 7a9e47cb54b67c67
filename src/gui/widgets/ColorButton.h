#pragma once

#include "Color.h"

#include <QToolButton>

class QMenu;

// A colour picker: the button shows the current colour; its drop-down offers a palette of
// common colours and a choice that opens the full colour dialog for any other colour.
class ColorButton : public QToolButton
{
    Q_OBJECT
public:
    explicit ColorButton(QWidget *parent = nullptr);

    PackedColor color() const { return m_color; }
    // Shows the colour; ColorChanged follows when it differs from the one shown.
    void setColor(PackedColor color);

    // The colours of the drop-down palette, in their order.
    static const QList<PackedColor> &paletteColors();

signals:
    void colorChanged(PackedColor color);

private:
    void chooseFromDialog();
    void updateSwatch();

    PackedColor m_color = Colors::Black;
    QMenu *m_menu = nullptr;
};
