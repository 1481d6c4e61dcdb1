// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using brizel::rgb;

namespace {

constexpr uint32_t Up = sys::Highlight;    // Windows 32-bit: left edge light when up
constexpr uint32_t Down = sys::DarkShadow; // and dark when down

} // namespace

class InputTest : public BrizelTest {
protected:
    void SetUp() override {
        BrizelTest::SetUp();
        showWindow();
    }
    brizel::IBrizel* shownButton(int style = 2, QPoint at = QPoint(10, 10)) {
        brizel::IBrizel* control = create();
        control->setButtonType(style);
        QWidget* widget = widgetOf(control);
        widget->move(at);
        widget->show();
        return control;
    }
    std::string leftEdge(brizel::IBrizel* control) { return pixel(control, 0, 10); }
    QTimer* overTimer(brizel::IBrizel* control) { return widgetOf(control)->findChild<QTimer*>("OverTimer"); }
    const QPoint centre{20, 12};
};

TEST_F(InputTest, MouseButtonsRaiseTheirEventsAndLooks) {
    struct Case {
        const char* name;
        Qt::MouseButton button;
        uint32_t lookWhilePressed;
        QStringList events;
    };
    const Case cases[] = {
        {"left", Qt::LeftButton, Down, {"MouseDown 1 0 20 12", "MouseUp 1", "Click"}},
        {"right", Qt::RightButton, Up, {"MouseDown 2 0 20 12", "MouseUp 2"}},
        {"middle", Qt::MiddleButton, Down, {"MouseDown 4 0 20 12", "MouseUp 4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = shownButton();
        QWidget* widget = widgetOf(control);
        QCursor::setPos(widget->mapToGlobal(centre));
        log.events.clear();
        QTest::mousePress(widget, c.button, Qt::NoModifier, centre);
        EXPECT_EQ(leftEdge(control), rgbText(c.lookWhilePressed));
        QTest::mouseRelease(widget, c.button, Qt::NoModifier, centre);
        EXPECT_EQ(leftEdge(control), rgbText(Up));
        EXPECT_EQ(log.withoutMoves(), c.events);
        delete widget;
    }
}

TEST_F(InputTest, MouseDownHandlerTurningTheButtonRightKeepsItUp) {
    brizel::IBrizel* control = shownButton();
    log.onMouseDownButton = [](int16_t& button) { button = 2; };
    QTest::mousePress(widgetOf(control), Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(leftEdge(control), rgbText(Up));
    QTest::mouseRelease(widgetOf(control), Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_FALSE(log.events.contains("Click"));
}

TEST_F(InputTest, ToggleInvertsValueBeforeClick) {
    brizel::IBrizel* control = shownButton();
    control->setCheckBoxBehaviour(-1);
    QList<int> valuesSeen;
    log.onClick = [&] { valuesSeen << control->Value(); };
    QTest::mouseClick(widgetOf(control), Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(leftEdge(control), rgbText(Down)); // a checked toggle stays down
    QTest::keyClick(widgetOf(control), Qt::Key_Space);
    EXPECT_EQ(leftEdge(control), rgbText(Up));
    EXPECT_EQ(valuesSeen, (QList<int>{-1, 0}));
    log.events.clear();
    control->setValue(-1);
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_EQ(leftEdge(control), rgbText(Down));
}

TEST_F(InputTest, SpaceRepeatsKeyDownButPaintsOnceAndClicksOnce) {
    brizel::IBrizel* control = shownButton();
    QWidget* widget = widgetOf(control);
    widget->setFocus();
    const quint64 before = control->PaintCount();
    QTest::keyPress(widget, Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(widget, &repeat);
    QApplication::sendEvent(widget, &repeat);
    EXPECT_EQ(control->PaintCount(), before + 1);
    EXPECT_EQ(leftEdge(control), rgbText(Down));
    QTest::keyRelease(widget, Qt::Key_Space);
    EXPECT_EQ(leftEdge(control), rgbText(Up));
    EXPECT_EQ(log.events, (QStringList{"KeyDown 32 0", "KeyPress 32", "KeyDown 32 0", "KeyPress 32",
                                       "KeyDown 32 0", "KeyPress 32", "KeyUp 32", "Click"}));
}

TEST_F(InputTest, SpaceReleasedAfterTheFocusMovedAwayDoesNotClick) {
    brizel::IBrizel* first = shownButton(2, QPoint(10, 10));
    brizel::IBrizel* second = shownButton(2, QPoint(10, 50));
    widgetOf(first)->setFocus();
    QTest::keyPress(widgetOf(first), Qt::Key_Space);
    QTest::mouseClick(widgetOf(second), Qt::RightButton, Qt::NoModifier, centre);
    ASSERT_TRUE(widgetOf(second)->hasFocus());
    log.events.clear();
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(log.events.contains("Click"));
}

TEST_F(InputTest, KeyDownHandlerClearingTheKeyStopsSpaceAndArrows) {
    brizel::IBrizel* first = shownButton(2, QPoint(10, 10));
    brizel::IBrizel* second = shownButton(2, QPoint(10, 50));
    widgetOf(first)->setFocus();
    QTest::keyClick(widgetOf(first), Qt::Key_Right);
    EXPECT_TRUE(widgetOf(second)->hasFocus());
    QTest::keyClick(widgetOf(second), Qt::Key_Up);
    EXPECT_TRUE(widgetOf(first)->hasFocus());

    log.onKeyDownCode = [](int16_t& keyCode) { keyCode = 0; };
    QTest::keyClick(widgetOf(first), Qt::Key_Down);
    EXPECT_TRUE(widgetOf(first)->hasFocus());
    log.events.clear();
    QTest::keyPress(widgetOf(first), Qt::Key_Space);
    EXPECT_EQ(leftEdge(first), rgbText(Up));
    QTest::keyRelease(widgetOf(first), Qt::Key_Space);
    EXPECT_FALSE(log.events.contains("Click"));
}

TEST_F(InputTest, DisabledButtonGetsNoInput) {
    brizel::IBrizel* control = shownButton();
    control->setEnabled(0);
    QTest::mouseClick(widgetOf(control), Qt::LeftButton, Qt::NoModifier, centre);
    control->AccessKeyPressed();
    EXPECT_TRUE(log.withoutMoves().isEmpty()) << log.events.join(", ").toStdString();
}

TEST_F(InputTest, DoubleClickPressesAgainAtTheOrigin) {
    brizel::IBrizel* control = shownButton();
    QWidget* widget = widgetOf(control);
    // Through the window, as the window system delivers it: press, release, double click, release.
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->pos() + centre);
    EXPECT_EQ(log.withoutMoves(),
              (QStringList{"MouseDown 1 0 20 12", "MouseUp 1", "Click", "MouseDown 1 0 0 0", "MouseUp 1"}));
    EXPECT_EQ(leftEdge(control), rgbText(Up));
}

TEST_F(InputTest, OtherButtonsDoubleClickedPressTwice) {
    struct Case {
        const char* name;
        Qt::MouseButton button;
        QStringList events;
    };
    const Case cases[] = {
        {"right", Qt::RightButton, {"MouseDown 2 0 20 12", "MouseUp 2", "MouseDown 2 0 20 12", "MouseUp 2"}},
        {"middle",
         Qt::MiddleButton,
         {"MouseDown 4 0 20 12", "MouseUp 4", "MouseDown 4 0 20 12", "MouseUp 4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = shownButton();
        QWidget* widget = widgetOf(control);
        log.events.clear();
        QTest::mouseDClick(window->windowHandle(), c.button, Qt::NoModifier, widget->pos() + centre);
        EXPECT_EQ(log.withoutMoves().join(", ").toStdString(), c.events.join(", ").toStdString());
        EXPECT_EQ(leftEdge(control), rgbText(Up));
        delete widget;
    }
}

TEST_F(InputTest, AccessKeyClicksFromTheKeyboard) {
    brizel::IBrizel* control = shownButton();
    control->setCaption(QStringLiteral("&Save"));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(log.withoutMoves(), QStringList{"Click"});
}

TEST_F(InputTest, HoverStartsThePollAndLeavingStopsIt) {
    brizel::IBrizel* control = shownButton(3);
    QTimer* timer = overTimer(control);
    ASSERT_NE(timer, nullptr);
    pointAway();
    EXPECT_FALSE(timer->isActive());
    // A motion makes the poll quick (3 ms); at rest it asks less and less often, up to every 96 ms. A
    // busy machine may let a few polls pass before the check, each doubling the interval.
    constexpr int AtRest = 96;
    pointTo(widgetOf(control), centre);
    EXPECT_TRUE(timer->isActive());
    EXPECT_LT(timer->interval(), AtRest);
    EXPECT_EQ(log.withoutMoves(), QStringList{"MouseOver"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return timer->interval() == AtRest; }, 3000));
    pointTo(widgetOf(control), QPoint(22, 13));
    EXPECT_LT(timer->interval(), AtRest) << "the next motion makes it quick again";
    EXPECT_EQ(log.withoutMoves(), QStringList{"MouseOver"});
    pointAway();
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.events.contains("MouseOut"); }, 3000));
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(log.withoutMoves(), (QStringList{"MouseOver", "MouseOut"}));
}

TEST_F(InputTest, LeavingThroughACutCornerOrOutsideTheOvalCountsAsLeaving) {
    struct Case {
        int style;
        QPoint outsideShape;
    };
    const Case cases[] = {{3, {0, 0}}, {4, {39, 1}}, {13, {2, 1}}, {13, {38, 22}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        brizel::IBrizel* control = shownButton(c.style);
        log.events.clear();
        pointTo(widgetOf(control), centre);
        pointTo(widgetOf(control), c.outsideShape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return log.events.contains("MouseOut"); }, 3000));
        EXPECT_FALSE(overTimer(control)->isActive());
        delete widgetOf(control);
    }
}

TEST_F(InputTest, DraggingOutAndBackPopsTheButtonUpAndDown) {
    brizel::IBrizel* control = shownButton();
    QWidget* widget = widgetOf(control);
    pointTo(widget, centre);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(leftEdge(control), rgbText(Down));
    const QPoint outside(60, 12);
    QCursor::setPos(widget->mapToGlobal(outside));
    QMouseEvent dragOut(QEvent::MouseMove, outside, widget->mapToGlobal(outside), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &dragOut);
    EXPECT_EQ(leftEdge(control), rgbText(Up));
    QCursor::setPos(widget->mapToGlobal(centre));
    QMouseEvent dragIn(QEvent::MouseMove, centre, widget->mapToGlobal(centre), Qt::NoButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(widget, &dragIn);
    EXPECT_EQ(leftEdge(control), rgbText(Down));
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(log.withoutMoves().last(), QStringLiteral("Click"));
}

TEST_F(InputTest, DragInsideEndsTheHoverWithoutMouseOutSoTheNextMoveRaisesMouseOverAgain) {
    brizel::IBrizel* control = shownButton(3);
    QWidget* widget = widgetOf(control);
    pointAway();
    pointTo(widget, centre);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, centre);
    const QPoint inside(24, 14);
    QCursor::setPos(widget->mapToGlobal(inside));
    QMouseEvent drag(QEvent::MouseMove, inside, widget->mapToGlobal(inside), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &drag);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, inside);
    EXPECT_TRUE(overTimer(control)->isActive());
    pointTo(widget, centre);
    EXPECT_EQ(log.withoutMoves().join(", ").toStdString(),
              "MouseOver, MouseDown 1 0 20 12, MouseUp 1, Click, MouseOver");
}
