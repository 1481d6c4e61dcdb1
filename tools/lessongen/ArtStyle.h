// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

// The look shared by every window picture: warm sand and cream tones that go with the buttons'
// colour, soft flower shapes, dark brown lines.
class ArtStyle {
public:
    inline static const QColor Button{222, 191, 120};
    inline static const QColor Cream{255, 246, 224};
    inline static const QColor Sand{240, 216, 164};
    inline static const QColor DarkSand{196, 156, 88};
    inline static const QColor Line{92, 58, 34};

    // A soft five-petal flower, for backgrounds.
    static void softFlower(QPainter& painter, QPointF centre, double radius, const QColor& petals,
                           const QColor& middle, double turn = 0);
    // Cream at the top to sand at the bottom, with a scatter of faint flowers.
    static QImage background(QSize size, int seed);
    static QFont font(int pixelSize, bool bold = true);
};
