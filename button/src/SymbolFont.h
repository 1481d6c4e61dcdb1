// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace brizel {

// Captions in the "Wingdings" symbol font. Where that font is missing, its character codes are mapped to
// Unicode and drawn with a symbol font embedded in the library, so every machine shows the same glyphs.
class SymbolFont {
public:
    // True when `font` asks for Wingdings and the embedded font stands in for it.
    static bool substitutes(const QFont& font);
    // The font to draw with: the embedded symbol font (same size and style) or `requested` itself.
    static QFont resolve(const QFont& requested);
    // The text to draw with resolve(requested): mapped to Unicode when substituting, else unchanged.
    static QString mapText(const QString& text, const QFont& requested);
    // The Unicode symbol of one Wingdings character code; the code itself when it has no mapping.
    static char32_t unicodeOf(char16_t wingdingsCode);
    // Family name of the embedded font (registers it on first use); empty when it could not be loaded.
    static QString embeddedFamily();
};

} // namespace brizel
