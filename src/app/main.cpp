// The designer: start-up sequence, then the main window's message loop.

#include "AppFolders.h"
#include "MessageBox.h"
#include "CommandLine.h"
#include "Errors.h"
#include "SingleInstance.h"
#include "MainWindow.h"
#include "Utils.h"
#include "PreviewWindow.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    PreviewWindow::prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Fotovia"_s);
    QApplication::setApplicationDisplayName(u"Fotovia"_s);

    const CommonOptions options = parseCommonOptions(QApplication::arguments(), AppFolders::defaultAppFolder());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "fotovia: %s\n", qPrintable(options.error));
        return 2;
    }

    // Checked before the folders are touched: a second start must not empty the working
    // folder of the instance that is running.
    SingleInstance instance(options.appFolder);
    if (!instance.claim())
        return 0;

    try {
        AppFolders::setup(options.appFolder);
    } catch (const InOutError &e) {
        std::fprintf(stderr, "fotovia: %s\n", qPrintable(e.message()));
        MessageBox::critical(nullptr, u"Fotovia"_s, e.message());
        return 1;
    }

    MainWindow window;
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return QApplication::exec();
}
