// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemColors.h"
#include "base/VbError.h"
#include "support/PaletteScope.h"

#include <gtest/gtest.h>

namespace {

struct TranslateCase {
    const char* name;
    uint32_t value;
    QColor color; // invalid: error 380
};

void PrintTo(const TranslateCase& c, std::ostream* os) {
    *os << c.name;
}

class SystemColorTranslation : public ::testing::TestWithParam<TranslateCase> {};

TEST_P(SystemColorTranslation, TranslatesStoredColourValues) {
    const TranslateCase& c = GetParam();
    PaletteScope palette;
    palette.distinct();
    if (!c.color.isValid()) {
        try {
            SystemColors::translate(c.value);
            FAIL() << "no error";
        } catch (const VbError& error) {
            EXPECT_EQ(error.number(), 380);
        }
        return;
    }
    EXPECT_EQ(SystemColors::translate(c.value), c.color);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SystemColorTranslation,
    ::testing::Values(TranslateCase{"RedInTheLowByte", 0x00332211, QColor(0x11, 0x22, 0x33)},
                      TranslateCase{"White", 0x00FFFFFF, QColor(255, 255, 255)},
                      TranslateCase{"PaletteRelativeRgb", 0x02332211, QColor(0x11, 0x22, 0x33)},
                      TranslateCase{"ButtonFace", 0x8000000F, QColor(15, 30, 45)},
                      // Index 0 shares the palette's window role, which the last such index (30) set.
                      TranslateCase{"FirstSystemColour", 0x80000000, QColor(30, 60, 90)},
                      TranslateCase{"LastSystemColour", 0x8000001E, QColor(30, 60, 90)},
                      TranslateCase{"SystemIndexBeyondTheLowByte", 0x8000011F, QColor()},
                      TranslateCase{"SystemIndexTooLarge", 0x8000001F, QColor()},
                      TranslateCase{"PaletteIndex", 0x01000003, QColor()},
                      TranslateCase{"UnknownKind", 0x40000000, QColor()}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
