#pragma once

#include <Qt>
#include <cstdint>

// Mouse buttons and modifier keys as the original runtime's pointer events carry them.
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
} // namespace MouseCodes
