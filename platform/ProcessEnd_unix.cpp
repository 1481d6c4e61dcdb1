// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessEnd.h"

#include <cstdlib>

void ProcessEnd::immediately(int status) {
    std::_Exit(status);
}

int ProcessEnd::leaveMain(int status) {
    return status;
}
