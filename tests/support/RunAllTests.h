#pragma once

#include "support/LeakCheck.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

// Runs every test inside an application object of type `Application`, off the screen unless a test names
// the platform it needs, and looks for leaks once that object has ended.
template <typename Application> int runAllTests(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        Application app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    checkLeaksNow();
    return result;
}
