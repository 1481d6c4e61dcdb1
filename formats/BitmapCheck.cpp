#include "formats/BitmapCheck.h"

#include <QtEndian>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;
constexpr int InfoHeaderSize = 40;
enum Compression : uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

const QString Truncated = QStringLiteral("the file ends before its picture data");
const QString Overrun = QStringLiteral("its compressed runs reach beyond the picture");

// A field past the end reads as zero; the callers check the size first, which the compiler cannot see.
template <typename T> T at(const QByteArray& file, qsizetype offset) {
    if (offset < 0 || offset + qsizetype(sizeof(T)) > file.size())
        return T{};
    return qFromLittleEndian<T>(file.constData() + offset);
}

struct Header {
    int64_t width = 0;
    int64_t height = 0;
    int bitsPerPixel = 0;
    uint32_t compression = Rgb;
    int64_t dataOffset = 0;
};

// Walks the runs of an RLE8 or RLE4 picture: every pixel a run writes must lie inside the picture, and
// the data must hold every run up to the end-of-picture mark.
QString checkRuns(const QByteArray& file, const Header& header) {
    const bool fourBit = header.compression == Rle4;
    int64_t pos = header.dataOffset;
    int64_t x = 0;
    int64_t y = 0;
    const auto available = [&](int64_t bytes) { return pos + bytes <= file.size(); };
    const auto byte = [&](int64_t offset) {
        return static_cast<uint8_t>(file.at(static_cast<qsizetype>(offset)));
    };
    while (available(2)) {
        const auto count = byte(pos);
        const auto code = byte(pos + 1);
        pos += 2;
        if (count > 0) {
            if (y >= header.height || x + count > header.width)
                return Overrun;
            x += count;
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            return {};
        } else if (code == 2) {
            if (!available(2))
                return Truncated;
            x += byte(pos);
            y += byte(pos + 1);
            pos += 2;
            if (x > header.width || y > header.height)
                return Overrun;
        } else {
            if (y >= header.height || x + code > header.width)
                return Overrun;
            const int64_t bytes = fourBit ? (code + 1) / 2 : code;
            pos += bytes + (bytes & 1);
            if (pos > file.size())
                return Truncated;
            x += code;
        }
    }
    return Truncated;
}

} // namespace

QString BitmapCheck::problem(const QByteArray& file, int maxSide) {
    if (file.size() < FileHeaderSize + CoreHeaderSize)
        return Truncated;
    if (!file.startsWith("BM"))
        return QStringLiteral("it is not a bitmap");
    Header header;
    header.dataOffset = at<uint32_t>(file, 10);
    const auto infoSize = at<uint32_t>(file, FileHeaderSize);
    if (infoSize == CoreHeaderSize) {
        header.width = at<uint16_t>(file, 18);
        header.height = at<uint16_t>(file, 20);
        header.bitsPerPixel = at<uint16_t>(file, 24);
    } else if (infoSize >= InfoHeaderSize && file.size() >= FileHeaderSize + InfoHeaderSize) {
        header.width = at<int32_t>(file, 18);
        header.height = at<int32_t>(file, 22);
        header.bitsPerPixel = at<uint16_t>(file, 28);
        header.compression = at<uint32_t>(file, 30);
    } else {
        return file.size() < FileHeaderSize + InfoHeaderSize ? Truncated
                                                             : QStringLiteral("its header is damaged");
    }
    const int64_t rows = std::llabs(header.height);
    if (header.width <= 0 || rows == 0)
        return QStringLiteral("it holds no pixels");
    if (header.width > maxSide || rows > maxSide)
        return QStringLiteral("it is too large (%1 × %2 pixels)").arg(header.width).arg(rows);
    if (header.dataOffset > file.size())
        return Truncated;

    switch (header.compression) {
    case Rgb:
    case BitFields: {
        switch (header.bitsPerPixel) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return QStringLiteral("its header is damaged");
        }
        const int64_t stride = (header.width * header.bitsPerPixel + 31) / 32 * 4;
        return header.dataOffset + stride * rows > file.size() ? Truncated : QString();
    }
    case Rle8:
    case Rle4:
        if (header.bitsPerPixel != (header.compression == Rle8 ? 8 : 4) || header.height < 0)
            return QStringLiteral("its header is damaged");
        return checkRuns(file, header);
    default:
        return QStringLiteral("its compression is not supported");
    }
}
