// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/BitmapReader.h"

#include "formats/BitmapHeader.h"
#include "formats/BitmapRuns.h"

#include <QtEndian>

namespace {

// A channel's value scaled to eight bits: wider channels keep their top bits, narrower ones spread over
// the whole range, so five bits of 31 give 255.
int level(uint32_t pixel, BitmapHeader::Channel channel) {
    if (channel.bits == 0)
        return 0;
    const uint32_t value =
        static_cast<uint32_t>((uint64_t{pixel} >> channel.shift) & ((1ull << channel.bits) - 1));
    if (channel.bits >= 8)
        return static_cast<int>(value >> (channel.bits - 8));
    const uint32_t most = (1u << channel.bits) - 1;
    return static_cast<int>((value * 255 + most / 2) / most);
}

void indexedRow(const uchar* in, QRgb* out, const BitmapHeader& header) {
    const int bits = header.bitsPerPixel;
    const int mask = (1 << bits) - 1;
    for (int x = 0; x < header.width; ++x) {
        const int bit = x * bits;
        out[x] = header.palette[(in[bit >> 3] >> (8 - bits - (bit & 7))) & mask];
    }
}

void maskedRow(const uchar* in, QRgb* out, const BitmapHeader& header) {
    const auto& [red, green, blue, alpha] = header.channels;
    for (int x = 0; x < header.width; ++x) {
        const uint32_t pixel = header.bitsPerPixel == 16 ? qFromLittleEndian<uint16_t>(in + 2 * x)
                                                         : qFromLittleEndian<uint32_t>(in + 4 * x);
        out[x] = qRgba(level(pixel, red), level(pixel, green), level(pixel, blue),
                       alpha.bits != 0 ? level(pixel, alpha) : 255);
    }
}

void decodeRows(const QByteArray& file, const BitmapHeader& header, QImage& picture) {
    const qint64 stride = (qint64{header.width} * header.bitsPerPixel + 31) / 32 * 4;
    if (header.dataOffset + stride * header.rows > file.size())
        throw BitmapRefusal{QStringLiteral("the file ends before its picture data")};
    const auto* data = reinterpret_cast<const uchar*>(file.constData()) + header.dataOffset;
    for (int row = 0; row < header.rows; ++row) {
        const uchar* in = data + row * stride;
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(header.topDown ? row : header.rows - 1 - row));
        if (header.bitsPerPixel <= 8) {
            indexedRow(in, out, header);
        } else if (header.bitsPerPixel == 24) {
            for (int x = 0; x < header.width; ++x, in += 3)
                out[x] = qRgb(in[2], in[1], in[0]);
        } else {
            maskedRow(in, out, header);
        }
    }
}

// Writers that give an alpha mask but leave every alpha zero mean an opaque picture.
void dropUnusedAlpha(QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(line[x]) != 0)
                return;
    }
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    picture.reinterpretAsFormat(QImage::Format_RGB32);
}

} // namespace

QImage BitmapReader::read(const QByteArray& file, int maxSide, qint64 maxPixels) {
    const BitmapHeader header(file, maxSide, maxPixels);
    const bool alpha = header.channels[3].bits != 0;
    QImage picture(header.width, header.rows, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.isNull())
        throw BitmapRefusal{QStringLiteral("there is not enough memory to open it")};
    if (header.compression == BitmapHeader::Rle8 || header.compression == BitmapHeader::Rle4)
        BitmapRuns::decode(file, header, picture);
    else
        decodeRows(file, header, picture);
    if (alpha)
        dropUnusedAlpha(picture);
    return picture;
}
