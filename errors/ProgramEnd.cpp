// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors/ProgramEnd.h"

#include "platform/ProcessEnd.h"
#include "platform/SingleInstance.h"

#include <cstdio>

void ProgramEnd::now() {
    if (const auto& ending = endSeam.standIn())
        ending();
    SingleInstance::release();
    std::fflush(nullptr);
    ProcessEnd::immediately(0);
}
