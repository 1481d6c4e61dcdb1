// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionLayout.h"

#include "CaptionText.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <algorithm>

namespace brizel {
namespace {

TextBox startBox(const CaptionLayoutInput& in) {
    const int w = in.buttonWidth;
    const int h = in.buttonHeight;
    switch (in.picturePosition) {
    case cbLeft:
        return {in.pictureWidth + 1, 1, w - 2, h - 2};
    case cbRight:
        return {1, 1, w - in.pictureWidth - 2, h - 2};
    case cbTop:
        return {1, in.pictureHeight + 1, w - 2, h - 2};
    case cbBottom:
        return {1, 1, w - 2, h - in.pictureHeight - 2};
    default:
        return {1, 1, w - 2, h - 2};
    }
}

bool isBlank(const QString& caption) {
    return std::all_of(caption.begin(), caption.end(), [](QChar c) { return c == u' '; });
}

} // namespace

QSize MeasurePicture(const QImage& picture) {
    return picture.isNull() ? QSize() : picture.size();
}

QSize MeasurePicture(const QPixmap& picture) {
    return picture.isNull() ? QSize() : picture.size();
}

QSize MeasurePicture(const QIcon& picture) {
    if (picture.isNull())
        return {};
    const QList<QSize> sizes = picture.availableSizes();
    if (sizes.isEmpty())
        return {32, 32}; // a scalable icon takes the standard icon size
    return *std::max_element(sizes.begin(), sizes.end(), [](QSize a, QSize b) {
        return a.width() * a.height() < b.width() * b.height();
    });
}

TextBox MeasureCaption(const QString& caption, const QFont& font, const TextBox& box) {
    CaptionText text;
    text.prepare(caption, font, box.width());
    return {box.left, box.top, box.left + text.width(), box.top + text.height()};
}

void LayoutCaption(const CaptionLayoutInput& in, CaptionLayout& layout) {
    const TextBox measured = MeasureCaption(in.caption, in.font, startBox(in));
    layout.textWidth = measured.width();
    layout.textHeight = measured.height();

    const int w = in.buttonWidth;
    const int h = in.buttonHeight;
    int dx = (w - measured.right) / 2;
    int dy = (h - measured.bottom) / 2;
    if (in.picturePosition == cbRight)
        dx = (w - measured.right - in.pictureWidth - 4) / 2;
    else if (in.picturePosition == cbBottom)
        dy = (h - measured.bottom - in.pictureHeight - 4) / 2;
    layout.captionRect = measured.moved(dx, dy);
    layout.pressedCaptionRect = layout.captionRect.moved(1, 1);
    PlacePicture(in, layout);
}

void PlacePicture(const CaptionLayoutInput& in, CaptionLayout& layout) {
    if (!in.hasPicture)
        return;
    const int w = in.buttonWidth;
    const int h = in.buttonHeight;
    const int centredX = (w - in.pictureWidth) / 2;
    const int centredY = (h - in.pictureHeight) / 2;
    if (isBlank(in.caption) || in.picturePosition == cbBackground) {
        layout.pictureX = centredX;
        layout.pictureY = centredY;
        return;
    }
    switch (in.picturePosition) {
    case cbLeft:
        layout.pictureX = layout.captionRect.left - in.pictureWidth - 4;
        layout.pictureY = centredY;
        break;
    case cbRight:
        layout.pictureX = layout.captionRect.right + 4;
        layout.pictureY = centredY;
        break;
    case cbTop:
        layout.pictureX = centredX;
        layout.pictureY = layout.captionRect.top - in.pictureHeight - 2;
        break;
    case cbBottom:
        layout.pictureX = centredX;
        layout.pictureY = layout.captionRect.bottom + 2;
        break;
    default:
        break; // an unknown position keeps the picture where it was
    }
}

} // namespace brizel
