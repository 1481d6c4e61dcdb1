#pragma once

class QWidget;

// Shows a tool window modeless and owned by another window: it stays above its owner and goes with it.
namespace OwnedWindow {
void show(QWidget* window, QWidget* owner);
}
