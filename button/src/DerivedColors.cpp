// SPDX-License-Identifier: GPL-3.0-or-later
#include "DerivedColors.h"

#include "ColorMath.h"
#include "SystemColors.h"

#include <brizel/BrizelTypes.h>

namespace brizel {

namespace {

void shadesOfFace(DerivedColors& colors, bool soft) {
    colors.ShadowColor = ShadeColor(colors.FaceColor, -64, false, soft);
    colors.LightColor = ShadeColor(colors.FaceColor, 31, false, soft);
    colors.HighlightColor = ShadeColor(colors.FaceColor, 47, false, soft);
    colors.DarkShadowColor = ShadeColor(colors.FaceColor, -192, false, soft);
}

void systemScheme(DerivedColors& colors) {
    colors.FaceColor = SystemColors::sysColor(SystemColors::ButtonFace);
    colors.ShadowColor = SystemColors::sysColor(SystemColors::ButtonShadow);
    colors.LightColor = SystemColors::sysColor(SystemColors::Light3D);
    colors.DarkShadowColor = SystemColors::sysColor(SystemColors::DarkShadow3D);
    colors.HighlightColor = SystemColors::sysColor(SystemColors::ButtonHighlight);
    colors.TextColor = colors.TextOverColor = SystemColors::sysColor(SystemColors::ButtonText);
    colors.SelectColor = SystemColors::sysColor(SystemColors::Highlight);
    colors.HoverFaceColor = TintTowardWhite(colors.SelectColor, 176);
}

} // namespace

DerivedColors ApplyColorScheme(const ColorSchemeInput& input) {
    DerivedColors colors;
    const bool soft = input.softBevel;
    switch (ColorTypes(input.colorScheme)) {
    case ColorTypes::Custom:
        colors.FaceColor = SystemColors::translateOleColor(input.backColor);
        colors.TextColor = SystemColors::translateOleColor(input.foreColor);
        colors.TextOverColor = SystemColors::translateOleColor(input.foreOver);
        shadesOfFace(colors, soft);
        colors.SelectColor = ShadeColor(colors.FaceColor, -128, false, soft);
        colors.HoverFaceColor = colors.FaceColor;
        break;
    case ColorTypes::ForceStandard:
        colors.FaceColor = rgb(192, 192, 192);
        colors.ShadowColor = rgb(128, 128, 128);
        colors.LightColor = rgb(223, 223, 223);
        colors.DarkShadowColor = rgb(0, 0, 0);
        colors.HighlightColor = rgb(255, 255, 255);
        colors.TextColor = colors.TextOverColor = rgb(0, 0, 0);
        colors.SelectColor = rgb(0, 0, 128);
        colors.HoverFaceColor = rgb(173, 173, 209);
        break;
    case ColorTypes::UseContainer:
        colors.FaceColor = input.parentBackColor;
        colors.TextColor = colors.TextOverColor = input.parentForeColor;
        shadesOfFace(colors, soft);
        colors.SelectColor = SystemColors::sysColor(SystemColors::Highlight);
        colors.HoverFaceColor = TintTowardWhite(colors.SelectColor, 176);
        break;
    default:
        systemScheme(colors);
        break;
    }
    colors.MaskRgb = SystemColors::translateOleColor(input.maskColor);
    colors.RaisedFaceColor =
        ShadeColor(colors.FaceColor, 48, ButtonTypes(input.buttonType) == ButtonTypes::WindowsXP, soft);
    return colors;
}

} // namespace brizel
