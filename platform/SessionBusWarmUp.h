#pragma once

#include <thread>

// Connects to the desktop's session bus on another thread while the start screen is made. The start
// screen's first text starts Qt's accessibility bridge, which connects to that bus and waits for it; it
// then finds the connection made. Made once the application object exists. Only where the session names
// its bus and the display platform has the bridge (X11, Wayland): the bridge alone decides whether to
// look for a bus elsewhere, as before.
class SessionBusWarmUp {
public:
    SessionBusWarmUp();

private:
    std::jthread m_connecting;
};
