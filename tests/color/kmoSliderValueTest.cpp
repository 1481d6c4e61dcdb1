// SPDX-License-Identifier: GPL-3.0-or-later
#include "SliderHost.h"

#include "base/VbError.h"
#include "errors/ProgramEnd.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QMetaProperty>
#include <gtest/gtest.h>

namespace {

enum class Setter { Value, Min, Max };

struct SetterCase {
    const char* name;
    Setter setter;
    int32_t newValue;
    std::vector<int> answers; // error window answers: 0 Retry, 1 Ignore, 2 Cancel
    int32_t min, max, value;  // afterwards
    QStringList events;
    QStringList reported; // procedure names shown in the error window
};

void PrintTo(const SetterCase& c, std::ostream* os) {
    *os << c.name;
}

// Starting point of every case: Min 0, Max 10, Value 7.
class SliderSetter : public ::testing::TestWithParam<SetterCase> {};

TEST_P(SliderSetter, ChecksStoresAndAnnounces) {
    const SetterCase& c = GetParam();
    TempHome home;
    ErrorScript script(c.answers.empty() ? std::vector<int>{2} : c.answers);
    SliderHost host({.value = 7});
    kmoSlider& s = host.slider();
    switch (c.setter) {
    case Setter::Value:
        s.setValue(c.newValue);
        break;
    case Setter::Min:
        s.setMin(c.newValue);
        break;
    case Setter::Max:
        s.setMax(c.newValue);
        break;
    }
    EXPECT_EQ(s.Min(), c.min);
    EXPECT_EQ(s.Max(), c.max);
    EXPECT_EQ(s.Value(), c.value);
    EXPECT_EQ(host.events, c.events);
    QStringList reported;
    for (const ErrorScript::Shown& shown : script.shown()) {
        reported << shown.procedure;
        EXPECT_EQ(shown.module, QStringLiteral("kmoSlider"));
        EXPECT_EQ(shown.number, QStringLiteral("380 (Invalid property value)"));
    }
    EXPECT_EQ(reported, c.reported);
}

const QString VC = QStringLiteral("ValueChanged(%1)");
const QString First = QStringLiteral("ArrivedFirst");
const QString Last = QStringLiteral("ArrivedLast");

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderSetter,
    ::testing::Values(
        SetterCase{"ValueUnchanged", Setter::Value, 7, {}, 0, 10, 7, {}, {}},
        SetterCase{"ValueInside", Setter::Value, 4, {}, 0, 10, 4, {VC.arg(4)}, {}},
        SetterCase{"ValueToMax", Setter::Value, 10, {}, 0, 10, 10, {VC.arg(10), Last}, {}},
        SetterCase{"ValueToMin", Setter::Value, 0, {}, 0, 10, 0, {VC.arg(0), First}, {}},
        SetterCase{"ValueAboveMaxIgnored", Setter::Value, 11, {1}, 0, 10, 11, {VC.arg(11)}, {"Value"}},
        SetterCase{"ValueBelowMinCancelled", Setter::Value, -1, {2}, 0, 10, 7, {}, {"Value"}},
        SetterCase{"ValueRetriedThenCancelled",
                   Setter::Value,
                   12,
                   {0, 0, 2},
                   0,
                   10,
                   7,
                   {},
                   {"Value", "Value", "Value"}},
        SetterCase{"MinResetsValue", Setter::Min, 3, {}, 3, 10, 3, {VC.arg(3), First}, {}},
        SetterCase{"MinEqualToValue", Setter::Min, 7, {}, 7, 10, 7, {}, {}},
        SetterCase{"MinAtMaxIgnored", Setter::Min, 10, {1}, 10, 10, 10, {VC.arg(10), Last, First}, {"Min"}},
        SetterCase{
            "MinAboveMaxIgnored", Setter::Min, 12, {1}, 12, 10, 12, {VC.arg(12), First}, {"Min", "Value"}},
        SetterCase{"MinAtMaxCancelled", Setter::Min, 10, {2}, 0, 10, 7, {}, {"Min"}},
        SetterCase{"MaxBelowValueKeepsValue", Setter::Max, 5, {}, 0, 5, 7, {}, {}},
        SetterCase{"MaxAtMinIgnored", Setter::Max, 0, {1}, 0, 0, 7, {}, {"Max"}},
        SetterCase{"MaxBelowMinCancelled", Setter::Max, -3, {2}, 0, 10, 7, {}, {"Max"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SliderSetterEnd, EndingTheProgramLeavesTheSetterAtOnce) {
    TempHome home;
    ErrorScript script({3});
    SliderHost host({.value = 7});
    EXPECT_THROW(host.slider().setValue(20), ProgramEnded);
    EXPECT_EQ(host.slider().Value(), 7);
    EXPECT_TRUE(host.events.isEmpty());
}

TEST(SliderRange, AnOverflowingRangeIsReportedByTheMinSetter) {
    TempHome home;
    ErrorScript script({1});
    SliderHost host({.value = 7});
    host.slider().setMin(std::numeric_limits<int32_t>::min());
    ASSERT_EQ(script.count(), 1);
    EXPECT_EQ(script.shown()[0].number, QStringLiteral("6 (Overflow)"));
    EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("Min"));
    EXPECT_EQ(script.shown()[0].line, QStringLiteral("40"));
    EXPECT_EQ(host.slider().Value(), std::numeric_limits<int32_t>::min());
}

TEST(SliderValue, SettingValueRedrawsOnlyWhenItChanges) {
    SliderHost host({.value = 7});
    const int before = host.slider().refreshCount();
    host.slider().setValue(7);
    EXPECT_EQ(host.slider().refreshCount(), before);
    host.slider().setValue(8);
    EXPECT_EQ(host.slider().refreshCount(), before + 1);
}

TEST(SliderValue, AHandlerSettingValueAgainStopsOnceTheValueIsStable) {
    SliderHost host({.value = 0});
    kmoSlider& s = host.slider();
    QObject::connect(&s, &kmoSlider::ValueChanged, &s, [&s] {
        if (s.Value() < 7)
            s = s.Value() + 1;
    });
    s = 3;
    EXPECT_EQ(host.events, QStringList({VC.arg(3), VC.arg(4), VC.arg(5), VC.arg(6), VC.arg(7)}));
    EXPECT_EQ(s.Value(), 7);
}

TEST(SliderValue, AHandlerPinningTheValueEndsAfterOneRound) {
    SliderHost host({.value = 0});
    kmoSlider& s = host.slider();
    QObject::connect(&s, &kmoSlider::ValueChanged, &s, [&s] { s.setValue(4); });
    s.setValue(9);
    EXPECT_EQ(host.events, QStringList({VC.arg(9), VC.arg(4)}));
    EXPECT_EQ(s.Value(), 4);
}

TEST(SliderValue, ValueIsTheDefaultMember) {
    SliderHost host({.value = 2});
    kmoSlider& s = host.slider();
    const int32_t read = s;
    EXPECT_EQ(read, 2);
    s = 6;
    EXPECT_EQ(s.Value(), 6);
    const QMetaProperty user = s.metaObject()->userProperty();
    EXPECT_STREQ(user.name(), "Value");
    EXPECT_TRUE(user.write(&s, 9));
    EXPECT_EQ(user.read(&s).toInt(), 9);
    EXPECT_EQ(host.events, QStringList({VC.arg(6), VC.arg(9)}));
}

TEST(SliderInit, FirstPlacementSetsTheDefaultsWithoutEvents) {
    QWidget window;
    kmoSlider s(&window);
    s.resize(16, 60);
    int changes = 0;
    QObject::connect(&s, &kmoSlider::ValueChanged, &s, [&] { ++changes; });
    s.UserControl_InitProperties();
    EXPECT_EQ(s.Enabled(), -1);
    EXPECT_EQ(s.Orientation(), kmoSlider::Vertical);
    EXPECT_EQ(s.RailStyle(), 0);
    EXPECT_EQ(s.Min(), 0);
    EXPECT_EQ(s.Max(), 10);
    EXPECT_EQ(s.Value(), 0);
    EXPECT_EQ(s.BackColor(), 0x8000000Fu);
    EXPECT_EQ(s.thumbPosition(), QPointF(0, 60 - 16));
    EXPECT_EQ(s.SliderIcon()->size(), QSize(16, 16));
    EXPECT_EQ(s.RailPicture(), nullptr);
    EXPECT_EQ(changes, 0);
    s.setValue(0);
    EXPECT_EQ(changes, 0); // LastValue starts at Value
}

TEST(SliderBackColor, AColourThatNamesNothingIsRefused) {
    SliderHost host({});
    EXPECT_THROW(host.slider().setBackColor(0x80000040), VbError);
    EXPECT_EQ(host.slider().BackColor(), kmoSlider::DefaultBackColor);
    host.slider().setBackColor(0x00336699);
    EXPECT_EQ(host.slider().surface().pixelColor(50, 1), QColor(0x99, 0x66, 0x33));
}

} // namespace
