#include "lessons/Drucker.h"

#include "base/VbConvert.h"
#include "base/VbError.h"

#include <QLoggingCategory>
#include <QPageLayout>
#include <QPainter>
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

PageLayout pageLayout(QSizeF paperMm, const std::array<int16_t, 4>& margins, QSizeF pictureSize,
                      double footerMm) {
    const QRectF area(margins[0], margins[2], paperMm.width() - margins[0] - margins[1],
                      paperMm.height() - margins[2] - margins[3] - footerMm);
    if (area.width() <= 0 || area.height() <= 0 || pictureSize.isEmpty())
        VbError::raise(VbErr::PrinterError);
    const QSizeF size = pictureSize.scaled(area.size(), Qt::KeepAspectRatio);
    const QRectF picture(QPointF(area.left() + (area.width() - size.width()) / 2, area.top()), size);
    return {picture, QPointF(picture.left(), picture.bottom() + footerMm / 3)};
}

void PrintPicture(QPrinter& printer, const QImage& picture, const std::array<int16_t, 4>& margins,
                  const QString& fontFamily, const QString& footer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setColorMode(QPrinter::Color);
    printer.setFullPage(true);
    QFont font(fontFamily);
    font.setPointSizeF(6);
    font.setBold(false);
    const double footerMm = 6 * MmPerInch / 72 * 2;
    const QSizeF paperMm = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const PageLayout layout = pageLayout(paperMm, margins, picture.size(), footerMm);
    QPainter painter;
    if (!painter.begin(&printer))
        VbError::raise(VbErr::PrinterError);
    const double dotsPerMm = printer.resolution() / MmPerInch;
    const auto device = [dotsPerMm](const QRectF& mm) {
        return QRectF(mm.topLeft() * dotsPerMm, mm.size() * dotsPerMm);
    };
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(device(layout.picture), picture);
    painter.setFont(QFont(font, &printer));
    painter.setPen(Qt::black);
    painter.drawText(device(QRectF(layout.footer, QSizeF(layout.picture.width(), footerMm))),
                     Qt::AlignLeft | Qt::AlignTop, footer);
    if (!painter.end())
        VbError::raise(VbErr::PrinterError);
}

void PrintOnDefaultPrinter(const QImage& picture, const std::array<int16_t, 4>& margins,
                           const QString& fontFamily, const QString& footer) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        VbError::raise(VbErr::PrinterError);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Pinsola"));
    PrintPicture(printer, picture, margins, fontFamily, footer);
}

} // namespace Drucker
