// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ForegroundGrant.h"

#include <qt_windows.h>

// Any process: the running copy's process number is not known here.
void ForegroundGrant::toTheRunningCopy() {
    ::AllowSetForegroundWindow(ASFW_ANY);
}
