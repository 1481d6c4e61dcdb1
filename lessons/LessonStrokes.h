// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPolygonF>
#include <array>

// The pen paths of a lesson's steps, read from the text the lesson generator writes beside each lesson
// bitmap: one stroke a line, "step: x,y x,y …" in the band's pixels, in drawing order.
class LessonStrokes {
public:
    static constexpr int Steps = 6;

    // A line that is not a stroke of steps 1 to 6 with two points or more is left out.
    static LessonStrokes parse(const QByteArray& text);

    // The strokes step `step` (1 to 6) adds; none for any other step.
    QList<QPolygonF> ofStep(int step) const;

private:
    std::array<QList<QPolygonF>, Steps> m_steps;
};
