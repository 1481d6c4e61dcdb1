// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Encodes an 8-bit indexed image as the pixel data of a Windows RLE8 bitmap: rows bottom-up, runs of
// equal pixels as (count, index) pairs, stretches of differing pixels in absolute mode, an end-of-line
// escape after every row but the last and an end-of-bitmap escape after it. Anything but a non-empty
// 8-bit indexed image gives an empty result.
class Rle8Encoder {
public:
    static QByteArray encode(const QImage& indexed);
    static QByteArray encodeRow(const uchar* pixels, int width);

private:
    static int runLength(const uchar* pixels, int from, int width);
    static int literalLength(const uchar* pixels, int from, int width);
    static void appendRun(QByteArray& out, uchar index, int count);
    static void appendLiteral(QByteArray& out, const uchar* pixels, int count);
};
