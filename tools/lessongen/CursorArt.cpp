// SPDX-License-Identifier: GPL-3.0-or-later
#include "CursorArt.h"

#include "IndexedImage.h"

#include <QPainter>
#include <QPolygonF>

namespace {
constexpr QRgb Outline = 0xff201810;
constexpr QRgb Graphite = 0xff505050;
constexpr QRgb Wood = 0xfff2c896;
constexpr QRgb Yellow = 0xffffcc33;
constexpr QRgb LightYellow = 0xffffe68a;
constexpr QRgb Orange = 0xffe0961e;
constexpr QRgb Silver = 0xffd2d2dc;
constexpr QRgb DarkSilver = 0xff8c8c96;
constexpr QRgb Pink = 0xfff58296;
constexpr double HalfWidth = 4.6;
} // namespace

QImage CursorArt::pencil() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    paintPencil(image);
    addOutline(image);
    image.setPixel(0, 0, Graphite);
    image.setPixel(1, 1, Graphite);
    return IndexedImage::fromExactColours(image);
}

// Drawn along the x axis, then turned 45° so the pencil points at the top-left corner.
void CursorArt::paintPencil(QImage& image) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.rotate(45);
    const double w = HalfWidth;
    p.setBrush(QColor(Wood));
    p.drawPolygon(QPolygonF{{0, 0}, {11, -w}, {11, w}});
    p.setBrush(QColor(Graphite));
    p.drawPolygon(QPolygonF{{0, 0}, {4.5, -w * 0.42}, {4.5, w * 0.42}});
    p.setBrush(QColor(LightYellow));
    p.drawRect(QRectF(11, -w, 22, w * 0.7));
    p.setBrush(QColor(Yellow));
    p.drawRect(QRectF(11, -w * 0.3, 22, w * 0.7));
    p.setBrush(QColor(Orange));
    p.drawRect(QRectF(11, w * 0.4, 22, w * 0.6));
    p.setBrush(QColor(Silver));
    p.drawRect(QRectF(33, -w, 4, 2 * w));
    p.setBrush(QColor(DarkSilver));
    p.drawRect(QRectF(34.5, -w, 1, 2 * w));
    p.setBrush(QColor(Pink));
    p.drawRoundedRect(QRectF(37, -w, 3.2, 2 * w), 1.2, 1.2);
}

// A one-pixel dark border around the opaque shape keeps the pointer visible on any colour.
void CursorArt::addOutline(QImage& image) {
    const QImage shape = image.copy();
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < shape.width() && y < shape.height() && qAlpha(shape.pixel(x, y)) > 0;
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!opaque(x, y) &&
                (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)))
                image.setPixel(x, y, Outline);
        }
    }
}
