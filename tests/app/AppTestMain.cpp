#include "app/PinsolaApplication.h"

#include <gtest/gtest.h>

// These tests run inside the program's own application object, as the program does.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PinsolaApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
