#pragma once

#include "app/SettingsStore.h"
#include "windows/WindowTestSupport.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <memory>

class FflashMovie;
class FThummnailCatagory;
class FThummnailImageData;
class TwImageChooser;
class TwinImages;
class TwinSaveProgress;
class TwinimageLink;

// A gallery as New makes it, with the Photo Albums window and its dialogs, shown offscreen.
class AlbumsWindowTest : public WindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A picture written at run time; the extension names its format.
    QString MakePhoto(const QString &name, int width = 320, int height = 240, QColor color = Qt::darkCyan);
    FThummnailCatagory *FirstAlbum() const;
    FThummnailCatagory *AddAlbum();
    // Adds photos to an album as the model does, one by one.
    QList<FThummnailImageData *> AddPhotos(FThummnailCatagory *album, int count, const QString &prefix = QStringLiteral("p"));
    void Click(FThummnailImageData *image, bool shift = false);

    FflashMovie *m_gallery = nullptr;
    std::unique_ptr<SettingsStore> m_store;
    TwImageChooser *m_chooser = nullptr;
    TwinSaveProgress *m_progress = nullptr;
    TwinimageLink *m_link = nullptr;
    TwinImages *m_window = nullptr;
};
