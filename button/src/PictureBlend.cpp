// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBlend.h"

#include "CaptionLayout.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace brizel {
namespace {

// Round to nearest with halves to even, as the runtime's conversions do.
double roundHalfEven(double value) {
    return std::nearbyint(value);
}

int fadeChannel(int picture, int face) {
    return (2 * picture + face) / 3;
}

bool sameRgb(QRgb a, QRgb b) {
    return (a & RGB_MASK) == (b & RGB_MASK);
}

// The new face pixel, or nullopt when the face stays.
std::optional<QRgb> blendPixel(QRgb source, QRgb face, const BlendOptions& options) {
    if (options.useMaskColor && sameRgb(source, options.maskColor))
        return std::nullopt;
    if (options.tint) {
        if (options.threshold && qRed(source) + qGreen(source) + qBlue(source) > 384)
            return std::nullopt;
        return qRgb(qRed(*options.tint), qGreen(*options.tint), qBlue(*options.tint));
    }
    // Grey takes precedence: a grey picture is drawn at full strength, never faded.
    if (options.grey) {
        const int grey = GreyOf(source);
        return qRgb(grey, grey, grey);
    }
    if (options.fade) {
        return qRgb(fadeChannel(qRed(source), qRed(face)), fadeChannel(qGreen(source), qGreen(face)),
                    fadeChannel(qBlue(source), qBlue(face)));
    }
    return qRgb(qRed(source), qGreen(source), qBlue(source));
}

// A picture with transparency is first laid onto the mask colour, as an icon is, so that its
// transparent parts stay transparent when the mask colour is used.
QImage opaqueSource(const QImage& picture, QRgb maskColor) {
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(maskColor);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

bool directAccess(const QImage& surface) {
    const QImage::Format f = surface.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

void blendRows(QImage& surface, const QRect& area, const QPoint& sourceOrigin, const QImage& source,
               const BlendOptions& options) {
    const bool direct = directAccess(surface);
    for (int row = 0; row < area.height(); ++row) {
        const int y = area.top() + row;
        const auto* sourceLine = reinterpret_cast<const QRgb*>(source.constScanLine(sourceOrigin.y() + row));
        auto* faceLine = direct ? reinterpret_cast<QRgb*>(surface.scanLine(y)) : nullptr;
        for (int column = 0; column < area.width(); ++column) {
            const int x = area.left() + column;
            const QRgb face = direct ? faceLine[x] : surface.pixel(x, y);
            const std::optional<QRgb> blended =
                blendPixel(sourceLine[sourceOrigin.x() + column], face, options);
            if (!blended)
                continue;
            if (direct)
                faceLine[x] = *blended;
            else
                surface.setPixel(x, y, *blended);
        }
    }
}

} // namespace

int GreyOf(QRgb pixel) {
    const double red = roundHalfEven(0.3 * qRed(pixel));
    return static_cast<int>(roundHalfEven(red + 0.59 * qGreen(pixel) + 0.11 * qBlue(pixel)));
}

void BlendPicture(QImage& surface, int x, int y, int width, int height, const QImage& picture,
                  const BlendOptions& options) {
    if (width <= 0 || height <= 0 || picture.isNull() || surface.isNull())
        return;
    const QImage source = opaqueSource(picture, options.maskColor);
    const QRect wanted(x, y, std::min(width, source.width()), std::min(height, source.height()));
    const QRect area = wanted.intersected(surface.rect());
    if (area.isEmpty())
        return;
    blendRows(surface, area, area.topLeft() - wanted.topLeft(), source, options);
}

void BlendPicture(QImage& surface, int x, int y, int width, int height, const QIcon& picture,
                  const BlendOptions& options) {
    if (width <= 0 || height <= 0 || picture.isNull())
        return;
    QImage bitmap(width, height, QImage::Format_RGB32);
    bitmap.fill(options.maskColor);
    {
        QPainter painter(&bitmap);
        const QSize natural = MeasurePicture(picture);
        painter.drawPixmap(0, 0, picture.pixmap(natural, 1.0));
    }
    BlendPicture(surface, x, y, width, height, bitmap, options);
}

} // namespace brizel
