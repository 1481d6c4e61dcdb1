// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brizel {

// The absolute path of this library, as the system's loader knows it; empty where it cannot tell.
QString libraryPath();
// The user's configuration folder: $XDG_CONFIG_HOME (~/.config), %LOCALAPPDATA%; on both systems as the
// environment names it.
QString userConfigFolder();

} // namespace brizel
