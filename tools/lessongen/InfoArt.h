// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lesson.h"

#include <QImage>

// The info window's second picture: a row of finished lesson flowers on a cream card.
class InfoArt {
public:
    static QImage flowerRow(const QList<Lesson>& lessons, const QList<int>& numbers, QSize size);
};
