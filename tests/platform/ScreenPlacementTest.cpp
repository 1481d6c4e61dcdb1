#include "platform/ScreenPlacement.h"

#include <gtest/gtest.h>

namespace {

using Screen = ScreenPlacement::Screen;

// A desktop of two screens side by side: 1280 x 1024 with a 40-pixel panel at its bottom, and right of it
// 1920 x 1080. A window of 626 x 169.
const QList<Screen> Desktop{{{0, 0, 1280, 1024}, {0, 0, 1280, 984}},
                            {{1280, 0, 1920, 1080}, {1280, 0, 1920, 1080}}};
const QSize Window(626, 169);

struct PlacementCase {
    const char* name;
    QPoint stored;
    QList<Screen> screens;
    QPoint placed;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, KeepsTheWindowWithinReach) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(ScreenPlacement::reachable(QRect(c.stored, Window), c.screens), c.placed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Placement,
    ::testing::Values(
        PlacementCase{"OnTheFirstScreen", {100, 60}, Desktop, {100, 60}},
        PlacementCase{"AcrossBothScreens", {1000, 500}, Desktop, {1000, 500}},
        PlacementCase{"OneRowStillOnAScreen", {-625, -168}, Desktop, {-625, -168}},
        PlacementCase{"FromALargerDesktop", {5000, 200}, Desktop, {3200 - 626, 200}},
        PlacementCase{"BelowTheSmallerScreenGoesAboveItsPanel", {300, 1050}, Desktop, {300, 984 - 169}},
        PlacementCase{"BelowTheLargerScreen", {2000, 1200}, Desktop, {2000, 1080 - 169}},
        PlacementCase{"LeftOfEverything", {-3000, -500}, Desktop, {0, 0}},
        PlacementCase{"ScreenRemovedSince", {1500, 300}, {Desktop[0]}, {1280 - 626, 300}},
        PlacementCase{
            "ScreenNarrowerThanTheWindow", {900, 100}, {{{0, 0, 500, 400}, {0, 0, 500, 400}}}, {0, 100}},
        PlacementCase{"NoScreenAtAll", {5000, 200}, {}, {5000, 200}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
