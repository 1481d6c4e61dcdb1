#include "lessons/Drucker.h"

#include "base/VbConvert.h"

#include <QLoggingCategory>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

Q_LOGGING_CATEGORY(lcDrucker, "pinsola.printing")

namespace Drucker {

namespace {
constexpr double TwipsPerMm = 56.7;
constexpr double OffsetPixelsPerMm = 11.8125;
constexpr double TwipsPerPoint = 20.0;
constexpr double MmPerInch = 25.4;

// One edge pair: the near margin from the device offset, the far one from what is left of the paper.
void edges(double offsetPixels, double paperMm, double printableMm, int16_t& nearEdge, int16_t& farEdge) {
    nearEdge = static_cast<int16_t>(VbConvert::roundHalfEven(offsetPixels / OffsetPixelsPerMm));
    farEdge = static_cast<int16_t>(std::floor(paperMm - printableMm - nearEdge) + 1);
    nearEdge = static_cast<int16_t>(nearEdge + 1);
}
} // namespace

PageMargins marginsFor(const PrinterMeasures& printer) {
    PageMargins margins;
    edges(printer.offsetXPixels, printer.paperWidthTwips / TwipsPerMm, printer.printableWidthMm, margins.left,
          margins.right);
    edges(printer.offsetYPixels, printer.paperHeightTwips / TwipsPerMm, printer.printableHeightMm,
          margins.top, margins.bottom);
    return margins;
}

std::optional<PrinterMeasures> defaultPrinterMeasures() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return std::nullopt;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QRectF paperMm = layout.fullRect(QPageLayout::Millimeter);
    const QRectF paperPoints = layout.fullRect(QPageLayout::Point);
    const QMarginsF unprintable = layout.minimumMargins();
    const double dotsPerMm = printer.resolution() / MmPerInch;
    if (paperMm.isEmpty() || dotsPerMm <= 0)
        return std::nullopt;
    return PrinterMeasures{paperPoints.width() * TwipsPerPoint,
                           paperPoints.height() * TwipsPerPoint,
                           paperMm.width() - unprintable.left() - unprintable.right(),
                           paperMm.height() - unprintable.top() - unprintable.bottom(),
                           unprintable.left() * dotsPerMm,
                           unprintable.top() * dotsPerMm};
}

void GetPrintMargins(int16_t& left, int16_t& right, int16_t& top, int16_t& bottom) {
    const std::optional<PrinterMeasures> measures = defaultPrinterMeasures();
    if (!measures) {
        qCInfo(lcDrucker) << "no default printer; page margins stay as they are";
        return;
    }
    const PageMargins margins = marginsFor(*measures);
    left = margins.left;
    right = margins.right;
    top = margins.top;
    bottom = margins.bottom;
}

} // namespace Drucker
