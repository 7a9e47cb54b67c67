// The designer: start-up sequence, then the main window's message loop.

#include "app/AppFolders.h"
#include "app/MessageBox.h"
#include "app/CommandLine.h"
#include "app/Errors.h"
#include "app/SingleInstance.h"
#include "app/TwMain.h"
#include "app/Utils.h"
#include "gallery/TpreviewWindow.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    TpreviewWindow::PrepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Fotovia"_s);
    QApplication::setApplicationDisplayName(u"Fotovia"_s);

    const CommonOptions options = ParseCommonOptions(QApplication::arguments(), AppFolders::DefaultAppFolder());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "fotovia: %s\n", qPrintable(options.error));
        return 2;
    }

    // Checked before the folders are touched: a second start must not empty the working
    // folder of the instance that is running.
    SingleInstance instance(options.appFolder);
    if (!instance.Claim())
        return 0;

    try {
        AppFolders::Setup(options.appFolder);
    } catch (const InOutError &e) {
        std::fprintf(stderr, "fotovia: %s\n", qPrintable(e.message()));
        MessageBox::Critical(nullptr, u"Fotovia"_s, e.message());
        return 1;
    }

    TwMain window;
    QObject::connect(&instance, &SingleInstance::ActivationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return QApplication::exec();
}
