// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brizel {

// The per-user class registry of our own: programmatic id -> absolute library path, kept in the INI file
// "Brizel/registry.conf" of the user's configuration folder.
class ClassRegistry {
public:
    static constexpr const char* ProgId = "BrizelLib.Brizel";

    static bool registerClass(const QString& progId, const QString& libraryPath);
    static bool unregisterClass(const QString& progId);
};

} // namespace brizel
