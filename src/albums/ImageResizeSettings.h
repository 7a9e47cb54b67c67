#pragma once

// How big images are bounded, for the whole run (set by the add-images chooser, not saved with
// a gallery). Thumbnails always fit 150 x 100.
class ImageResizeSettings
{
public:
    static ImageResizeSettings &Instance()
    {
        static ImageResizeSettings settings;
        return settings;
    }

    bool resizeImages = true;
    int maxWidth = 800;
    int maxHeight = 600;
    int thumbWidth = 150;
    int thumbHeight = 100;
};
