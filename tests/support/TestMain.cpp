#include "support/RunAllTests.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    return runAllTests<QApplication>(argc, argv);
}
