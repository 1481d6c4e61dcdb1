// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rle8Encoder.h"
#include "Rle8BmpWriter.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out += char(v);
    return out;
}

QByteArray row(std::initializer_list<std::pair<int, int>> runs) {
    QByteArray out;
    for (auto [count, index] : runs)
        out += QByteArray(count, char(index));
    return out;
}

struct RowCase {
    const char* name;
    QByteArray pixels;
    QByteArray encoded;
};

class Rle8RowTest : public ::testing::TestWithParam<RowCase> {};

// Byte layouts of the RLE8 format: (count, index) runs of at most 255, absolute blocks of three or
// more pixels after a zero byte, padded to an even length.
TEST_P(Rle8RowTest, EncodesRowAsDocumentedRuns) {
    const RowCase& c = GetParam();
    const auto* pixels = reinterpret_cast<const uchar*>(c.pixels.constData());
    EXPECT_EQ(Rle8Encoder::encodeRow(pixels, int(c.pixels.size())).toHex(' '), c.encoded.toHex(' '));
}

QByteArray alternating(int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += char(i % 2);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, Rle8RowTest,
    ::testing::Values(RowCase{"single", bytes({5}), bytes({1, 5})},
                      RowCase{"pair", bytes({1, 2}), bytes({1, 1, 1, 2})},
                      RowCase{"run255", row({{255, 7}}), bytes({255, 7})},
                      RowCase{"run256", row({{256, 7}}), bytes({255, 7, 1, 7})},
                      RowCase{"run510", row({{510, 9}}), bytes({255, 9, 255, 9})},
                      RowCase{"run511", row({{511, 9}}), bytes({255, 9, 255, 9, 1, 9})},
                      RowCase{"oddAbsolute", bytes({1, 2, 3}), bytes({0, 3, 1, 2, 3, 0})},
                      RowCase{"evenAbsolute", bytes({1, 2, 3, 4}), bytes({0, 4, 1, 2, 3, 4})},
                      RowCase{"runAfterPair", bytes({1, 2, 3, 3, 3}), bytes({1, 1, 1, 2, 3, 3})},
                      RowCase{"alternating257", alternating(257),
                              bytes({0, 255}) + alternating(255) + bytes({0, 1, 1, 1, 0})}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Rle8Encoder, StoresRowsBottomUpWithLineAndBitmapEnds) {
    QImage image(2, 2, QImage::Format_Indexed8);
    image.setColorCount(4);
    image.scanLine(0)[0] = 1;
    image.scanLine(0)[1] = 1;
    image.scanLine(1)[0] = 2;
    image.scanLine(1)[1] = 3;
    EXPECT_EQ(Rle8Encoder::encode(image).toHex(' '), bytes({1, 2, 1, 3, 0, 0, 2, 1, 0, 1}).toHex(' '));
}

quint32 readU32(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint32>(data.constData() + offset);
}
quint16 readU16(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

QImage indexedImage(int width, int height, int colours, const std::function<int(int, int)>& index) {
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb((i * 37) % 256, (i * 91) % 256, (i * 151) % 256));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.scanLine(y)[x] = uchar(index(x, y));
    }
    return image;
}

TEST(Rle8BmpWriter, WritesRle8InfoHeaderWithPalette) {
    const QImage image = indexedImage(7, 3, 5, [](int x, int y) { return (x + y) % 5; });
    const QByteArray bmp = Rle8BmpWriter::toBmp(image);
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(readU32(bmp, 2), quint32(bmp.size()));
    EXPECT_EQ(readU32(bmp, 10), 54u + 5u * 4u);
    EXPECT_EQ(readU32(bmp, 14), 40u);
    EXPECT_EQ(readU32(bmp, 18), 7u);
    EXPECT_EQ(readU32(bmp, 22), 3u);
    EXPECT_EQ(readU16(bmp, 28), 8);
    EXPECT_EQ(readU32(bmp, 30), 1u); // BI_RLE8
    EXPECT_EQ(readU32(bmp, 34), quint32(bmp.size()) - readU32(bmp, 10));
    EXPECT_EQ(readU32(bmp, 46), 5u);
    EXPECT_EQ(bmp.right(2), bytes({0, 1}));
}

TEST(Rle8BmpWriter, RefusesImagesThatAreNotIndexed) {
    const QImage indexed(4, 4, QImage::Format_Indexed8);
    const QList<QImage> refused{QImage(), QImage(4, 4, QImage::Format_RGB32),
                                QImage(4, 4, QImage::Format_ARGB32), QImage(4, 4, QImage::Format_Grayscale8)};
    for (const QImage& image : refused) {
        EXPECT_TRUE(Rle8BmpWriter::toBmp(image).isEmpty()) << image.format();
        EXPECT_TRUE(Rle8Encoder::encode(image).isEmpty()) << image.format();
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("refused.bmp"));
    EXPECT_FALSE(Rle8BmpWriter::save(refused[1], path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(Rle8BmpWriter::save(indexed, dir.filePath(QStringLiteral("no/such/folder.bmp"))));
}

struct RoundTripCase {
    const char* name;
    int width;
    int height;
    int colours;
    std::function<int(int, int)> index;
};

class Rle8RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

// Whatever the encoder writes, Qt's bitmap reader must give back the same indices and palette.
TEST_P(Rle8RoundTripTest, QtReadsBackEveryPixel) {
    const RoundTripCase& c = GetParam();
    const QImage image = indexedImage(c.width, c.height, c.colours, c.index);
    const QImage read = QImage::fromData(Rle8BmpWriter::toBmp(image), "BMP");
    ASSERT_FALSE(read.isNull());
    ASSERT_EQ(read.format(), QImage::Format_Indexed8);
    ASSERT_EQ(read.size(), image.size());
    EXPECT_EQ(read.colorTable(), image.colorTable());
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x)
            ASSERT_EQ(read.pixelIndex(x, y), image.pixelIndex(x, y)) << "at " << x << "," << y;
    }
}

// Pseudo-random but repeatable: a hash of the position and the seed.
int noise(int x, int y, int seed, int colours) {
    quint32 h = quint32(seed) * 2654435761u ^ quint32(y) * 40503u ^ quint32(x) * 2246822519u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return int(h % quint32(colours));
}

INSTANTIATE_TEST_SUITE_P(
    Images, Rle8RoundTripTest,
    ::testing::Values(
        RoundTripCase{"onePixel", 1, 1, 2, [](int, int) { return 1; }},
        RoundTripCase{"randomFullPalette", 64, 48, 256, [](int x, int y) { return noise(x, y, 1, 256); }},
        RoundTripCase{"randomFewColours", 401, 9, 3, [](int x, int y) { return noise(x, y, 2, 3); }},
        RoundTripCase{"randomOddWidths", 333, 5, 7, [](int x, int y) { return noise(x, y, 3, 7); }},
        RoundTripCase{"blocksOfRandomLength", 399, 12, 16,
                      [](int x, int y) { return noise(x / (1 + noise(0, y, 4, 9)), y, 5, 16); }},
        RoundTripCase{"longRuns", 1021, 3, 4, [](int x, int y) { return (x / 300 + y) % 4; }},
        RoundTripCase{"singlePixelsEverywhere", 515, 4, 2, [](int x, int y) { return (x + y) % 2; }},
        RoundTripCase{"pairsEverywhere", 257, 3, 3, [](int x, int) { return (x / 2) % 3; }},
        RoundTripCase{"literalsBetweenRuns", 301, 6, 5,
                      [](int x, int y) { return x % 10 < 3 ? x % 5 : (x % 10 < 7 ? 4 : noise(x, y, 6, 5)); }},
        RoundTripCase{"oneColumn", 1, 17, 4, [](int, int y) { return y % 4; }},
        RoundTripCase{"lessonSize", 400, 1800, 32,
                      [](int x, int y) { return ((x / 40) ^ (y / 30)) % 2 ? noise(x, y, 7, 32) : 0; }}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
