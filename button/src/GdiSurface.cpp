// SPDX-License-Identifier: GPL-3.0-or-later
#include "GdiSurface.h"

#include "SystemColors.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace brizel {

QRgb* GdiSurface::row(int y) {
    if (!m_bits) {
        m_bits = reinterpret_cast<QRgb*>(m_image.bits());
        m_stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    }
    return m_bits + y * m_stride;
}

void GdiSurface::span(int x1, int x2, int y, QRgb value) {
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width() - 1);
    if (y < 0 || y >= height() || x1 > x2)
        return;
    QRgb* line = row(y);
    std::fill(line + x1, line + x2 + 1, value);
}

void GdiSurface::fill(int x1, int x2, int y1, int y2, QRgb value) {
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width() - 1);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, height() - 1);
    if (x1 > x2 || y1 > y2)
        return;
    const QRgb* first = row(y1) + x1;
    span(x1, x2, y1, value);
    for (int y = y1 + 1; y <= y2; ++y)
        std::copy_n(first, x2 - x1 + 1, row(y) + x1);
}

void GdiSurface::DrawBox(int x, int y, int width, int height, uint32_t color, bool frameOnly) {
    if (width <= 0 || height <= 0)
        return;
    const QRgb value = SystemColors::toQRgb(color);
    if (!frameOnly) {
        fill(x, x + width - 1, y, y + height - 1, value);
        return;
    }
    span(x, x + width - 1, y, value);
    span(x, x + width - 1, y + height - 1, value);
    for (int r = y + 1; r < y + height - 1; ++r) {
        span(x, x, r, value);
        span(x + width - 1, x + width - 1, r, value);
    }
}

void GdiSurface::DrawLine(int x1, int y1, int x2, int y2, uint32_t color) {
    if (y1 == y2 && x1 != x2) {
        span(std::min(x1, x2 + (x2 < x1 ? 1 : 0)), std::max(x1, x2 - (x2 > x1 ? 1 : 0)), y1,
             SystemColors::toQRgb(color));
        return;
    }
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        PlotPixel(x, y, color);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void GdiSurface::PlotPixel(int x, int y, uint32_t color) {
    if (x >= 0 && y >= 0 && x < width() && y < height())
        row(y)[x] = SystemColors::toQRgb(color);
}

void GdiSurface::DrawOval(int x, int y, int width, int height, uint32_t pen, uint32_t fill) {
    if (width <= 0 || height <= 0)
        return;
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(SystemColors::toQRgb(pen)), 2));
    painter.setBrush(QColor(SystemColors::toQRgb(fill)));
    painter.drawEllipse(QRectF(x + 1, y + 1, width - 2, height - 2));
}

void GdiSurface::DrawBevel(uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4, int inset, bool outerOnly) {
    const int n = inset;
    const int right = width() - 1 - n;
    const int bottom = height() - 1 - n;
    DrawLine(n, bottom, n, n, c1);
    DrawLine(n, n, right, n, c1);
    DrawLine(right, n, right, bottom, c2);
    DrawLine(right, bottom, n - 1, bottom, c2);
    if (outerOnly)
        return;
    DrawLine(n + 1, bottom - 1, n + 1, n + 1, c3);
    DrawLine(n + 1, n + 1, right - 1, n + 1, c3);
    DrawLine(right - 1, n + 1, right - 1, bottom - 1, c4);
    DrawLine(right - 1, bottom - 1, n, bottom - 1, c4);
}

void GdiSurface::DrawFocusRect(int left, int top, int right, int bottom, uint32_t textColor) {
    if (right <= left || bottom <= top)
        return;
    const QRgb inverter = SystemColors::toQRgb(~textColor & 0xFFFFFF);
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 != 0 || x < 0 || y < 0 || x >= width() || y >= height())
            return;
        QRgb& pixel = row(y)[x];
        pixel = (pixel ^ inverter) | 0xFF000000u;
    };
    for (int x = left; x < right; ++x) {
        dot(x, top);
        dot(x, bottom - 1);
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        dot(left, y);
        dot(right - 1, y);
    }
}

void GdiSurface::Blit(const QImage& source) {
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, source);
}

} // namespace brizel
