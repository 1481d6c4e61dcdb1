// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelTypes.h>

#include <cstdint>

namespace brizel {

// The plain RGB colours a button paints with, derived from its colour scheme.
struct DerivedColors {
    uint32_t FaceColor = 0;
    uint32_t LightColor = 0;
    uint32_t HighlightColor = 0;
    uint32_t ShadowColor = 0;
    uint32_t DarkShadowColor = 0;
    uint32_t TextColor = 0;
    uint32_t TextOverColor = 0;
    uint32_t SelectColor = 0;
    uint32_t HoverFaceColor = 0;
    uint32_t MaskRgb = 0;
    uint32_t RaisedFaceColor = 0;
    bool operator==(const DerivedColors&) const = default;
};

// Everything the derivation reads.
struct ColorSchemeInput {
    int32_t colorScheme = 1;
    uint32_t backColor = 0; // OLE colours
    uint32_t foreColor = 0;
    uint32_t foreOver = 0;
    uint32_t maskColor = 0;
    int32_t buttonType = int32_t(ButtonTypes::WindowsXP);
    bool softBevel = false;
    uint32_t parentBackColor = 0; // plain RGB of the parent's drawing surface
    uint32_t parentForeColor = 0;
};

// ApplyColorScheme: the derived colours of one scheme (Use Windows, Custom, Force Standard, Use Container).
DerivedColors ApplyColorScheme(const ColorSchemeInput& input);

} // namespace brizel
