#pragma once

#include "components/FflashComponentBaseClass.h"

// The background of the album menu. Only its background group is written to the gallery file.
class FThummnailCatagoryPanel : public FflashComponentBaseClass
{
    Q_OBJECT
public:
    explicit FThummnailCatagoryPanel(QObject *owner = nullptr);

    QString WriteXml() override;
};
