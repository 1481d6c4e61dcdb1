// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QWidget>

// Moves a window with the pointer while a mouse button is held, as dragging a caption does. The move
// starts only once the pointer has moved by the drag distance, so a click is only a click. The window
// system moves it where it offers that (it knows the desktop and its edges); where it refuses (no window
// manager), the window follows the pointer moves it is given until the button is released.
class WindowDrag {
public:
    // A press on `window` that may start a move; `pointer` is the pointer's global position at the press.
    // Only the left button may start the system's move, which ends with the left button's release.
    void begin(QWidget* window, QPointF pointer, Qt::MouseButton button);
    // A pointer move while the button is held: starts the move or moves the window with the pointer;
    // false when no drag runs.
    bool follow(QPointF pointer);
    void end() { m_window.clear(); }
    bool active() const { return !m_window.isNull(); }

private:
    QPointer<QWidget> m_window;
    QPointF m_pressedAt;
    QPoint m_startPosition;
    Qt::MouseButton m_button = Qt::NoButton;
    bool m_moving = false;
};
