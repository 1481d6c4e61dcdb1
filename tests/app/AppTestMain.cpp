#include "app/PinsolaApplication.h"
#include "support/LeakCheck.h"

#include <gtest/gtest.h>

// These tests run inside the program's own application object, as the program does.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        PinsolaApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    checkLeaksNow();
    return result;
}
