// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/DrawLayout.h"

#include "base/VbConvert.h"

namespace DrawLayout {

namespace {
// Shares of the client width.
constexpr double MarginShare = 0.03;
constexpr double LogoLeftLimit = 0.35;
constexpr double ShrunkLogoWidth = 0.6;
constexpr double ShrunkLogoHeight = 0.069;
// The panel's distance from the bottom, in margins.
constexpr double PanelBottom = 1.5;
// The canvas's height to its width: the lessons' 4:3.
constexpr double CanvasAspect = 0.75;
// The frame band around the canvas, in margins.
constexpr double FrameBand = 0.3;
// The notice line's distance from the bottom, in its own heights.
constexpr double NoticeBottom = 2;
} // namespace

int16_t margin(double clientWidth) {
    return static_cast<int16_t>(VbConvert::roundHalfEven(clientWidth * MarginShare));
}

Layout compute(double clientWidth, double clientHeight, QSizeF panel, double noticeHeight) {
    Layout layout{};
    const double m = layout.margin = margin(clientWidth);
    layout.panel = QRectF(m, clientHeight - PanelBottom * m - panel.height(), panel.width(), panel.height());
    // A margin left of the panel, one between panel and canvas, one right of the canvas.
    const double canvasWidth = clientWidth - 3 * m - panel.width();
    const double canvasHeight = canvasWidth * CanvasAspect;
    layout.canvas =
        QRectF(clientWidth - canvasWidth - m, clientHeight - canvasHeight - m, canvasWidth, canvasHeight);
    const double band = FrameBand * m;
    layout.frame = QRectF(layout.canvas.left() - band, layout.canvas.top() - band, canvasWidth + 2 * band,
                          canvasHeight + 2 * band);
    layout.notice = QPointF(m, clientHeight - NoticeBottom * noticeHeight);
    return layout;
}

bool logosShrink(double clientWidth, int16_t margin, double firstLogoWidth) {
    const auto a = static_cast<float>(clientWidth - 2 * margin - firstLogoWidth);
    const auto b = static_cast<float>(clientWidth * LogoLeftLimit);
    return b > a;
}

Logo placeLogo(double clientWidth, int16_t margin, const Logo& current, bool shrink) {
    if (!shrink) {
        QRectF rect = current.rect;
        rect.moveTo(clientWidth - 2 * margin - rect.width(), margin);
        return {rect, current.stretched};
    }
    const double width = clientWidth * ShrunkLogoWidth;
    return {QRectF(clientWidth - margin - width, margin, width, clientWidth * ShrunkLogoHeight), true};
}

} // namespace DrawLayout
