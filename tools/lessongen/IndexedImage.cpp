// SPDX-License-Identifier: GPL-3.0-or-later
#include "IndexedImage.h"

#include <QHash>

QImage IndexedImage::fromExactColours(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QHash<QRgb, uchar> lookup;
    for (int y = 0; y < argb.height(); ++y) {
        uchar* line = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            QRgb colour = argb.pixel(x, y);
            if (qAlpha(colour) == 0)
                colour = 0;
            auto found = lookup.constFind(colour);
            if (found == lookup.constEnd()) {
                Q_ASSERT(table.size() < 256);
                found = lookup.insert(colour, uchar(table.size()));
                table.append(colour);
            }
            line[x] = *found;
        }
    }
    indexed.setColorTable(table);
    return indexed;
}
