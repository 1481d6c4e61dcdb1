// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// Turns a true-colour drawing into an 8-bit indexed image. The drawing's own colours (the ones passed
// in) always keep an exact palette entry; the remaining entries go to the most frequent other colours,
// which are the anti-aliased edges. Every pixel maps to its nearest palette entry.
class PaletteQuantizer {
public:
    static QImage quantize(const QImage& image, const QList<QRgb>& keyColours, int maxColours = 256);

private:
    static QList<QRgb> choosePalette(const QImage& image, const QList<QRgb>& keyColours, int maxColours);
    static int nearest(const QList<QRgb>& palette, QRgb colour);
};
