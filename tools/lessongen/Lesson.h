// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Shape.h"

#include <QList>
#include <QString>

// A flower lesson: its name and its parts, each tagged with the step that introduces it.
struct Lesson {
    QString name;
    QList<Shape> shapes;
};
