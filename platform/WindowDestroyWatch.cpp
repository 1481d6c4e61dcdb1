// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowDestroyWatch.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define PINSOLA_HAS_XCB 1
#endif

WindowDestroyWatch::WindowDestroyWatch(QWidget* window) : QObject(window), m_window(window) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowDestroyWatch::~WindowDestroyWatch() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

// Qt destroying the window itself clears its id first, so only a destruction from outside matches.
bool WindowDestroyWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#ifdef PINSOLA_HAS_XCB
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
    if (m_window->internalWinId() != 0 && destroyed->window == m_window->internalWinId())
        QTimer::singleShot(0, this, &WindowDestroyWatch::windowDestroyed);
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}
