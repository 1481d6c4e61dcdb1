// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lesson.h"

#include <QImage>
#include <QTransform>

// Draws a lesson the way a drawing book shows it: steps 1 to 5 add outlines, the new ones in a
// highlight colour over the earlier ones in dark grey; step 6 is the finished, coloured flower.
class LessonPainter {
public:
    static constexpr int Width = 400;
    static constexpr int StepHeight = 300;
    static constexpr int Steps = 6;
    inline static const QColor Paper{255, 255, 255};
    inline static const QColor NewLine{226, 44, 44};
    inline static const QColor OldLine{88, 88, 88};
    inline static const QColor Outline{62, 46, 40};

    static QImage paintStep(const Lesson& lesson, int step);
    // Paints a step without paper into any rectangle, lines thinner in small ones.
    static void paintInto(QPainter& painter, const Lesson& lesson, int step, const QRectF& target);
    // All six steps stacked top to bottom, reduced to one palette of at most 256 colours.
    static QImage paintBitmap(const Lesson& lesson);
    // Where the lesson's own coordinates land in the target.
    static QTransform fitInto(const Lesson& lesson, const QRectF& target);

private:
    static void paintShape(QPainter& painter, const Shape& shape, int step, double lineScale);
    static QList<Shape> inPaintingOrder(const Lesson& lesson);
    static QList<QRgb> keyColours(const Lesson& lesson);
};
