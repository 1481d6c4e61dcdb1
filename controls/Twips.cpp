// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Twips.h"

#include "base/VbError.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {
double logicalDpi(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

double Twips::perPixelX() {
    return 1440.0 / logicalDpi(true);
}
double Twips::perPixelY() {
    return 1440.0 / logicalDpi(false);
}
int Twips::toPixelsX(double twips) {
    return static_cast<int>(std::lround(twips / perPixelX()));
}
int Twips::toPixelsY(double twips) {
    return static_cast<int>(std::lround(twips / perPixelY()));
}

QRect Twips::toPixels(const QRectF& twips) {
    return QRect(toPixelsX(twips.left()), toPixelsY(twips.top()), toPixelsX(twips.width()),
                 toPixelsY(twips.height()));
}

QRectF Twips::fromPixels(const QRect& pixels) {
    return QRectF(pixels.left() * perPixelX(), pixels.top() * perPixelY(), pixels.width() * perPixelX(),
                  pixels.height() * perPixelY());
}

void Twips::place(QWidget* control, const QRectF& twips) {
    if (twips.width() < 0 || twips.height() < 0)
        VbError::raise(VbErr::InvalidPropertyValue);
    control->setGeometry(toPixels(twips));
}
