#include "platform/SystemColors.h"

#include "base/VbError.h"

namespace {
QColor fromRgbValue(uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}
} // namespace

QColor SystemColors::color(int index) {
    if (index < 0 || index >= Count)
        VbError::raise(VbErr::InvalidPropertyValue);
    return fromRgbValue(colorOf(index));
}

QColor SystemColors::translate(uint32_t value) {
    const std::optional<uint32_t> rgb = SystemColorTable::translate(value);
    if (!rgb)
        VbError::raise(VbErr::InvalidPropertyValue);
    return fromRgbValue(*rgb);
}
