// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <functional>

// Ends the program at once: no shutdown, no further window events. Tests replace the ending.
namespace ProgramEnd {
[[noreturn]] void now();
// A test's ending, which must not return (it throws ProgramEnded).
inline Seam<std::function<void()>> endSeam;
} // namespace ProgramEnd

// Thrown by test endings; deliberately not an error the trap catches.
struct ProgramEnded {};
