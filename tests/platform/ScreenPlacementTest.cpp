// SPDX-License-Identifier: GPL-3.0-or-later
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

struct ClearCase {
    const char* name;
    QSize screen;
    QRect window;
    QList<QRect> keepClear;
    std::optional<QPoint> placed;
};

void PrintTo(const ClearCase& c, std::ostream* os) {
    *os << c.name;
}

class ClearOfPanel : public ::testing::TestWithParam<ClearCase> {};

// A window over another window's button panel goes above the panel or beside it, wholly on the screen.
TEST_P(ClearOfPanel, LeavesThePanelUncovered) {
    const ClearCase& c = GetParam();
    const QRect screen(QPoint(0, 0), c.screen);
    EXPECT_EQ(ScreenPlacement::clearOf(c.window, c.keepClear, {{screen, screen}}), c.placed);
}

// The drawing window's panel of 169 x 289 at its lower left, as on a screen of 640 x 480, 800 x 600 and
// 1024 x 768; the lesson viewer at half size (240 x 270) and the colour window.
INSTANTIATE_TEST_SUITE_P(
    Cases, ClearOfPanel,
    ::testing::Values(
        ClearCase{"AlreadyClear", {1280, 1024}, {100, 60, 626, 169}, {{38, 697, 169, 289}}, QPoint(100, 60)},
        ClearCase{
            "ViewerBesideThePanelAt640", {640, 480}, {0, 0, 240, 270}, {{19, 162, 169, 289}}, QPoint(196, 0)},
        ClearCase{
            "ViewerAboveThePanelAt800", {800, 600}, {51, 40, 240, 270}, {{24, 275, 169, 289}}, QPoint(51, 0)},
        ClearCase{"ColourWindowAboveThePanelAt1024",
                  {1024, 768},
                  {11, 300, 626, 169},
                  {{31, 433, 169, 289}},
                  QPoint(11, 256)},
        ClearCase{"ColourWindowFindsNoPlaceAt640",
                  {640, 480},
                  {11, 0, 626, 169},
                  {{19, 162, 169, 289}, {196, 0, 240, 270}},
                  std::nullopt},
        ClearCase{"ColourWindowOffThePanelAndTheViewerAt800",
                  {800, 600},
                  {139, 85, 626, 169},
                  {{24, 275, 169, 289}, {51, 0, 240, 270}},
                  std::nullopt}),
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
