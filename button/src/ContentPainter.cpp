// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContentPainter.h"

#include "Brizel.h"
#include "ColorMath.h"
#include "PictureBlend.h"
#include "SystemColors.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace brizel {

ContentPainter::ContentPainter(Brizel& button, const DerivedColors& colors) : b(button), c(colors) {}

ContentPainter::~ContentPainter() {
    endText();
}

QPainter& ContentPainter::textPainter() {
    if (!m_textPainter)
        m_textPainter = std::make_unique<QPainter>(&b.m_surface);
    return *m_textPainter;
}

void ContentPainter::endText() {
    m_textPainter.reset();
}

uint32_t ContentPainter::shade(uint32_t color, int amount, bool proportionalBlue) const {
    return ShadeColor(color, amount, proportionalBlue, b.m_softBevel != False);
}

void ContentPainter::drawText(const TextBox& rectangle, uint32_t color) {
    if (b.m_caption.isEmpty())
        return;
    b.m_captionText.prepare(b.m_caption, m_bold ? Brizel::bold(b.font()) : b.font(), rectangle.width());
    b.m_captionText.draw(textPainter(), rectangle, QColor(SystemColors::toQRgb(color)));
}

void ContentPainter::DrawCaption(int mode) {
    b.m_lastCaptionMode = mode;
    const CaptionLayout& layout = m_bold ? b.m_boldLayout : b.m_layout;
    const TextBox& normal = layout.captionRect;
    const TextBox& pressed = layout.pressedCaptionRect;
    switch (mode) {
    case Normal:
        DrawCaptionEffect(normal);
        drawText(normal, c.TextColor);
        break;
    case Hover:
        DrawCaptionEffect(normal);
        drawText(normal, c.TextOverColor);
        break;
    case Pressed:
        DrawCaptionEffect(pressed);
        drawText(pressed, b.m_buttonType == int32_t(ButtonTypes::Mac) ? c.LightColor : c.TextOverColor);
        break;
    case Etched:
        drawText(pressed, c.HighlightColor);
        drawText(normal, c.ShadowColor);
        break;
    case Greyed:
        drawText(normal, c.ShadowColor);
        break;
    case XpDisabled:
        drawText(normal, shade(c.RaisedFaceColor, -104, true));
        break;
    case KdeDisabled:
        drawText(pressed, c.HighlightColor);
        drawText(normal, c.FaceColor);
        break;
    case KdePressed:
        drawText(pressed, shade(c.ShadowColor, -50));
        drawText(normal, c.HighlightColor);
        break;
    default:
        break;
    }
}

void ContentPainter::DrawCaptionEffect(const TextBox& rectangle) {
    const int effect = b.m_specialEffect;
    if (effect <= 0)
        return;
    const auto style = ButtonTypes(b.m_buttonType);
    uint32_t base = c.FaceColor;
    if (style == ButtonTypes::WindowsXP || style == ButtonTypes::Mac || style == ButtonTypes::KDE2)
        base = c.RaisedFaceColor;
    else if (style == ButtonTypes::OfficeXP && b.m_lastState == Brizel::Look::Up && b.m_pointerOver &&
             b.m_colorScheme != int32_t(ColorTypes::Custom))
        base = c.HoverFaceColor;
    drawText(rectangle.moved(1, 1), shade(base, effect == int(fx::cbEngraved) ? 40 : -40));
    if (effect == int(fx::cbEmbossed) || effect == int(fx::cbEngraved))
        drawText(rectangle.moved(-1, -1), shade(base, effect == int(fx::cbEmbossed) ? 40 : -40));
}

void ContentPainter::blend(const Picture& picture, int x, int y, std::optional<uint32_t> tint, bool threshold,
                           bool grey, bool fade) {
    endText();
    BlendOptions options;
    options.maskColor = SystemColors::toQRgb(c.MaskRgb);
    options.useMaskColor = b.m_useMaskColor != False;
    if (tint)
        options.tint = SystemColors::toQRgb(*tint);
    options.threshold = threshold;
    options.grey = grey;
    options.fade = fade;
    if (picture.isIcon)
        BlendPicture(b.m_surface, x, y, b.m_pictureWidth, b.m_pictureHeight,
                     QIcon(QPixmap::fromImage(picture.image)), options);
    else
        BlendPicture(b.m_surface, x, y, b.m_pictureWidth, b.m_pictureHeight, picture.image, options);
}

void ContentPainter::DrawButtonPicture(PictureLook look) {
    const Picture& p = b.m_pictureNormal;
    if (p.isNull())
        return;
    const Picture& q = b.m_pictureOver;
    const auto style = ButtonTypes(b.m_buttonType);
    const bool office = style == ButtonTypes::OfficeXP;
    const bool java = style == ButtonTypes::JavaMetal;
    const int x = b.m_layout.pictureX;
    const int y = b.m_layout.pictureY;
    if (look == PictureUp && b.m_pointerOver && office) {
        DrawPictureEffect(-1, p);
        blend(p, x + 1, y + 1, c.ShadowColor);
        blend(p, x - 1, y - 1);
    } else if (look == PictureUp && b.m_pointerOver) {
        const Picture& shown = q.isNull() ? p : q;
        DrawPictureEffect(0, shown);
        blend(shown, x, y);
    } else if (look == PictureUp) {
        DrawPictureEffect(0, p);
        blend(p, x, y, {}, false, b.m_useGreyscale != False, office);
    } else if (look == PictureDown) {
        if (!q.isNull() && !office) {
            const int k = java ? 0 : 1;
            blend(q, x + k, y + k);
        } else if (!java && !office) {
            DrawPictureEffect(1, p);
            blend(p, x + 1, y + 1);
        } else {
            DrawPictureEffect(0, p);
            blend(p, x, y);
        }
    } else if (style == ButtonTypes::WindowsXP) {
        blend(p, x + 1, y + 1, {}, false, true);
    } else if (java || office || style == ButtonTypes::Netscape6) {
        blend(p, x, y, office ? shade(c.ShadowColor, 13) : c.ShadowColor, true);
    } else {
        blend(p, x + 1, y + 1, c.HighlightColor, true);
        blend(p, x, y, c.ShadowColor, true);
    }
    if (b.m_picturePosition == int32_t(PicPositions::cbBackground))
        DrawCaption(b.m_lastCaptionMode);
}

void ContentPainter::DrawPictureEffect(int offset, const Picture& picture) {
    const int effect = b.m_specialEffect;
    if (effect < 1)
        return;
    uint32_t base = c.HoverFaceColor;
    if (ButtonTypes(b.m_buttonType) == ButtonTypes::WindowsXP)
        base = c.RaisedFaceColor;
    else if (offset != -1 || b.m_colorScheme == int32_t(ColorTypes::Custom))
        base = c.FaceColor;
    const int x = b.m_layout.pictureX + offset;
    const int y = b.m_layout.pictureY + offset;
    blend(picture, x + 1, y + 1, shade(base, effect == int(fx::cbEngraved) ? 40 : -40));
    if (effect == int(fx::cbEmbossed) || effect == int(fx::cbEngraved))
        blend(picture, x - 1, y - 1, shade(base, effect == int(fx::cbEmbossed) ? 40 : -40));
}

} // namespace brizel
