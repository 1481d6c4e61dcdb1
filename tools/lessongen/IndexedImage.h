// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Indexed copies of pictures drawn without anti-aliasing, whose few colours fit a palette exactly.
class IndexedImage {
public:
    // Every distinct colour (fully transparent pixels share one entry) becomes a palette entry.
    static QImage fromExactColours(const QImage& image);
};
