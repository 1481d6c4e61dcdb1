// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Connects to the desktop's session bus on another thread while the application object is still being
// made. The start screen's first text starts Qt's accessibility bridge, which connects to that bus and
// waits for it; it then finds the connection made. Only where the session names its bus and the display
// platform has the bridge (X11, Wayland): elsewhere the bridge alone decides whether to look for a bus,
// as before.
namespace SessionBusWarmUp {
// For Qt to call from inside the application object's construction, once the display platform is
// loaded (Q_COREAPP_STARTUP_FUNCTION). The connecting thread is joined when the program ends.
void start();
} // namespace SessionBusWarmUp
