#pragma once

#include <QString>
#include <QStringList>

// How big images are bounded, for the whole run (set by the add-images chooser, not saved with
// a gallery). Thumbnails always fit 150 x 100.
class ImageResizeSettings
{
public:
    static ImageResizeSettings &instance()
    {
        static ImageResizeSettings settings;
        return settings;
    }

    bool resizeImages = true;
    int maxWidth = 800;
    int maxHeight = 600;
    int thumbWidth = 150;
    int thumbHeight = 100;

    // The entries of the add-images chooser's resize list, in their order.
    static const QStringList &chooserEntries();
    static QString noResizeEntry();
    static QString defaultEntry();

    enum class EntryEffect {
        None,     // an empty entry: nothing changed
        Resize,   // resizing on, with the entry's two numbers as the bounds
        NoResize, // resizing off (the chooser shows its warning when it is on the screen)
    };
    // Applying a resize entry: "NO RESIZE" switches resizing off; any other entry
    // switches it on with its first number as maxWidth and its second as maxHeight
    // ("1024 x 768", "800 x 600 (default)", also "1024x768").
    EntryEffect applyEntry(const QString &entry);
};

// Switches resizing off for its lifetime and restores the previous value afterwards: the loader
// holds one while it opens a gallery, so that its photos are not scaled again.
class ResizeSwitchedOff
{
public:
    ResizeSwitchedOff() : m_previous(ImageResizeSettings::instance().resizeImages)
    {
        ImageResizeSettings::instance().resizeImages = false;
    }
    ~ResizeSwitchedOff() { ImageResizeSettings::instance().resizeImages = m_previous; }
    ResizeSwitchedOff(const ResizeSwitchedOff &) = delete;
    ResizeSwitchedOff &operator=(const ResizeSwitchedOff &) = delete;

private:
    bool m_previous;
};
