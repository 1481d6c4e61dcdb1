// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace {

// The squared gap between two rectangles; 0 when they touch or overlap.
qint64 gap(const QRect& a, const QRect& b) {
    const qint64 dx = std::max({0, b.left() - a.right() - 1, a.left() - b.right() - 1});
    const qint64 dy = std::max({0, b.top() - a.bottom() - 1, a.top() - b.bottom() - 1});
    return dx * dx + dy * dy;
}

// The start of a window of `length` inside [first, first + room): as close to `start` as it fits,
// aligned to the first edge when it is longer than the room.
int inside(int start, int length, int first, int room) {
    return std::max(first, std::min(start, first + room - length));
}
} // namespace

QList<ScreenPlacement::Screen> ScreenPlacement::screens() {
    QList<Screen> result;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        result.append({primary->geometry(), primary->availableGeometry()});
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            result.append({screen->geometry(), screen->availableGeometry()});
    }
    return result;
}

QPoint ScreenPlacement::reachable(const QRect& frame, const QList<Screen>& screens) {
    const Screen* nearest = nullptr;
    qint64 nearestGap = std::numeric_limits<qint64>::max();
    for (const Screen& screen : screens) {
        if (screen.geometry.intersects(frame))
            return frame.topLeft();
        const qint64 distance = gap(frame, screen.geometry);
        if (distance < nearestGap) {
            nearestGap = distance;
            nearest = &screen;
        }
    }
    if (!nearest)
        return frame.topLeft();
    const QRect& area = nearest->available.isValid() ? nearest->available : nearest->geometry;
    return {inside(frame.left(), frame.width(), area.left(), area.width()),
            inside(frame.top(), frame.height(), area.top(), area.height())};
}

QPoint ScreenPlacement::withinReach(const QRect& frame, const QList<Screen>& screens, int keep) {
    const int keepX = std::min(keep, frame.width());
    const int keepY = std::min(keep, frame.height());
    QPoint nearest = frame.topLeft();
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (const Screen& screen : screens) {
        const QRect& area = screen.available.isValid() ? screen.available : screen.geometry;
        const QPoint place(
            std::max(area.left() - frame.width() + keepX, std::min(frame.left(), area.right() + 1 - keepX)),
            std::max(area.top() - frame.height() + keepY, std::min(frame.top(), area.bottom() + 1 - keepY)));
        const QPoint shift = place - frame.topLeft();
        const qint64 distance = qint64{shift.x()} * shift.x() + qint64{shift.y()} * shift.y();
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = place;
        }
    }
    return nearest;
}

std::optional<QPoint> ScreenPlacement::clearOf(const QRect& frame, const QList<QRect>& keepClear,
                                               const QList<Screen>& screens) {
    const auto clear = [&](const QRect& place) {
        return std::none_of(keepClear.begin(), keepClear.end(),
                            [&](const QRect& kept) { return place.intersects(kept); });
    };
    if (keepClear.isEmpty() || clear(frame))
        return frame.topLeft();
    constexpr int Gap = 8;
    constexpr int Far = std::numeric_limits<int>::max();
    const QRect& first = keepClear.first();
    const QPoint onScreen = withinReach(frame, screens, Far);
    const int besideLeft = first.right() + 1 + Gap;
    const QList<QPoint> candidates = {
        {frame.left(), first.top() - Gap - frame.height()},
        {besideLeft, onScreen.y()},
        {besideLeft, -Far / 2},
    };
    for (const QPoint& candidate : candidates) {
        const QRect moved(withinReach(QRect(candidate, frame.size()), screens, Far), frame.size());
        if (clear(moved))
            return moved.topLeft();
    }
    return std::nullopt;
}
