// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <optional>

class QIcon;
class QImage;

namespace brizel {

struct BlendOptions {
    QRgb maskColor = qRgb(192, 192, 192); // MaskRgb
    bool useMaskColor = true;             // source pixels in maskColor leave the face alone
    std::optional<QRgb> tint;             // every drawn pixel becomes this colour (a silhouette)
    bool threshold = false;               // with a tint: pixels brighter than R+G+B 384 stay out
    bool grey = false;                    // without a tint: grey rendering
    bool fade = false;                    // two thirds picture, one third face
};

// Composites the top-left width x height of `picture` onto `surface` at (x, y). Parts that fall outside
// the surface or the picture are skipped. The surface keeps its format; it must not be painted on at the
// same time (end or pause the QPainter first).
void BlendPicture(QImage& surface, int x, int y, int width, int height, const QImage& picture,
                  const BlendOptions& options);
// An icon is first drawn in its natural size onto a width x height bitmap filled with the mask colour.
void BlendPicture(QImage& surface, int x, int y, int width, int height, const QIcon& picture,
                  const BlendOptions& options);

// Grey value of a pixel: round(round(0.3 R) + 0.59 G + 0.11 B), halves to even.
int GreyOf(QRgb pixel);

} // namespace brizel
