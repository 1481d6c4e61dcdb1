// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/Drucker.h"

#include "base/VbConvert.h"
#include "base/VbError.h"

#include <QLoggingCategory>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcDrucker, "pinsola.printing")

namespace Drucker {

namespace {
constexpr double MmPerInch = 25.4;
} // namespace

PageMargins marginsFor(const PrinterMeasures& printer) {
    const QMarginsF& border = printer.unprintableMm;
    const auto nearEdge = [](double mm) { return static_cast<int16_t>(VbConvert::roundHalfEven(mm) + 1); };
    const auto farEdge = [](double mm) { return static_cast<int16_t>(std::floor(mm) + 1); };
    return {nearEdge(border.left()), farEdge(border.right()), nearEdge(border.top()),
            farEdge(border.bottom())};
}

QMarginsF landscapeBorderMm(const QPrinter& printer) {
    QPageLayout upright = printer.pageLayout();
    upright.setOrientation(QPageLayout::Portrait);
    upright.setUnits(QPageLayout::Millimeter);
    const QMarginsF border = upright.minimumMargins();
    const double across = std::max(border.top(), border.bottom());
    const double along = std::max(border.left(), border.right());
    return {across, along, across, along};
}

std::optional<PrinterMeasures> defaultPrinterMeasures() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return std::nullopt;
    printer.setPageOrientation(QPageLayout::Landscape);
    const QSizeF paperMm = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    if (paperMm.isEmpty())
        return std::nullopt;
    return PrinterMeasures{paperMm, landscapeBorderMm(printer)};
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

PageLayout pageLayout(QSizeF paperMm, const std::array<int16_t, 4>& margins, const QMarginsF& unprintableMm,
                      QSizeF pictureSize, double footerMm) {
    const QRectF paper(QPointF(0, 0), paperMm);
    const QRectF inside = paper.marginsRemoved(QMarginsF(margins[0], margins[2], margins[1], margins[3]))
                              .intersected(paper.marginsRemoved(unprintableMm));
    const QRectF area = inside.adjusted(0, 0, 0, -footerMm);
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
    const PageLayout layout =
        pageLayout(paperMm, margins, landscapeBorderMm(printer), picture.size(), footerMm);
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
    if (QPrinter* standIn = printerSeam.standIn()) {
        PrintPicture(*standIn, picture, margins, fontFamily, footer);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        VbError::raise(VbErr::PrinterError);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Pinsola"));
    PrintPicture(printer, picture, margins, fontFamily, footer);
}

} // namespace Drucker
