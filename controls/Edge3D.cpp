// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Edge3D.h"

#include "platform/SystemColors.h"

#include <QPainter>
#include <optional>
#include <vector>

namespace {
struct Border {
    int topLeft;
    int bottomRight;
};

std::optional<Border> outerBorder(int edge) {
    switch (edge & (Edge3D::RaisedOuter | Edge3D::SunkenOuter)) {
    case Edge3D::RaisedOuter:
        return Border{SystemColors::Light3D, SystemColors::DarkShadow3D};
    case Edge3D::SunkenOuter:
        return Border{SystemColors::ButtonShadow, SystemColors::Highlight3D};
    default:
        return std::nullopt;
    }
}

std::optional<Border> innerBorder(int edge) {
    switch (edge & (Edge3D::RaisedInner | Edge3D::SunkenInner)) {
    case Edge3D::RaisedInner:
        return Border{SystemColors::Highlight3D, SystemColors::ButtonShadow};
    case Edge3D::SunkenInner:
        return Border{SystemColors::DarkShadow3D, SystemColors::Light3D};
    default:
        return std::nullopt;
    }
}

// A line from `from` towards `to`, `to` itself excluded, as the platform draws a one-pixel line.
void horizontalLine(QPainter& painter, int from, int to, int y, const QColor& color) {
    if (to > from)
        painter.fillRect(QRect(from, y, to - from, 1), color);
    else if (to < from)
        painter.fillRect(QRect(to + 1, y, from - to, 1), color);
}

void verticalLine(QPainter& painter, int x, int from, int to, const QColor& color) {
    if (to > from)
        painter.fillRect(QRect(x, from, 1, to - from), color);
    else if (to < from)
        painter.fillRect(QRect(x, to + 1, 1, from - to), color);
}

void drawRing(QPainter& painter, const Edge3D::Rect& r, const Border& border) {
    const QColor topLeft = SystemColors::color(border.topLeft);
    const QColor bottomRight = SystemColors::color(border.bottomRight);
    horizontalLine(painter, r.left, r.right, r.top, topLeft);
    verticalLine(painter, r.left, r.top, r.bottom, topLeft);
    horizontalLine(painter, r.left, r.right, r.bottom - 1, bottomRight);
    verticalLine(painter, r.right - 1, r.top, r.bottom, bottomRight);
}
} // namespace

void Edge3D::drawEdge(QPainter& painter, const Rect& rect, int edge) {
    constexpr int bothOuter = RaisedOuter | SunkenOuter;
    if ((edge & bothOuter) == bothOuter)
        return;
    std::vector<Border> rings;
    if (auto outer = outerBorder(edge))
        rings.push_back(*outer);
    if (auto inner = innerBorder(edge))
        rings.push_back(*inner);
    Rect ring = rect;
    for (const Border& border : rings) {
        drawRing(painter, ring, border);
        ring = {ring.left + 1, ring.top + 1, ring.right - 1, ring.bottom - 1};
    }
}
