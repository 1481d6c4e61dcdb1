// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

// The per-user application settings store: values as text under application title, section and key;
// key names compare without regard to case. Linux: the INI file "<title>/<title>.conf" in the user's
// configuration folder; Windows: the registry branch of earlier versions of the program.
// Beside it, read only, the machine-wide store a school or a parent fills for every account: the same
// file in the system's configuration folders ($XDG_CONFIG_DIRS, /etc/xdg by default), or the same branch
// under HKEY_LOCAL_MACHINE on Windows. The program never writes there.
namespace SettingsStore {
// The user's value; where the user has none, the machine-wide one; else `fallback`.
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& fallback);
// Every key of a section with its value, the user's over the machine-wide one, for reading many keys in
// a row with each store opened once. The keys are case-folded (QString::toCaseFolded), as keys compare
// without regard to case.
QHash<QString, QString> GetSection(const QString& appName, const QString& section);
// Only the machine-wide value, for what the user is not to decide.
QString GetSystemSetting(const QString& appName, const QString& section, const QString& key,
                         const QString& fallback);
// Every machine-wide key of a section, case-folded.
QHash<QString, QString> GetSystemSection(const QString& appName, const QString& section);
// Raises 75 with the system's reason when the store cannot be written; after that, failing writes to the
// same store are not raised again until one succeeds.
void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);
// Removes the user's value, so the machine-wide one or the default counts again; false where the user had
// none. Raises as SaveSetting.
bool DeleteSetting(const QString& appName, const QString& section, const QString& key);
// The file behind the store, where it is one.
QString location(const QString& appName);
} // namespace SettingsStore
