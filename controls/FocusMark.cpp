// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FocusMark.h"

#include <QPainter>

void FocusMark::draw(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(area.adjusted(1, 1, -2, -2));
    painter.restore();
}
