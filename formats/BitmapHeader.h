// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>

// Why a bitmap file is refused; thrown by the reader's parts, caught where the file is read.
struct BitmapRefusal {
    QString reason;
};

// The headers of a Windows bitmap file in every form writers use: the OS/2 1.x core header, the OS/2 2.x
// header of 16 to 64 bytes, the Windows information header and its V2 to V5 extensions. What the pixels
// need is gathered here, checked against the file's size, so decoding reads nothing outside the file.
class BitmapHeader {
public:
    enum Compression : uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };
    // A colour channel of a pixel of 16 or 32 bits: where its bits lie.
    struct Channel {
        int shift = 0;
        int bits = 0;
    };

    // Throws BitmapRefusal. Pictures wider or higher than `maxSide`, or of more than `maxPixels`, are
    // refused.
    BitmapHeader(const QByteArray& file, int maxSide, qint64 maxPixels);

    int width = 0;
    int rows = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t compression = Rgb;
    qint64 dataOffset = 0;
    // Red, green, blue, alpha. An alpha channel of no bits means the picture is opaque.
    std::array<Channel, 4> channels{};
    // Every index a pixel may hold has a colour: those beyond the file's table are black.
    std::array<QRgb, 256> palette{};

private:
    void checkSizes(int maxSide, qint64 maxPixels);
    void checkDepth(bool os2) const;
    // Returns where the colour table begins.
    qint64 readMasks(const QByteArray& file, qint64 headerEnd, bool inHeader);
    void readPalette(const QByteArray& file, qint64 start, int entrySize, uint32_t used);

    int m_headerSize = 0;
    int64_t m_rawWidth = 0;
    int64_t m_rawHeight = 0;
};
