// SPDX-License-Identifier: GPL-3.0-or-later
#include "LessonPainter.h"

#include "PaletteQuantizer.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr double NewLineWidth = 4.0;
constexpr double OldLineWidth = 3.0;
constexpr double OutlineWidth = 3.0;
constexpr int FinishedStep = 6;
constexpr double Margin = 14.0;
// Small pictures keep their lines visible.
constexpr double MinLineScale = 0.4;
} // namespace

QImage LessonPainter::paintStep(const Lesson& lesson, int step) {
    QImage image(Width, StepHeight, QImage::Format_RGB32);
    image.fill(Paper);
    QPainter painter(&image);
    paintInto(painter, lesson, step, QRectF(0, 0, Width, StepHeight));
    return image;
}

void LessonPainter::paintInto(QPainter& painter, const Lesson& lesson, int step, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double lineScale = std::max(MinLineScale, target.height() / StepHeight);
    const QTransform fit = fitInto(lesson, target);
    for (Shape shape : inPaintingOrder(lesson)) {
        shape.path = fit.map(shape.path);
        if (shape.step <= step)
            paintShape(painter, shape, step, lineScale);
    }
    painter.restore();
}

QImage LessonPainter::paintBitmap(const Lesson& lesson) {
    QImage stack(Width, StepHeight * Steps, QImage::Format_RGB32);
    QPainter painter(&stack);
    for (int step = 1; step <= Steps; ++step)
        painter.drawImage(0, StepHeight * (step - 1), paintStep(lesson, step));
    painter.end();
    return PaletteQuantizer::quantize(stack, keyColours(lesson));
}

void LessonPainter::paintShape(QPainter& painter, const Shape& shape, int step, double lineScale) {
    const bool finished = step == FinishedStep;
    QColor lineColour = finished ? Outline : (shape.step == step ? NewLine : OldLine);
    if (finished && shape.lineColour.isValid())
        lineColour = shape.lineColour;
    const double width = finished ? OutlineWidth : (shape.step == step ? NewLineWidth : OldLineWidth);
    painter.setPen(QPen(lineColour, width * lineScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (shape.fill.isValid())
        painter.setBrush(finished ? shape.fill : Paper);
    else
        painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape.path);
}

// Lessons are described at any size; every step shows the whole flower as large as the target
// allows, centred, so the steps line up exactly.
QTransform LessonPainter::fitInto(const Lesson& lesson, const QRectF& target) {
    QRectF bounds;
    for (const Shape& shape : lesson.shapes)
        bounds = bounds.united(shape.path.boundingRect());
    if (bounds.isEmpty())
        return {};
    const double margin = Margin * target.height() / StepHeight;
    const double scale = std::min((target.width() - 2 * margin) / bounds.width(),
                                  (target.height() - 2 * margin) / bounds.height());
    QTransform fit;
    fit.translate(target.center().x(), target.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit;
}

// Stable: parts of one layer keep the order in which the lesson lists them.
QList<Shape> LessonPainter::inPaintingOrder(const Lesson& lesson) {
    QList<Shape> shapes = lesson.shapes;
    std::stable_sort(shapes.begin(), shapes.end(),
                     [](const Shape& a, const Shape& b) { return a.layer < b.layer; });
    return shapes;
}

QList<QRgb> LessonPainter::keyColours(const Lesson& lesson) {
    QList<QRgb> colours{Paper.rgb(), NewLine.rgb(), OldLine.rgb(), Outline.rgb()};
    for (const Shape& shape : lesson.shapes) {
        if (shape.fill.isValid())
            colours.append(shape.fill.rgb());
        if (shape.lineColour.isValid())
            colours.append(shape.lineColour.rgb());
    }
    return colours;
}
