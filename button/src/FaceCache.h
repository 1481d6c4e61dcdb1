// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaptionLayout.h"
#include "DerivedColors.h"

#include <brizel/BrizelTypes.h>

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

namespace brizel {

// Everything a button's face is painted from: the look, the pointer and focus state, the properties, the
// derived colours, the caption layout and the pictures (by their image keys).
struct FaceInputs {
    bool down = false;
    bool pointerOver = false;
    bool hasFocus = false;
    bool isDefault = false;
    QSize size;
    int32_t buttonType = 0;
    int32_t colorScheme = 0;
    VBool enabled = 0;
    VBool showFocusRect = 0;
    VBool softBevel = 0;
    VBool useMaskColor = 0;
    VBool useGreyscale = 0;
    int32_t specialEffect = 0;
    int32_t picturePosition = 0;
    OleColor backColor = 0;
    OleColor backOver = 0;
    OleColor foreColor = 0;
    OleColor foreOver = 0;
    OleColor maskColor = 0;
    DerivedColors colors;
    QString caption;
    QFont font;
    CaptionLayout layout;
    int lastCaptionMode = 0;
    QRect focusRect;
    qint64 pictureNormal = 0; // QImage::cacheKey, 0 for none
    bool pictureNormalIsIcon = false;
    qint64 pictureOver = 0;
    bool pictureOverIsIcon = false;
    int pictureWidth = 0;
    int pictureHeight = 0;
    qint64 background = 0;

    bool operator==(const FaceInputs&) const = default;
};

// The face a button painted last in each of its looks (up or down, with or without the pointer over it),
// with the inputs it was painted from and the state the painting left behind. Pressing and releasing a
// button shows the same few faces again and again; a repaint from equal inputs takes the stored face.
class FaceCache {
public:
    struct Face {
        FaceInputs inputs;
        QImage image;
        int captionModeAfter = 0;
    };

    // The stored face painted from `inputs`, or nullptr.
    const Face* find(const FaceInputs& inputs) const;
    void store(const FaceInputs& inputs, const QImage& image, int captionModeAfter);

private:
    static int slotOf(const FaceInputs& inputs) {
        return (inputs.down ? 2 : 0) + (inputs.pointerOver ? 1 : 0);
    }

    std::array<std::optional<Face>, 4> m_faces;
};

} // namespace brizel
