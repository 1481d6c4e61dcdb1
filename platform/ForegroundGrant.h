// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A copy the child has just started hands the running copy the right to come to the front. Windows lets
// only the program the user started or used last take the foreground, and would otherwise just flash the
// running copy's taskbar button; on Linux the window manager decides.
namespace ForegroundGrant {
void toTheRunningCopy();
} // namespace ForegroundGrant
