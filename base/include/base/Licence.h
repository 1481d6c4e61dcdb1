// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The licence of the program and the button library, as the about windows and --version name it.
namespace Licence {
inline constexpr const char* Spdx = "GPL-3.0-or-later";
inline constexpr const char* Line = "Free software: GPL-3.0-or-later";
} // namespace Licence
