// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

#include <QFont>
#include <QImage>
#include <optional>
#include <vector>

using brizel::rgb;

namespace {

// Force Standard colours.
constexpr uint32_t Face = rgb(192, 192, 192);
constexpr uint32_t Shadow = rgb(128, 128, 128);
constexpr uint32_t Light = rgb(223, 223, 223);
constexpr uint32_t High = rgb(255, 255, 255);
constexpr uint32_t Black = rgb(0, 0, 0);
// RaisedFaceColor of Force Standard: the face shaded by +48 (Windows XP: blue proportionally, also 240).
constexpr uint32_t Raised = rgb(240, 240, 240);

// The solid block character: every pixel of its ink is one colour when drawn without smoothing.
const QString Block = QString(QChar(0x2588));

QFont blockFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

uint32_t plainRgb(QRgb value) {
    return rgb(qRed(value), qGreen(value), qBlue(value));
}

// Bounding box of the pixels of one colour inside the face, away from the border and bevel rows.
std::optional<QRect> inkOf(const QImage& face, uint32_t color) {
    QRect box;
    for (int y = 5; y < face.height() - 5; ++y)
        for (int x = 5; x < face.width() - 5; ++x)
            if (plainRgb(face.pixel(x, y)) == color)
                box |= QRect(x, y, 1, 1);
    if (box.isEmpty())
        return std::nullopt;
    return box;
}

enum class Look { Up, Down, Disabled };

struct ModeCase {
    const char* name;
    int style;
    Look look;
    int effect;                    // SpecialEffect
    uint32_t top;                  // colour of the caption drawn last
    std::optional<uint32_t> below; // colour just below-right of the last copy, if another copy lies there
    std::optional<uint32_t> above; // colour just above-left of it
};

} // namespace

class CaptionModeTest : public BrizelTest {
protected:
    brizel::IBrizel* blockButton(int style, Look look, int effect) {
        brizel::IBrizel* control = create(60, 40);
        control->setButtonType(style);
        control->setColorScheme(3);
        control->setFont(blockFont());
        control->setSpecialEffect(effect);
        control->setCaption(Block);
        if (look == Look::Down) {
            control->setCheckBoxBehaviour(-1);
            control->setValue(-1);
        }
        if (look == Look::Disabled)
            control->setEnabled(0);
        return control;
    }
    std::optional<QRect> block(brizel::IBrizel* control, uint32_t color) {
        return inkOf(control->Surface(), color);
    }
};

TEST_F(CaptionModeTest, EachModeDrawsItsColoursAndCopies) {
    const std::vector<ModeCase> cases = {
        {"normal", 7, Look::Up, 0, Black, Face, Face},
        {"pressed", 7, Look::Down, 0, Black, Face, Face},
        {"Mac pressed shows the light colour", 4, Look::Down, 0, Light, {}, {}},
        {"etched", 1, Look::Disabled, 0, Shadow, High, Face},
        {"etched, effects ignored", 2, Look::Disabled, 3, Shadow, High, Face},
        {"greyed", 5, Look::Disabled, 1, Shadow, Face, Face},
        {"XP disabled", 3, Look::Disabled, 0, rgb(136, 136, 110), {}, {}},
        {"KDE disabled", 14, Look::Disabled, 0, Face, High, {}},
        {"KDE pressed", 14, Look::Down, 0, High, rgb(78, 78, 78), {}},
        {"embossed", 7, Look::Up, 1, Black, rgb(152, 152, 152), rgb(232, 232, 232)},
        {"engraved", 7, Look::Up, 2, Black, rgb(232, 232, 232), rgb(152, 152, 152)},
        {"shadowed", 7, Look::Up, 3, Black, rgb(152, 152, 152), Face},
        {"values above 3 shadow", 7, Look::Up, 9, Black, rgb(152, 152, 152), Face},
        {"pressed embossed", 12, Look::Down, 1, Black, rgb(152, 152, 152), rgb(232, 232, 232)},
        {"Windows XP effect on the raised face", 3, Look::Up, 3, Black, rgb(200, 200, 200), {}},
        {"Mac pressed effect on the pressed body", 4, Look::Down, 3, Light, rgb(72, 72, 72), {}},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = blockButton(c.style, c.look, c.effect);
        const std::optional<QRect> ink = block(control, c.top);
        ASSERT_TRUE(ink.has_value());
        EXPECT_GT(ink->width(), 3);
        EXPECT_GT(ink->height(), 3);
        if (c.below) {
            EXPECT_EQ(pixel(control, ink->right() + 1, ink->bottom() + 1), rgbText(*c.below));
        }
        if (c.above) {
            EXPECT_EQ(pixel(control, ink->left() - 1, ink->top() - 1), rgbText(*c.above));
        }
        delete widgetOf(control);
    }
}

TEST_F(CaptionModeTest, PressedCaptionMovesByOnePixelExceptJavaMetal) {
    struct Case {
        int style;
        int shift;
    };
    for (const Case& c : {Case{7, 1}, Case{1, 1}, Case{9, 1}, Case{5, 0}}) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        brizel::IBrizel* up = blockButton(c.style, Look::Up, 0);
        brizel::IBrizel* down = blockButton(c.style, Look::Down, 0);
        const std::optional<QRect> upInk = block(up, Black);
        const std::optional<QRect> downInk = block(down, Black);
        ASSERT_TRUE(upInk && downInk);
        EXPECT_EQ(downInk->topLeft(), upInk->topLeft() + QPoint(c.shift, c.shift));
        EXPECT_EQ(downInk->size(), upInk->size());
    }
}

TEST_F(CaptionModeTest, JavaMetalPressedCaptionHasNoEffectCopies) {
    brizel::IBrizel* control = blockButton(5, Look::Down, 3);
    const std::optional<QRect> ink = block(control, Black);
    ASSERT_TRUE(ink.has_value());
    // The pressed body: ShadowColor shaded by +16.
    EXPECT_EQ(pixel(control, ink->right() + 1, ink->bottom() + 1), rgbText(rgb(144, 144, 144)));
}

TEST_F(CaptionModeTest, MacPressedBodyLeavesTheRaisedFaceAsItWas) {
    brizel::IBrizel* control = blockButton(4, Look::Down, 3);
    control->setValue(0);
    // Back up: the caption's shadow copy takes RaisedFaceColor (the face by +48) shaded by -40.
    const std::optional<QRect> ink = block(control, Black);
    ASSERT_TRUE(ink.has_value());
    EXPECT_EQ(pixel(control, ink->right() + 1, ink->bottom() + 1), rgbText(rgb(200, 200, 200)));
}

TEST_F(CaptionModeTest, HoverUsesTheHoverTextColourAndOfficeXpItsHoverFace) {
    showWindow();
    struct Case {
        const char* name;
        int style;
        int32_t scheme;
        uint32_t top;
        uint32_t below;
    };
    const Case cases[] = {
        // Custom face (100,150,200), ForeOver (200,0,0): the shadow copy is the face by -40.
        {"Custom hover text", 7, 2, rgb(200, 0, 0), rgb(60, 110, 160)},
        // Force Standard HoverFaceColor (173,173,209) by -40.
        {"Office XP hover face", 9, 3, Black, rgb(133, 133, 169)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = blockButton(c.style, Look::Up, 3);
        control->setColorScheme(c.scheme);
        control->setBackColor(rgb(100, 150, 200));
        control->setBackOver(rgb(100, 150, 200));
        control->setForeOver(rgb(200, 0, 0));
        widgetOf(control)->show();
        pointTo(widgetOf(control), QPoint(3, 3));
        const std::optional<QRect> ink = block(control, c.top);
        ASSERT_TRUE(ink.has_value());
        EXPECT_EQ(pixel(control, ink->right() + 1, ink->bottom() + 1), rgbText(c.below));
        pointAway();
        delete widgetOf(control);
    }
}

TEST_F(CaptionModeTest, JavaMetalFramesItsCaptionWhenFocused) {
    showWindow();
    const uint32_t frame = rgb(153, 153, 204);
    for (bool focusIndication : {true, false}) {
        SCOPED_TRACE(focusIndication ? "with focus indication" : "without");
        brizel::IBrizel* control = blockButton(5, Look::Up, 0);
        control->setShowFocusRect(focusIndication ? -1 : 0);
        widgetOf(control)->show();
        widgetOf(control)->setFocus();
        ASSERT_TRUE(widgetOf(control)->hasFocus());
        const std::optional<QRect> box = block(control, frame);
        const std::optional<QRect> ink = block(control, Black);
        ASSERT_TRUE(ink.has_value());
        EXPECT_EQ(box.has_value(), focusIndication);
        if (box) {
            EXPECT_TRUE(box->contains(*ink));
        }
        delete widgetOf(control);
    }
}
