// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

#include <QTest>
#include <functional>

using brizel::rgb;

namespace {

constexpr uint32_t Face = rgb(100, 150, 200);      // BackColor of the Custom scheme
constexpr uint32_t Shadow = rgb(36, 86, 136);      // Face shaded by -64
constexpr uint32_t SoftShadow = rgb(68, 118, 168); // by -32 with SoftBevel
constexpr uint32_t CaptionDown = rgb(200, 0, 0);   // ForeOver: the pressed caption
constexpr QChar FullBlock(0x2588);                 // covers its whole character cell

} // namespace

class RepaintTest : public BrizelTest {
protected:
    void SetUp() override {
        BrizelTest::SetUp();
        showWindow();
    }
    void press(QWidget* widget) { QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12)); }
    void release(QWidget* widget) {
        QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
    }
};

// A button shows its up and down looks over and over while it is clicked; whatever changes between two
// clicks must show in the next down look all the same.
TEST_F(RepaintTest, ChangesBetweenClicksShowInTheNextDownLook) {
    struct Case {
        const char* name;
        std::function<void(brizel::IBrizel*, QWidget*)> change;
        QPoint at;
        uint32_t before;
        uint32_t after;
    };
    const Case cases[] = {
        {"BackColor",
         [](brizel::IBrizel* c, QWidget*) { c->setBackColor(rgb(10, 200, 30)); },
         {20, 12},
         Face,
         rgb(10, 200, 30)},
        {"ColorScheme",
         [](brizel::IBrizel* c, QWidget*) { c->setColorScheme(3); },
         {20, 12},
         Face,
         rgb(192, 192, 192)},
        {"SoftBevel",
         [](brizel::IBrizel* c, QWidget*) { c->setSoftBevel(brizel::True); },
         {1, 10},
         Shadow,
         SoftShadow},
        {"ButtonType Simple Flat: one ring",
         [](brizel::IBrizel* c, QWidget*) { c->setButtonType(int32_t(brizel::ButtonTypes::SimpleFlat)); },
         {2, 10},
         Shadow,
         Face},
        {"ShowFocusRect: the clicked button's dots, inverted against black text",
         [](brizel::IBrizel* c, QWidget*) { c->setShowFocusRect(brizel::True); },
         {4, 4},
         Face,
         rgb(155, 105, 55)},
        {"Caption",
         [](brizel::IBrizel* c, QWidget*) { c->setCaption(QString(2, FullBlock)); },
         {21, 13},
         Face,
         CaptionDown},
        {"FontSize of the caption",
         [](brizel::IBrizel* c, QWidget*) {
             c->setCaption(QString(FullBlock));
             c->setFontSize(20);
         },
         {14, 13},
         Face,
         CaptionDown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = create();
        control->setButtonType(int32_t(brizel::ButtonTypes::Windows16Bit));
        control->setColorScheme(2);
        control->setBackColor(Face);
        control->setForeColor(rgb(0, 0, 0));
        control->setForeOver(CaptionDown);
        control->setFontSize(6);
        control->setShowFocusRect(brizel::False);
        QWidget* widget = widgetOf(control);
        widget->show();
        press(widget);
        EXPECT_EQ(pixel(control, c.at.x(), c.at.y()), rgbText(c.before));
        release(widget);

        c.change(control, widget);
        press(widget);
        EXPECT_EQ(pixel(control, c.at.x(), c.at.y()), rgbText(c.after));
        release(widget);
        delete widget;
    }
}
