#include <QGuiApplication>
#include <gtest/gtest.h>

// Tests run with a real Qt Gui application on the offscreen platform: fonts, pictures and
// palettes behave as in the program.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
