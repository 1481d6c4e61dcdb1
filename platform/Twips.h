#pragma once

// Window geometry in twips (1/1440 inch) and its conversion to pixels of the primary screen.
namespace Twips {
double perPixelX();
double perPixelY();
int toPixelsX(double twips);
int toPixelsY(double twips);
} // namespace Twips
