// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelTypes.h>

#include "base/SystemColorTable.h"

#include <QRgb>

namespace brizel {

// The system colours of the application palette (tests fix them by setting a known palette) and the OLE
// colour translation built on them. Colours are plain RGB, red in the low byte.
class SystemColors {
public:
    // The system colour indices the control uses.
    enum Index {
        Highlight = SystemColorTable::Highlight,
        ButtonFace = SystemColorTable::ButtonFace,
        ButtonShadow = SystemColorTable::ButtonShadow,
        ButtonText = SystemColorTable::ButtonText,
        ButtonHighlight = SystemColorTable::Highlight3D,
        DarkShadow3D = SystemColorTable::DarkShadow3D,
        Light3D = SystemColorTable::Light3D,
    };

    static uint32_t sysColor(Index index) { return SystemColorTable::colorOf(index); }
    // An OLE colour as plain RGB. A value that names no colour draws black, as a failed translation
    // leaves the colour at 0.
    static uint32_t translateOleColor(OleColor color) {
        return SystemColorTable::translate(color).value_or(0);
    }

    static uint32_t fromQRgb(QRgb color) { return rgb(qRed(color), qGreen(color), qBlue(color)); }
    static QRgb toQRgb(uint32_t color) { return SystemColorTable::toQColor(color).rgb(); }
};

} // namespace brizel
