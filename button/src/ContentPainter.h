// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaptionLayout.h"
#include "DerivedColors.h"

#include <brizel/Picture.h>

#include <cstdint>
#include <memory>
#include <optional>

class QPainter;

namespace brizel {

class Brizel;

// How DrawCaption draws the caption.
enum CaptionMode { Normal, Hover, Pressed, Etched, Greyed, XpDisabled, KdeDisabled, KdePressed };

// The caption in its eight modes and the picture in the up, down and disabled looks, each with the
// SpecialEffect copies.
class ContentPainter {
public:
    enum PictureLook { PictureUp = 0, PictureDown = 1, PictureDisabled = 2 };

    // Draws with `colors`, the table of the face being painted.
    ContentPainter(Brizel& button, const DerivedColors& colors);
    ~ContentPainter();

    void DrawCaption(int mode);
    // The captions drawn from now on are bold (the KDE style's default button) or in the button's font.
    void useBoldCaption(bool bold) { m_bold = bold; }
    void DrawCaptionEffect(const TextBox& rectangle);
    void DrawButtonPicture(PictureLook look);
    void DrawPictureEffect(int offset, const Picture& picture);
    // The caption in one colour into one rectangle.
    void drawText(const TextBox& rectangle, uint32_t color);
    // Ends the text painter; the face's own drawing and the picture blending write the pixels directly.
    void endText();

private:
    QPainter& textPainter();
    uint32_t shade(uint32_t color, int amount, bool proportionalBlue = false) const;
    void blend(const Picture& picture, int x, int y, std::optional<uint32_t> tint = {},
               bool threshold = false, bool grey = false, bool fade = false);

    Brizel& b;
    const DerivedColors& c;
    // One painter for all caption copies of a repaint, begun at the first of them.
    std::unique_ptr<QPainter> m_textPainter;
    bool m_bold = false;
};

} // namespace brizel
