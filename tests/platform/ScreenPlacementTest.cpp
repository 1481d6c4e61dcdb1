#include "platform/ScreenPlacement.h"
#include "controls/WindowDrag.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
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
    [](const auto& row) { return std::string(row.param.name); });

} // namespace

namespace {

struct DragCase {
    const char* name;
    QPoint dragged;
    QPoint placed;
};

class Drag : public ::testing::TestWithParam<DragCase> {};

// A window dragged by its surface keeps 40 pixels each way on a screen's free part, and goes where it is
// dragged otherwise.
TEST_P(Drag, KeepsAPartOfTheWindowOnAScreen) {
    const DragCase& c = GetParam();
    EXPECT_EQ(ScreenPlacement::withinReach(QRect(c.dragged, Window), Desktop, 40), c.placed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Drag,
    ::testing::Values(DragCase{"Inside", {100, 60}, {100, 60}},
                      DragCase{"HalfOffTheLeftEdge", {-300, 60}, {-300, 60}},
                      DragCase{"FarUpAndLeft", {-552, -399}, {-552, 40 - 169}},
                      DragCase{"BelowThePanel", {300, 970}, {300, 984 - 40}},
                      DragCase{"OffTheRightOfTheLargerScreen", {4000, 500}, {3200 - 40, 500}},
                      DragCase{"OverBothScreensOntoTheLarger", {1000, 1050}, {1000, 1080 - 40}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(WindowDrag, AWindowDraggedOffTheScreenStaysWithinReach) {
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    window.show();
    WindowDrag drag;
    drag.begin(&window, QPointF(150, 150), Qt::RightButton);
    drag.follow(QPointF(-5000, -5000));
    const QRect onScreen = window.frameGeometry() & QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(onScreen.width(), 40);
    EXPECT_GE(onScreen.height(), 40);
}

} // namespace
