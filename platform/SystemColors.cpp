#include "platform/SystemColors.h"

#include "base/VbError.h"

namespace {
SystemColors::Table& activeTable() {
    static SystemColors::Table table = SystemColors::defaultTable();
    return table;
}

QColor fromRgbValue(uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}
} // namespace

// The platform's standard colour scheme, so every platform shows the same colours.
SystemColors::Table SystemColors::defaultTable() {
    return {qRgb(0xC8, 0xC8, 0xC8), qRgb(0x00, 0x00, 0x00), qRgb(0x99, 0xB4, 0xD1), qRgb(0xBF, 0xCD, 0xDB),
            qRgb(0xF0, 0xF0, 0xF0), qRgb(0xFF, 0xFF, 0xFF), qRgb(0x64, 0x64, 0x64), qRgb(0x00, 0x00, 0x00),
            qRgb(0x00, 0x00, 0x00), qRgb(0x00, 0x00, 0x00), qRgb(0xB4, 0xB4, 0xB4), qRgb(0xF4, 0xF7, 0xFC),
            qRgb(0xAB, 0xAB, 0xAB), qRgb(0x00, 0x78, 0xD7), qRgb(0xFF, 0xFF, 0xFF), qRgb(0xF0, 0xF0, 0xF0),
            qRgb(0xA0, 0xA0, 0xA0), qRgb(0x6D, 0x6D, 0x6D), qRgb(0x00, 0x00, 0x00), qRgb(0x00, 0x00, 0x00),
            qRgb(0xFF, 0xFF, 0xFF), qRgb(0x69, 0x69, 0x69), qRgb(0xE3, 0xE3, 0xE3), qRgb(0x00, 0x00, 0x00),
            qRgb(0xFF, 0xFF, 0xE1), qRgb(0x00, 0x00, 0x00), qRgb(0x00, 0x66, 0xCC), qRgb(0xB9, 0xD1, 0xEA),
            qRgb(0xD7, 0xE4, 0xF2), qRgb(0x33, 0x99, 0xFF), qRgb(0xF0, 0xF0, 0xF0)};
}

void SystemColors::setTable(const Table& table) {
    activeTable() = table;
}

void SystemColors::resetTable() {
    activeTable() = defaultTable();
}

QColor SystemColors::color(int index) {
    if (index < 0 || index >= Count)
        VbError::raise(VbErr::InvalidPropertyValue);
    return QColor::fromRgb(activeTable()[static_cast<size_t>(index)]);
}

QColor SystemColors::translate(uint32_t value) {
    switch (value >> 24) {
    case 0x00:
    case 0x02: // an RGB value relative to the palette: the same colour on a true-colour surface
        return fromRgbValue(value);
    case 0x80:
        return color(static_cast<int>(value & 0x00FFFFFF));
    default:
        VbError::raise(VbErr::InvalidPropertyValue);
    }
}
