// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

void FirstPaint::then(QWidget* window, std::function<void()> next) {
    new FirstPaint(window, std::move(next));
}

FirstPaint::FirstPaint(QWidget* window, std::function<void()> next)
    : QObject(window), m_next(std::move(next)) {
    window->installEventFilter(this);
}

// The paint and the flush to the screen finish within this event's delivery; the zero timer runs
// after them.
bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            m_next();
            deleteLater();
        });
    }
    return false;
}
