// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What must be settled before the first thread starts, so that threads can end cleanly on every system.
namespace ThreadExit {
void prepare();
} // namespace ThreadExit
