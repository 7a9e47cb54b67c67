// Shows the Photo Albums window with two albums of photos made at run time, for a screenshot
// under a virtual X server. Runs for the number of seconds given (default 5), then ends.

#include "Album.h"
#include "AddImagesDialog.h"
#include "PhotoAlbumsWindow.h"
#include "ImportProgressDialog.h"
#include "PhotoLinkDialog.h"
#include "AppFolders.h"
#include "SettingsStore.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A landscape-like picture: sky, hills and a sun, in the given colours.
QString makeScene(const QString &path, QColor sky, QColor land, int seed)
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
    AppFolders::setup(dir.path() + u"/app/"_s);
    SettingsStore store(dir.path() + u"/settings.ini"_s);

    GalleryDocument gallery;
    AddImagesDialog chooser(nullptr, &store);
    ImportProgressDialog progress;
    PhotoLinkDialog link;
    PhotoAlbumsWindow::Dialogs dialogs{&chooser, &progress, &link, nullptr};
    PhotoAlbumsWindow window(&gallery, dialogs);
    gallery.resetAsNewGallery();

    const struct { QColor sky; QColor land; } looks[] = {
        {QColor(70, 130, 200), QColor(60, 140, 60)},  {QColor(230, 140, 90), QColor(120, 90, 60)},
        {QColor(90, 170, 220), QColor(200, 190, 120)}, {QColor(40, 60, 120), QColor(30, 80, 60)},
        {QColor(150, 200, 230), QColor(90, 160, 70)},  {QColor(200, 120, 160), QColor(100, 70, 110)},
    };
    Album *holidays = gallery.thumbnailStrip()->albums().first();
    holidays->setName(u"Summer Holidays"_s);
    holidays->setDescription(u"Beaches, hills and long evenings by the sea."_s);
    Album *garden = window.gallery()->thumbnailStrip()->addAlbum(u"My Images"_s);
    garden->setName(u"The Garden"_s);
    garden->setDescription(u"Spring to autumn in our own back yard."_s);
    for (int i = 0; i < 3; ++i)
        garden->addImage(makeScene(dir.path() + u"/garden%1.png"_s.arg(i + 1), looks[5 - i].sky, looks[5 - i].land, i));
    for (int i = 0; i < 6; ++i)
        holidays->addImage(makeScene(dir.path() + u"/holiday%1.png"_s.arg(i + 1), looks[i].sky, looks[i].land, i));
    window.selectAlbum(holidays);

    window.move(0, 0);
    window.resize(760, 560);
    window.show();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return QApplication::exec();
}
