// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The canvas pointer: a pencil, 32 × 32 pixels in at most 16 colours, its tip at the hot spot (0, 0).
class CursorArt {
public:
    static QImage pencil();

private:
    static void paintPencil(QImage& image);
    static void addOutline(QImage& image);
};
