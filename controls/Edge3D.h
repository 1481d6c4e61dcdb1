// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class QPainter;

// The platform's three-dimensional edge: up to two one-pixel rings drawn in the system colours, the
// top and left sides in one colour and the bottom and right sides in another.
namespace Edge3D {
// Edge codes: one border kind for the outer ring and one for the inner ring.
constexpr int RaisedOuter = 1;
constexpr int SunkenOuter = 2;
constexpr int RaisedInner = 4;
constexpr int SunkenInner = 8;
constexpr int Raised = RaisedOuter | RaisedInner;
constexpr int Sunken = SunkenOuter | SunkenInner;

// A rectangle with exclusive right and bottom, in pixels.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const Rect&) const = default;
};

// Draws edge `edge` on all four sides of `rect`. The outer border lies on the rectangle's outline and
// the inner one a pixel further in; a lone border of either kind lies on the outline. Bottom and right
// are drawn last, so they own the top-right and bottom-left corners. Naming both kinds for the outer
// ring draws nothing; naming both for the inner ring draws the outer ring only.
void drawEdge(QPainter& painter, const Rect& rect, int edge);
} // namespace Edge3D
