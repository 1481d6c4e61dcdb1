#pragma once

#include <Qt>
#include <cstdint>

namespace brizel {

// The platform's virtual key code of a Qt key (letters and digits as their upper-case character codes),
// 0 for keys it has none for.
int16_t virtualKeyOf(int qtKey);
// The Shift argument of mouse and key events: 1 Shift, 2 Ctrl, 4 Alt.
int16_t shiftStateOf(Qt::KeyboardModifiers modifiers);
// The Button argument: 1 left, 2 right, 4 middle (combined for the buttons held during a move).
int16_t buttonCodeOf(Qt::MouseButtons buttons);

} // namespace brizel
