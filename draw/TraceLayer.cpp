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

TraceLayer::TraceLayer(const QImage& step, QSize canvas) : m_size(canvas) {
    QImage faint(canvas, QImage::Format_RGB32);
    faint.fill(Qt::white);
    QPainter painter(&faint);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(Opacity);
    painter.drawImage(fourByThree(canvas), step);
    painter.end();
    keepLines(faint);
}

void TraceLayer::keepLines(const QImage& faint) {
    m_rowStart.reserve(static_cast<size_t>(faint.height()) + 1);
    const int width = faint.width();
    for (int y = 0; y < faint.height(); ++y) {
        m_rowStart.push_back(m_runs.size());
        const auto* row = reinterpret_cast<const QRgb*>(faint.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (row[x] == Paper)
                continue;
            const int first = x;
            for (int next = x + 1; next < width && next - x <= JoinedGap; ++next)
                if (row[next] != Paper)
                    x = next;
            m_runs.push_back({first, x, m_pixels.size()});
            m_pixels.insert(m_pixels.end(), row + first, row + x + 1);
        }
    }
    m_rowStart.push_back(m_runs.size());
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
