// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShapeRegion.h"

#include "UnlistedButtonTypes.h"

#include <initializer_list>

namespace brizel {

namespace {

QRegion without(QRegion region, std::initializer_list<QPoint> pixels) {
    for (const QPoint& pixel : pixels)
        region -= QRegion(pixel.x(), pixel.y(), 1, 1);
    return region;
}

} // namespace

QRegion BuildShapeRegion(int buttonType, int width, int height) {
    const QRegion full(0, 0, width, height);
    const int r = width - 1;
    const int b = height - 1;
    switch (ButtonTypes(buttonType)) {
    case ButtonTypes::Windows16Bit:
    case ButtonTypes::KDE2:
        return without(full, {{0, 0}, {r, 0}, {0, b}, {r, b}});
    case ButtonTypes::JavaMetal:
        return without(full, {{r, 0}, {0, b}});
    case ButtonTypes::WindowsXP:
    case ButtonTypes::Mac:
        return without(full, {{0, 0},
                              {1, 0},
                              {0, 1},
                              {r - 1, 0},
                              {r, 0},
                              {r, 1},
                              {0, b},
                              {1, b},
                              {0, b - 1},
                              {r - 1, b},
                              {r, b},
                              {r, b - 1}});
    case ButtonTypes::OvalFlat:
        return QRegion(0, 0, width, height, QRegion::Ellipse);
    default:
        return full;
    }
}

} // namespace brizel
