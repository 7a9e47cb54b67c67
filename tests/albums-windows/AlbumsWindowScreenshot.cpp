// Shows the Photo Albums window with two albums of photos made at run time, for a screenshot
// under a virtual X server. Runs for the number of seconds given (default 5), then ends.

#include "albums/FThummnailCatagory.h"
#include "albums/TwImageChooser.h"
#include "albums/TwinImages.h"
#include "albums/TwinSaveProgress.h"
#include "albums/TwinimageLink.h"
#include "app/AppFolders.h"
#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "components/FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A landscape-like picture: sky, hills and a sun, in the given colours.
QString MakeScene(const QString &path, QColor sky, QColor land, int seed)
{
    QImage picture(640, 480, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient air(0, 0, 0, 300);
    air.setColorAt(0, sky.darker(140));
    air.setColorAt(1, sky.lighter(130));
    painter.fillRect(picture.rect(), air);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 120));
    painter.drawEllipse(QPoint(120 + 80 * seed % 400, 110), 45, 45);
    painter.setBrush(land);
    painter.drawEllipse(QRect(-200 + 40 * seed, 260, 700, 420));
    painter.setBrush(land.darker(130));
    painter.drawEllipse(QRect(250 - 30 * seed, 300, 700, 400));
    painter.end();
    picture.save(path);
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + u"/app"_s);
    AppFolders::Setup(dir.path() + u"/app/"_s);
    SettingsStore store(dir.path() + u"/settings.ini"_s);

    FflashMovie gallery;
    AppState::CurrentGallery = &gallery;
    TwImageChooser chooser(nullptr, &store);
    TwinSaveProgress progress;
    TwinimageLink link;
    TwinImages::Dialogs dialogs{&chooser, &progress, &link, nullptr};
    TwinImages window(&gallery, dialogs);
    gallery.ResetAsNewGallery();

    const struct { QColor sky; QColor land; } looks[] = {
        {QColor(70, 130, 200), QColor(60, 140, 60)},  {QColor(230, 140, 90), QColor(120, 90, 60)},
        {QColor(90, 170, 220), QColor(200, 190, 120)}, {QColor(40, 60, 120), QColor(30, 80, 60)},
        {QColor(150, 200, 230), QColor(90, 160, 70)},  {QColor(200, 120, 160), QColor(100, 70, 110)},
    };
    FThummnailCatagory *holidays = gallery.ThumbnailStrip()->Albums().first();
    holidays->SetName(u"Summer Holidays"_s);
    holidays->SetDescription(u"Beaches, hills and long evenings by the sea."_s);
    FThummnailCatagory *garden = window.Gallery()->ThumbnailStrip()->AddAlbum(u"My Images"_s);
    garden->SetName(u"The Garden"_s);
    garden->SetDescription(u"Spring to autumn in our own back yard."_s);
    for (int i = 0; i < 3; ++i)
        garden->AddImage(MakeScene(dir.path() + u"/garden%1.png"_s.arg(i + 1), looks[5 - i].sky, looks[5 - i].land, i));
    for (int i = 0; i < 6; ++i)
        holidays->AddImage(MakeScene(dir.path() + u"/holiday%1.png"_s.arg(i + 1), looks[i].sky, looks[i].land, i));
    window.SelectAlbum(holidays);

    window.move(0, 0);
    window.resize(760, 560);
    window.show();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return QApplication::exec();
}
