// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Shows a window modally: the program waits, handling events, until the window is closed.
namespace ModalWindow {
void exec(QWidget* window);
}
