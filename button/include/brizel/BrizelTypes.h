// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// The type library "BrizelLib": enumerations of the Brizel control (scoped, so that their member
// names stay free for the implementation). Member names with blanks and hyphens
// are kept as display names for property editors.
namespace brizel {

enum class ButtonTypes : int32_t {
    Windows16Bit = 1,
    Windows32Bit = 2,
    WindowsXP = 3,
    Mac = 4,
    JavaMetal = 5,
    Netscape6 = 6,
    SimpleFlat = 7,
    FlatHighlight = 8,
    OfficeXP = 9,
    // Not listed by the type library, but accepted and drawn by the control (UnlistedButtonTypes.h).
    Blank = 10,
    ContainerPixels = 11,
    Hover3D = 12,
    OvalFlat = 13,
    KDE2 = 14,
};

enum class ColorTypes : int32_t {
    UseWindows = 1,
    Custom = 2,
    ForceStandard = 3,
    UseContainer = 4,
};

enum class PicPositions : int32_t {
    cbLeft = 0,
    cbRight = 1,
    cbTop = 2,
    cbBottom = 3,
    cbBackground = 4,
};

enum class fx : int32_t {
    cbNone = 0,
    cbEmbossed = 1,
    cbEngraved = 2,
    cbShadowed = 3,
};

// Display names of the enumeration members; an empty text for values the type library does not list.
inline QString buttonTypeName(int32_t value) {
    switch (ButtonTypes(value)) {
    case ButtonTypes::Windows16Bit:
        return QStringLiteral("Windows 16-bit");
    case ButtonTypes::Windows32Bit:
        return QStringLiteral("Windows 32-bit");
    case ButtonTypes::WindowsXP:
        return QStringLiteral("Windows XP");
    case ButtonTypes::Mac:
        return QStringLiteral("Mac");
    case ButtonTypes::JavaMetal:
        return QStringLiteral("Java Metal");
    case ButtonTypes::Netscape6:
        return QStringLiteral("Netscape 6");
    case ButtonTypes::SimpleFlat:
        return QStringLiteral("Simple Flat");
    case ButtonTypes::FlatHighlight:
        return QStringLiteral("Flat Highlight");
    case ButtonTypes::OfficeXP:
        return QStringLiteral("Office XP");
    case ButtonTypes::Hover3D:
        return QStringLiteral("3D Hover");
    case ButtonTypes::OvalFlat:
        return QStringLiteral("Oval Flat");
    case ButtonTypes::KDE2:
        return QStringLiteral("KDE 2");
    default:
        return {};
    }
}

inline QString colorTypeName(int32_t value) {
    switch (ColorTypes(value)) {
    case ColorTypes::UseWindows:
        return QStringLiteral("Use Windows");
    case ColorTypes::Custom:
        return QStringLiteral("Custom");
    case ColorTypes::ForceStandard:
        return QStringLiteral("Force Standard");
    case ColorTypes::UseContainer:
        return QStringLiteral("Use Container");
    default:
        return {};
    }
}

inline QString picPositionName(int32_t value) {
    switch (PicPositions(value)) {
    case PicPositions::cbLeft:
        return QStringLiteral("cbLeft");
    case PicPositions::cbRight:
        return QStringLiteral("cbRight");
    case PicPositions::cbTop:
        return QStringLiteral("cbTop");
    case PicPositions::cbBottom:
        return QStringLiteral("cbBottom");
    case PicPositions::cbBackground:
        return QStringLiteral("cbBackground");
    default:
        return {};
    }
}

inline QString fxName(int32_t value) {
    switch (fx(value)) {
    case fx::cbNone:
        return QStringLiteral("cbNone");
    case fx::cbEmbossed:
        return QStringLiteral("cbEmbossed");
    case fx::cbEngraved:
        return QStringLiteral("cbEngraved");
    case fx::cbShadowed:
        return QStringLiteral("cbShadowed");
    default:
        return {};
    }
}

// Booleans of the control's interface: -1 true, 0 false.
using VBool = int16_t;
inline constexpr VBool True = -1;
inline constexpr VBool False = 0;

// Colours are 32-bit OLE colours: plain RGB (red in the low byte) or, with the high bit set, a system
// colour index in the low byte.
using OleColor = uint32_t;
inline constexpr OleColor rgb(int red, int green, int blue) {
    return OleColor(red & 0xFF) | (OleColor(green & 0xFF) << 8) | (OleColor(blue & 0xFF) << 16);
}

} // namespace brizel
