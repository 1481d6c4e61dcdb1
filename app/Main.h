// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The start-up procedure. It lives apart from the program-wide values because it loads the windows,
// and the windows use those values.
namespace Allgemein {
void Main();
} // namespace Allgemein
