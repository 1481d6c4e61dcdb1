// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <vector>

class QSettings;

// Where each system keeps a program's settings: the user's own store and the machine-wide ones (the
// registry on Windows, files on Linux), each opened without fallbacks to the others.
namespace SettingsFiles {
// The user's own store; none where something other than a plain file lies in its place.
std::unique_ptr<QSettings> userStore(const QString& appName);
// The machine-wide stores, the most important first.
std::vector<std::unique_ptr<QSettings>> systemStores(const QString& appName);
// Where the user's store lies, for messages.
QString userLocation(const QString& appName);
// Why the missing folder cannot be made, in the system's words where it tells them.
QString whyNoFolder(const QString& folder);
} // namespace SettingsFiles
