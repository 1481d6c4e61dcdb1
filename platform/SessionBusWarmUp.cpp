// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SessionBusWarmUp.h"

#ifdef PINSOLA_DBUS
#include <QDBusConnection>
#include <QGuiApplication>
#include <thread>
#endif

namespace {

#ifdef PINSOLA_DBUS
bool bridgeWillConnect() {
    const QString platform = QGuiApplication::platformName();
    return qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") &&
           (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")));
}
#endif

} // namespace

void SessionBusWarmUp::start() {
#ifdef PINSOLA_DBUS
    if (!bridgeWillConnect())
        return;
    // Qt keeps one session connection per program, made by whoever asks first.
    static std::jthread connecting([] { QDBusConnection::sessionBus(); });
#endif
}
