// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The language flags, 32 × 20 pixels, by language index: 0 Germany, 1 United Kingdom, 2 Sweden,
// 3 Italy, 4 Spain, 6 France.
class FlagArt {
public:
    static constexpr int Width = 32;
    static constexpr int Height = 20;

    static QImage flag(int languageIndex);

private:
    static void horizontalBands(QPainter& painter, const QList<std::pair<QColor, int>>& bands);
    static void verticalBands(QPainter& painter, const QList<QColor>& colours);
    static void unionFlag(QPainter& painter);
    static void nordicCross(QPainter& painter, const QColor& field, const QColor& cross);
};
