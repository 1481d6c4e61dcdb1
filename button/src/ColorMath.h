// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace brizel {

// Colour helpers on plain RGB values (red in the low byte).
// ShadeColor: every channel moved by `amount` (halved toward zero with a soft bevel); with proportional
// blue the blue channel moves by blue * amount / 192 instead. Channels stay within 0..255.
uint32_t ShadeColor(uint32_t color, int amount, bool proportionalBlue, bool softBevel);
// Each channel c becomes weight + (255 - weight) * c / 255, capped at 255.
uint32_t TintTowardWhite(uint32_t color, int weight);

} // namespace brizel
