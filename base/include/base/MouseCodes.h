// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <Qt>
#include <cstdint>

class QSinglePointEvent;

// Mouse buttons and modifier keys as the original runtime's pointer and key events carry them, for the
// program and the button library alike.
namespace MouseCodes {
constexpr int16_t LeftButton = 1;
constexpr int16_t RightButton = 2;
constexpr int16_t MiddleButton = 4;
constexpr int16_t ShiftMask = 1;
constexpr int16_t CtrlMask = 2;
constexpr int16_t AltMask = 4;

int16_t button(Qt::MouseButtons buttons);
int16_t shift(Qt::KeyboardModifiers modifiers);
Qt::MouseButton qtButton(int16_t button);

// A mouse or pen event's arguments for a handler: the button pressed or released (for a move, every button
// held), the shift state and the place.
struct Pointer {
    int16_t button;
    int16_t shift;
    float x;
    float y;
};
Pointer pointer(const QSinglePointEvent& event);
// The same, at `at` instead of the event's own place.
Pointer pointer(const QSinglePointEvent& event, QPointF at);
} // namespace MouseCodes
