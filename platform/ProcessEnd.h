// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends the process at once with `status`, whatever its other threads are doing; no destructor and no
// library's clean-up runs.
namespace ProcessEnd {
[[noreturn]] void immediately(int status);
} // namespace ProcessEnd
