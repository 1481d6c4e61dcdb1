#include "support/LeakCheck.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Off the screen, unless a test names the platform it needs.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    checkLeaksNow();
    return result;
}
