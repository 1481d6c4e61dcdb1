// SPDX-License-Identifier: GPL-3.0-or-later
#include "SliderHost.h"

#include "controls/KeyedPropertyBag.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

// A property set that remembers the order of the reads and writes it was asked for.
class RecordingBag : public brizel::PropertyBag {
public:
    QVariant readProperty(const QString& key, const QVariant& fallback) const override {
        reads << key;
        return fallback;
    }
    void writeProperty(const QString& key, const QVariant&, const QVariant&) override { writes << key; }
    mutable QStringList reads;
    QStringList writes;
};

TEST(SliderStore, ReadsAndWritesTheKeysInTheirOrder) {
    QWidget window;
    kmoSlider s(&window);
    RecordingBag bag;
    s.UserControl_ReadProperties(bag);
    EXPECT_EQ(bag.reads, QStringList({"BackColor", "Enabled", "Orientation", "RailStyle", "Min", "Max",
                                      "Value", "SliderIcon", "RailPicture"}));
    s.UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.writes, QStringList({"BackColor", "Enabled", "SliderIcon", "Orientation", "RailPicture",
                                       "RailStyle", "Min", "Max", "Value"}));
}

TEST(SliderStore, AFreshSliderStoresOnlyItsThumbPicture) {
    QWidget window;
    kmoSlider s(&window);
    s.UserControl_InitProperties();
    KeyedPropertyBag bag;
    s.UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.keys(), QStringList({"SliderIcon"}));
    EXPECT_EQ(bag.readProperty("SliderIcon").toString(), pictureText(kmoSlider::builtInThumb()));
}

TEST(SliderStore, ARoundTripKeepsEveryPropertyWithoutEvents) {
    SliderHost first({.orientation = kmoSlider::Horizontal,
                      .size = {116, 16},
                      .min = -5,
                      .max = 45,
                      .value = 20,
                      .railStyle = 3,
                      .thumb = SliderHost::solidPicture({12, 12}, Qt::blue),
                      .railPicture = SliderHost::solidPicture({30, 6}, Qt::green),
                      .backColor = 0x0078BFDE});
    first.slider().setEnabled(0);
    KeyedPropertyBag bag = KeyedPropertyBag::fromText([&] {
        KeyedPropertyBag written;
        first.slider().UserControl_WriteProperties(written);
        return written.toText();
    }());
    EXPECT_EQ(bag.keys(), QStringList({"BackColor", "Enabled", "SliderIcon", "Orientation", "RailPicture",
                                       "RailStyle", "Min", "Max", "Value"}));

    QWidget window;
    kmoSlider second(&window);
    second.resize(116, 12);
    int events = 0;
    QObject::connect(&second, &kmoSlider::ValueChanged, &second, [&] { ++events; });
    second.UserControl_ReadProperties(bag);
    EXPECT_EQ(second.BackColor(), 0x0078BFDEu);
    EXPECT_EQ(second.Enabled(), 0);
    EXPECT_EQ(second.Orientation(), kmoSlider::Horizontal);
    EXPECT_EQ(second.RailStyle(), 3);
    EXPECT_EQ(second.Min(), -5);
    EXPECT_EQ(second.Max(), 45);
    EXPECT_EQ(second.Value(), 20);
    ASSERT_NE(second.SliderIcon(), nullptr);
    EXPECT_EQ(second.SliderIcon()->image().pixelColor(5, 5), QColor(Qt::blue));
    ASSERT_NE(second.RailPicture(), nullptr);
    EXPECT_EQ(second.RailPicture()->size(), QSize(30, 6));
    // Track 104 pixels, value 25 steps of 50 above Min.
    EXPECT_FLOAT_EQ(second.thumbPosition().x(), 52.0f);
    EXPECT_EQ(events, 0);
    second.setValue(20);
    EXPECT_EQ(events, 0); // the loaded value counts as announced
}

TEST(SliderStore, StoredKeysMatchWithoutRegardToCase) {
    QWidget window;
    kmoSlider s(&window);
    s.resize(16, 137);
    const KeyedPropertyBag bag = KeyedPropertyBag::fromText(
        "backcolor=&H0078BFDE&\nenabled=False\norientation=1\nrailstyle=99\nmin=1\nmax=50\nvalue=5\n");
    s.UserControl_ReadProperties(bag);
    EXPECT_EQ(s.BackColor(), 0x0078BFDEu);
    EXPECT_EQ(s.Enabled(), 0);
    EXPECT_EQ(s.RailStyle(), 99);
    EXPECT_EQ(s.Min(), 1);
    EXPECT_EQ(s.Max(), 50);
    EXPECT_EQ(s.Value(), 5);
    EXPECT_EQ(s.SliderIcon(), nullptr); // not stored: no thumb picture
}

struct BadStoredCase {
    const char* name;
    const char* text;
    QString number;
    QString line;
};

void PrintTo(const BadStoredCase& c, std::ostream* os) {
    *os << c.name;
}

class SliderBadStore : public ::testing::TestWithParam<BadStoredCase> {};

TEST_P(SliderBadStore, ReportsTheStatementAndKeepsTheRest) {
    const BadStoredCase& c = GetParam();
    TempHome home;
    ErrorScript script({1});
    RecordingContainer host(ErrorDispatcher::Ignore);
    QWidget window;
    kmoSlider s(&window);
    s.setContainer(&host);
    s.resize(116, 16);
    s.UserControl_ReadProperties(KeyedPropertyBag::fromText(QString::fromLatin1(c.text) + "\nValue=3\n"));
    ASSERT_EQ(host.reports.size(), 1u) << "the slider reports to its host";
    EXPECT_EQ(host.reports[0].number, c.number);
    EXPECT_EQ(host.reports[0].module, QStringLiteral("kmoSlider"));
    EXPECT_EQ(host.reports[0].procedure, QStringLiteral("UserControl_ReadProperties"));
    EXPECT_EQ(host.reports[0].line, c.line);
    EXPECT_EQ(script.count(), 0) << "not to the error window itself";
    EXPECT_EQ(s.Value(), 3);
}

TEST(SliderWithoutHost, LeavesTheFailingProcedureAndShowsNoWindow) {
    TempHome home;
    ErrorScript script({1});
    QWidget window;
    kmoSlider s(&window);
    s.resize(116, 16);
    s.UserControl_ReadProperties(KeyedPropertyBag::fromText(QStringLiteral("Max=oops\nValue=3\n")));
    EXPECT_EQ(script.count(), 0);
    EXPECT_EQ(s.Value(), 0) << "the statements after the failing one did not run";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderBadStore,
    ::testing::Values(
        BadStoredCase{"ColourNotANumber", "BackColor=teal", "13 (Type mismatch)", "10"},
        BadStoredCase{"NoSuchSystemColour", "BackColor=&H80000063&", "380 (Invalid property value)", "10"},
        BadStoredCase{"MaxNotANumber", "Max=ten", "13 (Type mismatch)", "60"},
        BadStoredCase{"MinTooLarge", "Min=99999999999", "6 (Overflow)", "50"},
        BadStoredCase{"MissingThumbFile", "SliderIcon=/no/such/thumb.png", "53 (File not found)", "80"},
        BadStoredCase{"RailDataNoPicture", "RailPicture=data:image/png;base64,AAAA", "481 (Invalid picture)",
                      "90"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
