// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shapes.h"

#include <QPainterPathStroker>
#include <QTransform>

#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;
double radians(double degrees) {
    return degrees * Pi / 180.0;
}
} // namespace

QPointF Shapes::at(QPointF centre, double angle, double distance) {
    return centre + QPointF(std::sin(radians(angle)), -std::cos(radians(angle))) * distance;
}

QPainterPath Shapes::placed(const QPainterPath& local, QPointF centre, double angle) {
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(angle);
    return transform.map(local);
}

QPainterPath Shapes::circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath Shapes::ellipse(QPointF centre, double rx, double ry, double angle) {
    QPainterPath local;
    local.addEllipse(QPointF(0, 0), rx, ry);
    return placed(local, centre, angle);
}

QPainterPath Shapes::petal(QPointF centre, double angle, double from, double to, double width,
                           double roundness) {
    const double len = to - from;
    const double w = width * 0.66;
    QPainterPath local;
    local.moveTo(0, -from);
    local.cubicTo(w * 0.8, -(from + len * 0.2), w * (0.2 + 0.75 * roundness),
                  -(from + len * (0.8 + 0.3 * roundness)), 0, -to);
    local.cubicTo(-w * (0.2 + 0.75 * roundness), -(from + len * (0.8 + 0.3 * roundness)), -w * 0.8,
                  -(from + len * 0.2), 0, -from);
    local.closeSubpath();
    return placed(local, centre, angle);
}

QPainterPath Shapes::heartPetal(QPointF centre, double angle, double from, double to, double width) {
    const double len = to - from;
    const double w = width / 2;
    QPainterPath local;
    local.moveTo(0, -from);
    local.cubicTo(w * 0.9, -(from + len * 0.25), w * 1.15, -(to + len * 0.02), w * 0.45, -to);
    local.quadTo(w * 0.12, -to, 0, -(to - len * 0.14));
    local.quadTo(-w * 0.12, -to, -w * 0.45, -to);
    local.cubicTo(-w * 1.15, -(to + len * 0.02), -w * 0.9, -(from + len * 0.25), 0, -from);
    local.closeSubpath();
    return placed(local, centre, angle);
}

QPainterPath Shapes::frilledPetal(QPointF centre, double angle, double from, double to, double width,
                                  int teeth) {
    const double len = to - from;
    const double w = width / 2;
    const double depth = len * 0.14;
    QPainterPath local;
    local.moveTo(0, -from);
    local.cubicTo(w * 0.5, -(from + len * 0.3), w, -(to - len * 0.4), w, -(to - depth));
    for (int i = 0; i < teeth; ++i) {
        const double left = w - 2 * w * (i + 1) / teeth;
        const double middle = w - 2 * w * (i + 0.5) / teeth;
        local.lineTo(middle, -to);
        local.lineTo(left, -(to - depth));
    }
    local.cubicTo(-w, -(to - len * 0.4), -w * 0.5, -(from + len * 0.3), 0, -from);
    local.closeSubpath();
    return placed(local, centre, angle);
}

QPainterPath Shapes::bell(QPointF top, double angle, double length, double width, int lobes) {
    const double half = width / 2;
    QPainterPath local;
    local.moveTo(-half * 0.3, 0);
    local.cubicTo(-half * 0.8, -length * 0.15, -half * 0.7, -length * 0.7, -half, -length);
    for (int i = 0; i < lobes; ++i) {
        const double x0 = -half + width * i / lobes;
        const double x1 = -half + width * (i + 1) / lobes;
        local.quadTo((x0 + x1) / 2, -length * 1.16, x1, -length);
    }
    local.cubicTo(half * 0.7, -length * 0.7, half * 0.8, -length * 0.15, half * 0.3, 0);
    local.quadTo(0, length * 0.06, -half * 0.3, 0);
    local.closeSubpath();
    return placed(local, top, angle);
}

QPainterPath Shapes::leaf(QPointF base, double angle, double length, double width) {
    return petal(base, angle, 0, length, width, 0.15);
}

QPainterPath Shapes::toothedLeaf(QPointF base, double angle, double length, double width, int teeth) {
    QPolygonF right;
    QPolygonF left;
    const int points = 2 * teeth;
    for (int i = 1; i < points; ++i) {
        const double t = double(i) / points;
        const double half = width / 2 * std::sin(Pi * t) * (i % 2 == 1 ? 1.0 : 0.72);
        const double y = -length * (t + (i % 2 == 1 ? 0.04 : 0.0));
        right << QPointF(half, y);
        left.prepend(QPointF(-half, y));
    }
    QPolygonF outline;
    outline << QPointF(0, 0) << right << QPointF(0, -length) << left;
    return placed(polygon(outline), base, angle);
}

QPainterPath Shapes::vein(QPointF base, double angle, double length) {
    QPainterPath local;
    local.moveTo(0, -length * 0.12);
    local.quadTo(length * 0.03, -length * 0.5, 0, -length * 0.8);
    return placed(local, base, angle);
}

QPainterPath Shapes::stem(QPointF from, QPointF to, double bend, double width) {
    const QPointF middle = (from + to) / 2;
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF side = length > 0 ? QPointF(-along.y(), along.x()) / length : QPointF();
    return band(curve(from, middle + side * bend, to), width);
}

QPainterPath Shapes::band(const QPainterPath& spine, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(spine).simplified();
}

QPainterPath Shapes::curve(QPointF from, QPointF control, QPointF to) {
    QPainterPath path;
    path.moveTo(from);
    path.quadTo(control, to);
    return path;
}

QPainterPath Shapes::polyline(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points);
    return path;
}

QPainterPath Shapes::polygon(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// Catmull-Rom through the points, closed, as cubic segments.
QPainterPath Shapes::blob(const QPolygonF& points) {
    QPainterPath path;
    const qsizetype n = points.size();
    if (n < 3)
        return path;
    path.moveTo(points[0]);
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF p0 = points[(i + n - 1) % n];
        const QPointF p1 = points[i];
        const QPointF p2 = points[(i + 1) % n];
        const QPointF p3 = points[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Shapes::arc(QPointF centre, double radius, double startAngle, double span) {
    QPainterPath path;
    const int segments = std::max(4, int(std::abs(span) / 6));
    for (int i = 0; i <= segments; ++i) {
        const QPointF point = at(centre, startAngle + span * i / segments, radius);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath Shapes::toothedCircle(QPointF centre, double radius, double depth, int teeth) {
    QPolygonF points;
    for (int i = 0; i < 2 * teeth; ++i)
        points << at(centre, 180.0 * i / teeth, i % 2 == 0 ? radius : radius - depth);
    return polygon(points);
}
