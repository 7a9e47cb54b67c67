#pragma once

#include "app/Color.h"

#include <QToolButton>

class QMenu;

// A colour picker: the button shows the current colour; its drop-down offers a palette of
// common colours and a choice that opens the full colour dialog for any other colour.
class ColorButton : public QToolButton
{
    Q_OBJECT
public:
    explicit ColorButton(QWidget *parent = nullptr);

    FColor Color() const { return m_color; }
    // Shows the colour; ColorChanged follows when it differs from the one shown.
    void SetColor(FColor color);

    // The colours of the drop-down palette, in their order.
    static const QList<FColor> &PaletteColors();

signals:
    void ColorChanged(FColor color);

private:
    void ChooseFromDialog();
    void UpdateSwatch();

    FColor m_color = Colors::Black;
    QMenu *m_menu = nullptr;
};
