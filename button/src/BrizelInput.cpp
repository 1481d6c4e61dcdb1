// SPDX-License-Identifier: GPL-3.0-or-later
// Brizel: pointer tracking, mouse buttons, keyboard, access key and focus.
#include "Brizel.h"
#include "BrizelAccessible.h"
#include "KeyCodes.h"

#include "base/MouseCodes.h"

#include <QApplication>
#include <QCursor>

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace brizel {

namespace {
// The leave poll asks every 3 ms while the pointer moves; with the pointer resting on the button it
// asks less and less often, down to ten times a second, as there is nothing new to find.
constexpr int PollAfterMotion = 3;
constexpr int PollAtRest = 96;
} // namespace

bool Brizel::IsPointerOver() const {
    return QApplication::widgetAt(QCursor::pos()) == this;
}

// Cut corners and the outside of the oval are not the button.
bool Brizel::IsOnFace(const QPoint& local) const {
    return rect().contains(local) && (mask().isEmpty() || mask().contains(local));
}

void Brizel::mouseMoveEvent(QMouseEvent* event) {
    // A handler may change the arguments; the button acts on what it leaves.
    MouseCodes::Pointer p = MouseCodes::pointer(*event);
    if (m_events)
        m_events->MouseMove(p.button, p.shift, p.x, p.y);
    const int16_t button = p.button;
    // Another button than the left one is held.
    if ((button & ~MouseCodes::LeftButton) != 0)
        return;
    if (!IsPointerOver()) {
        PaintButton(Look::Up, false);
        return;
    }
    if (button == 0 && !m_pointerOver) {
        m_overTimer.start(PollAfterMotion);
        m_pointerOver = true;
        PaintButton(Look::Up, true);
        if (m_events)
            m_events->MouseOver();
    } else if (button == MouseCodes::LeftButton) {
        m_pointerOver = true;
        PaintButton(Look::Down, false);
        m_pointerOver = false;
    }
    if (m_overTimer.isActive() && m_overTimer.interval() != PollAfterMotion)
        m_overTimer.start(PollAfterMotion);
}

// Asks where the pointer is as the window system last told: Qt's enter and leave follow the button's
// shape and any window that comes between, so a tick asks nothing of the display server (asking it where
// the pointer is and which window lies there cost 3.7 % of a core while the pointer rested on a button).
void Brizel::OverTimerTick() {
    if (underMouse()) {
        if (m_overTimer.interval() < PollAtRest)
            m_overTimer.start(std::min(m_overTimer.interval() * 2, PollAtRest));
        return;
    }
    endHover();
}

// Qt's leave ends the hover at once, whatever the poll's interval at rest.
void Brizel::leaveEvent(QEvent*) {
    if (m_overTimer.isActive())
        endHover();
}

void Brizel::endHover() {
    m_overTimer.stop();
    m_pointerOver = false;
    PaintButton(Look::Up, true);
    if (m_events)
        m_events->MouseOut();
}

void Brizel::HandleMouseDown(int16_t button, int16_t shift, float x, float y) {
    if (m_events)
        m_events->MouseDown(button, shift, x, y);
    m_lastMouseButton = uint8_t(button);
    if (button != MouseCodes::RightButton)
        PaintButton(Look::Down, false);
}

void Brizel::mousePressEvent(QMouseEvent* event) {
    m_doubleClicked = false;
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    HandleMouseDown(p.button, p.shift, p.x, p.y);
}

void Brizel::mouseDoubleClickEvent(QMouseEvent* event) {
    // Only the left button double-clicks; a quick second press of another button is an ordinary press.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    if (m_lastMouseButton != MouseCodes::LeftButton)
        return;
    // The second press of a double click: a plain left press at the origin; the release stays with us.
    m_doubleClicked = true;
    HandleMouseDown(MouseCodes::LeftButton, 0, 0.0f, 0.0f);
    grabMouse();
}

void Brizel::mouseReleaseEvent(QMouseEvent* event) {
    if (m_doubleClicked)
        releaseMouse();
    MouseCodes::Pointer p = MouseCodes::pointer(*event);
    if (m_events)
        m_events->MouseUp(p.button, p.shift, p.x, p.y);
    const int16_t button = p.button;
    if (button != MouseCodes::RightButton)
        PaintButton(Look::Up, false);
    const bool completed =
        event->button() == Qt::LeftButton && !m_doubleClicked && IsOnFace(event->position().toPoint());
    m_doubleClicked = false;
    if (completed)
        HandleClick();
}

void Brizel::HandleClick() {
    if (m_lastMouseButton != MouseCodes::LeftButton || m_enabled == False)
        return;
    toggleAndClick();
}

void Brizel::toggleAndClick() {
    if (m_checkBoxBehaviour != False) {
        m_value = VBool(~m_value);
        NotifyAccessibleStateChanged(this);
    }
    PaintButton(Look::Up, false);
    refreshWindow();
    if (m_events)
        m_events->Click();
}

void Brizel::refreshWindow() {
    if (isVisible())
        repaint();
}

void Brizel::AccessKeyPressed() {
    m_lastMouseButton = MouseCodes::LeftButton;
    HandleClick();
}

void Brizel::keyPressEvent(QKeyEvent* event) {
    int16_t keyCode = virtualKeyOf(event->key());
    int16_t shift = MouseCodes::shift(event->modifiers());
    if (m_events)
        m_events->KeyDown(keyCode, shift);
    m_lastKeyDown = uint8_t(keyCode & 0xFF);
    switch (keyCode) {
    case VirtualKey::Space:
        PaintButton(Look::Down, false);
        break;
    case VirtualKey::Left:
    case VirtualKey::Up:
        focusNextPrevChild(false);
        break;
    case VirtualKey::Right:
    case VirtualKey::Down:
        focusNextPrevChild(true);
        break;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() < 256 && m_events) {
        int16_t keyAscii = int16_t(text[0].unicode());
        m_events->KeyPress(keyAscii);
    }
}

void Brizel::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    int16_t keyCode = virtualKeyOf(event->key());
    int16_t shift = MouseCodes::shift(event->modifiers());
    if (m_events)
        m_events->KeyUp(keyCode, shift);
    if (m_lastKeyDown == VirtualKey::Space && keyCode == VirtualKey::Space)
        toggleAndClick();
}

void Brizel::focusInEvent(QFocusEvent*) {
    m_hasFocus = true;
    PaintButton(m_lastState, true);
}

void Brizel::focusOutEvent(QFocusEvent*) {
    m_hasFocus = false;
    PaintButton(m_lastState, true);
}

} // namespace brizel
