// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QIcon;
class QImage;
class QPixmap;

namespace brizel {

// A rectangle as the platform's text drawing sees it: right and bottom lie just outside.
struct TextBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    TextBox moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    QRect toQRect() const { return QRect(left, top, width(), height()); }
    bool operator==(const TextBox&) const = default;
};

// PicPositions values.
enum PicturePositionValue { cbLeft = 0, cbRight = 1, cbTop = 2, cbBottom = 3, cbBackground = 4 };

// What the caption layout depends on.
struct CaptionLayoutInput {
    int buttonWidth = 0;  // W
    int buttonHeight = 0; // H
    int pictureWidth = 0; // PictureWidth, 0 without PictureNormal
    int pictureHeight = 0;
    bool hasPicture = false; // PictureNormal or PictureOver is set
    int picturePosition = cbLeft;
    QString caption;
    QFont font; // the requested font; Wingdings is resolved inside
};

// The caption and picture geometry of a button face.
struct CaptionLayout {
    TextBox captionRect;
    TextBox pressedCaptionRect;
    int textWidth = 0;
    int textHeight = 0;
    int pictureX = 0;
    int pictureY = 0;
    bool operator==(const CaptionLayout&) const = default;
};

// Size in pixels of a picture; an empty size for none.
QSize MeasurePicture(const QImage& picture);
QSize MeasurePicture(const QPixmap& picture);
QSize MeasurePicture(const QIcon& picture);

// Sets the caption rectangles and text size, then places the picture.
void LayoutCaption(const CaptionLayoutInput& input, CaptionLayout& layout);
// Sets pictureX/pictureY; leaves them alone when the button has no picture.
void PlacePicture(const CaptionLayoutInput& input, CaptionLayout& layout);

// Word-wrapped size of a caption laid out in `box` (left and top stay, right and bottom fit the text),
// like the platform's text drawing with calculate-rectangle and word-break.
TextBox MeasureCaption(const QString& caption, const QFont& font, const TextBox& box);

} // namespace brizel
