#include "lessons/Drucker.h"

#include <gtest/gtest.h>

namespace {

constexpr double A4WidthTwips = 210 * 56.7;
constexpr double A4HeightTwips = 297 * 56.7;

struct MarginCase {
    const char* name;
    Drucker::PrinterMeasures printer;
    Drucker::PageMargins expected;
};

class PrintMargins : public ::testing::TestWithParam<MarginCase> {};

TEST_P(PrintMargins, FollowTheMarginRule) {
    const MarginCase& c = GetParam();
    const Drucker::PageMargins margins = Drucker::marginsFor(c.printer);
    EXPECT_EQ(margins.left, c.expected.left);
    EXPECT_EQ(margins.right, c.expected.right);
    EXPECT_EQ(margins.top, c.expected.top);
    EXPECT_EQ(margins.bottom, c.expected.bottom);
}

// Offsets are device pixels; 11.8125 of them make a millimetre whatever the resolution.
INSTANTIATE_TEST_SUITE_P(
    Table, PrintMargins,
    ::testing::Values(
        // No unprintable edge: left and top 1 mm; right and bottom from the raw 0 before the +1.
        MarginCase{"zero_offsets", {A4WidthTwips, A4HeightTwips, 210, 297, 0, 0}, {1, 1, 1, 1}},
        // 5 mm all round at 300 dpi: right = floor(210 - 200 - 5) + 1 = 6, computed before left's +1.
        MarginCase{"five_mm_300dpi", {A4WidthTwips, A4HeightTwips, 200, 287, 59.0625, 59.0625}, {6, 6, 6, 6}},
        // The same paper at 600 dpi: the offsets count twice as many pixels, so left and top double.
        MarginCase{
            "five_mm_600dpi", {A4WidthTwips, A4HeightTwips, 200, 287, 118.125, 118.125}, {11, 1, 11, 1}},
        // 2.5 mm rounds to the even 2, 3.5 mm to 4.
        MarginCase{
            "halves_to_even", {A4WidthTwips, A4HeightTwips, 204.3, 290.2, 29.53125, 41.34375}, {3, 4, 5, 3}},
        // A fraction of a millimetre left over is dropped before the +1.
        MarginCase{"floor", {A4WidthTwips, A4HeightTwips, 205.6, 292.9, 0, 0}, {1, 5, 1, 5}}),
    [](const ::testing::TestParamInfo<MarginCase>& info) { return std::string(info.param.name); });

} // namespace
