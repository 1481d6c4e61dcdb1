// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends the process at once with `status`, whatever its other threads are doing; no destructor and no
// library's clean-up runs.
namespace ProcessEnd {
[[noreturn]] void immediately(int status);
// The end of main, once everything is saved and every object of the program is gone: the usual return
// of `status` on Linux; on Windows `immediately`, since the process's end detaches every DLL under the
// loader's lock and there waited for minutes at times, keeping the ended program's single-instance lock.
int leaveMain(int status);
} // namespace ProcessEnd
