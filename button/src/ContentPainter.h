#pragma once

#include "CaptionLayout.h"

#include <brizel/Picture.h>

#include <cstdint>
#include <optional>

namespace brizel {

class Brizel;

// The caption in its eight modes and the picture in the up, down and disabled looks, each with the
// SpecialEffect copies.
class ContentPainter {
public:
    enum PictureLook { PictureUp = 0, PictureDown = 1, PictureDisabled = 2 };

    explicit ContentPainter(Brizel& button);

    void DrawCaption(int mode);
    void DrawCaptionEffect(const TextBox& rectangle);
    void DrawButtonPicture(PictureLook look);
    void DrawPictureEffect(int offset, const Picture& picture);
    // The caption in one colour into one rectangle.
    void drawText(const TextBox& rectangle, uint32_t color);

private:
    uint32_t shade(uint32_t color, int amount, bool proportionalBlue = false) const;
    void blend(const Picture& picture, int x, int y, std::optional<uint32_t> tint = {},
               bool threshold = false, bool grey = false, bool fade = false);

    Brizel& b;
};

} // namespace brizel
