// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaletteQuantizer.h"

#include <QHash>

#include <algorithm>
#include <limits>

QImage PaletteQuantizer::quantize(const QImage& image, const QList<QRgb>& keyColours, int maxColours) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> palette = choosePalette(rgb, keyColours, maxColours);

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, uchar> lookup;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            auto found = lookup.constFind(colour);
            if (found == lookup.constEnd())
                found = lookup.insert(colour, uchar(nearest(palette, colour)));
            out[x] = *found;
        }
    }
    return indexed;
}

QList<QRgb> PaletteQuantizer::choosePalette(const QImage& image, const QList<QRgb>& keyColours,
                                            int maxColours) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x] | 0xff000000u];
    }
    QList<QRgb> palette;
    for (QRgb key : keyColours) {
        if (!palette.contains(key | 0xff000000u) && palette.size() < maxColours)
            palette.append(key | 0xff000000u);
    }
    QList<std::pair<int, QRgb>> byCount;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        if (!palette.contains(it.key()))
            byCount.append({it.value(), it.key()});
    }
    // Most frequent first; ties by colour value, so the palette does not depend on hash order.
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    for (const auto& [count, colour] : byCount) {
        if (palette.size() >= maxColours)
            break;
        palette.append(colour);
    }
    return palette;
}

int PaletteQuantizer::nearest(const QList<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}
