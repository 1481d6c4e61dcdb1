// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <cstdint>
#include <optional>

// The system colours, shared by the program and the button library: each index names a colour role of
// the application palette, and a colour value names either a plain colour or one of these. Colour values
// hold red in the low byte, then green, then blue.
namespace SystemColorTable {
enum Index : int {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    Highlight3D = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};
constexpr int Count = 31;
constexpr uint32_t SystemFlag = 0x80000000u;

// A plain colour value (red in the low byte) as a QColor, and a QColor as one.
QColor toQColor(uint32_t rgb);
uint32_t fromQColor(const QColor& color);
// The colour of system colour `index` (0 … Count - 1) in the application palette.
uint32_t colorOf(int index);
// A stored colour value as a plain colour: high byte 0 is RGB, 2 an RGB relative to a palette (the same
// colour on a true-colour surface), 0x80 with an index below Count a system colour. Anything else names
// no colour.
std::optional<uint32_t> translate(uint32_t value);
// Sets the palette role that system colour `index` reads.
void setColor(QPalette& palette, int index, const QColor& color);
// The classic standard scheme, so the program looks the same on every platform.
QPalette standardPalette();
} // namespace SystemColorTable
