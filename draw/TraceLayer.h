// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// A lesson step laid faintly on white paper, stretched over the canvas's 4:3 area, for the child to trace.
// Only its lines are kept, row by row, as runs of pixels that are not white (with the paper of short gaps
// between them), so it takes little memory and laying it under a part of the drawing reads little more
// than the step's lines there.
class TraceLayer {
public:
    TraceLayer() = default;
    TraceLayer(const QImage& step, QSize canvas);

    QSize size() const { return m_size; }

    // Lays `step` anew where it changed, `changed` in its own pixels, and keeps the rest: a lesson played
    // on the canvas changes a few pixels a frame. Gives the canvas's rectangle that may show differently.
    QRect redraw(const QImage& step, const QRect& changed);

    // Lays the layer under `part`, a 32-bit picture of the canvas's rectangle at `at`: wherever the part
    // is white paper the layer shows; the strokes cover it. The rectangle lies within the layer.
    void showUnder(QImage& part, QPoint at) const;

private:
    // Pixels first to last of a row hold lines; theirs are pixels[start] onwards.
    struct Run {
        int first;
        int last;
        size_t start;
    };
    struct Lines {
        std::vector<Run> runs;
        // The first run of each row, and one past the last row's.
        std::vector<size_t> rowStart;
        std::vector<QRgb> pixels;
    };
    static Lines linesOf(const QImage& faint);
    void replaceRows(int top, const Lines& lines);

    QSize m_size;
    // The runs of row y are m_runs[m_rowStart[y]] up to m_runs[m_rowStart[y + 1]], left to right.
    std::vector<Run> m_runs;
    std::vector<size_t> m_rowStart;
    std::vector<QRgb> m_pixels;
};
