// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lesson.h"

// Collects the parts of a lesson: every part added goes to the current step and layer.
class LessonBuilder {
public:
    explicit LessonBuilder(const QString& name);

    LessonBuilder& step(int step);
    LessonBuilder& layer(int layer);
    LessonBuilder& area(const QPainterPath& path, const QColor& fill);
    LessonBuilder& line(const QPainterPath& path, const QColor& colour = {});

    Lesson build() const { return m_lesson; }

private:
    Lesson m_lesson;
    int m_step = 1;
    int m_layer = 0;
};
