#include "AlbumWindowsHost.h"

#include "AddImagesDialog.h"
#include "PhotoAlbumsWindow.h"
#include "ImportProgressDialog.h"
#include "PhotoLinkDialog.h"
#include "NudgeKeyFilter.h"
#include "MainWindow.h"

using namespace Qt::StringLiterals;

AlbumWindowsHost::AlbumWindowsHost(MainWindow *main) : QObject(main), m_main(main)
{
    setObjectName(u"AlbumWindowsHost"_s);
    m_chooser = new AddImagesDialog(main);
    m_progress = new ImportProgressDialog(main);
    m_link = new PhotoLinkDialog(main);

    connect(main, &MainWindow::galleryReplaced, this, &AlbumWindowsHost::galleryReplaced);
    connect(main, &MainWindow::albumsWindowRequested, this, &AlbumWindowsHost::showAlbumsWindow);
    if (NudgeKeyFilter *keys = main->nudgeKeys()) {
        const QPointer<AlbumWindowsHost> self(this);
        keys->setAlbumsWindowHandler([self](int key) {
            return self && self->m_window && self->m_window->handleArrowKey(key);
        });
    }
    if (main->gallery())
        galleryReplaced(main->gallery());
}

// The key handler lets go of the window by itself: its hook holds the host weakly.
AlbumWindowsHost::~AlbumWindowsHost() = default;

AlbumWindowsHost *AlbumWindowsHost::of(const MainWindow *main)
{
    return main ? main->findChild<AlbumWindowsHost *>(u"AlbumWindowsHost"_s, Qt::FindDirectChildrenOnly) : nullptr;
}

void AlbumWindowsHost::dropWindow()
{
    if (!m_window)
        return;
    PhotoAlbumsWindow *old = m_window;
    m_window = nullptr;
    old->hide();
    // A window in the middle of adding photos is still on the call stack below us.
    if (old->addingImages())
        old->deleteLater();
    else
        delete old;
}

void AlbumWindowsHost::galleryReplaced(GalleryDocument *gallery)
{
    dropWindow();
    if (!gallery)
        return;
    PhotoAlbumsWindow::Dialogs dialogs;
    dialogs.chooser = m_chooser;
    dialogs.progress = m_progress;
    dialogs.link = m_link;
    dialogs.folders = &m_main->folders();
    m_window = new PhotoAlbumsWindow(gallery, dialogs, m_main);
    connect(m_window, &PhotoAlbumsWindow::previewRequested, m_main, &MainWindow::previewGallery);
}

void AlbumWindowsHost::showAlbumsWindow()
{
    if (m_window)
        m_window->showOver(m_main);
}

PhotoAlbumsWindow *AlbumWindowsHost::albumsWindow() const
{
    return m_window;
}
