// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorWindowArt.h"

#include "ArtStyle.h"
#include "IndexedImage.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
// Hue (degrees) of the 16 colour columns: red round to pink.
constexpr int Hues[] = {0, 14, 28, 42, 54, 75, 105, 150, 175, 195, 215, 235, 260, 280, 305, 330};
// Saturation and value per row, light to dark.
constexpr double RowSaturation[] = {0.22, 0.45, 0.8, 0.92, 0.95, 0.9};
constexpr double RowValue[] = {1.0, 1.0, 0.96, 0.8, 0.6, 0.38};

const QList<QColor> Browns{{236, 214, 186}, {214, 170, 120}, {176, 122, 70},
                           {140, 88, 48},   {104, 62, 32},   {66, 40, 22}};
const QList<QColor> Skins{{255, 232, 214}, {250, 212, 180}, {232, 184, 146},
                          {198, 142, 104}, {150, 100, 68},  {100, 66, 44}};
const QList<QColor> Greys{{255, 255, 255}, {204, 204, 204}, {153, 153, 153},
                          {102, 102, 102}, {51, 51, 51},    {0, 0, 0}};
} // namespace

QList<QList<QColor>> ColorWindowArt::swatchColumns() {
    QList<QList<QColor>> columns;
    for (int hue : Hues) {
        QList<QColor> column;
        for (int row = 0; row < Rows; ++row)
            column.append(QColor::fromHsvF(hue / 360.0, RowSaturation[row], RowValue[row]).toRgb());
        columns.append(column);
    }
    columns << Browns << Skins << Greys;
    return columns;
}

QImage ColorWindowArt::palette() {
    QImage image(PaletteWidth, PaletteHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    const QList<QList<QColor>> columns = swatchColumns();
    for (int column = 0; column < Columns; ++column) {
        const int left = column * PaletteWidth / Columns;
        const int right = (column + 1) * PaletteWidth / Columns;
        for (int row = 0; row < Rows; ++row) {
            const int top = row * PaletteHeight / Rows;
            const int bottom = (row + 1) * PaletteHeight / Rows;
            painter.fillRect(QRect(left, top, right - left, bottom - top), columns[column][row]);
        }
    }
    return image;
}

QImage ColorWindowArt::rail() {
    QImage image(18, 133, QImage::Format_ARGB32_Premultiplied);
    image.fill(ArtStyle::Button);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF groove(2.5, 1.5, 13, 130);
    painter.setPen(QPen(ArtStyle::Line, 1));
    painter.setBrush(ArtStyle::Cream);
    painter.drawRoundedRect(groove, 6, 6);
    QPainterPath wedge;
    wedge.moveTo(9, 124);
    wedge.lineTo(13, 12);
    wedge.arcTo(QRectF(5, 8, 8, 8), 0, 180);
    wedge.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 58, 52));
    painter.drawPath(wedge);
    return image;
}

QImage ColorWindowArt::thumb() {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(QPointF(6, 5), 9);
    shine.setColorAt(0, QColor(255, 236, 190));
    shine.setColorAt(1, QColor(236, 120, 40));
    painter.setPen(QPen(ArtStyle::Line, 1.2));
    painter.setBrush(shine);
    painter.drawEllipse(QRectF(1, 1, 14, 14));
    return image;
}

// Drawn without anti-aliasing in few colours, so the pointer keeps crisp edges.
QImage ColorWindowArt::brushPointer() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.rotate(45);
    const QColor outline(32, 24, 16);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(QColor(226, 48, 48));
    painter.drawPolygon(QPolygonF{{0, 0}, {4, -3}, {10, -4}, {10, 4}, {4, 3}});
    painter.setBrush(QColor(200, 200, 210));
    painter.drawRect(QRectF(10, -4, 6, 8));
    painter.setBrush(QColor(140, 88, 48));
    painter.drawPolygon(QPolygonF{{16, -3}, {40, -2}, {40, 2}, {16, 3}});
    painter.end();
    image.setPixel(0, 0, QColor(226, 48, 48).rgba());
    return IndexedImage::fromExactColours(image);
}
