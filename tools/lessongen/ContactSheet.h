// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lesson.h"

#include <QImage>
#include <QList>

// Overview pictures for the README: all finished flowers with their numbers, and the six steps of
// chosen lessons side by side.
class ContactSheet {
public:
    static QImage finishedFlowers(const QList<Lesson>& lessons);
    static QImage steps(const QList<Lesson>& lessons, const QList<int>& numbers);

private:
    static void drawCaption(QPainter& painter, const QRect& box, const QString& text);
};
