// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessEnd.h"

#include <cstdio>
#include <cstdlib>
#include <qt_windows.h>

// _Exit ends through ExitProcess, which detaches every DLL under the loader's lock: a thread stopped
// while holding that lock (one loading an image format plugin) held the ending process for ever, so a
// second start never ended. TerminateProcess runs no detach.
void ProcessEnd::immediately(int status) {
    ::TerminateProcess(::GetCurrentProcess(), UINT(status));
    std::_Exit(status);
}

int ProcessEnd::leaveMain(int status) {
    std::fflush(nullptr);
    immediately(status);
}
