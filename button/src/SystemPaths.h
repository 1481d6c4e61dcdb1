// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brizel {

// The absolute path of this library, as the system's loader knows it; empty where it cannot tell.
QString libraryPath();

} // namespace brizel
