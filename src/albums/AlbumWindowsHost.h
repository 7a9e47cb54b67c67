#pragma once

#include <QObject>
#include <QPointer>

class FflashMovie;
class TwMain;
class TwImageChooser;
class TwinImages;
class TwinSaveProgress;
class TwinimageLink;

// Joins the Photo Albums window and its dialogs to the main window: the dialogs live as long as
// the main window, the Photo Albums window is made anew for every gallery, "Create/Edit Album"
// shows it, and the arrow keys reorder photos while it is visible.
class AlbumWindowsHost : public QObject
{
    Q_OBJECT
public:
    explicit AlbumWindowsHost(TwMain *main);
    ~AlbumWindowsHost() override;

    TwinImages *AlbumsWindow() const;
    TwImageChooser *Chooser() const { return m_chooser; }
    TwinSaveProgress *Progress() const { return m_progress; }
    TwinimageLink *LinkDialog() const { return m_link; }

    // The host that a main window carries.
    static AlbumWindowsHost *Of(const TwMain *main);

    void ShowAlbumsWindow();

private:
    void GalleryReplaced(FflashMovie *gallery);
    void DropWindow();

    TwMain *m_main;
    TwImageChooser *m_chooser = nullptr;
    TwinSaveProgress *m_progress = nullptr;
    TwinimageLink *m_link = nullptr;
    QPointer<TwinImages> m_window;
};
