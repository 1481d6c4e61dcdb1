// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProcessEnd.h"
#include "platform/ThreadExit.h"
#include "support/LeakCheck.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

// Runs every test inside an application object of type `Application`, off the screen unless a test names
// the platform it needs, and looks for leaks once that object has ended.
// The desktop speaks none of the program's languages unless a test says otherwise, so a first start is
// German wherever the tests run.
template <typename Application> int runAllTests(int argc, char* argv[]) {
    ThreadExit::prepare();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    qputenv("LANG", "C.UTF-8");
    int result = 0;
    {
        Application app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    checkLeaksNow();
    return ProcessEnd::leaveMain(result);
}
