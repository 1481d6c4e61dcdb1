// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

class QWidget;

// Window geometry in twips (1/1440 inch) and its conversion to pixels of the primary screen.
namespace Twips {
double perPixelX();
double perPixelY();
int toPixelsX(double twips);
int toPixelsY(double twips);
QRect toPixels(const QRectF& twips);
QRectF fromPixels(const QRect& pixels);
// Moves and sizes a control in twips; a negative width or height raises error 380, as the platform
// refuses it.
void place(QWidget* control, const QRectF& twips);
} // namespace Twips
