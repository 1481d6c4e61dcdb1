#include "platform/SessionBusWarmUp.h"

#ifdef PINSOLA_DBUS
#include <QDBusConnection>
#include <QGuiApplication>
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

SessionBusWarmUp::SessionBusWarmUp() {
#ifdef PINSOLA_DBUS
    // Qt keeps one session connection per program, made by whoever asks first.
    if (bridgeWillConnect())
        m_connecting = std::jthread([] { QDBusConnection::sessionBus(); });
#endif
}
