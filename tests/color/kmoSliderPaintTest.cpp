// SPDX-License-Identifier: GPL-3.0-or-later
#include "SliderHost.h"

#include "platform/SystemColors.h"
#include "support/PaletteScope.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Every system colour distinct, so a pixel tells which colour role painted it.
class SliderPaint : public ::testing::Test {
protected:
    void SetUp() override { palette.distinct(); }
    PaletteScope palette;

    static QColor role(int index) { return SystemColors::color(index); }
    static QColor background() { return role(SystemColors::ButtonFace); }
};

const QColor Thumb(0, 0, 255);
const QColor Rail(255, 0, 0);

// A horizontal slider 116 × 16 at Value 10: thumb over x 100 … 115, rail rectangle 6, 6, 110, 10.
SliderSetup horizontalRail(int32_t railStyle) {
    return {.value = 10, .railStyle = railStyle, .thumb = SliderHost::solidPicture({16, 16}, Thumb)};
}

enum Ring { None, OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight };

struct LookCase {
    const char* name;
    int32_t railStyle;
    int outerTopLeft, outerBottomRight; // system colour indices; -1 none
    int innerTopLeft, innerBottomRight;
};

void PrintTo(const LookCase& c, std::ostream* os) {
    *os << c.name;
}

class SliderRailLook : public SliderPaint, public ::testing::WithParamInterface<LookCase> {};

// Probes along the groove: the middle column crosses all four rows; the ends show the left and right
// sides; the top-right and bottom-left corners belong to the bottom-right colour.
TEST_P(SliderRailLook, DrawsTheEdgeOfItsLookAroundTheRailRectangle) {
    const LookCase& c = GetParam();
    SliderHost host(horizontalRail(c.railStyle));
    const QImage& surface = host.slider().surface();
    ASSERT_EQ(host.slider().RailRect(), (Edge3D::Rect{6, 6, 110, 10}));
    auto expect = [&](int index) { return index < 0 ? background() : role(index); };
    // A lone border of either kind lies on the rectangle's outline.
    const bool lone = (c.outerTopLeft < 0) != (c.innerTopLeft < 0);
    const int outlineTopLeft = c.outerTopLeft >= 0 ? c.outerTopLeft : c.innerTopLeft;
    const int outlineBottomRight = c.outerTopLeft >= 0 ? c.outerBottomRight : c.innerBottomRight;
    const int innerTopLeft = lone ? -1 : c.innerTopLeft;
    const int innerBottomRight = lone ? -1 : c.innerBottomRight;

    const std::vector<std::pair<QPoint, QColor>> probes = {
        {{50, 5}, background()},
        {{50, 6}, expect(outlineTopLeft)},
        {{50, 7}, expect(innerTopLeft)},
        {{50, 8}, expect(innerBottomRight)},
        {{50, 9}, expect(outlineBottomRight)},
        {{50, 10}, background()},
        {{5, 7}, background()},
        {{6, 7}, expect(outlineTopLeft)},
        {{7, 7}, expect(innerTopLeft)},
        {{6, 9}, expect(outlineBottomRight)},
        {{7, 8}, expect(innerBottomRight)},
        {{6, 6}, expect(outlineTopLeft)},
    };
    for (const auto& [at, color] : probes)
        EXPECT_EQ(surface.pixelColor(at), color) << "at " << at.x() << "," << at.y();
    // The right end lies under the thumb, which is drawn last.
    EXPECT_EQ(surface.pixelColor(109, 6), Thumb);
}

constexpr int LightC = SystemColors::Light3D;
constexpr int Dark = SystemColors::DarkShadow3D;
constexpr int Shadow = SystemColors::ButtonShadow;
constexpr int High = SystemColors::Highlight3D;

INSTANTIATE_TEST_SUITE_P(Looks, SliderRailLook,
                         ::testing::Values(LookCase{"SunkenOuterAndInner", 0, Shadow, High, Dark, LightC},
                                           LookCase{"RaisedOuterAndInner", 1, LightC, Dark, High, Shadow},
                                           LookCase{"SunkenOuterOnly", 2, Shadow, High, -1, -1},
                                           LookCase{"RaisedInnerOnly", 3, -1, -1, High, Shadow},
                                           LookCase{"NoBorder", 4, -1, -1, -1, -1}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(SliderPaint, AVerticalRailRunsAlongTheTrack) {
    // 16 × 137, thumb at the top (Value Max): rail rectangle 6, 6, 10, 131.
    SliderHost host({.orientation = kmoSlider::Vertical,
                     .size = {16, 137},
                     .value = 10,
                     .thumb = SliderHost::solidPicture({16, 16}, Thumb)});
    const QImage& surface = host.slider().surface();
    const std::vector<std::pair<QPoint, QColor>> probes = {
        {{5, 60}, background()},  {{6, 60}, role(Shadow)},  {{7, 60}, role(Dark)},  {{8, 60}, role(LightC)},
        {{9, 60}, role(High)},    {{10, 60}, background()}, {{7, 130}, role(High)}, {{9, 130}, role(High)},
        {{7, 129}, role(LightC)}, {{8, 131}, background()}, {{8, 15}, Thumb},       {{8, 16}, role(LightC)}};
    for (const auto& [at, color] : probes)
        EXPECT_EQ(surface.pixelColor(at), color) << "at " << at.x() << "," << at.y();
}

class SliderNoRail : public SliderPaint, public ::testing::WithParamInterface<int32_t> {};

TEST_P(SliderNoRail, DrawsOnlyTheThumbOnTheBackground) {
    SliderHost host(horizontalRail(GetParam()));
    const QImage& surface = host.slider().surface();
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x)
            ASSERT_EQ(surface.pixelColor(x, y), x >= 100 ? Thumb : background()) << "at " << x << "," << y;
    }
}

// 4 draws an empty edge, 99 has no rail picture here, the others are no look at all.
INSTANTIATE_TEST_SUITE_P(Styles, SliderNoRail, ::testing::Values(4, 5, -1, 98, 99, 100));

TEST_F(SliderPaint, APictureRailLiesTwoPixelsInFromTheMinEnd) {
    // Vertical, 18 × 133 rail picture: the slider becomes 18 × 137, the picture lies at 0, 2 and the
    // 16-pixel thumb is centred at left 1; at Value Max it covers rows 0 … 15.
    SliderHost host({.orientation = kmoSlider::Vertical,
                     .size = {30, 30},
                     .value = 10,
                     .railStyle = kmoSlider::PictureRail,
                     .thumb = SliderHost::solidPicture({16, 16}, Thumb),
                     .railPicture = SliderHost::solidPicture({18, 133}, Rail)});
    const QImage& surface = host.slider().surface();
    ASSERT_EQ(surface.size(), QSize(18, 137));
    const std::vector<std::pair<QPoint, QColor>> probes = {
        {{0, 1}, background()},    {{0, 2}, Rail},  {{17, 2}, Rail},   {{17, 134}, Rail},
        {{17, 135}, background()}, {{1, 0}, Thumb}, {{16, 15}, Thumb}, {{1, 16}, Rail},
        {{0, 15}, Rail},           {{17, 15}, Rail}};
    for (const auto& [at, color] : probes)
        EXPECT_EQ(surface.pixelColor(at), color) << "at " << at.x() << "," << at.y();
}

TEST_F(SliderPaint, AHorizontalPictureRailIsCentredAcrossTheTrack) {
    // 100 × 10 rail picture, 16 × 16 thumb: the slider is 104 × 16, the picture at 2, 3.
    SliderHost host({.size = {30, 30},
                     .value = 10,
                     .railStyle = kmoSlider::PictureRail,
                     .thumb = SliderHost::solidPicture({16, 16}, Thumb),
                     .railPicture = SliderHost::solidPicture({100, 10}, Rail)});
    const QImage& surface = host.slider().surface();
    ASSERT_EQ(surface.size(), QSize(104, 16));
    const std::vector<std::pair<QPoint, QColor>> probes = {
        {{1, 8}, background()}, {{2, 8}, Rail},          {{2, 2}, background()}, {{2, 3}, Rail},
        {{2, 12}, Rail},        {{2, 13}, background()}, {{87, 8}, Rail},        {{88, 8}, Thumb}};
    for (const auto& [at, color] : probes)
        EXPECT_EQ(surface.pixelColor(at), color) << "at " << at.x() << "," << at.y();
}

TEST_F(SliderPaint, TheThumbIsDrawnAtItsRoundedPosition) {
    // Vertical example: thumb top ≈ 111.12 is drawn from row 111.
    SliderHost host({.orientation = kmoSlider::Vertical,
                     .size = {16, 137},
                     .min = 1,
                     .max = 50,
                     .value = 5,
                     .thumb = SliderHost::solidPicture({16, 16}, Thumb)});
    const QImage& surface = host.slider().surface();
    EXPECT_NE(surface.pixelColor(0, 110), Thumb);
    EXPECT_EQ(surface.pixelColor(0, 111), Thumb);
    EXPECT_EQ(surface.pixelColor(15, 126), Thumb);
    EXPECT_NE(surface.pixelColor(15, 127), Thumb);
}

TEST_F(SliderPaint, TheWidgetShowsItsPersistentImage) {
    SliderHost host(horizontalRail(0));
    const QImage shown = host.slider().grab().toImage();
    EXPECT_EQ(shown.pixelColor(50, 6), role(Shadow));
    EXPECT_EQ(shown.pixelColor(105, 8), Thumb);
    EXPECT_EQ(shown.pixelColor(50, 2), background());
}

} // namespace
