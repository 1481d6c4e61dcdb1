// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <cstdint>

// The drawing window's layout rules, in twips, for a client area of any size: the margin, the panel at
// the lower left, the 4:3 canvas at the lower right with its frame band, the logos at the top right and
// the notice line at the lower left edge.
namespace DrawLayout {

// Three hundredths of the client width, halves to the even neighbour.
int16_t margin(double clientWidth);

struct Layout {
    int16_t margin;
    QRectF panel;
    QRectF canvas;
    QRectF frame;
    QPointF notice;
};
// `panel` is the panel's size; `noticeHeight` the notice label's height.
Layout compute(double clientWidth, double clientHeight, QSizeF panel, double noticeHeight);

struct Logo {
    QRectF rect;
    bool stretched;
};
// Whether the logos shrink: the right-aligned logo would start left of 35 % of the width. Both sides
// are single-precision values, as they were computed.
bool logosShrink(double clientWidth, int16_t margin, double firstLogoWidth);
// Where one logo goes; `shrink` is the answer of logosShrink for the first logo.
Logo placeLogo(double clientWidth, int16_t margin, const Logo& current, bool shrink);

} // namespace DrawLayout
