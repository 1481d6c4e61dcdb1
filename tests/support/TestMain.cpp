// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunAllTests.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    return runAllTests<QApplication>(argc, argv);
}
