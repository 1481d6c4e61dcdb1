// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/VbConvert.h"
#include "base/VbError.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char* text;
    int32_t expected; // the value, or the error number raised
    bool raises;
};

class IntegerConversion : public ::testing::TestWithParam<Conversion> {};

TEST_P(IntegerConversion, ConvertsLikeTheOriginalRuntime) {
    const Conversion& c = GetParam();
    if (c.raises) {
        try {
            VbConvert::toInteger(QString::fromUtf8(c.text));
            FAIL() << "no error for " << c.text;
        } catch (const VbError& error) {
            EXPECT_EQ(error.number(), c.expected) << c.text;
        }
    } else {
        EXPECT_EQ(VbConvert::toInteger(QString::fromUtf8(c.text)), c.expected) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntegerConversion,
    ::testing::Values(
        Conversion{"5", 5, false}, Conversion{"-1", -1, false}, Conversion{"  42  ", 42, false},
        Conversion{"2.5", 2, false}, Conversion{"3.5", 4, false}, Conversion{"-2.5", -2, false},
        Conversion{"0.5", 0, false}, Conversion{"1.5", 2, false}, Conversion{"32767", 32767, false},
        Conversion{"-32768", -32768, false}, Conversion{"32767.5", 6, true}, Conversion{"70000", 6, true},
        Conversion{"-32769", 6, true}, Conversion{"&H10", 16, false}, Conversion{"1e3", 1000, false},
        Conversion{"abc", 13, true}, Conversion{"", 13, true}, Conversion{"12abc", 13, true},
        Conversion{"inf", 13, true}, Conversion{"-", 13, true}, Conversion{"1e400", 6, true},
        // Hexadecimal and octal take digits of their radix only: no sign, no blanks.
        Conversion{"&hff", 255, false}, Conversion{"&O17", 15, false}, Conversion{"&H-1", 13, true},
        Conversion{"&H+1", 13, true}, Conversion{"&H 1", 13, true}, Conversion{"&H0x1", 13, true},
        Conversion{"&O8", 13, true}, Conversion{"&H", 13, true}, Conversion{"&H10000", 6, true},
        Conversion{"&H123456789ABCDEF0123", 6, true},
        // "D" marks an exponent like "E".
        Conversion{"1D3", 1000, false}, Conversion{"25d-1", 2, false}, Conversion{"1d", 13, true},
        Conversion{"D3", 13, true},
        // One sign only.
        Conversion{"+7", 7, false}, Conversion{"+-7", 13, true}, Conversion{"-+7", 13, true}));

TEST(LongConversion, KeepsColoursAbove16Bits) {
    EXPECT_EQ(VbConvert::toLong(QStringLiteral("16711680")), 16711680); // pure blue, red in the low byte
    EXPECT_EQ(VbConvert::toLong(QStringLiteral("2147483647")), 2147483647);
    EXPECT_THROW(VbConvert::toLong(QStringLiteral("2147483648")), VbError);
}

TEST(RoundHalfEven, RoundsExactHalvesToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},
                                               {-0.5, 0},  {-1.5, -2},  {2.4999, 2}, {2.5001, 3},
                                               {76.5, 76}, {253.5, 254}};
    for (auto [value, expected] : cases)
        EXPECT_EQ(VbConvert::roundHalfEven(value), expected) << value;
}

} // namespace
