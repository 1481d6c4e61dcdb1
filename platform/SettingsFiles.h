// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QString>
#include <memory>
#include <vector>

class QSettings;

// Where each system keeps a program's settings: the user's own store and the machine-wide ones (the
// registry on Windows, files on Linux), each opened without fallbacks to the others.
namespace SettingsFiles {
// Where a test keeps the stores instead of the system's: on Windows a registry key of its own, under which
// the user's store lies in "HKCU" and the machine-wide one in "HKLM". On Linux a test points the XDG
// folders elsewhere.
inline Seam<QString> registryRootSeam;
// The user's own store; none where something other than a plain file lies in its place.
std::unique_ptr<QSettings> userStore(const QString& appName);
// The machine-wide stores, the most important first.
std::vector<std::unique_ptr<QSettings>> systemStores(const QString& appName);
// Where the user's store lies, for messages.
QString userLocation(const QString& appName);
// Why the missing folder cannot be made, in the system's words where it tells them.
QString whyNoFolder(const QString& folder);
} // namespace SettingsFiles
