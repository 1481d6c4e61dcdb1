// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <cstdint>

namespace brizel {

// The platform's virtual key codes the control names.
namespace VirtualKey {
constexpr int16_t Backspace = 8;
constexpr int16_t Tab = 9;
constexpr int16_t Return = 13;
constexpr int16_t Shift = 16;
constexpr int16_t Control = 17;
constexpr int16_t Alt = 18;
constexpr int16_t Pause = 19;
constexpr int16_t CapsLock = 20;
constexpr int16_t Escape = 27;
constexpr int16_t Space = 32;
constexpr int16_t PageUp = 33;
constexpr int16_t PageDown = 34;
constexpr int16_t End = 35;
constexpr int16_t Home = 36;
constexpr int16_t Left = 37;
constexpr int16_t Up = 38;
constexpr int16_t Right = 39;
constexpr int16_t Down = 40;
constexpr int16_t Insert = 45;
constexpr int16_t Delete = 46;
constexpr int16_t F1 = 112;
} // namespace VirtualKey

// The platform's virtual key code of a Qt key (letters and digits as their upper-case character codes),
// 0 for keys it has none for.
int16_t virtualKeyOf(int qtKey);

} // namespace brizel
