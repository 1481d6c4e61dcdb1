#include "SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace brizel {

namespace {

QPalette::ColorRole roleOf(int index) {
    switch (index) {
    case SystemColors::Window:
        return QPalette::Base;
    case SystemColors::WindowText:
        return QPalette::Text;
    case SystemColors::Highlight:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case SystemColors::ButtonFace:
        return QPalette::Button;
    case SystemColors::ButtonShadow:
        return QPalette::Dark;
    case SystemColors::ButtonText:
        return QPalette::ButtonText;
    case SystemColors::ButtonHighlight:
        return QPalette::Light;
    case SystemColors::DarkShadow3D:
        return QPalette::Shadow;
    case SystemColors::Light3D:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 26:
        return QPalette::Link;
    case 7:
    case 9:
    case 19:
        return QPalette::WindowText;
    default:
        return QPalette::Window;
    }
}

} // namespace

uint32_t SystemColors::sysColor(int index) {
    if (index == 17) // grey text
        return fromQRgb(QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text).rgb());
    return fromQRgb(QGuiApplication::palette().color(QPalette::Active, roleOf(index)).rgb());
}

uint32_t SystemColors::translateOleColor(OleColor color) {
    if ((color & 0xFF000000u) == 0x80000000u)
        return sysColor(int(color & 0xFF));
    return color & 0x00FFFFFFu;
}

} // namespace brizel
