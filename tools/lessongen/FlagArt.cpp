// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlagArt.h"

#include <QPainter>

namespace {
const QColor Black(0, 0, 0);
const QColor GermanRed(221, 0, 0);
const QColor GermanGold(255, 206, 0);
const QColor UnionBlue(1, 33, 105);
const QColor UnionRed(200, 16, 46);
const QColor White(255, 255, 255);
const QColor SwedishBlue(0, 106, 167);
const QColor SwedishYellow(254, 204, 0);
const QColor ItalianGreen(0, 146, 70);
const QColor ItalianRed(206, 43, 55);
const QColor SpanishRed(198, 11, 30);
const QColor SpanishYellow(255, 196, 0);
const QColor FrenchBlue(0, 35, 149);
const QColor FrenchRed(237, 41, 57);
const QColor Edge(0, 0, 0, 70);
} // namespace

QImage FlagArt::flag(int languageIndex) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    switch (languageIndex) {
    case 0:
        horizontalBands(painter, {{Black, 1}, {GermanRed, 1}, {GermanGold, 1}});
        break;
    case 1:
        unionFlag(painter);
        break;
    case 2:
        nordicCross(painter, SwedishBlue, SwedishYellow);
        break;
    case 3:
        verticalBands(painter, {ItalianGreen, White, ItalianRed});
        break;
    case 4:
        horizontalBands(painter, {{SpanishRed, 1}, {SpanishYellow, 2}, {SpanishRed, 1}});
        break;
    case 6:
        verticalBands(painter, {FrenchBlue, White, FrenchRed});
        break;
    default:
        return {};
    }
    painter.setPen(Edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, Width - 1, Height - 1);
    return image;
}

void FlagArt::horizontalBands(QPainter& painter, const QList<std::pair<QColor, int>>& bands) {
    int total = 0;
    for (const auto& band : bands)
        total += band.second;
    double top = 0;
    for (const auto& [colour, share] : bands) {
        const double height = double(Height) * share / total;
        painter.fillRect(QRectF(0, top, Width, height), colour);
        top += height;
    }
}

void FlagArt::verticalBands(QPainter& painter, const QList<QColor>& colours) {
    const double width = double(Width) / colours.size();
    for (int i = 0; i < colours.size(); ++i)
        painter.fillRect(QRectF(i * width, 0, width, Height), colours[i]);
}

void FlagArt::unionFlag(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, Width, Height), UnionBlue);
    const QLineF diagonals[] = {{0, 0, double(Width), double(Height)}, {0, double(Height), double(Width), 0}};
    painter.setPen(QPen(White, 4));
    for (const QLineF& line : diagonals)
        painter.drawLine(line);
    painter.setPen(QPen(UnionRed, 1.4));
    for (const QLineF& line : diagonals)
        painter.drawLine(line);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(Width / 2 - 3, 0, 6, Height), White);
    painter.fillRect(QRect(0, Height / 2 - 3, Width, 6), White);
    painter.fillRect(QRect(Width / 2 - 2, 0, 4, Height), UnionRed);
    painter.fillRect(QRect(0, Height / 2 - 2, Width, 4), UnionRed);
}

void FlagArt::nordicCross(QPainter& painter, const QColor& field, const QColor& cross) {
    painter.fillRect(QRect(0, 0, Width, Height), field);
    painter.fillRect(QRect(10, 0, 4, Height), cross);
    painter.fillRect(QRect(0, 8, Width, 4), cross);
}
