#pragma once

#include "StyledComponent.h"

// The background of the album menu. Only its background group is written to the gallery file.
class AlbumMenuBackground : public StyledComponent
{
    Q_OBJECT
public:
    explicit AlbumMenuBackground(QObject *owner = nullptr);

    QString writeXml() override;
};
