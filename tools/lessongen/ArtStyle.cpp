// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtStyle.h"

#include "Shapes.h"

#include <QLinearGradient>
#include <QRandomGenerator>

void ArtStyle::softFlower(QPainter& painter, QPointF centre, double radius, const QColor& petals,
                          const QColor& middle, double turn) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(petals);
    for (int i = 0; i < 5; ++i)
        painter.drawPath(Shapes::petal(centre, turn + i * 72, radius * 0.1, radius, radius * 0.95, 1.0));
    painter.setBrush(middle);
    painter.drawEllipse(centre, radius * 0.28, radius * 0.28);
}

QImage ArtStyle::background(QSize size, int seed) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, Cream);
    gradient.setColorAt(1, Sand);
    painter.fillRect(image.rect(), gradient);

    // Fixed seed: the same picture every time the generator runs.
    QRandomGenerator random{quint32(seed)};
    const QColor tints[] = {QColor(250, 170, 120, 70), QColor(255, 214, 110, 80), QColor(236, 150, 170, 60),
                            QColor(190, 210, 130, 70)};
    const int count = size.width() * size.height() / 24000;
    const double unit = std::min(size.width(), size.height());
    for (int i = 0; i < count; ++i) {
        const QPointF centre(random.bounded(size.width()), random.bounded(size.height()));
        const double radius = unit * (0.03 + random.bounded(0.05));
        softFlower(painter, centre, radius, tints[random.bounded(4)], QColor(255, 250, 235, 110),
                   random.bounded(72));
    }
    return image;
}

QFont ArtStyle::font(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
