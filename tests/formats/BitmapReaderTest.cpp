// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/VbError.h"
#include "formats/PictureFile.h"

#include <QFile>
#include <gtest/gtest.h>

#include <vector>

namespace {

QByteArray bitmap(const char* name) {
    QFile file(QStringLiteral(BITMAPS "/%1.bmp").arg(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// The refusal's description, or the empty text when the bytes open.
QString refusal(const QByteArray& bytes, QImage* picture = nullptr) {
    try {
        const QImage opened = PictureFile::decode(bytes, QStringLiteral("picture.bmp"));
        if (picture)
            *picture = opened;
        return {};
    } catch (const VbError& error) {
        EXPECT_EQ(error.number(), VbErr::InvalidPicture) << error.description().toStdString();
        return error.description();
    }
}

// Top row first; "." is a pixel of no opacity, whatever its colour.
using Rows = std::vector<const char*>;
const Rows Picture{"RGBWK", "KWBGR", "YCMRK"};
const Rows Mono{"RBBRB", "BRRBR", "RRBBB"};

QRgb colourOf(char letter) {
    switch (letter) {
    case 'R':
        return qRgb(255, 0, 0);
    case 'G':
        return qRgb(0, 255, 0);
    case 'B':
        return qRgb(0, 0, 255);
    case 'W':
        return qRgb(255, 255, 255);
    case 'Y':
        return qRgb(255, 255, 0);
    case 'C':
        return qRgb(0, 255, 255);
    case 'M':
        return qRgb(255, 0, 255);
    default:
        return qRgb(0, 0, 0);
    }
}

struct OpensCase {
    const char* file;
    Rows rows;
};

void PrintTo(const OpensCase& c, std::ostream* os) {
    *os << c.file;
}

class Opens : public ::testing::TestWithParam<OpensCase> {};

// Each form another program writes opens with the pixels the file holds, the top row on top.
TEST_P(Opens, WithItsPixels) {
    const OpensCase& c = GetParam();
    QImage picture;
    ASSERT_EQ(refusal(bitmap(c.file), &picture).toStdString(), "");
    const int height = static_cast<int>(c.rows.size());
    ASSERT_EQ(picture.size(), QSize(5, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 5; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const char letter = c.rows[static_cast<size_t>(y)][x];
            if (letter == '.')
                EXPECT_EQ(qAlpha(pixel), 0) << x << "," << y;
            else
                EXPECT_EQ(pixel, colourOf(letter)) << x << "," << y << " should be " << letter;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Opens,
    ::testing::Values(OpensCase{"info1", Mono}, OpensCase{"info1_topdown", Mono}, OpensCase{"info4", Picture},
                      OpensCase{"info4_eight_colours", Picture}, OpensCase{"info8", Picture},
                      OpensCase{"info8_eight_colours", Picture}, OpensCase{"info8_topdown", Picture},
                      OpensCase{"info16", Picture}, OpensCase{"info16_topdown", Picture},
                      OpensCase{"info16_565", Picture}, OpensCase{"info24", Picture},
                      OpensCase{"info24_topdown", Picture}, OpensCase{"info24_with_table", Picture},
                      OpensCase{"info32", Picture}, OpensCase{"info32_bitfields", Picture},
                      OpensCase{"v2_16_444", Picture}, OpensCase{"v3_32_alpha", {"RGB.K", "K.BGR", "YCMRK"}},
                      OpensCase{"v4_16_565", Picture}, OpensCase{"v4_32_alpha_unused", Picture},
                      OpensCase{"v5_32_alpha", {"RGBW.", ".WBGR", "YCMR."}}, OpensCase{"v5_8", Picture},
                      OpensCase{"v5_24_topdown", Picture}, OpensCase{"core1", Mono},
                      OpensCase{"core4", Picture}, OpensCase{"core8", Picture}, OpensCase{"core24", Picture},
                      OpensCase{"os2v2_8", Picture}, OpensCase{"os2v2_short_24", Picture},
                      OpensCase{"os2v2_rle8", Picture}, OpensCase{"rle8", Picture},
                      OpensCase{"rle8_delta", {"RRRRR", "RRRRK", "GGRRR"}}, OpensCase{"rle4", Picture}),
    [](const testing::TestParamInfo<OpensCase>& row) { return std::string(row.param.file); });

// Cut anywhere, a file is refused or, where only its end mark is gone, still gives the whole picture.
TEST_P(Opens, CutShortIsRefusedOrWhole) {
    const QByteArray whole = bitmap(GetParam().file);
    QImage expected;
    ASSERT_EQ(refusal(whole, &expected).toStdString(), "");
    for (qsizetype length = 1; length < whole.size(); ++length) {
        QImage picture;
        const QString reason = refusal(whole.left(length), &picture);
        if (reason.isEmpty()) {
            EXPECT_EQ(picture, expected) << "cut to " << length << " bytes";
        }
    }
}

struct RefusedCase {
    const char* file;
    const char* reason;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.file;
}

class Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, WithItsReason) {
    const RefusedCase& c = GetParam();
    const QString reason = refusal(bitmap(c.file));
    EXPECT_TRUE(reason.contains(QString::fromUtf8(c.reason))) << c.file << ": " << reason.toStdString();
    EXPECT_TRUE(reason.contains(QStringLiteral("(picture.bmp)"))) << reason.toStdString();
}

const char* const CutShort = "the file ends before its picture data";
const char* const Overrun = "its compressed runs reach beyond the picture";
const char* const Damaged = "its header is damaged";
const char* const Unsupported = "its compression is not supported";
const char* const BadMasks = "its colour masks are damaged";

INSTANTIATE_TEST_SUITE_P(
    Damaged, Refused,
    ::testing::Values(
        RefusedCase{"cut_in_pixels", CutShort}, RefusedCase{"cut_in_header", CutShort},
        RefusedCase{"cut_in_table", CutShort}, RefusedCase{"cut_in_masks", CutShort},
        RefusedCase{"cut_in_runs", CutShort}, RefusedCase{"too_wide", "too large (100000 × 3 pixels)"},
        RefusedCase{"too_many_pixels", "too large (16000 × 16000 pixels)"},
        RefusedCase{"height_min", "too large (5 × 2147483648 pixels)"},
        RefusedCase{"no_pixels", "it holds no pixels"}, RefusedCase{"rle8_run_past_row", Overrun},
        RefusedCase{"rle8_absolute_past_row", Overrun}, RefusedCase{"rle4_run_past_row", Overrun},
        RefusedCase{"rle8_delta_past_picture", Overrun}, RefusedCase{"rle8_line_past_picture", Overrun},
        RefusedCase{"rle8_top_down", "compressed and stored top down"},
        RefusedCase{"rle8_with_four_bits", Damaged}, RefusedCase{"bits_7", "7 bits per pixel"},
        RefusedCase{"jpeg_inside", Unsupported}, RefusedCase{"os2_huffman", Unsupported},
        RefusedCase{"bitfields_on_24", Unsupported}, RefusedCase{"masks_overlap", BadMasks},
        RefusedCase{"mask_with_a_hole", BadMasks}, RefusedCase{"mask_beyond_depth", BadMasks},
        RefusedCase{"table_too_long", "its colour table is damaged"},
        RefusedCase{"header_size_unknown", Damaged}, RefusedCase{"data_inside_header", Damaged},
        RefusedCase{"data_past_end", CutShort}),
    [](const testing::TestParamInfo<RefusedCase>& row) { return std::string(row.param.file); });

} // namespace
