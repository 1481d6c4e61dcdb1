// SPDX-License-Identifier: GPL-3.0-or-later
#include "SliderHost.h"

#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// A horizontal slider 116 pixels wide with a 16-pixel thumb: track 100 pixels, Min 0 … Max 10, so the
// thumb's left edge lies at 10 × Value. Value 5 puts the thumb over x 50 … 65.
SliderSetup horizontalAtFive() {
    return {.value = 5};
}

struct Gesture {
    enum Kind { Press, Move, Release };
    Kind kind;
    int x;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

struct PointerCase {
    const char* name;
    bool enabled;
    std::vector<Gesture> gestures;
    int32_t value;
    float thumbLeft;
    QStringList events;
};

void PrintTo(const PointerCase& c, std::ostream* os) {
    *os << c.name;
}

void perform(kmoSlider& slider, const Gesture& g) {
    const QPoint at(g.x, 8);
    switch (g.kind) {
    case Gesture::Press:
        QTest::mousePress(&slider, g.button, g.modifiers, at);
        break;
    case Gesture::Move:
        QTest::mouseMove(&slider, at);
        break;
    case Gesture::Release:
        QTest::mouseRelease(&slider, g.button, g.modifiers, at);
        break;
    }
}

class SliderPointer : public ::testing::TestWithParam<PointerCase> {};

TEST_P(SliderPointer, MovesTheThumbAndRaisesEventsInOrder) {
    const PointerCase& c = GetParam();
    SliderHost host(horizontalAtFive());
    host.slider().setEnabled(c.enabled ? -1 : 0);
    for (const Gesture& g : c.gestures)
        perform(host.slider(), g);
    EXPECT_EQ(host.slider().Value(), c.value);
    EXPECT_FLOAT_EQ(host.slider().thumbPosition().x(), c.thumbLeft);
    EXPECT_EQ(host.events, c.events);
}

using G = Gesture;
const QString VC = QStringLiteral("ValueChanged(%1)");

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderPointer,
    ::testing::Values(
        // Beside the thumb: the thumb's centre jumps under the pointer, the value follows first.
        PointerCase{"ClickBesideTheThumb",
                    true,
                    {{G::Press, 98}, {G::Release, 98}},
                    9,
                    90.0f,
                    {VC.arg(9), "MouseDown(0)", "Click", "MouseUp(0)"}},
        PointerCase{"ClickNearTheMinEndClampsToZero",
                    true,
                    {{G::Press, 3}, {G::Release, 3}},
                    0,
                    0.0f,
                    {VC.arg(0), "ArrivedFirst", "MouseDown(0)", "Click", "MouseUp(0)"}},
        PointerCase{"ClickAtTheMaxEnd",
                    true,
                    {{G::Press, 115}, {G::Release, 115}},
                    10,
                    100.0f,
                    {VC.arg(10), "ArrivedLast", "MouseDown(0)", "Click", "MouseUp(0)"}},
        PointerCase{"ModifierKeysReachTheEvents",
                    true,
                    {{G::Press, 98, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier},
                     {G::Release, 98, Qt::LeftButton, Qt::AltModifier}},
                    9,
                    90.0f,
                    {VC.arg(9), "MouseDown(3)", "Click", "MouseUp(4)"}},
        // On the thumb: only MouseDown; dragging raises one ValueChanged per new rounded value.
        PointerCase{"ClickOnTheThumb",
                    true,
                    {{G::Press, 55}, {G::Release, 55}},
                    5,
                    50.0f,
                    {"MouseDown(0)", "Click", "MouseUp(0)"}},
        PointerCase{"DragTheThumb",
                    true,
                    {{G::Press, 55}, {G::Move, 62}, {G::Move, 74}, {G::Move, 76}, {G::Release, 76}},
                    7,
                    70.0f,
                    {"MouseDown(0)", VC.arg(6), VC.arg(7), "Click", "MouseUp(0)"}},
        PointerCase{"DragBelowHalfAStepSnapsBack",
                    true,
                    {{G::Press, 55}, {G::Move, 59}, {G::Release, 59}},
                    5,
                    50.0f,
                    {"MouseDown(0)", "Click", "MouseUp(0)"}},
        PointerCase{"ReleaseOutsideAfterADrag",
                    true,
                    {{G::Press, 55}, {G::Move, 300}, {G::Release, 300}},
                    10,
                    100.0f,
                    {"MouseDown(0)", VC.arg(10), "ArrivedLast", "MouseUp(0)"}},
        PointerCase{"ReleaseLeftOfTheSurface",
                    true,
                    {{G::Press, 55}, {G::Move, -40}, {G::Release, -1}},
                    0,
                    0.0f,
                    {"MouseDown(0)", VC.arg(0), "ArrivedFirst", "MouseUp(0)"}},
        PointerCase{"RightButtonDoesNothing",
                    true,
                    {{G::Press, 98, Qt::RightButton}, {G::Move, 20}, {G::Release, 98, Qt::RightButton}},
                    5,
                    50.0f,
                    {}},
        PointerCase{"DisabledPressIsIgnoredButReleaseClicks",
                    false,
                    {{G::Press, 98}, {G::Move, 20}, {G::Release, 98}},
                    5,
                    50.0f,
                    {"Click"}},
        PointerCase{"MovingWithoutAPressDoesNothing", true, {{G::Move, 20}, {G::Move, 98}}, 5, 50.0f, {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SliderDrag, RepaintsOnlyWhenTheRoundedValueChanges) {
    SliderHost host(horizontalAtFive());
    kmoSlider& s = host.slider();
    QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(55, 8));
    const int before = s.refreshCount();
    // Grabbed 5 pixels right of the thumb's edge: the thumb's left goes 50 … 80 pixel by pixel.
    for (int x = 56; x <= 85; ++x)
        QTest::mouseMove(&s, QPoint(x, 8));
    QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(85, 8));
    // Halves go to the even value: left 55 gives 6, 65 still 6, 66 gives 7 and 75 gives 8.
    EXPECT_EQ(host.events,
              QStringList({"MouseDown(0)", VC.arg(6), VC.arg(7), VC.arg(8), "Click", "MouseUp(0)"}));
    EXPECT_EQ(s.refreshCount() - before, 3);
}

TEST(SliderDrag, HalvesRoundToTheEvenValue) {
    SliderHost host({.value = 0});
    kmoSlider& s = host.slider();
    s.UserControl_MouseDown(kmoSlider::LeftButton, 0, 8, 8);  // on the thumb, grabbed at 8
    s.UserControl_MouseMove(kmoSlider::LeftButton, 0, 33, 8); // left 25: 2.5
    EXPECT_EQ(s.Value(), 2);
    EXPECT_FLOAT_EQ(s.thumbPosition().x(), 20.0f);
    s.UserControl_MouseMove(kmoSlider::LeftButton, 0, 43, 8); // left 35: 3.5
    EXPECT_EQ(s.Value(), 4);
    EXPECT_FLOAT_EQ(s.thumbPosition().x(), 40.0f);
}

// A vertical slider 137 pixels high (track 121), Min 1, Max 50, Value 5.
TEST(SliderDrag, VerticalThumbSnapsBackWhenTheRoundedValueStays) {
    SliderHost host({.orientation = kmoSlider::Vertical, .size = {16, 137}, .min = 1, .max = 50, .value = 5});
    kmoSlider& s = host.slider();
    const float top = 121.0f - 121.0f * 4 / 49; // ≈ 111.12
    EXPECT_NEAR(s.thumbPosition().y(), 111.12, 0.01);
    s.UserControl_MouseDown(kmoSlider::LeftButton, 0, 8, top + 5);
    s.UserControl_MouseMove(kmoSlider::LeftButton, 0, 8, 111 + 5); // thumb top 111: value ≈ 5.05
    EXPECT_EQ(s.Value(), 5);
    EXPECT_NEAR(s.thumbPosition().y(), top, 0.001);
    s.UserControl_MouseMove(kmoSlider::LeftButton, 0, 8, -100);
    EXPECT_EQ(s.Value(), 50);
    EXPECT_FLOAT_EQ(s.thumbPosition().y(), 0.0f);
    s.UserControl_MouseUp(kmoSlider::LeftButton, 0, 8, -100);
    EXPECT_EQ(host.events, QStringList({"MouseDown(0)", VC.arg(50), "ArrivedLast", "MouseUp(0)"}));
}

TEST(SliderDrag, ATrackOfLengthZeroReadsZeroWithoutAReport) {
    TempHome home;
    ErrorScript script({2});
    SliderHost host({.size = {16, 16}, .min = 0, .max = 10, .value = 0});
    kmoSlider& s = host.slider();
    EXPECT_EQ(s.GetValue(), 0);
    QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(3, 8));
    QTest::mouseMove(&s, QPoint(12, 8));
    QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(12, 8));
    EXPECT_EQ(s.Value(), 0);
    EXPECT_EQ(script.count(), 0);
    EXPECT_EQ(host.events, QStringList({"MouseDown(0)", "Click", "MouseUp(0)"}));
}

TEST(SliderDrag, ATrackOfLengthZeroOutsideTheRangeIsRejectedByValue) {
    TempHome home;
    ErrorScript script({2});
    SliderHost host({.size = {16, 16}, .min = 1, .max = 50, .value = 5});
    kmoSlider& s = host.slider();
    QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseMove(&s, QPoint(9, 8));
    QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(9, 8));
    EXPECT_EQ(s.Value(), 5);
    ASSERT_GE(script.count(), 1);
    EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("Value"));
    EXPECT_EQ(script.shown()[0].number, QStringLiteral("380 (Invalid property value)"));
}

} // namespace
