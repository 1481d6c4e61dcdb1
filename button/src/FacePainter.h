// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Brizel.h"
#include "ContentPainter.h"
#include "FaceCache.h"
#include "GdiSurface.h"

namespace brizel {

// PaintButton: face, border and bevel of every style in the up, down and disabled looks, then the
// caption and picture through the content painter.
class FacePainter {
public:
    explicit FacePainter(Brizel& button);

    // False when the repaint was skipped (nothing changed, no height, or painting disabled). A face already
    // painted from the same inputs is taken from the button's face cache instead of being drawn again.
    bool PaintButton(Brizel::Look look, bool force);

private:
    FaceInputs faceInputs(Brizel::Look look) const;
    uint32_t shade(uint32_t color, int amount, bool proportionalBlue = false) const;
    void DrawFocusFrame();
    void paintDisabled();
    void paintUp();
    void paintDown();
    void paintUpClassic(ButtonTypes style, int m);
    void paintDownClassic(ButtonTypes style);
    void xpGradient(bool down);
    void kdeGradient();
    void xpFrame();
    void xpUpEdges();
    void xpDownEdges();
    void xpDisabled();
    void macBody(int captionMode);
    void macDown();
    void javaUp(int m);
    void javaDown();
    void javaCaptionFrame();
    void kdeUp(int m);
    void kdeDown();
    void kdeFrames(uint32_t outer, uint32_t inner);

    Brizel& b;
    // The face's own colour table: the button's, or for a hovered Custom button the one BackOver gives.
    DerivedColors c;
    GdiSurface g;
    ContentPainter content;
    int W;
    int H;
};

} // namespace brizel
