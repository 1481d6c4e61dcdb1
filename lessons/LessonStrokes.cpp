// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/LessonStrokes.h"

#include <QString>

namespace {

QPolygonF points(const QString& text) {
    QPolygonF stroke;
    for (const QString& pair : text.split(u' ', Qt::SkipEmptyParts)) {
        bool xRead = false;
        bool yRead = false;
        const int x = pair.section(u',', 0, 0).toInt(&xRead);
        const int y = pair.section(u',', 1, 1).toInt(&yRead);
        if (!xRead || !yRead || pair.count(u',') != 1)
            return {};
        stroke << QPointF(x, y);
    }
    return stroke;
}

} // namespace

LessonStrokes LessonStrokes::parse(const QByteArray& text) {
    LessonStrokes strokes;
    for (const QString& line : QString::fromLatin1(text).split(u'\n', Qt::SkipEmptyParts)) {
        bool read = false;
        const int step = line.section(u':', 0, 0).toInt(&read);
        const QPolygonF stroke = points(line.section(u':', 1));
        if (read && step >= 1 && step <= Steps && stroke.size() >= 2)
            strokes.m_steps.at(static_cast<size_t>(step - 1)) << stroke;
    }
    return strokes;
}

QList<QPolygonF> LessonStrokes::ofStep(int step) const {
    if (step < 1 || step > Steps)
        return {};
    return m_steps.at(static_cast<size_t>(step - 1));
}
