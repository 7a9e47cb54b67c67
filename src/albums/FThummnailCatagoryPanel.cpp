#include "FThummnailCatagoryPanel.h"

FThummnailCatagoryPanel::FThummnailCatagoryPanel(QObject *owner) : FflashComponentBaseClass(owner)
{
    SetFillColor(Colors::Black);
    SetFillAlpha(25);
    SetGradientAlpha(25);
    SetMovable(false);
    SetResizable(false);
    SetWriteGeometry(false);
    SetHasFont(false);
    SetBareAttributes(true);
    SetBounds(1, 1, 0, 0);
    SetModified(false);
}

QString FThummnailCatagoryPanel::WriteXml()
{
    return WriteBackgroundXml();
}
