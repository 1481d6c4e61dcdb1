// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/DrawLayout.h"

#include <gtest/gtest.h>

namespace {

const QSizeF Panel(2535, 4335);

struct LayoutCase {
    const char* name;
    double width, height;
    int16_t margin;
    QRectF panel, canvas, frame;
};

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, PlacesPanelCanvasAndFrame) {
    const LayoutCase& c = GetParam();
    const DrawLayout::Layout layout = DrawLayout::compute(c.width, c.height, Panel, 195);
    EXPECT_EQ(layout.margin, c.margin);
    EXPECT_EQ(layout.panel, c.panel);
    EXPECT_EQ(layout.canvas, c.canvas);
    EXPECT_EQ(layout.frame, c.frame);
    EXPECT_EQ(layout.notice, QPointF(c.margin, c.height - 390));
}

INSTANTIATE_TEST_SUITE_P(Table, Layout,
                         ::testing::Values(LayoutCase{"example_12000x9000",
                                                      12000,
                                                      9000,
                                                      360,
                                                      {360, 4125, 2535, 4335},
                                                      {3255, 2351.25, 8385, 6288.75},
                                                      {3147, 2243.25, 8601, 6504.75}},
                                           LayoutCase{"design_12435x9360",
                                                      12435,
                                                      9360,
                                                      373,
                                                      {373, 4465.5, 2535, 4335},
                                                      {3281, 2401.25, 8781, 6585.75},
                                                      {3169.1, 2289.35, 9004.8, 6809.55}}),
                         [](const ::testing::TestParamInfo<LayoutCase>& row) {
                             return std::string(row.param.name);
                         });

TEST(LayoutMargin, RoundsHalvesToTheEvenNeighbour) {
    const std::vector<std::pair<double, int16_t>> cases{
        {13750, 412}, {13783.333333333334, 414}, {12000, 360}, {12435, 373}, {100, 3}, {50, 2}};
    for (const auto& [width, margin] : cases)
        EXPECT_EQ(DrawLayout::margin(width), margin) << "client width " << width;
}

struct LogoCase {
    const char* name;
    double width;
    bool shrink;
};

class Logos : public ::testing::TestWithParam<LogoCase> {};

TEST_P(Logos, ShrinkOnlyWhereTheRightAlignedLogoWouldStartLeftOf35Percent) {
    const LogoCase& c = GetParam();
    const int16_t m = DrawLayout::margin(c.width);
    EXPECT_EQ(DrawLayout::logosShrink(c.width, m, 8775), c.shrink);
    const DrawLayout::Logo placed =
        DrawLayout::placeLogo(c.width, m, {QRectF(100, 900, 8775, 1005), false}, c.shrink);
    EXPECT_EQ(placed.stretched, c.shrink);
    if (c.shrink) {
        EXPECT_DOUBLE_EQ(placed.rect.width(), c.width * 0.6);
        EXPECT_DOUBLE_EQ(placed.rect.height(), c.width * 0.069);
        EXPECT_DOUBLE_EQ(placed.rect.left(), c.width - m - c.width * 0.6);
    } else {
        EXPECT_EQ(placed.rect.size(), QSizeF(8775, 1005)) << "keeps its size";
        EXPECT_DOUBLE_EQ(placed.rect.left(), c.width - 2 * m - 8775);
    }
    EXPECT_EQ(placed.rect.top(), m);
}

// A = W - 2m - 8775 and B = 0.35 W meet near W = 14873.
INSTANTIATE_TEST_SUITE_P(Table, Logos,
                         ::testing::Values(LogoCase{"design", 12435, true}, LogoCase{"narrow", 6000, true},
                                           LogoCase{"just_too_narrow", 14865, true},
                                           LogoCase{"just_wide_enough", 14880, false},
                                           LogoCase{"wide", 24000, false}),
                         [](const ::testing::TestParamInfo<LogoCase>& row) {
                             return std::string(row.param.name);
                         });

TEST(Logos, AStretchedLogoStaysStretchedWhenTheWindowGrows) {
    const DrawLayout::Logo placed = DrawLayout::placeLogo(24000, 720, {QRectF(0, 0, 7200, 828), true}, false);
    EXPECT_TRUE(placed.stretched);
    EXPECT_EQ(placed.rect, QRectF(24000 - 1440 - 7200, 720, 7200, 828));
}

} // namespace
