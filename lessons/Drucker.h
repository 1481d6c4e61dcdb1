// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Seam.h"

#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QPrinter;

// The printing module: page margins of the default printer, and printing the drawing.
namespace Drucker {

// What the margin rule needs of a printer: the paper and its unprintable border on each edge, both in
// millimetres and as the page lies when it is printed (landscape).
struct PrinterMeasures {
    QSizeF paperMm;
    QMarginsF unprintableMm;
};

struct PageMargins {
    int16_t left = 0;
    int16_t right = 0;
    int16_t top = 0;
    int16_t bottom = 0;
};

// The margins in whole millimetres, each 1 mm more than the unprintable border: the near edges (left, top)
// rounded halves to even, the far edges (right, bottom) rounded down. So every margin lies outside the
// border.
PageMargins marginsFor(const PrinterMeasures& printer);

// The unprintable border of the printer's page in landscape, in millimetres. The printer describes it
// for the upright sheet; a landscape page is turned onto that sheet by a quarter, in either direction,
// so each edge gets the larger border of the two edges it may come to lie on.
QMarginsF landscapeBorderMm(const QPrinter& printer);

// The default printer's measures; nothing when there is no printer or it cannot be asked.
std::optional<PrinterMeasures> defaultPrinterMeasures();

// Fills the margins from the default printer. Without a printer, or when it cannot be asked, the values
// stay as they are and nothing is shown.
void GetPrintMargins(int16_t& left, int16_t& right, int16_t& top, int16_t& bottom);

// Where the drawing and its footer line go on a page, in millimetres from the paper's top-left corner:
// the drawing keeps its shape, as large as fits inside both the margins and the printable area (the paper
// less the unprintable border), with the footer line below it.
struct PageLayout {
    QRectF picture;
    QPointF footer; // the footer line's top-left corner
};
PageLayout pageLayout(QSizeF paperMm, const std::array<int16_t, 4>& margins, const QMarginsF& unprintableMm,
                      QSizeF pictureSize, double footerMm);

// Prints the drawing on one landscape page of `printer` inside the margins (left, right, top, bottom in
// millimetres) and inside the printer's printable area, with the footer line below it in the given font
// family at 6 points, and ends the document. A printer that cannot start the page raises error 482.
void PrintPicture(QPrinter& printer, const QImage& picture, const std::array<int16_t, 4>& margins,
                  const QString& fontFamily, const QString& footer);
// The same on the default printer; without a printer error 482 is raised.
void PrintOnDefaultPrinter(const QImage& picture, const std::array<int16_t, 4>& margins,
                           const QString& fontFamily, const QString& footer);
// Tests print the print command's page to this printer (a PDF file) instead.
inline Seam<QPrinter*> printerSeam;

} // namespace Drucker
