// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/MouseCodes.h"

#include <QMouseEvent>

int16_t MouseCodes::button(Qt::MouseButtons buttons) {
    int16_t code = 0;
    if (buttons & Qt::LeftButton)
        code |= LeftButton;
    if (buttons & Qt::RightButton)
        code |= RightButton;
    if (buttons & Qt::MiddleButton)
        code |= MiddleButton;
    return code;
}

int16_t MouseCodes::shift(Qt::KeyboardModifiers modifiers) {
    int16_t code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        code |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        code |= AltMask;
    return code;
}

Qt::MouseButton MouseCodes::qtButton(int16_t button) {
    if (button & LeftButton)
        return Qt::LeftButton;
    if (button & RightButton)
        return Qt::RightButton;
    if (button & MiddleButton)
        return Qt::MiddleButton;
    return Qt::NoButton;
}

MouseCodes::Pointer MouseCodes::pointer(const QSinglePointEvent& event) {
    return pointer(event, event.position());
}

MouseCodes::Pointer MouseCodes::pointer(const QSinglePointEvent& event, QPointF at) {
    const bool move = event.type() == QEvent::MouseMove || event.type() == QEvent::TabletMove;
    const Qt::MouseButtons buttons = move ? event.buttons() : event.button();
    return {button(buttons), shift(event.modifiers()), static_cast<float>(at.x()),
            static_cast<float>(at.y())};
}
