// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lesson.h"

#include <QList>

// The lessons in their order: lesson n is bitmap resource 100 + n.
class LessonCatalog {
public:
    static QList<Lesson> all();
};
