// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogoArt.h"

#include "ArtStyle.h"
#include "Shapes.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

namespace {
const QColor LetterColours[] = {{226, 60, 48},  {247, 133, 36}, {236, 176, 20}, {96, 170, 60},
                                {74, 122, 226}, {142, 84, 200}, {214, 60, 140}};
const QColor PetalColour(240, 96, 64);
const QColor HeartColour(255, 214, 40);

QPainterPath roundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QLinearGradient sandGradient(const QRectF& rect) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, ArtStyle::Cream);
    gradient.setColorAt(1, ArtStyle::Button);
    return gradient;
}
} // namespace

QImage LogoArt::logo(const QString& line) {
    QImage image(LogoWidth, LogoHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plaque(1.5, 1.5, LogoWidth - 3, LogoHeight - 3);
    painter.setPen(QPen(ArtStyle::Line, 3));
    painter.setBrush(sandGradient(plaque));
    painter.drawPath(roundedRect(plaque, 16));
    paintEmblem(painter, QRectF(10, 6, 55, 55));
    const double nameEnd = paintName(painter, QPointF(76, 50), 44);
    const QRectF lineBox(nameEnd + 16, 0, LogoWidth - nameEnd - 34, LogoHeight);
    QFont font = ArtStyle::font(20);
    while (font.pixelSize() > 10 && QFontMetricsF(font).horizontalAdvance(line) > lineBox.width())
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.setPen(ArtStyle::Line);
    painter.drawText(lineBox, Qt::AlignVCenter | Qt::AlignRight, line);
    return image;
}

QImage LogoArt::emblem(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double edge = std::max(1.0, size / 32.0);
    const QRectF tile(edge / 2, edge / 2, size - edge, size - edge);
    painter.setPen(QPen(ArtStyle::Line, edge));
    painter.setBrush(sandGradient(tile));
    painter.drawPath(roundedRect(tile, size * 0.2));
    paintEmblem(painter, tile.adjusted(size * 0.08, size * 0.08, -size * 0.08, -size * 0.08));
    return image;
}

// A flower, and from 40 pixels on a pencil drawing it.
void LogoArt::paintEmblem(QPainter& painter, const QRectF& box) {
    const double size = box.width();
    const double line = std::max(1.0, size / 24.0);
    const bool withPencil = size >= 34;
    const QPointF centre = withPencil ? box.topLeft() + QPointF(size * 0.42, size * 0.42) : box.center();
    const double radius = withPencil ? size * 0.4 : size * 0.5;
    painter.setPen(QPen(ArtStyle::Line, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(PetalColour);
    for (int i = 0; i < 5; ++i)
        painter.drawPath(Shapes::petal(centre, i * 72, radius * 0.2, radius, radius * 0.95, 1.0));
    painter.setBrush(HeartColour);
    painter.drawEllipse(centre, radius * 0.3, radius * 0.3);
    if (!withPencil)
        return;
    painter.save();
    painter.translate(box.topLeft() + QPointF(size * 0.58, size * 0.58));
    painter.rotate(45);
    const double w = size * 0.08;
    painter.setBrush(QColor(242, 200, 150));
    painter.drawPolygon(QPolygonF{{0, 0}, {w * 2.2, -w}, {w * 2.2, w}});
    painter.setBrush(QColor(255, 204, 51));
    painter.drawRect(QRectF(w * 2.2, -w, w * 3.2, 2 * w));
    painter.setBrush(QColor(245, 130, 150));
    painter.drawRoundedRect(QRectF(w * 5.4, -w, w * 1.2, 2 * w), w * 0.4, w * 0.4);
    painter.restore();
}

// Returns where the name ends.
double LogoArt::paintName(QPainter& painter, QPointF baseline, int pixelSize) {
    const QString name = QStringLiteral("Pinsola");
    const QFont font = ArtStyle::font(pixelSize);
    const QFontMetricsF metrics(font);
    QPointF pen = baseline;
    for (int i = 0; i < name.size(); ++i) {
        QPainterPath letter;
        letter.addText(pen + QPointF(0, (i % 2 == 0) ? 0 : -3), font, name.mid(i, 1));
        painter.setPen(QPen(ArtStyle::Line, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(LetterColours[i % 7]);
        painter.drawPath(letter);
        pen.rx() += metrics.horizontalAdvance(name.mid(i, 1)) + 1;
    }
    return pen.x();
}

QImage LogoArt::buttonLibraryLogo(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(size * 0.06, size * 0.16, size * 0.88, size * 0.68);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtStyle::DarkSand);
    painter.drawPath(roundedRect(face.translated(size * 0.03, size * 0.05), size * 0.14));
    painter.setPen(QPen(ArtStyle::Line, std::max(1.0, size / 32.0)));
    painter.setBrush(sandGradient(face));
    painter.drawPath(roundedRect(face, size * 0.14));
    QPolygonF star;
    for (int i = 0; i < 10; ++i)
        star << Shapes::at(face.center(), i * 36, i % 2 == 0 ? size * 0.27 : size * 0.11);
    painter.setBrush(QColor(226, 60, 48));
    painter.drawPolygon(star);
    return image;
}
