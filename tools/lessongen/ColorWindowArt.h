// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QList>

// The colour window's pictures: the palette, the width slider's rail and thumb, and the palette's
// pointer.
class ColorWindowArt {
public:
    static constexpr int PaletteWidth = 475;
    static constexpr int PaletteHeight = 132;
    static constexpr int Columns = 19;
    static constexpr int Rows = 6;

    // Swatches in 19 columns (16 hues, brown, skin tones, greys) and 6 rows from light to dark; no
    // borders, so every pixel is a colour worth drawing with. White is at the top of the grey column,
    // black at its bottom.
    static QImage palette();
    static QList<QList<QColor>> swatchColumns();
    // The rail: a groove with a wedge that grows from thin at the bottom (width 1) to thick at the top.
    static QImage rail();
    static QImage thumb();
    // A paintbrush, 32 × 32 pixels in 16 colours, its tip at the hot spot (0, 0).
    static QImage brushPointer();
};
