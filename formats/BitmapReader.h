// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a Windows bitmap file that may come from any program: 1, 4, 8, 16, 24 and 32 bits per pixel,
// colour tables of any legal size, RLE8 and RLE4, bit-field masks, the OS/2 and Windows headers, rows
// stored bottom up or top down. What is damaged (a file cut short, runs leaving the picture, a header
// that contradicts itself) or too large is refused with the reason before any pixel is kept.
namespace BitmapReader {
// Throws BitmapRefusal. `maxSide` bounds width and height, `maxPixels` their product.
QImage read(const QByteArray& file, int maxSide, qint64 maxPixels);
} // namespace BitmapReader
