// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorMath.h"

#include <algorithm>

namespace brizel {

namespace {

int channel(uint32_t color, int shift) {
    return int((color >> shift) & 0xFF);
}

uint32_t compose(int red, int green, int blue) {
    return uint32_t(red) | (uint32_t(green) << 8) | (uint32_t(blue) << 16);
}

} // namespace

uint32_t ShadeColor(uint32_t color, int amount, bool proportionalBlue, bool softBevel) {
    if (softBevel)
        amount /= 2;
    int red = channel(color, 0) + amount;
    int green = channel(color, 8) + amount;
    const int blue0 = channel(color, 16);
    int blue = proportionalBlue ? blue0 + (blue0 * amount) / 192 : blue0 + amount;
    auto limit = [amount](int value) {
        if (amount > 0)
            return std::min(value, 255);
        if (amount < 0)
            return std::max(value, 0);
        return value;
    };
    return compose(limit(red), limit(green), limit(blue));
}

uint32_t TintTowardWhite(uint32_t color, int weight) {
    auto tint = [weight](int c) { return std::min(weight + ((255 - weight) * c) / 255, 255); };
    return compose(tint(channel(color, 0)), tint(channel(color, 8)), tint(channel(color, 16)));
}

} // namespace brizel
