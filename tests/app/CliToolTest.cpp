#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(CliTool, HelpNamesTheCommandsAndOptions)
{
    for (const QStringList &args : {QStringList{u"--help"_s}, QStringList{}, QStringList{u"help"_s}}) {
        const ProcessResult r = RunProgram(u"fotovia-cli"_s, args);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.contains(u"Usage: fotovia-cli"_s)) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(u"--app-folder DIR"_s));
    }
}

TEST(CliTool, UnknownCommandsAndBadOptionsFailClearly)
{
    ProcessResult r = RunProgram(u"fotovia-cli"_s, {u"frobnicate"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"unknown command 'frobnicate'"_s)) << r.err.toStdString();

    r = RunProgram(u"fotovia-cli"_s, {u"--app-folder"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"--app-folder needs a folder"_s));
}
