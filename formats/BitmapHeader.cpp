// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/BitmapHeader.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstdlib>

namespace {

constexpr qint64 FileHeaderSize = 14;
constexpr uint32_t CoreHeaderSize = 12;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t V2HeaderSize = 52;
constexpr uint32_t V3HeaderSize = 56;
constexpr uint32_t V4HeaderSize = 108;
constexpr uint32_t V5HeaderSize = 124;
constexpr uint32_t Os2SmallestHeader = 16;
constexpr uint32_t Os2LargestHeader = 64;

const QString Truncated = QStringLiteral("the file ends before its picture data");
const QString Damaged = QStringLiteral("its header is damaged");

[[noreturn]] void refuse(const QString& reason) {
    throw BitmapRefusal{reason};
}

void needs(const QByteArray& file, qint64 end) {
    if (end > file.size())
        refuse(Truncated);
}

// The callers check the file's size first; a field past the end reads as zero all the same.
template <typename T> T at(const QByteArray& file, qint64 offset) {
    if (offset < 0 || offset + qint64(sizeof(T)) > file.size())
        return T{};
    return qFromLittleEndian<T>(file.constData() + offset);
}

bool isWindowsHeader(uint32_t size) {
    return size == InfoHeaderSize || size == V2HeaderSize || size == V3HeaderSize || size == V4HeaderSize ||
           size == V5HeaderSize;
}

BitmapHeader::Channel channelOf(uint32_t mask) {
    if (mask == 0)
        return {};
    const int shift = std::countr_zero(mask);
    const int bits = std::countr_one(mask >> shift);
    if ((uint64_t{mask} >> shift) >> bits != 0)
        refuse(QStringLiteral("its colour masks are damaged"));
    return {shift, bits};
}

} // namespace

BitmapHeader::BitmapHeader(const QByteArray& file, int maxSide, qint64 maxPixels) {
    needs(file, FileHeaderSize + 4);
    if (!file.startsWith("BM"))
        refuse(QStringLiteral("it is not a bitmap"));
    const auto size = at<uint32_t>(file, FileHeaderSize);
    const bool core = size == CoreHeaderSize;
    const bool os2 = !core && !isWindowsHeader(size) && size >= Os2SmallestHeader && size <= Os2LargestHeader;
    if (!core && !os2 && !isWindowsHeader(size))
        refuse(Damaged);
    m_headerSize = static_cast<int>(size);
    needs(file, FileHeaderSize + size);
    uint32_t used = 0;
    if (core) {
        m_rawWidth = at<uint16_t>(file, 18);
        m_rawHeight = at<uint16_t>(file, 20);
        bitsPerPixel = at<uint16_t>(file, 24);
    } else {
        m_rawWidth = at<int32_t>(file, 18);
        m_rawHeight = at<int32_t>(file, 22);
        bitsPerPixel = at<uint16_t>(file, 28);
        // A short OS/2 header ends after any field; the fields it leaves out are zero.
        compression = size >= 20 ? at<uint32_t>(file, 30) : Rgb;
        used = size >= 36 ? at<uint32_t>(file, 46) : 0;
    }
    checkSizes(maxSide, maxPixels);
    checkDepth(os2);
    const qint64 masksEnd = readMasks(file, FileHeaderSize + size, size >= V2HeaderSize);
    readPalette(file, masksEnd, core ? 3 : 4, core ? 0 : used);
}

void BitmapHeader::checkSizes(int maxSide, qint64 maxPixels) {
    if (m_rawWidth == 0 || m_rawHeight == 0)
        refuse(QStringLiteral("it holds no pixels"));
    if (m_rawWidth < 0)
        refuse(Damaged);
    const int64_t height = std::llabs(m_rawHeight);
    if (m_rawWidth > maxSide || height > maxSide || m_rawWidth * height > maxPixels)
        refuse(QStringLiteral("it is too large (%1 × %2 pixels)").arg(m_rawWidth).arg(height));
    width = static_cast<int>(m_rawWidth);
    rows = static_cast<int>(height);
    topDown = m_rawHeight < 0;
}

void BitmapHeader::checkDepth(bool os2) const {
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        refuse(QStringLiteral("it has %1 bits per pixel, which no bitmap has").arg(bitsPerPixel));
    }
    const QString unsupported = QStringLiteral("its compression is not supported");
    switch (compression) {
    case Rgb:
        return;
    case Rle8:
    case Rle4:
        if (bitsPerPixel != (compression == Rle8 ? 8 : 4))
            refuse(Damaged);
        if (topDown)
            refuse(QStringLiteral("it is compressed and stored top down, which bitmaps do not allow"));
        return;
    case BitFields:
    case AlphaBitFields:
        // OS/2 numbers its Huffman coding 3; bit fields exist for 16 and 32 bits only.
        if (os2 || (bitsPerPixel != 16 && bitsPerPixel != 32))
            refuse(unsupported);
        return;
    default:
        refuse(unsupported);
    }
}

qint64 BitmapHeader::readMasks(const QByteArray& file, qint64 headerEnd, bool inHeader) {
    std::array<uint32_t, 4> masks{};
    if (bitsPerPixel == 16)
        masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (bitsPerPixel == 32)
        masks = {0xFF0000, 0xFF00, 0xFF, 0};
    qint64 end = headerEnd;
    if (compression == BitFields || compression == AlphaBitFields) {
        // The information header of 40 bytes is followed by its masks; the later headers hold them.
        const int count =
            inHeader ? (m_headerSize >= int(V3HeaderSize) ? 4 : 3) : (compression == AlphaBitFields ? 4 : 3);
        const qint64 first = inHeader ? FileHeaderSize + InfoHeaderSize : headerEnd;
        needs(file, first + 4 * count);
        masks = {};
        for (int i = 0; i < count; ++i)
            masks[i] = at<uint32_t>(file, first + 4 * i);
        if (!inHeader)
            end = first + 4 * count;
    }
    for (size_t i = 0; i < masks.size(); ++i) {
        for (size_t j = i + 1; j < masks.size(); ++j)
            if ((masks[i] & masks[j]) != 0)
                refuse(QStringLiteral("its colour masks are damaged"));
        if (bitsPerPixel == 16 && masks[i] > 0xFFFF)
            refuse(QStringLiteral("its colour masks are damaged"));
        channels[i] = channelOf(masks[i]);
    }
    return end;
}

void BitmapHeader::readPalette(const QByteArray& file, qint64 start, int entrySize, uint32_t used) {
    const bool indexed = bitsPerPixel <= 8;
    const uint32_t most = indexed ? 1u << bitsPerPixel : 0;
    if (indexed && used > most)
        refuse(QStringLiteral("its colour table is damaged"));
    // Pixels of more bits may come with a table too; it only has to be stepped over.
    const qint64 declared = used != 0 ? used : most;
    const qint64 tableEnd = start + declared * entrySize;
    dataOffset = at<uint32_t>(file, 10);
    if (dataOffset == 0)
        dataOffset = tableEnd;
    if (dataOffset < start)
        refuse(Damaged);
    needs(file, dataOffset);
    if (!indexed)
        return;
    // Some writers put the pixels after a table shorter than declared; it is read as far as it goes.
    const qint64 entries = (std::min(tableEnd, dataOffset) - start) / entrySize;
    if (entries == 0)
        refuse(QStringLiteral("it has no colour table"));
    palette.fill(qRgb(0, 0, 0));
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData()) + start;
    for (qint64 i = 0; i < entries; ++i, bytes += entrySize)
        palette[static_cast<size_t>(i)] = qRgb(bytes[2], bytes[1], bytes[0]);
}
