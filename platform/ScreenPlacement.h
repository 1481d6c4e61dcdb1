#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

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
} // namespace ScreenPlacement
