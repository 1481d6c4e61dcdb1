// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The user's own folders: the XDG base directories on Linux, %LOCALAPPDATA% for all three on Windows.
// On both systems the environment names them, so a test or a session may put them elsewhere.
namespace UserFolders {
// $XDG_DATA_HOME (~/.local/share), %LOCALAPPDATA%.
QString data();
// $XDG_STATE_HOME (~/.local/state), %LOCALAPPDATA%.
QString state();
// $XDG_CONFIG_HOME (~/.config), %LOCALAPPDATA%.
QString config();
} // namespace UserFolders
