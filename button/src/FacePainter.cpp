// SPDX-License-Identifier: GPL-3.0-or-later
#include "FacePainter.h"

#include "ColorMath.h"
#include "UnlistedButtonTypes.h"

#include <cmath>

namespace brizel {

namespace {

constexpr uint32_t XpFrame = rgb(0, 60, 115);
constexpr uint32_t XpFrameCorner = rgb(16, 77, 123);
constexpr uint32_t JavaCaptionFrame = rgb(153, 153, 204);

} // namespace

FacePainter::FacePainter(Brizel& button)
    : b(button), c(button.m_colors), g(button.m_surface), content(button, c), W(button.m_buttonWidth),
      H(button.m_buttonHeight) {}

uint32_t FacePainter::shade(uint32_t color, int amount, bool proportionalBlue) const {
    return ShadeColor(color, amount, proportionalBlue, b.m_softBevel != False);
}

bool FacePainter::PaintButton(Brizel::Look look, bool force) {
    if (b.m_checkBoxBehaviour != False && b.m_value != False)
        look = Brizel::Look::Down;
    const bool changed = force || b.m_caption != b.m_lastCaption || look != b.m_lastState;
    if (!changed || H == 0 || !b.m_paintEnabled || b.m_surface.isNull())
        return false;
    b.m_lastState = look;
    b.m_lastCaption = b.m_caption;
    const FaceInputs inputs = faceInputs(look);
    if (const FaceCache::Face* face = b.m_faces.find(inputs)) {
        b.m_surface = face->image;
        b.m_lastCaptionMode = face->captionModeAfter;
        return true;
    }
    // A hovered Custom button derives all its colours from BackOver for this painting.
    if (b.m_pointerOver && b.m_colorScheme == int32_t(ColorTypes::Custom))
        c = b.colorsFor(b.m_backOver);
    g.DrawBox(0, 0, W, H, c.FaceColor, false);
    if (b.m_enabled == False) {
        paintDisabled();
        content.DrawButtonPicture(ContentPainter::PictureDisabled);
    } else if (look == Brizel::Look::Up) {
        paintUp();
        content.DrawButtonPicture(ContentPainter::PictureUp);
    } else {
        paintDown();
        content.DrawButtonPicture(ContentPainter::PictureDown);
    }
    content.endText();
    b.m_faces.store(inputs, b.m_surface, b.m_lastCaptionMode);
    return true;
}

FaceInputs FacePainter::faceInputs(Brizel::Look look) const {
    FaceInputs in;
    in.down = look == Brizel::Look::Down;
    in.pointerOver = b.m_pointerOver;
    in.hasFocus = b.m_hasFocus;
    in.isDefault = b.displayAsDefault();
    in.size = b.m_surface.size();
    in.buttonType = b.m_buttonType;
    in.colorScheme = b.m_colorScheme;
    in.enabled = b.m_enabled;
    in.showFocusRect = b.m_showFocusRect;
    in.softBevel = b.m_softBevel;
    in.useMaskColor = b.m_useMaskColor;
    in.useGreyscale = b.m_useGreyscale;
    in.specialEffect = b.m_specialEffect;
    in.picturePosition = b.m_picturePosition;
    in.backColor = b.m_backColor;
    in.backOver = b.m_backOver;
    in.foreColor = b.m_foreColor;
    in.foreOver = b.m_foreOver;
    in.maskColor = b.m_maskColor;
    in.colors = b.m_colors;
    in.caption = b.m_caption;
    in.font = b.font();
    in.layout = b.m_layout;
    in.lastCaptionMode = b.m_lastCaptionMode;
    in.focusRect = b.m_focusRect;
    in.pictureNormal = b.m_pictureNormal.image.cacheKey();
    in.pictureNormalIsIcon = b.m_pictureNormal.isIcon;
    in.pictureOver = b.m_pictureOver.image.cacheKey();
    in.pictureOverIsIcon = b.m_pictureOver.isIcon;
    in.pictureWidth = b.m_pictureWidth;
    in.pictureHeight = b.m_pictureHeight;
    in.background = b.m_background.cacheKey();
    return in;
}

void FacePainter::DrawFocusFrame() {
    if (b.m_showFocusRect == False || !b.m_hasFocus)
        return;
    const QRect& r = b.m_focusRect;
    g.DrawFocusRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(), c.TextColor);
}

void FacePainter::paintDisabled() {
    switch (ButtonTypes(b.m_buttonType)) {
    case ButtonTypes::Windows16Bit:
        content.DrawCaption(Etched);
        g.DrawBevel(c.HighlightColor, c.ShadowColor, c.HighlightColor, c.ShadowColor, 1, false);
        g.DrawBox(0, 0, W, H, c.DarkShadowColor, true);
        break;
    case ButtonTypes::Windows32Bit:
        content.DrawCaption(Etched);
        g.DrawBevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, 0, false);
        break;
    case ButtonTypes::WindowsXP:
        xpDisabled();
        break;
    case ButtonTypes::Mac:
        macBody(Etched);
        break;
    case ButtonTypes::JavaMetal:
        content.DrawCaption(Greyed);
        g.DrawBox(0, 0, W, H, c.ShadowColor, true);
        break;
    case ButtonTypes::Netscape6:
        content.DrawCaption(Greyed);
        g.DrawBevel(shade(c.LightColor, 8), c.ShadowColor, shade(c.LightColor, 8), c.ShadowColor, 0, false);
        break;
    case ButtonTypes::OfficeXP:
        content.DrawCaption(Greyed);
        break;
    case Blank:
        break;
    case ContainerPixels:
        g.Blit(b.m_background);
        content.DrawCaption(Etched);
        break;
    case ButtonTypes::KDE2:
        kdeGradient();
        kdeFrames(shade(c.ShadowColor, -50), shade(c.FaceColor, -9));
        content.DrawCaption(KdeDisabled);
        break;
    case ButtonTypes::SimpleFlat:
        content.DrawCaption(Etched);
        g.DrawBevel(c.HighlightColor, c.ShadowColor, 0, 0, 0, true);
        break;
    default:
        content.DrawCaption(Etched);
        break;
    }
}

void FacePainter::paintUp() {
    const int m = b.m_pointerOver ? Hover : Normal;
    switch (ButtonTypes(b.m_buttonType)) {
    case ButtonTypes::WindowsXP:
        xpGradient(false);
        content.DrawCaption(m);
        xpFrame();
        xpUpEdges();
        break;
    case ButtonTypes::Mac:
        macBody(m);
        break;
    case ButtonTypes::JavaMetal:
        javaUp(m);
        break;
    case Blank:
        break;
    case ButtonTypes::OvalFlat:
        g.DrawOval(0, 0, W, H, b.m_pointerOver ? c.ShadowColor : c.FaceColor, c.FaceColor);
        content.DrawCaption(m);
        break;
    case ButtonTypes::KDE2:
        kdeUp(m);
        break;
    default:
        paintUpClassic(ButtonTypes(b.m_buttonType), m);
        break;
    }
}

void FacePainter::paintUpClassic(ButtonTypes style, int m) {
    const bool over = b.m_pointerOver;
    switch (style) {
    case ButtonTypes::Windows16Bit:
        content.DrawCaption(m);
        g.DrawBevel(c.HighlightColor, c.ShadowColor, c.HighlightColor, c.ShadowColor, 1, false);
        g.DrawBox(0, 0, W, H, c.DarkShadowColor, true);
        DrawFocusFrame();
        break;
    case ButtonTypes::Windows32Bit:
        content.DrawCaption(m);
        if (b.m_showFocusRect != False && b.displayAsDefault()) {
            g.DrawBevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, 1, false);
            DrawFocusFrame();
            g.DrawBox(0, 0, W, H, c.DarkShadowColor, true);
        } else {
            g.DrawBevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, 0, false);
        }
        break;
    case ButtonTypes::Netscape6:
        content.DrawCaption(m);
        g.DrawBevel(shade(c.LightColor, 8), c.ShadowColor, shade(c.LightColor, 8), c.ShadowColor, 0, false);
        DrawFocusFrame();
        break;
    case ButtonTypes::SimpleFlat:
    case ButtonTypes::FlatHighlight:
        content.DrawCaption(m);
        if (style == ButtonTypes::SimpleFlat || over)
            g.DrawBevel(c.HighlightColor, c.ShadowColor, 0, 0, 0, true);
        DrawFocusFrame();
        break;
    case ButtonTypes::OfficeXP:
        if (over)
            g.DrawBox(1, 1, W, H, c.HoverFaceColor, false);
        content.DrawCaption(m);
        if (over)
            g.DrawBox(0, 0, W, H, c.SelectColor, true);
        DrawFocusFrame();
        break;
    case ContainerPixels:
        g.Blit(b.m_background);
        content.DrawCaption(m);
        DrawFocusFrame();
        break;
    default:
        content.DrawCaption(m);
        if (over)
            g.DrawBevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, 0, false);
        DrawFocusFrame();
        break;
    }
}

void FacePainter::paintDown() {
    switch (ButtonTypes(b.m_buttonType)) {
    case ButtonTypes::WindowsXP:
        xpGradient(true);
        content.DrawCaption(Pressed);
        xpFrame();
        xpDownEdges();
        break;
    case ButtonTypes::Mac:
        macDown();
        break;
    case ButtonTypes::JavaMetal:
        javaDown();
        break;
    case Blank:
        break;
    case ButtonTypes::OvalFlat:
        g.DrawOval(0, 0, W, H, c.DarkShadowColor, shade(c.FaceColor, -32));
        content.DrawCaption(Pressed);
        break;
    case ButtonTypes::KDE2:
        kdeDown();
        break;
    default:
        paintDownClassic(ButtonTypes(b.m_buttonType));
        break;
    }
}

void FacePainter::paintDownClassic(ButtonTypes style) {
    switch (style) {
    case ButtonTypes::Windows16Bit:
        content.DrawCaption(Pressed);
        g.DrawBevel(c.ShadowColor, c.HighlightColor, c.ShadowColor, c.HighlightColor, 1, false);
        g.DrawBox(0, 0, W, H, c.DarkShadowColor, true);
        break;
    case ButtonTypes::Windows32Bit:
        content.DrawCaption(Pressed);
        if (b.m_showFocusRect != False && b.displayAsDefault()) {
            g.DrawBox(0, 0, W, H, c.DarkShadowColor, true);
            g.DrawBox(1, 1, W - 2, H - 2, c.ShadowColor, true);
            DrawFocusFrame();
        } else {
            g.DrawBevel(c.DarkShadowColor, c.HighlightColor, c.ShadowColor, c.LightColor, 0, false);
        }
        return;
    case ButtonTypes::Netscape6:
        content.DrawCaption(Pressed);
        g.DrawBevel(c.ShadowColor, shade(c.LightColor, 8), c.ShadowColor, shade(c.LightColor, 8), 0, false);
        break;
    case ButtonTypes::OfficeXP:
        if (b.m_pointerOver) {
            const bool custom = b.m_colorScheme == int32_t(ColorTypes::Custom);
            g.DrawBox(0, 0, W, H, custom ? shade(c.HoverFaceColor, -32) : TintTowardWhite(c.SelectColor, 128),
                      false);
        }
        content.DrawCaption(Pressed);
        g.DrawBox(0, 0, W, H, c.SelectColor, true);
        break;
    case ContainerPixels:
        g.Blit(b.m_background);
        content.DrawCaption(Pressed);
        break;
    case ButtonTypes::Hover3D:
        content.DrawCaption(Pressed);
        g.DrawBevel(c.DarkShadowColor, c.HighlightColor, c.ShadowColor, c.LightColor, 0, false);
        break;
    default:
        content.DrawCaption(Pressed);
        g.DrawBevel(c.ShadowColor, c.HighlightColor, 0, 0, 0, true);
        break;
    }
    DrawFocusFrame();
}

void FacePainter::xpGradient(bool down) {
    const float step = 25.0f / float(H);
    const uint32_t base = down ? shade(c.RaisedFaceColor, -32, true) : c.RaisedFaceColor;
    for (int i = 1; i <= H; ++i) {
        const int amount = int(std::nearbyint(-(step * float(i))));
        const int y = down ? H - i : i;
        g.DrawLine(0, y, W, y, shade(base, amount, true));
    }
}

void FacePainter::kdeGradient() {
    const float step = 58.0f / float(H);
    for (int i = 1; i <= H; ++i) {
        const int amount = int(std::nearbyint(-(step * float(i))));
        g.DrawLine(0, i, W, i, shade(c.HighlightColor, amount));
    }
}

void FacePainter::xpFrame() {
    g.DrawBox(0, 0, W, H, XpFrame, true);
    for (const QPoint& p : {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
        g.PlotPixel(p.x(), p.y(), XpFrameCorner);
}

void FacePainter::xpUpEdges() {
    auto edgeSet = [this](uint32_t box, uint32_t bottom, uint32_t top, uint32_t second, uint32_t sides) {
        g.DrawBox(1, 2, W - 2, H - 4, box, true);
        g.DrawLine(2, H - 2, W - 2, H - 2, bottom);
        g.DrawLine(2, 1, W - 2, 1, top);
        g.DrawLine(1, 2, W - 1, 2, second);
        g.DrawLine(2, 3, 2, H - 3, sides);
        g.DrawLine(W - 3, 3, W - 3, H - 3, sides);
    };
    if (b.m_pointerOver) {
        edgeSet(rgb(255, 178, 49), rgb(231, 150, 0), rgb(255, 243, 206), rgb(255, 219, 140),
                rgb(255, 203, 107));
    } else if (b.m_showFocusRect != False && (b.m_hasFocus || b.displayAsDefault())) {
        edgeSet(rgb(140, 174, 231), rgb(107, 130, 239), rgb(206, 231, 255), rgb(189, 215, 247),
                rgb(181, 209, 240));
    } else {
        const uint32_t r = c.RaisedFaceColor;
        g.DrawLine(2, H - 2, W - 2, H - 2, shade(r, -48, true));
        g.DrawLine(1, H - 3, W - 2, H - 3, shade(r, -32, true));
        g.DrawLine(W - 2, 2, W - 2, H - 2, shade(r, -36, true));
        g.DrawLine(W - 3, 3, W - 3, H - 3, shade(r, -24, true));
        g.DrawLine(2, 1, W - 2, 1, shade(r, 16, true));
        g.DrawLine(1, 2, W - 2, 2, shade(r, 10, true));
        g.DrawLine(1, 2, 1, H - 2, shade(r, -5, true));
        g.DrawLine(2, 3, 2, H - 3, shade(r, -10, true));
    }
}

void FacePainter::xpDownEdges() {
    const uint32_t base = shade(c.RaisedFaceColor, -32, true);
    g.DrawLine(2, H - 2, W - 2, H - 2, shade(base, 16, true));
    g.DrawLine(1, H - 3, W - 2, H - 3, shade(base, 10, true));
    g.DrawLine(W - 2, 2, W - 2, H - 2, shade(base, 5, true));
    g.DrawLine(W - 3, 3, W - 3, H - 3, c.RaisedFaceColor);
    g.DrawLine(2, 1, W - 2, 1, shade(base, -32, true));
    g.DrawLine(1, 2, W - 2, 2, shade(base, -24, true));
    g.DrawLine(1, 2, 1, H - 2, shade(base, -32, true));
    g.DrawLine(2, 2, 2, H - 2, shade(base, -22, true));
}

void FacePainter::xpDisabled() {
    const uint32_t r = c.RaisedFaceColor;
    g.DrawBox(0, 0, W, H, shade(r, -24, true), false);
    content.DrawCaption(XpDisabled);
    g.DrawBox(0, 0, W, H, shade(r, -84, true), true);
    for (const QPoint& p : {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
        g.PlotPixel(p.x(), p.y(), shade(r, -72, true));
}

void FacePainter::macBody(int captionMode) {
    g.DrawBox(1, 1, W - 2, H - 2, c.LightColor, false);
    content.DrawCaption(captionMode);
    g.DrawBox(0, 0, W, H, c.DarkShadowColor, true);
    for (const QPoint& p : {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
        g.PlotPixel(p.x(), p.y(), c.DarkShadowColor);
    g.DrawLine(1, 2, 2, 0, c.FaceColor);
    g.DrawLine(3, 2, W - 3, 2, c.HighlightColor);
    g.DrawLine(2, 2, 2, H - 3, c.HighlightColor);
    g.PlotPixel(3, 3, c.HighlightColor);
    g.DrawLine(W - 3, 1, W - 3, H - 3, c.FaceColor);
    g.DrawLine(1, H - 3, W - 3, H - 3, c.FaceColor);
    g.PlotPixel(W - 4, H - 4, c.FaceColor);
    g.DrawLine(W - 2, 2, W - 2, H - 2, c.ShadowColor);
    g.DrawLine(2, H - 2, W - 2, H - 2, c.ShadowColor);
    g.PlotPixel(W - 3, H - 3, c.ShadowColor);
}

void FacePainter::macDown() {
    const uint32_t s = c.ShadowColor;
    g.DrawBox(1, 1, W - 2, H - 2, shade(s, -16), false);
    // The caption's effect copies take the pressed body as their base for this one drawing.
    const uint32_t raised = c.RaisedFaceColor;
    c.RaisedFaceColor = shade(s, -16);
    content.DrawCaption(Pressed);
    c.RaisedFaceColor = raised;
    g.DrawBox(0, 0, W, H, c.DarkShadowColor, true);
    g.DrawBox(1, 1, W - 2, H - 2, shade(s, -64), true);
    g.DrawBox(2, 2, W - 4, H - 4, shade(s, -32), true);
    g.PlotPixel(2, 2, shade(s, -64));
    g.PlotPixel(3, 3, shade(s, -32));
    for (const QPoint& p : {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
        g.PlotPixel(p.x(), p.y(), c.DarkShadowColor);
    g.DrawLine(W - 3, 1, W - 3, H - 3, s);
    g.DrawLine(1, H - 3, W - 2, H - 3, s);
    g.PlotPixel(W - 4, H - 4, s);
    g.DrawLine(W - 2, 3, W - 2, H - 2, shade(s, -16));
    g.DrawLine(3, H - 2, W - 2, H - 2, shade(s, -16));
    g.DrawLine(W - 2, H - 3, W - 4, H - 1, shade(s, -32));
    g.PlotPixel(2, H - 2, shade(s, -32));
    g.PlotPixel(W - 2, 2, shade(s, -32));
}

void FacePainter::javaUp(int m) {
    g.DrawBox(1, 1, W - 1, H - 1, shade(c.FaceColor, 12), false);
    content.DrawCaption(m);
    g.DrawBox(1, 1, W - 1, H - 1, c.HighlightColor, true);
    g.DrawBox(0, 0, W - 1, H - 1, shade(c.ShadowColor, -26), true);
    g.PlotPixel(1, H - 2, shade(c.ShadowColor, 26));
    g.PlotPixel(W - 2, 1, shade(c.ShadowColor, 26));
    javaCaptionFrame();
}

void FacePainter::javaDown() {
    g.DrawBox(1, 1, W - 2, H - 2, shade(c.ShadowColor, 16), false);
    g.DrawBox(0, 0, W - 1, H - 1, shade(c.ShadowColor, -26), true);
    g.DrawLine(W - 1, 1, W - 1, H, c.HighlightColor);
    g.DrawLine(1, H - 1, W - 1, H - 1, c.HighlightColor);
    content.drawText(b.m_layout.captionRect, c.TextOverColor);
    javaCaptionFrame();
}

void FacePainter::javaCaptionFrame() {
    if (!b.m_hasFocus || b.m_showFocusRect == False)
        return;
    const TextBox& r = b.m_layout.captionRect;
    g.DrawBox(r.left - 2, r.top - 1, b.m_layout.textWidth + 4, b.m_layout.textHeight + 2, JavaCaptionFrame,
              true);
}

void FacePainter::kdeUp(int m) {
    if (b.m_pointerOver)
        g.DrawBox(0, 0, W, H, c.LightColor, false);
    else
        kdeGradient();
    // The default button's caption is bold.
    content.useBoldCaption(b.displayAsDefault());
    content.DrawCaption(m);
    content.useBoldCaption(false);
    kdeFrames(shade(c.ShadowColor, -50), shade(c.FaceColor, -9));
    DrawFocusFrame();
}

void FacePainter::kdeFrames(uint32_t outer, uint32_t inner) {
    g.DrawBox(0, 0, W, H, outer, true);
    g.DrawBox(1, 1, W - 2, H - 2, inner, true);
    g.DrawBox(2, 2, W - 4, 2, c.HighlightColor, false);
    g.DrawBox(2, 4, 2, H - 6, c.HighlightColor, false);
}

void FacePainter::kdeDown() {
    g.DrawBox(1, 1, W, H, shade(c.FaceColor, -9), false);
    g.DrawBox(0, 0, W, H, shade(c.ShadowColor, -48), true);
    g.DrawLine(2, H - 2, W - 2, H - 2, c.HighlightColor);
    g.DrawLine(W - 2, 2, W - 2, H - 1, c.HighlightColor);
    content.DrawCaption(KdePressed);
    DrawFocusFrame();
}

} // namespace brizel
