// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QPainter;

// The mark around what has the keyboard focus where a control draws its own: a dark outline with a light
// one inside it, so it shows on any colour.
namespace FocusMark {
// Both outlines lie inside `area`, two pixels wide together.
void draw(QPainter& painter, const QRect& area);
} // namespace FocusMark
