// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

class BitmapHeader;

// The pixels of an RLE8 or RLE4 bitmap. Every run must lie inside the picture and the data must hold
// every run up to the end mark, or up to the last pixel of the top row; pixels the runs skip keep the
// colour of index 0.
namespace BitmapRuns {
// Throws BitmapRefusal. `picture` has the header's size.
void decode(const QByteArray& file, const BitmapHeader& header, QImage& picture);
} // namespace BitmapRuns
