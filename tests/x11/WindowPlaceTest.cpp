// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/PreviewFixture.h"

#include "base/VbConvert.h"
#include "color/frmColor.h"
#include "controls/Twips.h"
#include "core/Forms.h"

#include <QGuiApplication>
#include <QSettings>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t idOf(QWidget* window) {
    return static_cast<xcb_window_t>(window->winId());
}

// The window's client area on the screen as the X server has it, in its pixels.
QRect serverGeometry(QWidget* window) {
    xcb_connection_t* c = connection();
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> size(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, idOf(window)), nullptr), &std::free);
    const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> origin(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, idOf(window), size->root, 0, 0),
                                        nullptr),
        &std::free);
    return {origin->dst_x, origin->dst_y, size->width, size->height};
}

// Moves the window on the server while Qt goes on believing it where it was: Qt takes the news in only
// when its event loop runs next.
void moveBehindQtsBack(QWidget* window, QPoint place) {
    xcb_connection_t* c = connection();
    const uint32_t values[] = {static_cast<uint32_t>(place.x()), static_cast<uint32_t>(place.y())};
    xcb_configure_window(c, idOf(window), XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

class WindowPlace : public PreviewTest {
protected:
    void SetUp() override {
        PreviewTest::SetUp();
        ASSERT_TRUE(qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            << "needs the X11 platform";
    }
    // The stored place under `left` and `top` must be `place`, in twips.
    void expectStored(const char* left, const char* top, QPoint place) const {
        const std::unique_ptr<QSettings> settings = home.userSettings();
        const QPointF logical = QPointF(place) / qApp->devicePixelRatio();
        EXPECT_EQ(settings->value(QStringLiteral("Optionen/") + QLatin1String(left)).toInt(),
                  VbConvert::toLong(logical.x() * Twips::perPixelX()));
        EXPECT_EQ(settings->value(QStringLiteral("Optionen/") + QLatin1String(top)).toInt(),
                  VbConvert::toLong(logical.y() * Twips::perPixelY()));
    }
};

// Qt's record of where a window lies can fall behind the window system's (a window manager framing the
// window while Qt asks where it is left it at 0,0): switching the viewer's size must not move it to the
// place in that record, and the place stored at the end must be where the child left it.
TEST_F(WindowPlace, TheViewerStaysWhereTheWindowSystemHasItThoughQtsRecordIsBehind) {
    open();
    const QPoint place(300, 200);
    moveBehindQtsBack(window, place);
    ASSERT_NE(window->geometry().topLeft() * window->devicePixelRatioF(), place);

    const QSize before = serverGeometry(window).size();
    window->bzlButton_Click(Command::SizeSwitch);
    ASSERT_TRUE(QTest::qWaitFor([&] { return serverGeometry(window).size() != before; }));
    EXPECT_EQ(serverGeometry(window).topLeft(), place);

    Forms::unload(window);
    expectStored("PLeft", "Ptop", place);
}

// Closed with its button, the colour window keeps the place it had on the screen for the end of the
// program, where it is stored.
TEST_F(WindowPlace, TheColourWindowClosedWithItsButtonStoresWhereItWasOnTheScreen) {
    frmColor* colours = frmColor::instance();
    colours->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(colours));
    const QPoint place(320, 240);
    moveBehindQtsBack(colours, place);
    colours->bzlButton_Click(0);
    Forms::unload(colours);
    expectStored("CLeft", "CTop", place);
}

} // namespace
