#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QPrinter;

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

// Where the drawing and its footer line go on a page, in millimetres from the paper's top-left corner:
// the drawing keeps its shape, as large as fits inside the margins above the footer line.
struct PageLayout {
    QRectF picture;
    QPointF footer; // the footer line's top-left corner
};
PageLayout pageLayout(QSizeF paperMm, const std::array<int16_t, 4>& margins, QSizeF pictureSize,
                      double footerMm);

// Prints the drawing on one landscape page of `printer` inside the margins (left, right, top, bottom in
// millimetres), with the footer line below it in the given font family at 6 points, and ends the
// document. A printer that cannot start the page raises error 482.
void PrintPicture(QPrinter& printer, const QImage& picture, const std::array<int16_t, 4>& margins,
                  const QString& fontFamily, const QString& footer);
// The same on the default printer; without a printer error 482 is raised.
void PrintOnDefaultPrinter(const QImage& picture, const std::array<int16_t, 4>& margins,
                           const QString& fontFamily, const QString& footer);

} // namespace Drucker
