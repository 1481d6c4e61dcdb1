#pragma once

#include <cstdint>
#include <optional>

// The printing module: page margins of the default printer, and printing the drawing.
namespace Drucker {

// What the margin rule needs of a printer.
struct PrinterMeasures {
    double paperWidthTwips;
    double paperHeightTwips;
    double printableWidthMm;
    double printableHeightMm;
    // Physical offsets of the printable area from the paper's left and top edge, in device pixels.
    double offsetXPixels;
    double offsetYPixels;
};

struct PageMargins {
    int16_t left = 0;
    int16_t right = 0;
    int16_t top = 0;
    int16_t bottom = 0;
};

// The margins in whole millimetres. The offsets are read as if at 300 dots per inch (11.8125 pixels
// per millimetre) whatever the printer's resolution, and paper sizes in twips at 56.7 per millimetre.
PageMargins marginsFor(const PrinterMeasures& printer);

// The default printer's measures; nothing when there is no printer or it cannot be asked.
std::optional<PrinterMeasures> defaultPrinterMeasures();

// Fills the margins from the default printer. Without a printer, or when it cannot be asked, the values
// stay as they are and nothing is shown.
void GetPrintMargins(int16_t& left, int16_t& right, int16_t& top, int16_t& bottom);

} // namespace Drucker
