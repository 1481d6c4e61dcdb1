// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PinsolaApplication.h"
#include "support/RunAllTests.h"

// These tests run inside the program's own application object, as the program does.
int main(int argc, char* argv[]) {
    return runAllTests<PinsolaApplication>(argc, argv);
}
