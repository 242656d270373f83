// SPDX-License-Identifier: MIT
// An event handler that runs out of memory ends the program with a message
// and status 1; Qt left to itself aborts.
#include "GuardedApplication.h"

#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>
#include <new>

namespace {

// The application object is made in the death test's child: a process holds
// only one.
void RunOutOfMemoryInAnEventHandler()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quillon";
    char* argv[] = {name, nullptr};
    CGuardedApplication application(argc, argv, [](const std::string& text) {
        std::fprintf(stderr, "told: %s\n", text.c_str());
    });
    QTimer::singleShot(0, &application, [] { throw std::bad_alloc(); });
    QApplication::exec();
}

TEST(GuardedApplication, RunningOutOfMemoryInAnEventHandlerSaysSoAndEndsWithStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunOutOfMemoryInAnEventHandler(), ::testing::ExitedWithCode(1),
                "told: There is not enough memory to go on");
}

} // namespace
