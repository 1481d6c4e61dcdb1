#include "draw/DrawLayout.h"

#include "base/VbConvert.h"

namespace DrawLayout {

int16_t margin(double clientWidth) {
    return static_cast<int16_t>(VbConvert::roundHalfEven(clientWidth * 0.03));
}

Layout compute(double clientWidth, double clientHeight, QSizeF panel, double noticeHeight) {
    Layout layout{};
    const double m = layout.margin = margin(clientWidth);
    layout.panel = QRectF(m, clientHeight - 1.5 * m - panel.height(), panel.width(), panel.height());
    const double canvasWidth = clientWidth - 3 * m - panel.width();
    const double canvasHeight = canvasWidth * 0.75;
    layout.canvas =
        QRectF(clientWidth - canvasWidth - m, clientHeight - canvasHeight - m, canvasWidth, canvasHeight);
    const double band = 0.3 * m;
    layout.frame = QRectF(layout.canvas.left() - band, layout.canvas.top() - band, canvasWidth + 2 * band,
                          canvasHeight + 2 * band);
    layout.notice = QPointF(m, clientHeight - 2 * noticeHeight);
    return layout;
}

bool logosShrink(double clientWidth, int16_t margin, double firstLogoWidth) {
    const auto a = static_cast<float>(clientWidth - 2 * margin - firstLogoWidth);
    const auto b = static_cast<float>(clientWidth * 0.35);
    return b > a;
}

Logo placeLogo(double clientWidth, int16_t margin, const Logo& current, bool shrink) {
    if (!shrink) {
        QRectF rect = current.rect;
        rect.moveTo(clientWidth - 2 * margin - rect.width(), margin);
        return {rect, current.stretched};
    }
    const double width = clientWidth * 0.6;
    return {QRectF(clientWidth - margin - width, margin, width, clientWidth * 0.069), true};
}

} // namespace DrawLayout
