// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Qt keeps its own record of where a window lies and sends it with every resize. A window manager that
// frames a window while Qt asks where it is can leave Qt with a place the window never had (seen with
// openbox: a viewer at 92,57 that Qt took to be at 0,0); the next resize then moved the window there, and
// the place stored at the end was wrong too.
namespace WindowSystemPosition {
// Makes Qt's record of the shown top-level `window`'s place agree with the window system's, where the
// window system says where its windows are (X11). The window stays where it is.
void settle(QWidget* window);
} // namespace WindowSystemPosition
