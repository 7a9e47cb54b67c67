#include "AlbumWindowsHost.h"

#include "TwImageChooser.h"
#include "TwinImages.h"
#include "TwinSaveProgress.h"
#include "TwinimageLink.h"
#include "app/ArrowKeyHandler.h"
#include "app/TwMain.h"

using namespace Qt::StringLiterals;

AlbumWindowsHost::AlbumWindowsHost(TwMain *main) : QObject(main), m_main(main)
{
    setObjectName(u"AlbumWindowsHost"_s);
    m_chooser = new TwImageChooser(main);
    m_progress = new TwinSaveProgress(main);
    m_link = new TwinimageLink(main);

    connect(main, &TwMain::GalleryReplaced, this, &AlbumWindowsHost::GalleryReplaced);
    connect(main, &TwMain::AlbumsWindowRequested, this, &AlbumWindowsHost::ShowAlbumsWindow);
    if (ArrowKeyHandler *keys = main->KeyHandler()) {
        const QPointer<AlbumWindowsHost> self(this);
        keys->SetAlbumsWindowHandler([self](int key) {
            return self && self->m_window && self->m_window->HandleArrowKey(key);
        });
    }
    if (main->Gallery())
        GalleryReplaced(main->Gallery());
}

// The key handler lets go of the window by itself: its hook holds the host weakly.
AlbumWindowsHost::~AlbumWindowsHost() = default;

AlbumWindowsHost *AlbumWindowsHost::Of(const TwMain *main)
{
    return main ? main->findChild<AlbumWindowsHost *>(u"AlbumWindowsHost"_s, Qt::FindDirectChildrenOnly) : nullptr;
}

void AlbumWindowsHost::DropWindow()
{
    if (!m_window)
        return;
    TwinImages *old = m_window;
    m_window = nullptr;
    old->hide();
    // A window in the middle of adding photos is still on the call stack below us.
    if (old->AddingImages())
        old->deleteLater();
    else
        delete old;
}

void AlbumWindowsHost::GalleryReplaced(FflashMovie *gallery)
{
    DropWindow();
    if (!gallery)
        return;
    TwinImages::Dialogs dialogs;
    dialogs.chooser = m_chooser;
    dialogs.progress = m_progress;
    dialogs.link = m_link;
    dialogs.folders = &m_main->Folders();
    m_window = new TwinImages(gallery, dialogs, m_main);
    connect(m_window, &TwinImages::PreviewRequested, m_main, &TwMain::actionPreviewExecute);
}

void AlbumWindowsHost::ShowAlbumsWindow()
{
    if (m_window)
        m_window->ShowOver(m_main);
}

TwinImages *AlbumWindowsHost::AlbumsWindow() const
{
    return m_window;
}
