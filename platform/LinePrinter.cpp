// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LinePrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

bool LinePrinter::hasDefaultPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool LinePrinter::print(const QStringList& lines, const QString& jobName) {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return false;
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(jobName);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QFontMetrics metrics(painter.font());
    const int pageHeight = painter.viewport().height();
    int y = metrics.ascent();
    for (const QString& line : lines) {
        if (y + metrics.descent() > pageHeight) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += metrics.lineSpacing();
    }
    return painter.end();
}
