// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/WindowDrag.h"

#include "platform/ScreenPlacement.h"

#include <QApplication>
#include <QWindow>

namespace {
// The part of a dragged window, each way, that stays on a screen.
constexpr int ReachableEdge = 40;
} // namespace

void WindowDrag::begin(QWidget* window, QPointF pointer, Qt::MouseButton button) {
    m_window = window;
    m_pressedAt = pointer;
    m_startPosition = window->pos();
    m_button = button;
    m_moving = false;
}

bool WindowDrag::follow(QPointF pointer) {
    if (!m_window)
        return false;
    if (!m_moving) {
        if ((pointer - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
            return true;
        m_moving = true;
        // Asked for only now: a window manager that takes over the pointer at a press may miss a quick
        // release and leave the window stuck to the pointer.
        QWindow* handle = m_window->windowHandle();
        if (m_button == Qt::LeftButton && handle && handle->startSystemMove()) {
            end();
            return true;
        }
    }
    // Never off every screen: the window could not be taken again for the rest of the session.
    const QRect frame(m_startPosition + (pointer - m_pressedAt).toPoint(), m_window->frameGeometry().size());
    m_window->move(ScreenPlacement::withinReach(frame, ScreenPlacement::screens(), ReachableEdge));
    return true;
}
