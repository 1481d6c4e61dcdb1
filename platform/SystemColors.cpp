// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemColors.h"

#include "base/VbError.h"

QColor SystemColors::color(int index) {
    if (index < 0 || index >= Count)
        VbError::raise(VbErr::InvalidPropertyValue);
    return toQColor(colorOf(index));
}

QColor SystemColors::translate(uint32_t value) {
    const std::optional<uint32_t> rgb = SystemColorTable::translate(value);
    if (!rgb)
        VbError::raise(VbErr::InvalidPropertyValue);
    return toQColor(*rgb);
}
