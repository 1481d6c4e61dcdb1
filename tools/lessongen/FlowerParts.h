// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LessonBuilder.h"

#include <QPointF>

// Parts that many flowers share, added to a lesson in the current step.
class FlowerParts {
public:
    static constexpr double Ground = 292;

    // A ring of `count` equal petals starting at `firstAngle`.
    static void petalRing(LessonBuilder& b, QPointF centre, int count, double firstAngle, double from,
                          double to, double width, double roundness, const QColor& fill);
    static void stem(LessonBuilder& b, QPointF top, double bend, double width = 10);
    // A leaf with its middle vein.
    static void leaf(LessonBuilder& b, QPointF base, double angle, double length, double width);
    static void toothedLeaf(LessonBuilder& b, QPointF base, double angle, double length, double width,
                            int teeth = 5);
    static void dots(LessonBuilder& b, QPointF centre, int count, double distance, double radius,
                     const QColor& fill);
};
