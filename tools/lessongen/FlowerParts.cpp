// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlowerParts.h"

#include "Colours.h"
#include "Shapes.h"

void FlowerParts::petalRing(LessonBuilder& b, QPointF centre, int count, double firstAngle, double from,
                            double to, double width, double roundness, const QColor& fill) {
    for (int i = 0; i < count; ++i)
        b.area(Shapes::petal(centre, firstAngle + 360.0 * i / count, from, to, width, roundness), fill);
}

void FlowerParts::stem(LessonBuilder& b, QPointF top, double bend, double width) {
    b.area(Shapes::stem(top, QPointF(top.x(), Ground), bend, width), Colours::StemGreen);
}

void FlowerParts::leaf(LessonBuilder& b, QPointF base, double angle, double length, double width) {
    b.area(Shapes::leaf(base, angle, length, width), Colours::LeafGreen);
    b.line(Shapes::vein(base, angle, length), Colours::DarkGreen);
}

void FlowerParts::toothedLeaf(LessonBuilder& b, QPointF base, double angle, double length, double width,
                              int teeth) {
    b.area(Shapes::toothedLeaf(base, angle, length, width, teeth), Colours::LeafGreen);
    b.line(Shapes::vein(base, angle, length), Colours::DarkGreen);
}

void FlowerParts::dots(LessonBuilder& b, QPointF centre, int count, double distance, double radius,
                       const QColor& fill) {
    for (int i = 0; i < count; ++i)
        b.area(Shapes::circle(Shapes::at(centre, 360.0 * i / count, distance), radius), fill);
}
