// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <vector>

using brizel::rgb;

namespace {

enum class Look { Up, Down, Disabled };

struct PixelFact {
    int x;
    int y;
    uint32_t color;
};

struct StyleCase {
    int style;
    Look look;
    std::vector<PixelFact> pixels;
};

constexpr uint32_t Face = rgb(192, 192, 192); // Force Standard
constexpr uint32_t Shadow = rgb(128, 128, 128);
constexpr uint32_t Light = rgb(223, 223, 223);
constexpr uint32_t Dark = rgb(0, 0, 0);
constexpr uint32_t High = rgb(255, 255, 255);
constexpr uint32_t Select = rgb(0, 0, 128);
constexpr uint32_t XpFrame = rgb(0, 60, 115);
constexpr uint32_t XpCorner = rgb(16, 77, 123);

// A 40x24 button without caption in the Force Standard colours, at rest (no pointer, no focus).
const std::vector<StyleCase>& styleCases() {
    static const std::vector<StyleCase> cases = {
        {1,
         Look::Up,
         {{0, 10, Dark},
          {1, 10, High},
          {2, 10, High},
          {37, 10, Shadow},
          {38, 10, Shadow},
          {39, 10, Dark},
          {20, 12, Face}}},
        {1,
         Look::Down,
         {{0, 10, Dark}, {1, 10, Shadow}, {2, 10, Shadow}, {37, 10, High}, {38, 10, High}, {39, 10, Dark}}},
        {1, Look::Disabled, {{0, 10, Dark}, {1, 10, High}, {2, 10, High}, {38, 10, Shadow}, {39, 10, Dark}}},
        {2,
         Look::Up,
         {{0, 10, High}, {1, 10, Light}, {38, 10, Shadow}, {39, 10, Dark}, {10, 0, High}, {10, 23, Dark}}},
        {2, Look::Down, {{0, 10, Dark}, {1, 10, Shadow}, {38, 10, Light}, {39, 10, High}}},
        {2, Look::Disabled, {{0, 10, High}, {1, 10, Light}, {38, 10, Shadow}, {39, 10, Dark}}},
        {3,
         Look::Up,
         {{0, 10, XpFrame},
          {1, 1, XpCorner},
          {38, 22, XpCorner},
          {5, 22, rgb(192, 192, 180)},
          {5, 21, rgb(208, 208, 200)},
          {38, 10, rgb(204, 204, 195)},
          {37, 10, rgb(216, 216, 210)},
          {5, 1, rgb(255, 255, 255)},
          {5, 2, rgb(250, 250, 252)},
          {1, 10, rgb(235, 235, 234)},
          {2, 10, rgb(230, 230, 228)}}},
        {3,
         Look::Down,
         {{0, 10, XpFrame},
          {1, 22, XpCorner},
          {5, 22, rgb(224, 224, 216)},
          {5, 21, rgb(218, 218, 210)},
          {38, 10, rgb(213, 213, 205)},
          {37, 10, rgb(240, 240, 240)},
          {5, 1, rgb(176, 176, 167)},
          {5, 2, rgb(184, 184, 175)},
          {1, 10, rgb(176, 176, 167)},
          {2, 10, rgb(186, 186, 178)}}},
        {3,
         Look::Disabled,
         {{20, 12, rgb(216, 216, 210)}, {0, 10, rgb(156, 156, 135)}, {1, 1, rgb(168, 168, 150)}}},
        {4,
         Look::Up,
         {{0, 10, Dark},
          {1, 1, Dark},
          {2, 10, High},
          {10, 2, High},
          {10, 10, Light},
          {37, 10, Face},
          {38, 10, Shadow},
          {10, 21, Face},
          {10, 22, Shadow}}},
        {4,
         Look::Down,
         {{0, 10, Dark},
          {1, 10, rgb(64, 64, 64)},
          {2, 10, rgb(96, 96, 96)},
          {10, 10, rgb(112, 112, 112)},
          {37, 10, Shadow},
          {38, 10, rgb(112, 112, 112)},
          {10, 21, Shadow},
          {10, 22, rgb(112, 112, 112)}}},
        {4, Look::Disabled, {{0, 10, Dark}, {2, 10, High}, {10, 10, Light}, {38, 10, Shadow}}},
        {5,
         Look::Up,
         {{20, 12, rgb(204, 204, 204)},
          {0, 10, rgb(102, 102, 102)},
          {38, 10, rgb(102, 102, 102)},
          {1, 10, High},
          {39, 10, High},
          {1, 22, rgb(154, 154, 154)},
          {38, 1, rgb(154, 154, 154)}}},
        {5,
         Look::Down,
         {{10, 10, rgb(144, 144, 144)},
          {0, 10, rgb(102, 102, 102)},
          {38, 10, rgb(102, 102, 102)},
          {39, 10, High},
          {10, 23, High}}},
        {5, Look::Disabled, {{0, 10, Shadow}, {39, 10, Shadow}, {20, 12, Face}}},
        {6,
         Look::Up,
         {{0, 10, rgb(231, 231, 231)}, {1, 10, rgb(231, 231, 231)}, {38, 10, Shadow}, {39, 10, Shadow}}},
        {6,
         Look::Down,
         {{0, 10, Shadow}, {1, 10, Shadow}, {38, 10, rgb(231, 231, 231)}, {39, 10, rgb(231, 231, 231)}}},
        {6, Look::Disabled, {{0, 10, rgb(231, 231, 231)}, {39, 10, Shadow}}},
        {7, Look::Up, {{0, 10, High}, {1, 10, Face}, {39, 10, Shadow}}},
        {7, Look::Down, {{0, 10, Shadow}, {39, 10, High}}},
        {7, Look::Disabled, {{0, 10, High}, {39, 10, Shadow}}},
        {8, Look::Up, {{0, 10, Face}, {39, 10, Face}, {10, 0, Face}}},
        {8, Look::Down, {{0, 10, Shadow}, {39, 10, High}}},
        {8, Look::Disabled, {{0, 10, Face}, {39, 10, Face}}},
        {9, Look::Down, {{0, 10, Select}, {39, 10, Select}, {10, 10, Face}}},
        {9, Look::Disabled, {{0, 10, Face}, {39, 10, Face}}},
        {10, Look::Up, {{0, 10, Face}, {39, 23, Face}}},
        {10, Look::Down, {{0, 10, Face}, {39, 23, Face}}},
        {12, Look::Up, {{0, 10, Face}, {39, 10, Face}}},
        {12, Look::Down, {{0, 10, Dark}, {1, 10, Shadow}, {38, 10, Light}, {39, 10, High}}},
        {12, Look::Disabled, {{0, 10, Face}, {39, 10, Face}}},
        {13, Look::Up, {{20, 12, Face}}},
        {13, Look::Down, {{20, 12, rgb(160, 160, 160)}}},
        {13, Look::Disabled, {{20, 12, Face}}},
        {14,
         Look::Up,
         {{0, 10, rgb(78, 78, 78)},
          {1, 10, rgb(183, 183, 183)},
          {2, 10, High},
          {3, 10, High},
          {10, 2, High},
          {10, 3, High},
          {20, 5, rgb(243, 243, 243)},
          {20, 10, rgb(231, 231, 231)}}},
        {14,
         Look::Down,
         {{0, 10, rgb(80, 80, 80)},
          {1, 10, rgb(183, 183, 183)},
          {10, 10, rgb(183, 183, 183)},
          {10, 22, High},
          {38, 10, High}}},
        {14, Look::Disabled, {{0, 10, rgb(78, 78, 78)}, {2, 10, High}, {20, 10, rgb(231, 231, 231)}}},
    };
    return cases;
}

const char* lookName(Look look) {
    return look == Look::Up ? "up" : look == Look::Down ? "down" : "disabled";
}

} // namespace

class PaintTest : public BrizelTest {
protected:
    brizel::IBrizel* button(int style, int32_t scheme = 3, int width = 40, int height = 24) {
        brizel::IBrizel* control = create(width, height);
        control->setButtonType(style);
        control->setColorScheme(scheme);
        return control;
    }
    // The down look as a toggle in the down state shows it.
    void pressDown(brizel::IBrizel* control) {
        control->setCheckBoxBehaviour(-1);
        control->setValue(-1);
    }
    void expectPixels(brizel::IBrizel* control, const std::vector<PixelFact>& facts) {
        for (const PixelFact& fact : facts) {
            SCOPED_TRACE(testing::Message() << "pixel (" << fact.x << "," << fact.y << ")");
            EXPECT_EQ(pixel(control, fact.x, fact.y), rgbText(fact.color));
        }
    }
};

TEST_F(PaintTest, FrameColoursOfEveryStyleAndLook) {
    for (const StyleCase& c : styleCases()) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " " << lookName(c.look));
        brizel::IBrizel* control = button(c.style);
        if (c.look == Look::Down)
            pressDown(control);
        if (c.look == Look::Disabled)
            control->setEnabled(0);
        expectPixels(control, c.pixels);
    }
}

TEST_F(PaintTest, BevelCornersBelongToTheSegmentThatStartsThere) {
    // Each bevel segment leaves out its end point for the next one: the top-left corner of a ring is the
    // first colour, the top-right and both bottom corners the second.
    const std::vector<StyleCase> cases = {
        {1,
         Look::Up,
         {{1, 1, High},
          {38, 1, Shadow},
          {38, 22, Shadow},
          {1, 22, Shadow},
          {2, 2, High},
          {37, 2, Shadow},
          {37, 21, Shadow},
          {2, 21, Shadow},
          {0, 0, Dark}}},
        {2,
         Look::Up,
         {{0, 0, High},
          {39, 0, Dark},
          {39, 23, Dark},
          {0, 23, Dark},
          {1, 1, Light},
          {38, 1, Shadow},
          {38, 22, Shadow},
          {1, 22, Shadow}}},
        {2,
         Look::Down,
         {{0, 0, Dark}, {39, 0, High}, {0, 23, High}, {1, 1, Shadow}, {38, 1, Light}, {1, 22, Light}}},
        {7, Look::Up, {{0, 0, High}, {39, 0, Shadow}, {0, 23, Shadow}, {39, 23, Shadow}, {1, 1, Face}}},
        {8, Look::Down, {{0, 0, Shadow}, {39, 0, High}, {0, 23, High}, {1, 1, Face}, {38, 22, Face}}},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " " << lookName(c.look));
        brizel::IBrizel* control = button(c.style);
        if (c.look == Look::Down)
            pressDown(control);
        expectPixels(control, c.pixels);
    }
}

TEST_F(PaintTest, ShapeCutsTheCornersOfEachStyle) {
    struct ShapeCase {
        int style;
        std::vector<QPoint> cut;
        std::vector<QPoint> kept;
    };
    const std::vector<QPoint> corners = {{0, 0}, {39, 0}, {0, 23}, {39, 23}};
    const std::vector<ShapeCase> cases = {
        {1, corners, {{1, 0}, {0, 1}, {38, 23}, {20, 12}}},
        {14, corners, {{1, 0}, {0, 1}, {38, 23}}},
        {5, {{39, 0}, {0, 23}}, {{0, 0}, {39, 23}, {38, 0}}},
        {3,
         {{0, 0},
          {1, 0},
          {0, 1},
          {38, 0},
          {39, 0},
          {39, 1},
          {0, 23},
          {1, 23},
          {0, 22},
          {38, 23},
          {39, 23},
          {39, 22}},
         {{2, 0}, {0, 2}, {1, 1}, {37, 0}, {38, 1}, {38, 22}}},
        {4, {{1, 0}, {0, 1}, {39, 22}}, {{2, 0}, {1, 1}}},
        {13, {{0, 0}, {39, 0}, {0, 23}, {39, 23}, {3, 1}, {36, 22}}, {{20, 12}, {20, 2}, {1, 12}, {38, 12}}},
        {2, {}, corners},
        {6, {}, corners},
        {7, {}, corners},
        {8, {}, corners},
        {9, {}, corners},
        {10, {}, corners},
        {12, {}, corners},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        const QRegion shape = widgetOf(button(c.style))->mask();
        for (const QPoint& p : c.cut)
            EXPECT_FALSE(shape.contains(p)) << p.x() << "," << p.y();
        for (const QPoint& p : c.kept)
            EXPECT_TRUE(shape.contains(p)) << p.x() << "," << p.y();
    }
}

TEST_F(PaintTest, GradientsDrawOneRowPerPixelWithHalvesToEven) {
    struct Row {
        int y;
        uint32_t color;
    };
    struct GradientCase {
        const char* name;
        int style;
        bool down;
        int height;
        std::vector<Row> rows;
    };
    // Custom face RGB(100,150,200): RaisedFaceColor (148,198,250) for XP, HighlightColor (147,197,247) for
    // KDE.
    const GradientCase cases[] = {
        {"XP up",
         3,
         false,
         24,
         {{3, rgb(145, 195, 247)},
          {5, rgb(143, 193, 244)},
          {10, rgb(138, 188, 237)},
          {20, rgb(127, 177, 223)}}},
        {"XP down",
         3,
         true,
         24,
         {{17, rgb(109, 159, 202)},
          {19, rgb(111, 161, 204)},
          {14, rgb(106, 156, 199)},
          {4, rgb(95, 145, 187)}}},
        {"XP halves",
         3,
         false,
         50,
         {{3, rgb(146, 196, 248)}, {5, rgb(146, 196, 248)}, {7, rgb(144, 194, 245)}}},
        {"KDE", 14, false, 24, {{5, rgb(135, 185, 235)}, {10, rgb(123, 173, 223)}, {20, rgb(99, 149, 199)}}},
    };
    for (const GradientCase& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = button(c.style, 2, 40, c.height);
        control->setBackColor(rgb(100, 150, 200));
        if (c.down)
            pressDown(control);
        for (const Row& row : c.rows) {
            SCOPED_TRACE(testing::Message() << "row " << row.y);
            EXPECT_EQ(pixel(control, 20, row.y), rgbText(row.color));
            EXPECT_EQ(pixel(control, 8, row.y), rgbText(row.color));
        }
    }
}

TEST_F(PaintTest, OfficeXpAtRestShowsOnlyTheFace) {
    brizel::IBrizel* control = button(9);
    const QImage face = control->Surface();
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            ASSERT_EQ(pixel(control, x, y), rgbText(Face)) << x << "," << y;
}

TEST_F(PaintTest, WindowsXpShowsFocusAsTheBlueEdge) {
    struct Case {
        const char* name;
        bool focus;
        bool isDefault;
        bool showFocusRect;
        bool blue;
    };
    const Case cases[] = {
        {"focused", true, false, true, true},
        {"default button", false, true, true, true},
        {"focused without focus indication", true, false, false, false},
        {"neither", false, false, true, false},
    };
    showWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        container.isDefault = c.isDefault;
        brizel::IBrizel* control = button(3);
        control->setShowFocusRect(c.showFocusRect ? -1 : 0);
        widgetOf(control)->show();
        if (c.focus) {
            widgetOf(control)->setFocus();
            ASSERT_TRUE(widgetOf(control)->hasFocus());
        }
        if (c.blue) {
            expectPixels(control, {{5, 1, rgb(206, 231, 255)},
                                   {1, 10, rgb(140, 174, 231)},
                                   {5, 2, rgb(189, 215, 247)},
                                   {2, 10, rgb(181, 209, 240)},
                                   {37, 10, rgb(181, 209, 240)},
                                   {5, 22, rgb(107, 130, 239)}});
        } else {
            expectPixels(control, {{5, 1, rgb(255, 255, 255)}, {1, 10, rgb(235, 235, 234)}});
        }
        delete widgetOf(control);
    }
}

TEST_F(PaintTest, WindowsThirtyTwoDrawsTheFocusRectangleOnlyAsDefaultButton) {
    // Focus rectangle inset 4: its dots invert the face against the black text colour.
    const uint32_t dot = rgb(63, 63, 63);
    showWindow();
    for (bool isDefault : {true, false}) {
        SCOPED_TRACE(isDefault ? "default button" : "ordinary button");
        container.isDefault = isDefault;
        brizel::IBrizel* control = button(2);
        widgetOf(control)->show();
        widgetOf(control)->setFocus();
        ASSERT_TRUE(widgetOf(control)->hasFocus());
        if (isDefault)
            expectPixels(control, {{0, 10, Dark},
                                   {1, 10, High},
                                   {2, 10, Light},
                                   {37, 10, Shadow},
                                   {38, 10, Dark},
                                   {39, 10, Dark},
                                   {4, 4, dot},
                                   {5, 4, Face},
                                   {6, 4, dot},
                                   {35, 19, dot},
                                   {34, 19, Face}});
        else
            expectPixels(control, {{0, 10, High}, {1, 10, Light}, {4, 4, Face}, {6, 4, Face}});
        delete widgetOf(control);
    }
}

TEST_F(PaintTest, FocusRectangleIsInsetPerStyle) {
    // 40x24: inset 3 for styles 7 to 12, 4 for the others, 5 and then moved by (1,1) for KDE 2; styles
    // 4, 10 and 13 show no focus at all.
    struct Case {
        int style;
        QRect dotted;
    };
    const Case cases[] = {
        {1, QRect(QPoint(4, 4), QPoint(35, 19))},
        {6, QRect(QPoint(4, 4), QPoint(35, 19))},
        {7, QRect(QPoint(3, 3), QPoint(36, 20))},
        {8, QRect(QPoint(3, 3), QPoint(36, 20))},
        {9, QRect(QPoint(3, 3), QPoint(36, 20))},
        {12, QRect(QPoint(3, 3), QPoint(36, 20))},
        {14, QRect(QPoint(6, 6), QPoint(35, 19))},
        {4, QRect()},
        {10, QRect()},
        {13, QRect()},
    };
    showWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        brizel::IBrizel* control = button(c.style);
        widgetOf(control)->show();
        const QImage unfocused = control->Surface();
        widgetOf(control)->setFocus();
        ASSERT_TRUE(widgetOf(control)->hasFocus());
        const QImage focused = control->Surface();
        QRect changed;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (focused.pixel(x, y) != unfocused.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        EXPECT_EQ(changed, c.dotted);
        delete widgetOf(control);
    }
}

TEST_F(PaintTest, HoverLooksNeedThePointer) {
    struct Case {
        int style;
        std::vector<PixelFact> atRest;
        std::vector<PixelFact> hovered;
    };
    const uint32_t hoverFace = rgb(173, 173, 209);
    const std::vector<Case> cases = {
        {3,
         {{5, 1, High}},
         {{5, 1, rgb(255, 243, 206)},
          {1, 10, rgb(255, 178, 49)},
          {5, 2, rgb(255, 219, 140)},
          {2, 10, rgb(255, 203, 107)},
          {37, 10, rgb(255, 203, 107)},
          {5, 22, rgb(231, 150, 0)}}},
        {7, {{0, 10, High}, {39, 10, Shadow}}, {{0, 10, High}, {39, 10, Shadow}}},
        {8, {{0, 10, Face}, {39, 10, Face}}, {{0, 10, High}, {39, 10, Shadow}}},
        {12,
         {{0, 10, Face}, {39, 10, Face}},
         {{0, 10, High}, {1, 10, Light}, {38, 10, Shadow}, {39, 10, Dark}}},
        {9, {{0, 10, Face}, {5, 5, Face}}, {{0, 10, Select}, {39, 10, Select}, {5, 5, hoverFace}}},
        {14, {{20, 10, rgb(231, 231, 231)}}, {{20, 10, Light}, {0, 10, rgb(78, 78, 78)}}},
    };
    showWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        brizel::IBrizel* control = button(c.style);
        widgetOf(control)->show();
        pointAway();
        expectPixels(control, c.atRest);
        pointTo(widgetOf(control), QPoint(20, 12));
        expectPixels(control, c.hovered);
        pointAway();
        QTimer* poll = widgetOf(control)->findChild<QTimer*>(QStringLiteral("OverTimer"));
        ASSERT_NE(poll, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !poll->isActive(); }, 2000));
        expectPixels(control, c.atRest);
        delete widgetOf(control);
    }
}

TEST_F(PaintTest, CustomHoverPaintsWithBackOver) {
    showWindow();
    brizel::IBrizel* control = button(9, 2);
    control->setBackColor(rgb(100, 150, 200));
    control->setBackOver(rgb(10, 20, 30));
    widgetOf(control)->show();
    pointTo(widgetOf(control), QPoint(20, 12));
    // HoverFaceColor equals the face, which follows BackOver; SelectColor is its shade by -128.
    EXPECT_EQ(pixel(control, 5, 5), rgbText(rgb(10, 20, 30)));
    EXPECT_EQ(pixel(control, 0, 10), rgbText(rgb(0, 0, 0)));
    EXPECT_EQ(control->BackColor(), rgb(100, 150, 200));
}

TEST_F(PaintTest, StyleElevenShowsTheContainerBehindIt) {
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, QColor(12, 34, 56));
    window->setPalette(colours);
    window->setAutoFillBackground(true);
    showWindow();
    brizel::IBrizel* control = button(11);
    widgetOf(control)->show();
    EXPECT_EQ(pixel(control, 20, 20), rgbText(rgb(12, 34, 56)));
    EXPECT_EQ(widgetOf(control)->height(), 24); // the capture gives the height back
    control->setEnabled(0);
    EXPECT_EQ(pixel(control, 20, 20), rgbText(rgb(12, 34, 56)));
}
