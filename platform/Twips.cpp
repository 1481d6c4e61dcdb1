#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
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
