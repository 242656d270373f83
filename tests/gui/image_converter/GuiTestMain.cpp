// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

// The real dialogs need an application object; they draw nowhere.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
