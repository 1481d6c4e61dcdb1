// SPDX-License-Identifier: GPL-3.0-or-later
#include "InfoArt.h"

#include "ArtStyle.h"
#include "LessonPainter.h"

#include <QPainter>

QImage InfoArt::flowerRow(const QList<Lesson>& lessons, const QList<int>& numbers, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ArtStyle::Line, 2));
    painter.setBrush(ArtStyle::Cream);
    painter.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 12, 12);
    const double cell = double(size.width() - 16) / numbers.size();
    for (int i = 0; i < numbers.size(); ++i) {
        const QRectF target(8 + i * cell, 6, cell, size.height() - 12);
        LessonPainter::paintInto(painter, lessons.at(numbers[i] - 1), LessonPainter::Steps, target);
    }
    return image;
}
