// SPDX-License-Identifier: GPL-3.0-or-later
#include "SliderHost.h"

#include "controls/KeyedPropertyBag.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char* name;
    int32_t orientation;
    int32_t railStyle;
    QSize railPicture; // empty: none
    QSize placed;
    QSize fitted;
    QPointF thumb; // at Value 0
    Edge3D::Rect railRect;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class SliderLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SliderLayout, FitsTheSizeAndPlacesThumbAndRail) {
    const LayoutCase& c = GetParam();
    SliderSetup setup{.orientation = c.orientation, .size = c.placed, .railStyle = c.railStyle};
    if (!c.railPicture.isEmpty())
        setup.railPicture = SliderHost::solidPicture(c.railPicture, Qt::red);
    SliderHost host(setup);
    kmoSlider& s = host.slider();
    EXPECT_EQ(s.size(), c.fitted);
    EXPECT_EQ(s.thumbPosition(), c.thumb);
    if (c.orientation == kmoSlider::Horizontal || c.orientation == kmoSlider::Vertical) {
        EXPECT_EQ(s.RailRect(), c.railRect);
    }
    // Fitted once, the layout keeps the size.
    s.UserControl_Resize();
    EXPECT_EQ(s.size(), c.fitted);
}

constexpr int32_t H = kmoSlider::Horizontal;
constexpr int32_t V = kmoSlider::Vertical;

// The thumb is 16 × 16. A drawn rail is a groove 4 pixels wide from 2 pixels before the thumb's
// centre at the Min end to 2 pixels past it at the Max end.
INSTANTIATE_TEST_SUITE_P(
    Cases, SliderLayout,
    ::testing::Values(
        LayoutCase{"HorizontalDrawnKeepsItsLength", H, 0, {}, {116, 40}, {116, 16}, {0, 0}, {6, 6, 110, 10}},
        LayoutCase{
            "HorizontalDrawnWidthZeroBecomesThumbWide", H, 0, {}, {0, 40}, {16, 16}, {0, 0}, {6, 6, 10, 10}},
        LayoutCase{"VerticalDrawnKeepsItsLength", V, 1, {}, {40, 137}, {16, 137}, {0, 121}, {6, 6, 10, 131}},
        LayoutCase{
            "VerticalDrawnHeightZeroBecomesThumbHigh", V, 0, {}, {40, 0}, {16, 16}, {0, 0}, {6, 6, 10, 10}},
        LayoutCase{"HorizontalPictureThickerThanThumb",
                   H,
                   99,
                   {100, 20},
                   {30, 30},
                   {104, 20},
                   {0, 2},
                   {6, 6, 98, 10}},
        LayoutCase{"HorizontalPictureThinnerThanThumb",
                   H,
                   99,
                   {100, 10},
                   {30, 30},
                   {104, 16},
                   {0, 0},
                   {6, 6, 98, 10}},
        LayoutCase{"VerticalPictureThickerThanThumb",
                   V,
                   99,
                   {18, 133},
                   {30, 30},
                   {18, 137},
                   {1, 121},
                   {6, 6, 10, 131}},
        LayoutCase{"VerticalPictureThinnerThanThumb",
                   V,
                   99,
                   {12, 133},
                   {30, 30},
                   {16, 137},
                   {0, 121},
                   {6, 6, 10, 131}},
        LayoutCase{"PictureStyleWithoutPictureFitsAsDrawn",
                   V,
                   99,
                   {},
                   {40, 137},
                   {16, 137},
                   {0, 121},
                   {6, 6, 10, 131}},
        LayoutCase{"OtherOrientationKeepsSizeAndThumb", 2, 0, {}, {40, 60}, {40, 60}, {0, 44}, {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SliderLayout, ChangingTheOrientationResetsTheThumbToTheMinEnd) {
    SliderHost host({.size = {116, 16}, .value = 4});
    kmoSlider& s = host.slider();
    EXPECT_EQ(s.thumbPosition(), QPointF(40, 0));
    s.setOrientation(kmoSlider::Vertical);
    EXPECT_EQ(s.size(), QSize(16, 16));
    s.resize(16, 116);
    EXPECT_EQ(s.size(), QSize(16, 116));
    EXPECT_EQ(s.thumbPosition(), QPointF(0, 60)); // the layout places the thumb by Value again
    EXPECT_EQ(s.RailRect(), (Edge3D::Rect{6, 6, 10, 110}));
    EXPECT_TRUE(host.events.isEmpty());
}

TEST(SliderLayout, ChangingTheThumbPictureRefitsTheSize) {
    SliderHost host({.size = {116, 16}});
    host.slider().setSliderIcon(SliderHost::solidPicture({10, 24}, Qt::blue));
    EXPECT_EQ(host.slider().size(), QSize(116, 24));
    EXPECT_EQ(host.slider().RailRect(), (Edge3D::Rect{3, 10, 113, 14}));
}

struct BrokenRangeCase {
    const char* name;
    int32_t min, max, value;
    QStringList numbers; // reported for the horizontal and the vertical placement
};

void PrintTo(const BrokenRangeCase& c, std::ostream* os) {
    *os << c.name;
}

class SliderBrokenRange : public ::testing::TestWithParam<BrokenRangeCase> {};

// Stored properties are not checked; placing the thumb divides by a Range of 0 and is reported by the
// loading procedure. Nothing after it crashes.
TEST_P(SliderBrokenRange, LoadingReportsTheDivisionAndTheSliderKeepsWorking) {
    const BrokenRangeCase& c = GetParam();
    TempHome home;
    ErrorScript script({1});
    SliderHost host({.min = c.min, .max = c.max, .value = c.value});
    kmoSlider& s = host.slider();
    s.UserControl_MouseDown(kmoSlider::LeftButton, 0, 60, 8);
    s.UserControl_MouseMove(kmoSlider::LeftButton, 0, 90, 8);
    s.UserControl_MouseUp(kmoSlider::LeftButton, 0, 90, 8);
    EXPECT_EQ(s.GetValue(), c.min);
    ASSERT_EQ(script.count(), 2);
    QStringList lines, numbers;
    for (const ErrorScript::Shown& shown : script.shown()) {
        EXPECT_EQ(shown.procedure, QStringLiteral("UserControl_ReadProperties"));
        lines << shown.line;
        numbers << shown.number;
    }
    EXPECT_EQ(lines, QStringList({"120", "130"}));
    EXPECT_EQ(numbers, c.numbers);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderBrokenRange,
    ::testing::Values(BrokenRangeCase{"ValueAtMin", 5, 5, 5, {"6 (Overflow)", "6 (Overflow)"}},
                      BrokenRangeCase{"ValueAboveMin", 5, 5, 7, {"11 (Division by zero)", "6 (Overflow)"}}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
