// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/TraceLayer.h"

#include <QPainter>
#include <algorithm>

#if defined(__GNUC__) && defined(__x86_64__) && defined(__ELF__)
#define WIDE_WHERE_AVAILABLE __attribute__((target_clones("avx2", "default")))
#else
#define WIDE_WHERE_AVAILABLE
#endif

namespace {

// Faint enough to draw over, clear enough to follow.
constexpr double Opacity = 0.25;
constexpr QRgb Paper = 0xFFFFFFFF;
// Lines closer than this are kept as one run with the paper between them: laying a run under a part costs
// more than comparing a few more pixels.
constexpr int JoinedGap = 32;

// The largest 4:3 area from the top-left corner, where the drawing of a lesson's shape lies.
QRect fourByThree(QSize size) {
    const int width = std::min(size.width(), size.height() * 4 / 3);
    return QRect(0, 0, width, width * 3 / 4);
}

QRgb shownPixel(QRgb drawn, QRgb layer) {
    return drawn == Paper ? layer : drawn;
}

// Eight pixels at a time, without branches, so the compiler makes vector instructions of each block: a
// filled petal of the last step is a long run. Where the processor has AVX2, chosen once as the program
// loads, a block is one instruction wide instead of two.
WIDE_WHERE_AVAILABLE void showThroughPaper(QRgb* __restrict shown, const QRgb* __restrict layer, int count) {
    constexpr int Block = 8;
    int x = 0;
    for (; x + Block <= count; x += Block)
        for (int i = 0; i < Block; ++i)
            shown[x + i] = shownPixel(shown[x + i], layer[x + i]);
    for (; x < count; ++x)
        shown[x] = shownPixel(shown[x], layer[x]);
}

} // namespace

TraceLayer::TraceLayer(const QImage& step, QSize canvas)
    : m_size(canvas), m_rowStart(static_cast<size_t>(std::max(0, canvas.height())) + 1, 0) {
    redraw(step, step.rect());
}

QRect TraceLayer::redraw(const QImage& step, const QRect& changed) {
    const QRect target = fourByThree(m_size);
    if (step.isNull() || target.isEmpty() || changed.isEmpty())
        return {};
    // The smooth scaling reaches a step pixel further on each side.
    const QRectF scaled(target.left() + (changed.left() - 1) * target.width() / double(step.width()),
                        target.top() + (changed.top() - 1) * target.height() / double(step.height()),
                        (changed.width() + 2) * target.width() / double(step.width()),
                        (changed.height() + 2) * target.height() / double(step.height()));
    const QRect area = scaled.toAlignedRect().adjusted(-1, -1, 1, 1) & QRect(QPoint(0, 0), m_size);
    if (area.isEmpty())
        return {};
    QImage faint(m_size.width(), area.height(), QImage::Format_RGB32);
    faint.fill(Qt::white);
    QPainter painter(&faint);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(Opacity);
    painter.translate(0, -area.top());
    painter.drawImage(target, step);
    painter.end();
    replaceRows(area.top(), linesOf(faint));
    return area;
}

TraceLayer::Lines TraceLayer::linesOf(const QImage& faint) {
    Lines lines;
    lines.rowStart.reserve(static_cast<size_t>(faint.height()) + 1);
    const int width = faint.width();
    for (int y = 0; y < faint.height(); ++y) {
        lines.rowStart.push_back(lines.runs.size());
        const auto* row = reinterpret_cast<const QRgb*>(faint.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (row[x] == Paper)
                continue;
            const int first = x;
            for (int next = x + 1; next < width && next - x <= JoinedGap; ++next)
                if (row[next] != Paper)
                    x = next;
            lines.runs.push_back({first, x, lines.pixels.size()});
            lines.pixels.insert(lines.pixels.end(), row + first, row + x + 1);
        }
    }
    lines.rowStart.push_back(lines.runs.size());
    return lines;
}

// Puts `lines`, rows `top` onwards, in place of the rows they cover; the runs below move along.
void TraceLayer::replaceRows(int top, const Lines& lines) {
    const auto first = static_cast<size_t>(top);
    const size_t rows = lines.rowStart.size() - 1;
    const size_t runFrom = m_rowStart[first];
    const size_t runTo = m_rowStart[first + rows];
    const size_t pixelFrom = runFrom < m_runs.size() ? m_runs[runFrom].start : m_pixels.size();
    const size_t pixelTo = runTo < m_runs.size() ? m_runs[runTo].start : m_pixels.size();
    const auto runsAdded =
        static_cast<std::ptrdiff_t>(lines.runs.size()) - static_cast<std::ptrdiff_t>(runTo - runFrom);
    const auto pixelsAdded =
        static_cast<std::ptrdiff_t>(lines.pixels.size()) - static_cast<std::ptrdiff_t>(pixelTo - pixelFrom);
    for (size_t r = runTo; r < m_runs.size(); ++r)
        m_runs[r].start = static_cast<size_t>(static_cast<std::ptrdiff_t>(m_runs[r].start) + pixelsAdded);
    for (size_t y = first + rows; y < m_rowStart.size(); ++y)
        m_rowStart[y] = static_cast<size_t>(static_cast<std::ptrdiff_t>(m_rowStart[y]) + runsAdded);
    for (size_t y = 0; y < rows; ++y)
        m_rowStart[first + y] = runFrom + lines.rowStart[y];
    std::vector<Run> runs = lines.runs;
    for (Run& run : runs)
        run.start += pixelFrom;
    const auto at = [](auto& v, size_t i) { return v.begin() + static_cast<std::ptrdiff_t>(i); };
    m_runs.erase(at(m_runs, runFrom), at(m_runs, runTo));
    m_runs.insert(at(m_runs, runFrom), runs.begin(), runs.end());
    m_pixels.erase(at(m_pixels, pixelFrom), at(m_pixels, pixelTo));
    m_pixels.insert(at(m_pixels, pixelFrom), lines.pixels.begin(), lines.pixels.end());
}

void TraceLayer::showUnder(QImage& part, QPoint at) const {
    const int left = at.x();
    const int right = at.x() + part.width() - 1;
    const int bottom = at.y() + part.height() - 1;
    const qsizetype lineBytes = part.bytesPerLine();
    uchar* line = part.bits();
    for (int y = at.y(); y <= bottom; ++y, line += lineBytes) {
        const auto row = static_cast<size_t>(y);
        const auto end = m_runs.begin() + static_cast<std::ptrdiff_t>(m_rowStart[row + 1]);
        auto run = std::partition_point(m_runs.begin() + static_cast<std::ptrdiff_t>(m_rowStart[row]), end,
                                        [left](const Run& r) { return r.last < left; });
        auto* shown = reinterpret_cast<QRgb*>(line);
        for (; run != end && run->first <= right; ++run) {
            const int first = std::max(run->first, left);
            const int last = std::min(run->last, right);
            showThroughPaper(shown + (first - left),
                             &m_pixels[run->start + static_cast<size_t>(first - run->first)],
                             last - first + 1);
        }
    }
}
