#pragma once

class GalleryDocument;

// Process-wide state of the designer.
namespace AppState {
// The one open gallery, or none.
inline GalleryDocument *CurrentGallery = nullptr;
// Set while the program itself fills panel controls or builds a gallery: change handlers of
// those controls must not write back into the gallery then.
inline bool UpdatingPanels = false;
} // namespace AppState

// Sets UpdatingPanels for the life of the guard and restores the previous value after it.
class UpdatingPanelsGuard
{
public:
    UpdatingPanelsGuard() : m_previous(AppState::UpdatingPanels) { AppState::UpdatingPanels = true; }
    ~UpdatingPanelsGuard() { AppState::UpdatingPanels = m_previous; }
    UpdatingPanelsGuard(const UpdatingPanelsGuard &) = delete;
    UpdatingPanelsGuard &operator=(const UpdatingPanelsGuard &) = delete;

private:
    bool m_previous;
};
