// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>

// One part of a flower drawing: a closed area (filled in the finished picture) or an open line.
struct Shape {
    QPainterPath path;
    QColor fill;       // invalid for a line
    QColor lineColour; // a line's colour in the finished picture; invalid: the outline colour
    int step = 1;      // the step (1 to 5) that first shows it
    int layer = 0;     // painting order: higher layers cover lower ones
};
