// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

using brizel::rgb;

namespace {

// The five colours a Windows 32-bit button shows at rest, 40x24 without caption.
struct BevelColours {
    uint32_t highlight;  // outer ring, top-left (0,5)
    uint32_t light;      // inner ring, top-left (1,5)
    uint32_t darkShadow; // outer ring, bottom-right (39,5)
    uint32_t shadow;     // inner ring, bottom-right (38,5)
    uint32_t face;       // (20,12)
};

struct SchemeCase {
    const char* name;
    int32_t scheme;
    bool soft;
    BevelColours expected;
};

} // namespace

TEST_F(BrizelTest, DerivedColoursOfEachSchemeWithAndWithoutSoftBevel) {
    container.back = rgb(30, 60, 90);
    const SchemeCase cases[] = {
        {"Custom",
         2,
         false,
         {rgb(147, 197, 247), rgb(131, 181, 231), rgb(0, 0, 8), rgb(36, 86, 136), rgb(100, 150, 200)}},
        {"Custom soft",
         2,
         true,
         {rgb(123, 173, 223), rgb(115, 165, 215), rgb(4, 54, 104), rgb(68, 118, 168), rgb(100, 150, 200)}},
        {"Use Windows", 1, false, {sys::Highlight, sys::Light, sys::DarkShadow, sys::Shadow, sys::Face}},
        {"Use Windows soft", 1, true, {sys::Highlight, sys::Light, sys::DarkShadow, sys::Shadow, sys::Face}},
        {"Force Standard",
         3,
         false,
         {rgb(255, 255, 255), rgb(223, 223, 223), rgb(0, 0, 0), rgb(128, 128, 128), rgb(192, 192, 192)}},
        {"Force Standard soft",
         3,
         true,
         {rgb(255, 255, 255), rgb(223, 223, 223), rgb(0, 0, 0), rgb(128, 128, 128), rgb(192, 192, 192)}},
        {"Use Container",
         4,
         false,
         {rgb(77, 107, 137), rgb(61, 91, 121), rgb(0, 0, 0), rgb(0, 0, 26), rgb(30, 60, 90)}},
        {"Use Container soft",
         4,
         true,
         {rgb(53, 83, 113), rgb(45, 75, 105), rgb(0, 0, 0), rgb(0, 28, 58), rgb(30, 60, 90)}},
        {"unknown scheme", 7, false, {sys::Highlight, sys::Light, sys::DarkShadow, sys::Shadow, sys::Face}},
    };
    for (const SchemeCase& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = create();
        control->setButtonType(int32_t(brizel::ButtonTypes::Windows32Bit));
        control->setBackColor(rgb(100, 150, 200));
        control->setSoftBevel(c.soft ? -1 : 0);
        control->setColorScheme(c.scheme);
        EXPECT_EQ(pixel(control, 0, 5), rgbText(c.expected.highlight));
        EXPECT_EQ(pixel(control, 1, 5), rgbText(c.expected.light));
        EXPECT_EQ(pixel(control, 39, 5), rgbText(c.expected.darkShadow));
        EXPECT_EQ(pixel(control, 38, 5), rgbText(c.expected.shadow));
        EXPECT_EQ(pixel(control, 20, 12), rgbText(c.expected.face));
    }
}

TEST_F(BrizelTest, ShadesSaturateAtBothEnds) {
    brizel::IBrizel* control = create();
    control->setButtonType(int32_t(brizel::ButtonTypes::Windows32Bit));
    control->setColorScheme(2);
    control->setBackColor(rgb(230, 240, 20));
    EXPECT_EQ(pixel(control, 0, 5), rgbText(rgb(255, 255, 67))); // +47
    EXPECT_EQ(pixel(control, 38, 5), rgbText(rgb(166, 176, 0))); // -64
}

TEST_F(BrizelTest, RaisedFaceIsHalvedBySoftBevelInEveryScheme) {
    // Windows XP at rest: the top edge line (5,1) is RaisedFaceColor shaded by +16 with proportional blue.
    struct Case {
        const char* name;
        int32_t scheme;
        bool soft;
        uint32_t expected;
    };
    const Case cases[] = {
        {"Custom", 2, false, rgb(164, 214, 255)},
        {"Custom soft", 2, true, rgb(132, 182, 234)},
        {"Use Windows", 1, false, rgb(255, 255, 255)},
        {"Use Windows soft", 1, true, rgb(244, 240, 234)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = create();
        control->setBackColor(rgb(100, 150, 200));
        control->setSoftBevel(c.soft ? -1 : 0);
        control->setColorScheme(c.scheme);
        EXPECT_EQ(pixel(control, 5, 1), rgbText(c.expected));
    }
}

TEST_F(BrizelTest, SystemColourCodesAreTranslated) {
    struct Case {
        uint32_t oleColor;
        uint32_t face;
    };
    const Case cases[] = {
        {0x8000000Fu, sys::Face},
        {0x80000010u, sys::Shadow},
        {0x80000014u, sys::Highlight},
        {0x80000015u, sys::DarkShadow},
        {0x80000016u, sys::Light},
        {0x80000012u, sys::Text},
        {0x8000000Du, sys::Select},
        {0x00102030u, 0x00102030u},
        {0x02102030u, 0x00102030u},
        // Values that name no colour draw black.
        {0x8000001Fu, 0},
        {0x8000011Fu, 0},
        {0x01000003u, 0},
        {0x40102030u, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.oleColor);
        brizel::IBrizel* control = create();
        control->setButtonType(int32_t(brizel::ButtonTypes::SimpleFlat));
        control->setColorScheme(2);
        control->setBackColor(c.oleColor);
        EXPECT_EQ(pixel(control, 20, 12), rgbText(c.face));
    }
}

TEST_F(BrizelTest, OfficeXpHoverShowsTheHoverFaceAndSelectColourOfEachScheme) {
    struct Case {
        const char* name;
        int32_t scheme;
        uint32_t hoverFace;
        uint32_t select;
    };
    // The system highlight (10,36,106) tinted toward white by 176: 176 + 79 * c / 255 per channel.
    const uint32_t tinted = rgb(179, 187, 208);
    const Case cases[] = {
        {"Use Windows", 1, tinted, sys::Select},
        {"Use Container", 4, tinted, sys::Select},
        {"Force Standard", 3, rgb(173, 173, 209), rgb(0, 0, 128)},
        {"Custom", 2, rgb(100, 150, 200), rgb(0, 22, 72)},
    };
    showWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = create();
        control->setButtonType(int32_t(brizel::ButtonTypes::OfficeXP));
        control->setBackColor(rgb(100, 150, 200));
        control->setBackOver(rgb(100, 150, 200));
        control->setColorScheme(c.scheme);
        QWidget* widget = dynamic_cast<QWidget*>(control);
        widget->show();
        pointTo(widget, QPoint(20, 12));
        EXPECT_EQ(pixel(control, 5, 5), rgbText(c.hoverFace));
        EXPECT_EQ(pixel(control, 0, 10), rgbText(c.select));
        pointAway();
        delete widget;
    }
}
