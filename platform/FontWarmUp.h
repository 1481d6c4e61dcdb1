// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

// Reads the system's font configuration (tens of small files) on the second core while the program
// connects to the display and makes its start screen; otherwise the start screen's first paint would read
// it before the window showed anything. Lives as long as the program's main; where the system keeps no
// such configuration (Windows, macOS) it does nothing.
class FontWarmUp {
public:
    FontWarmUp();

    // Waits for the reading to end. For just before the first paint, which needs the configuration:
    // reading it there beside an unfinished reader would read it twice.
    void waitUntilRead();

private:
    std::jthread m_reader;
};
