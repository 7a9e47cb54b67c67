#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool waitFor(const bool &flag, int ms = 3000)
{
    QDeadlineTimer deadline(ms);
    while (!flag && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return flag;
}

} // namespace

TEST(SingleInstance, ASecondStartHandsOverToTheFirst)
{
    QTemporaryDir app;
    SingleInstance first(app.path());
    ASSERT_TRUE(first.claim());
    bool activated = false;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { activated = true; });

    SingleInstance second(app.path());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(waitFor(activated));
}

TEST(SingleInstance, InstancesOfOtherApplicationFoldersAreIndependent)
{
    QTemporaryDir appA;
    QTemporaryDir appB;
    SingleInstance a(appA.path());
    SingleInstance b(appB.path());
    EXPECT_NE(a.serverName(), b.serverName());
    EXPECT_TRUE(a.claim());
    EXPECT_TRUE(b.claim());
}

TEST(SingleInstance, AnInstanceThatEndedLeavesNothingBehind)
{
    QTemporaryDir app;
    {
        SingleInstance gone(app.path());
        ASSERT_TRUE(gone.claim());
    }
    SingleInstance next(app.path());
    EXPECT_TRUE(next.claim());
}
