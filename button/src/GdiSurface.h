// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>

namespace brizel {

// The drawing helpers of the button face with the platform's pixel rules, on the persistent image.
// Colours are plain RGB (red in the low byte); a rectangle x, y, width, height covers x..x+width-1.
class GdiSurface {
public:
    explicit GdiSurface(QImage& image) : m_image(image), m_width(image.width()), m_height(image.height()) {}

    int width() const { return m_width; }
    int height() const { return m_height; }

    // A 1-pixel frame of the rectangle with `frameOnly`, else the rectangle filled.
    void DrawBox(int x, int y, int width, int height, uint32_t color, bool frameOnly);
    // A 1-pixel line that leaves out its end point.
    void DrawLine(int x1, int y1, int x2, int y2, uint32_t color);
    void PlotPixel(int x, int y, uint32_t color);
    // An ellipse in the bounding rectangle, outlined with a 2-pixel pen and filled.
    void DrawOval(int x, int y, int width, int height, uint32_t pen, uint32_t fill);
    // Two rings of bevel lines (c1 top-left and c2 bottom-right outside, c3/c4 inside), inset by `inset`.
    void DrawBevel(uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4, int inset, bool outerOnly);
    // The system's dotted focus rectangle: every other pixel of the frame inverted against `textColor`.
    void DrawFocusRect(int left, int top, int right, int bottom, uint32_t textColor);
    // Copies `source` to (0,0).
    void Blit(const QImage& source);

private:
    // Writable pixels, taken on the first write so that a skipped repaint never detaches the image.
    QRgb* row(int y);
    void span(int x1, int x2, int y, QRgb value);
    // Columns x1..x2 of rows y1..y2: the first row filled, the others copied from it.
    void fill(int x1, int x2, int y1, int y2, QRgb value);

    QImage& m_image;
    int m_width;
    int m_height;
    QRgb* m_bits = nullptr;
    qsizetype m_stride = 0;
};

} // namespace brizel
