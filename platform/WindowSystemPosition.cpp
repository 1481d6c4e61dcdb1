// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowSystemPosition.h"

#include <QWidget>

#ifdef PINSOLA_XCB
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cstdlib>
#include <memory>
#include <optional>
#include <xcb/xcb.h>
#endif

namespace {

#ifdef PINSOLA_XCB
template <typename Reply> using ReplyOf = std::unique_ptr<Reply, decltype(&std::free)>;

// The top left corner of the window's client area on its screen, in the X server's pixels.
std::optional<QPoint> serverOrigin(xcb_connection_t* connection, xcb_window_t window) {
    const ReplyOf<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    if (!geometry)
        return std::nullopt;
    const ReplyOf<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, window, geometry->root, 0, 0), nullptr),
        &std::free);
    if (!origin)
        return std::nullopt;
    return QPoint(origin->dst_x, origin->dst_y);
}

// Qt scales a window's place about its screen's top left corner, which keeps its position.
QPoint toLogical(QPoint native, const QWidget* window) {
    const QScreen* screen = window->screen();
    const QPoint corner = screen ? screen->geometry().topLeft() : QPoint();
    const QPointF scaled = QPointF(native - corner) / window->devicePixelRatioF();
    return corner + scaled.toPoint();
}
#endif

} // namespace

void WindowSystemPosition::settle(QWidget* window) {
#ifdef PINSOLA_XCB
    // Qt's windowless platforms may speak to an X server too, for other ends.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || !window->isWindow() || !window->isVisible() || !window->windowHandle())
        return;
    const std::optional<QPoint> native =
        serverOrigin(x11->connection(), static_cast<xcb_window_t>(window->winId()));
    if (!native)
        return;
    const QPoint offset = toLogical(*native, window) - window->geometry().topLeft();
    // Scaling rounds by a pixel at most; a stale record is off by more.
    if (std::abs(offset.x()) > 1 || std::abs(offset.y()) > 1)
        window->move(window->pos() + offset);
#else
    Q_UNUSED(window);
#endif
}
