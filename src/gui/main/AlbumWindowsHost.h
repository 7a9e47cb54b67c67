#pragma once

#include <QObject>
#include <QPointer>

class GalleryDocument;
class MainWindow;
class AddImagesDialog;
#include "PhotoAlbumsWindow.h"
class ImportProgressDialog;
class PhotoLinkDialog;

// Joins the Photo Albums window and its dialogs to the main window: the dialogs live as long as
// the main window, the Photo Albums window is made anew for every gallery, "Create/Edit Album"
// shows it, and the arrow keys reorder photos while it is visible.
class AlbumWindowsHost : public QObject
{
    Q_OBJECT
public:
    explicit AlbumWindowsHost(MainWindow *main);
    ~AlbumWindowsHost() override;

    PhotoAlbumsWindow *albumsWindow() const;
    AddImagesDialog *chooser() const { return m_chooser; }
    ImportProgressDialog *progress() const { return m_progress; }
    PhotoLinkDialog *linkDialog() const { return m_link; }

    // The host that a main window carries.
    static AlbumWindowsHost *of(const MainWindow *main);

    void showAlbumsWindow();

private:
    void galleryReplaced(GalleryDocument *gallery);
    void dropWindow();

    MainWindow *m_main;
    AddImagesDialog *m_chooser = nullptr;
    ImportProgressDialog *m_progress = nullptr;
    PhotoLinkDialog *m_link = nullptr;
    QPointer<PhotoAlbumsWindow> m_window;
};
