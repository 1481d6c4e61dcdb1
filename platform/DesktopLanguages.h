// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The languages the user's desktop speaks, most wanted first, as ISO codes ("fr", "en"…)
// (DesktopLanguages_unix.cpp, _win.cpp). Read anew at each call.
namespace DesktopLanguages {
QStringList preferred();
}
