// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegion>

namespace brizel {

// The window shape of a button style: the rectangle with cut corners, or the inscribed ellipse of
// `Oval Flat`. Cut pixels show the container and take no mouse input.
QRegion BuildShapeRegion(int buttonType, int width, int height);

} // namespace brizel
