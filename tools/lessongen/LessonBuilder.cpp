// SPDX-License-Identifier: GPL-3.0-or-later
#include "LessonBuilder.h"

LessonBuilder::LessonBuilder(const QString& name) {
    m_lesson.name = name;
}

LessonBuilder& LessonBuilder::step(int step) {
    m_step = step;
    return *this;
}

LessonBuilder& LessonBuilder::layer(int layer) {
    m_layer = layer;
    return *this;
}

LessonBuilder& LessonBuilder::area(const QPainterPath& path, const QColor& fill) {
    m_lesson.shapes.append(Shape{path, fill, {}, m_step, m_layer});
    return *this;
}

LessonBuilder& LessonBuilder::line(const QPainterPath& path, const QColor& colour) {
    m_lesson.shapes.append(Shape{path, {}, colour, m_step, m_layer});
    return *this;
}
