// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Shows a tool window modeless and owned by another window: it stays above its owner and goes with it.
// Before the owner is on the screen, the window appears right after it.
namespace OwnedWindow {
void show(QWidget* window, QWidget* owner);
}
