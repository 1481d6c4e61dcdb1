#include "platform/WindowDrag.h"

#include <QWindow>

void WindowDrag::begin(QWidget* window, QPointF pointer, Qt::MouseButton button) {
    end();
    QWindow* handle = window->windowHandle();
    if (button == Qt::LeftButton && handle && handle->startSystemMove())
        return;
    m_window = window;
    m_pressedAt = pointer;
    m_startPosition = window->pos();
}

bool WindowDrag::follow(QPointF pointer) {
    if (!m_window)
        return false;
    m_window->move(m_startPosition + (pointer - m_pressedAt).toPoint());
    return true;
}
