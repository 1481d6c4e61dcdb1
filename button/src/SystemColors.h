#pragma once

#include <brizel/BrizelTypes.h>

#include <QRgb>

namespace brizel {

// The platform's system colours, taken from the application palette (tests fix them by setting a known
// palette), and the OLE colour translation built on them. Colours are plain RGB, red in the low byte.
class SystemColors {
public:
    // Windows system colour indices the control uses.
    enum Index {
        Window = 5,
        WindowText = 8,
        Highlight = 13,
        ButtonFace = 15,
        ButtonShadow = 16,
        ButtonText = 18,
        ButtonHighlight = 20,
        DarkShadow3D = 21,
        Light3D = 22,
    };

    static uint32_t sysColor(int index);
    // An OLE colour as plain RGB: system colour codes (high byte 0x80) are looked up, palette-relative
    // and plain values keep their RGB part.
    static uint32_t translateOleColor(OleColor color);

    static uint32_t fromQRgb(QRgb color) { return rgb(qRed(color), qGreen(color), qBlue(color)); }
    static QRgb toQRgb(uint32_t color) {
        return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    }
};

} // namespace brizel
