// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rle8Encoder.h"

namespace {
constexpr int MaxCount = 255;
// Absolute mode needs at least three pixels: counts 0, 1 and 2 after the escape byte mean end of line,
// end of bitmap and delta.
constexpr int MinLiteral = 3;
// A run this long is worth leaving absolute mode for.
constexpr int MinRunInLiteral = 3;
} // namespace

QByteArray Rle8Encoder::encode(const QImage& indexed) {
    if (indexed.format() != QImage::Format_Indexed8 || indexed.isNull())
        return {};
    QByteArray out;
    for (int y = indexed.height() - 1; y >= 0; --y) {
        out += encodeRow(indexed.constScanLine(y), indexed.width());
        out += char(0);
        out += char(y == 0 ? 1 : 0);
    }
    return out;
}

QByteArray Rle8Encoder::encodeRow(const uchar* pixels, int width) {
    QByteArray out;
    int x = 0;
    while (x < width) {
        const int run = runLength(pixels, x, width);
        if (run >= 2) {
            appendRun(out, pixels[x], run);
            x += run;
            continue;
        }
        const int literal = literalLength(pixels, x, width);
        if (literal >= MinLiteral) {
            appendLiteral(out, pixels + x, literal);
        } else {
            for (int i = 0; i < literal; ++i)
                appendRun(out, pixels[x + i], 1);
        }
        x += literal;
    }
    return out;
}

int Rle8Encoder::runLength(const uchar* pixels, int from, int width) {
    int end = from + 1;
    while (end < width && pixels[end] == pixels[from])
        ++end;
    return end - from;
}

// Pixels up to the next run worth encoding, at most one absolute block long.
int Rle8Encoder::literalLength(const uchar* pixels, int from, int width) {
    int end = from;
    while (end < width && end - from < MaxCount) {
        if (runLength(pixels, end, width) >= MinRunInLiteral)
            break;
        ++end;
    }
    return std::max(end - from, 1);
}

void Rle8Encoder::appendRun(QByteArray& out, uchar index, int count) {
    while (count > 0) {
        const int part = std::min(count, MaxCount);
        out += char(part);
        out += char(index);
        count -= part;
    }
}

void Rle8Encoder::appendLiteral(QByteArray& out, const uchar* pixels, int count) {
    out += char(0);
    out += char(count);
    out.append(reinterpret_cast<const char*>(pixels), count);
    if (count % 2 != 0)
        out += char(0); // absolute blocks end on a 16-bit boundary
}
