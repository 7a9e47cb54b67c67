// The designer: start-up sequence, then the main window's message loop.

#include "app/AppFolders.h"
#include "app/MessageBox.h"
#include "app/CommandLine.h"
#include "app/Errors.h"
#include "app/SingleInstance.h"
#include "app/Utils.h"

#include <QApplication>
#include <QMainWindow>


#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Fotovia"_s);
    QApplication::setApplicationDisplayName(u"Fotovia"_s);

    const CommonOptions options = ParseCommonOptions(QApplication::arguments(), ApplicationFolder());
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

    QMainWindow window;
    window.setWindowTitle(u"Fotovia"_s);
    window.resize(900, 640);
    QObject::connect(&instance, &SingleInstance::ActivationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return QApplication::exec();
}
