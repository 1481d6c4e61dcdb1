// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the program needs of the system before it can start at all: open files for the display connection,
// the event loop's wake-up pipes, fonts, sound and the files it reads, and address space for its libraries
// and first windows. A soft limit below the need is raised as far as the hard limit allows; where even
// that is too little, the start cannot go on.
namespace StartLimits {
inline constexpr long long FilesNeeded = 64;
inline constexpr long long AddressSpaceNeeded = 1024LL * 1024 * 1024;

// Why the program cannot start, as one line; empty where it can.
QString shortfall();
} // namespace StartLimits
