// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

// Keeps a window where the user can reach it: a position stored on a larger desktop, or on a screen that
// has been removed since, must not leave a window out of sight.
namespace ScreenPlacement {
struct Screen {
    QRect geometry;
    // The part not taken by panels and task bars.
    QRect available;
};

// The screens of the running system, the primary one first.
QList<Screen> screens();

// Where a window of `frame` (pixels) goes: where it is when it lies at least partly on a screen;
// otherwise onto the nearest screen, inside its available part as far as the window fits there.
QPoint reachable(const QRect& frame, const QList<Screen>& screens);

// Where a window of `frame` that the user drags may go: where it is while `keep` pixels of it, each way,
// lie on the available part of a screen; otherwise the nearest place that keeps them there, so the
// window can always be taken again.
QPoint withinReach(const QRect& frame, const QList<Screen>& screens, int keep);

// Where a window of `frame` goes so that it covers nothing of `keepClear` (other windows' controls, the
// first above all): where it is when it covers none of them; otherwise wholly on a screen above the
// first, or to its right, level with where it is or at the screen's top. Nothing where the screen has no
// such place.
std::optional<QPoint> clearOf(const QRect& frame, const QList<QRect>& keepClear,
                              const QList<Screen>& screens);
} // namespace ScreenPlacement
