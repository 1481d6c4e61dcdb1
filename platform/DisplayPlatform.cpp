// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayPlatform.h"

#include <QByteArray>

namespace {
bool waylandSessionWithX() {
    const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                         qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    return wayland && qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}
} // namespace

std::vector<char*> DisplayPlatform::arguments(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc);
    if (waylandSessionWithX()) {
        static char option[] = "-platform";
        static char x11[] = "xcb";
        arguments.insert(arguments.begin() + (argc > 0 ? 1 : 0), {option, x11});
    }
    arguments.push_back(nullptr);
    return arguments;
}
