// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lesson.h"

#include <QImage>
#include <QList>
#include <QPolygonF>
#include <QString>

// The lines each outline step adds, as a person would draw them for the viewer to show: the outlines of
// the new areas first, then the new lines, each in the order the lesson lists them; a closed shape starts
// at its top and goes clockwise, an open line starts at its upper end. Only what the step's picture shows
// is drawn, so a shape partly hidden behind another is drawn in as many strokes as it shows pieces.
// Points are the 400 × 300 band's pixels.
class PenPaths {
public:
    // `bitmap` is the lesson's bitmap as LessonPainter::paintBitmap makes it.
    static QList<QPolygonF> strokes(const Lesson& lesson, const QImage& bitmap, int step);
    // One text line per stroke: its step, a colon, then its points as "x,y" apart by spaces.
    static QString text(const Lesson& lesson, const QImage& bitmap);
};
