#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool WaitFor(const bool &flag, int ms = 3000)
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
    ASSERT_TRUE(first.Claim());
    bool activated = false;
    QObject::connect(&first, &SingleInstance::ActivationRequested, [&] { activated = true; });

    SingleInstance second(app.path());
    EXPECT_FALSE(second.Claim());
    EXPECT_TRUE(WaitFor(activated));
}

TEST(SingleInstance, InstancesOfOtherApplicationFoldersAreIndependent)
{
    QTemporaryDir appA;
    QTemporaryDir appB;
    SingleInstance a(appA.path());
    SingleInstance b(appB.path());
    EXPECT_NE(a.ServerName(), b.ServerName());
    EXPECT_TRUE(a.Claim());
    EXPECT_TRUE(b.Claim());
}

TEST(SingleInstance, AnInstanceThatEndedLeavesNothingBehind)
{
    QTemporaryDir app;
    {
        SingleInstance gone(app.path());
        ASSERT_TRUE(gone.Claim());
    }
    SingleInstance next(app.path());
    EXPECT_TRUE(next.Claim());
}
