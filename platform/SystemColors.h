#pragma once

#include <QColor>
#include <array>
#include <cstdint>

// The system colours by index, and the translation of a 32-bit colour value into a colour to draw
// with: red in the low byte, then green, then blue; 0x80000000 | index names a system colour.
namespace SystemColors {
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

using Table = std::array<QRgb, Count>;

// The colour scheme the program draws with unless a test replaces it.
Table defaultTable();
// Replaces the scheme (tests); resetTable() restores the default one.
void setTable(const Table& table);
void resetTable();

// The colour of system colour `index`; error 380 for an index that names none.
QColor color(int index);
// A colour value as the program stores it (RGB or 0x80000000 | index); error 380 when it names no colour.
QColor translate(uint32_t value);
} // namespace SystemColors
