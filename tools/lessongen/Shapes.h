// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

// The shapes flowers are drawn from. Angles are in degrees, 0 pointing up, growing clockwise; a petal
// at angle a around centre c reaches from distance `from` to distance `to` from c.
class Shapes {
public:
    static QPainterPath circle(QPointF centre, double radius);
    static QPainterPath ellipse(QPointF centre, double rx, double ry, double angle = 0);
    // roundness 0 gives a pointed tip, 1 a broad round one.
    static QPainterPath petal(QPointF centre, double angle, double from, double to, double width,
                              double roundness = 0.5);
    // A broad petal with a notch in its outer edge (primrose, cherry blossom).
    static QPainterPath heartPetal(QPointF centre, double angle, double from, double to, double width);
    // A petal whose outer edge is cut into teeth (carnation, cosmos, cornflower).
    static QPainterPath frilledPetal(QPointF centre, double angle, double from, double to, double width,
                                     int teeth);
    // A bell hanging from `top` in direction `angle`, its mouth cut into round lobes.
    static QPainterPath bell(QPointF top, double angle, double length, double width, int lobes);
    static QPainterPath leaf(QPointF base, double angle, double length, double width);
    // A leaf with a saw-toothed edge (dandelion, rose, chrysanthemum).
    static QPainterPath toothedLeaf(QPointF base, double angle, double length, double width, int teeth);
    // The middle vein of that leaf.
    static QPainterPath vein(QPointF base, double angle, double length);
    // A stem as an area: a band of the given width along a curve bent sideways by `bend`.
    static QPainterPath stem(QPointF from, QPointF to, double bend, double width);
    // Any open line turned into an area of the given width.
    static QPainterPath band(const QPainterPath& spine, double width);
    static QPainterPath curve(QPointF from, QPointF control, QPointF to);
    static QPainterPath polyline(const QPolygonF& points);
    static QPainterPath polygon(const QPolygonF& points);
    // A smooth closed shape through the points.
    static QPainterPath blob(const QPolygonF& points);
    static QPainterPath arc(QPointF centre, double radius, double startAngle, double span);
    // A circle with a zig-zag edge.
    static QPainterPath toothedCircle(QPointF centre, double radius, double depth, int teeth);
    static QPointF at(QPointF centre, double angle, double distance);

private:
    static QPainterPath placed(const QPainterPath& local, QPointF centre, double angle);
};
