// SPDX-License-Identifier: GPL-3.0-or-later
#include "PenPaths.h"

#include "LessonPainter.h"

#include <QLineF>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace {

constexpr double SampleSpacing = 1.0;
// A sample shows when a pixel of the new-line colour lies this near: the line is 4 pixels wide.
constexpr double ShownWithin = 1.0;
// Pieces shorter than this are specks where a line slips out between two others; nobody draws them.
constexpr int ShortestRun = 4;
// How far the written points may stray from the line they stand for.
constexpr double Tolerance = 0.25;

using Visible = std::function<bool(QPointF)>;

bool closes(const QPolygonF& polygon) {
    return polygon.size() > 2 && QLineF(polygon.first(), polygon.last()).length() < 0.5;
}

// Screen coordinates point down, so a positive sum is clockwise on the screen.
bool clockwise(const QPolygonF& polygon) {
    double sum = 0;
    for (qsizetype i = 0; i + 1 < polygon.size(); ++i)
        sum += polygon[i].x() * polygon[i + 1].y() - polygon[i + 1].x() * polygon[i].y();
    return sum > 0;
}

QPolygonF resampled(const QPolygonF& polygon) {
    QPolygonF samples;
    if (polygon.isEmpty())
        return samples;
    samples << polygon.first();
    double carried = 0;
    for (qsizetype i = 0; i + 1 < polygon.size(); ++i) {
        const QLineF segment(polygon[i], polygon[i + 1]);
        const double length = segment.length();
        double at = SampleSpacing - carried;
        for (; at <= length; at += SampleSpacing)
            samples << segment.pointAt(at / length);
        carried = length - (at - SampleSpacing);
    }
    if (QLineF(samples.last(), polygon.last()).length() > 0.01)
        samples << polygon.last();
    return samples;
}

// The top of a closed shape, among the samples that show: leftmost of the highest.
qsizetype topmost(const QPolygonF& samples, const Visible& visible) {
    qsizetype best = -1;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        if (!visible(samples[i]))
            continue;
        if (best < 0 || samples[i].y() < samples[best].y() ||
            (samples[i].y() == samples[best].y() && samples[i].x() < samples[best].x()))
            best = i;
    }
    return best;
}

// The samples in drawing order: a closed loop from its top round to the top again, clockwise; an open
// line from its upper end.
QPolygonF inDrawingDirection(QPolygonF outline, const Visible& visible) {
    if (closes(outline)) {
        if (!clockwise(outline))
            std::reverse(outline.begin(), outline.end());
        QPolygonF samples = resampled(outline);
        samples.removeLast();
        const qsizetype top = topmost(samples, visible);
        if (top < 0)
            return {};
        std::rotate(samples.begin(), samples.begin() + top, samples.end());
        samples << samples.first();
        return samples;
    }
    if (outline.last().y() < outline.first().y())
        std::reverse(outline.begin(), outline.end());
    return resampled(outline);
}

double distanceToLine(QPointF point, QPointF from, QPointF to) {
    const QPointF along = to - from;
    const double length2 = QPointF::dotProduct(along, along);
    if (length2 == 0)
        return QLineF(point, from).length();
    const double t = std::clamp(QPointF::dotProduct(point - from, along) / length2, 0.0, 1.0);
    return QLineF(point, from + along * t).length();
}

void simplify(const QPolygonF& points, qsizetype first, qsizetype last, QPolygonF& kept) {
    double farthest = 0;
    qsizetype split = -1;
    for (qsizetype i = first + 1; i < last; ++i) {
        const double distance = distanceToLine(points[i], points[first], points[last]);
        if (distance > farthest) {
            farthest = distance;
            split = i;
        }
    }
    if (farthest > Tolerance) {
        simplify(points, first, split, kept);
        simplify(points, split, last, kept);
    } else {
        kept << points[last];
    }
}

// Douglas-Peucker, then whole pixels without repeats.
QPolygonF written(const QPolygonF& run) {
    QPolygonF kept{run.first()};
    simplify(run, 0, run.size() - 1, kept);
    QPolygonF pixels;
    for (const QPointF& point : kept) {
        const QPointF pixel(std::round(point.x()), std::round(point.y()));
        if (pixels.isEmpty() || pixels.last() != pixel)
            pixels << pixel;
    }
    return pixels;
}

QList<QPolygonF> visibleRuns(const QPolygonF& samples, const Visible& visible) {
    QList<QPolygonF> runs;
    QPolygonF run;
    const auto finish = [&] {
        if (run.size() >= ShortestRun)
            runs << written(run);
        run.clear();
    };
    for (const QPointF& sample : samples) {
        if (visible(sample))
            run << sample;
        else
            finish();
    }
    finish();
    return runs;
}

class RedPixels {
public:
    RedPixels(const QImage& bitmap, int step)
        : m_band(bitmap
                     .copy(0, LessonPainter::StepHeight * (step - 1), LessonPainter::Width,
                           LessonPainter::StepHeight)
                     .convertToFormat(QImage::Format_RGB32)) {}

    bool near(QPointF point) const {
        const int reach = int(std::ceil(ShownWithin));
        for (int y = int(point.y()) - reach; y <= int(point.y()) + reach; ++y)
            for (int x = int(point.x()) - reach; x <= int(point.x()) + reach; ++x) {
                if (m_band.valid(x, y) && m_band.pixel(x, y) == LessonPainter::NewLine.rgb() &&
                    QLineF(point, QPointF(x + 0.5, y + 0.5)).length() <= ShownWithin)
                    return true;
            }
        return false;
    }

private:
    QImage m_band;
};

// Each shape's place in the painting order (LessonPainter sorts stably by layer).
QList<int> paintingRanks(const Lesson& lesson) {
    QList<int> order(lesson.shapes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return lesson.shapes[a].layer < lesson.shapes[b].layer; });
    QList<int> ranks(order.size());
    for (int rank = 0; rank < order.size(); ++rank)
        ranks[order[rank]] = rank;
    return ranks;
}

// The new areas first, then the new lines, each in the lesson's own order.
QList<int> drawingOrder(const Lesson& lesson, int step) {
    QList<int> order;
    for (bool areas : {true, false})
        for (int i = 0; i < lesson.shapes.size(); ++i) {
            const Shape& shape = lesson.shapes[i];
            if (shape.step == step && shape.fill.isValid() == areas)
                order << i;
        }
    return order;
}

} // namespace

QList<QPolygonF> PenPaths::strokes(const Lesson& lesson, const QImage& bitmap, int step) {
    const QTransform fit =
        LessonPainter::fitInto(lesson, QRectF(0, 0, LessonPainter::Width, LessonPainter::StepHeight));
    const QList<int> ranks = paintingRanks(lesson);
    const RedPixels red(bitmap, step);
    QList<QPolygonF> strokes;
    for (int index : drawingOrder(lesson, step)) {
        QList<QPainterPath> covers;
        for (int other = 0; other < lesson.shapes.size(); ++other) {
            const Shape& shape = lesson.shapes[other];
            if (ranks[other] > ranks[index] && shape.step <= step && shape.fill.isValid())
                covers << fit.map(shape.path);
        }
        const Visible visible = [&](QPointF point) {
            return red.near(point) &&
                   std::none_of(covers.begin(), covers.end(),
                                [&](const QPainterPath& cover) { return cover.contains(point); });
        };
        for (const QPolygonF& outline : fit.map(lesson.shapes[index].path).toSubpathPolygons())
            strokes << visibleRuns(inDrawingDirection(outline, visible), visible);
    }
    return strokes;
}

QString PenPaths::text(const Lesson& lesson, const QImage& bitmap) {
    QStringList lines;
    for (int step = 1; step <= LessonPainter::Steps; ++step)
        for (const QPolygonF& stroke : strokes(lesson, bitmap, step)) {
            QStringList points;
            for (const QPointF& point : stroke)
                points << QStringLiteral("%1,%2").arg(int(point.x())).arg(int(point.y()));
            lines << QStringLiteral("%1: %2").arg(step).arg(points.join(u' '));
        }
    return lines.join(u'\n');
}
