// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/SystemColorTable.h"

#include <QGuiApplication>
#include <array>

namespace {

struct Role {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

Role roleOf(int index) {
    using SC = SystemColorTable::Index;
    switch (index) {
    case SC::Window:
        return {QPalette::Active, QPalette::Base};
    case SC::MenuText:
    case SC::CaptionText:
    case SC::InactiveCaptionText:
        return {QPalette::Active, QPalette::WindowText};
    case SC::WindowText:
        return {QPalette::Active, QPalette::Text};
    case SC::Highlight:
        return {QPalette::Active, QPalette::Highlight};
    case SC::HighlightText:
        return {QPalette::Active, QPalette::HighlightedText};
    case SC::ButtonFace:
        return {QPalette::Active, QPalette::Button};
    case SC::ButtonShadow:
        return {QPalette::Active, QPalette::Dark};
    case SC::GrayText:
        return {QPalette::Disabled, QPalette::Text};
    case SC::ButtonText:
        return {QPalette::Active, QPalette::ButtonText};
    case SC::Highlight3D:
        return {QPalette::Active, QPalette::Light};
    case SC::DarkShadow3D:
        return {QPalette::Active, QPalette::Shadow};
    case SC::Light3D:
        return {QPalette::Active, QPalette::Midlight};
    case SC::InfoText:
        return {QPalette::Active, QPalette::ToolTipText};
    case SC::InfoBackground:
        return {QPalette::Active, QPalette::ToolTipBase};
    case SC::HotLight:
        return {QPalette::Active, QPalette::Link};
    default:
        return {QPalette::Active, QPalette::Window};
    }
}

} // namespace

QColor SystemColorTable::toQColor(uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

uint32_t SystemColorTable::fromQColor(const QColor& color) {
    return static_cast<uint32_t>(color.red()) | static_cast<uint32_t>(color.green()) << 8 |
           static_cast<uint32_t>(color.blue()) << 16;
}

uint32_t SystemColorTable::colorOf(int index) {
    const Role r = roleOf(index);
    return fromQColor(QGuiApplication::palette().color(r.group, r.role));
}

std::optional<uint32_t> SystemColorTable::translate(uint32_t value) {
    switch (value >> 24) {
    case 0x00:
    case 0x02:
        return value & 0x00FFFFFFu;
    case 0x80:
        if ((value & 0x00FFFFFFu) < static_cast<uint32_t>(Count))
            return colorOf(static_cast<int>(value & 0xFF));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void SystemColorTable::setColor(QPalette& palette, int index, const QColor& color) {
    const Role r = roleOf(index);
    if (r.group == QPalette::Active)
        palette.setColor(r.role, color);
    else
        palette.setColor(r.group, r.role, color);
}

QPalette SystemColorTable::standardPalette() {
    // In index order; roles that several indices share end with the colour of the last of them.
    constexpr std::array<QRgb, Count> scheme = {
        0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
        0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};
    QPalette palette;
    for (int i = 0; i < Count; ++i)
        setColor(palette, i, QColor::fromRgb(scheme[static_cast<size_t>(i)]));
    return palette;
}
