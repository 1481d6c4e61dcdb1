// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ThreadExit.h"

// Threads end cleanly here as they are.
void ThreadExit::prepare() {}
