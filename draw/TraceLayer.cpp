#include "draw/TraceLayer.h"

#include <QPainter>
#include <algorithm>

namespace {

// Faint enough to draw over, clear enough to follow.
constexpr double Opacity = 0.25;
constexpr QRgb Paper = 0xFFFFFFFF;

// The largest 4:3 area from the top-left corner, where the drawing of a lesson's shape lies.
QRect fourByThree(QSize size) {
    const int width = std::min(size.width(), size.height() * 4 / 3);
    return QRect(0, 0, width, width * 3 / 4);
}

const QRgb* row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

QRgb shownPixel(QRgb drawn, QRgb layer) {
    return drawn == Paper ? layer : drawn;
}

// Eight pixels at a time, without branches, so the compiler makes vector instructions of each block: a
// filled petal of the last step is a long run.
void showThroughPaper(const QRgb* __restrict picture, const QRgb* __restrict layer, QRgb* __restrict out,
                      int count) {
    constexpr int Block = 8;
    int x = 0;
    for (; x + Block <= count; x += Block)
        for (int i = 0; i < Block; ++i)
            out[x + i] = shownPixel(picture[x + i], layer[x + i]);
    for (; x < count; ++x)
        out[x] = shownPixel(picture[x], layer[x]);
}

} // namespace

TraceLayer::TraceLayer(const QImage& step, QSize canvas) : m_faint(canvas, QImage::Format_RGB32) {
    m_faint.fill(Qt::white);
    QPainter painter(&m_faint);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(Opacity);
    painter.drawImage(fourByThree(canvas), step);
    painter.end();
    findRuns();
}

void TraceLayer::findRuns() {
    m_rowStart.reserve(static_cast<size_t>(m_faint.height()) + 1);
    for (int y = 0; y < m_faint.height(); ++y) {
        m_rowStart.push_back(m_runs.size());
        const QRgb* pixels = row(m_faint, y);
        for (int x = 0; x < m_faint.width(); ++x) {
            if (pixels[x] == Paper)
                continue;
            const int first = x;
            while (x + 1 < m_faint.width() && pixels[x + 1] != Paper)
                ++x;
            m_runs.push_back({first, x});
        }
    }
    m_rowStart.push_back(m_runs.size());
}

// Calls visit(y, first, last) for each part of a run on row y that lies in `area`, left to right.
template <class Visit> void TraceLayer::forRunsIn(const QRect& area, Visit visit) const {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto rowY = static_cast<size_t>(y);
        for (size_t i = m_rowStart[rowY]; i < m_rowStart[rowY + 1] && m_runs[i].first <= area.right(); ++i) {
            const int first = std::max(m_runs[i].first, area.left());
            const int last = std::min(m_runs[i].last, area.right());
            if (first <= last)
                visit(y, first, last);
        }
    }
}

QRect TraceLayer::tracedPart(const QRect& area) const {
    QRect part;
    forRunsIn(area, [&](int y, int first, int last) { part |= QRect(first, y, last - first + 1, 1); });
    return part;
}

// The picture's rows are copied whole; only where the layer has a run is it looked at pixel by pixel.
void TraceLayer::showUnder(const QImage& picture, const QRect& area, QImage& out) const {
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::copy_n(row(picture, y) + area.left(), area.width(),
                    reinterpret_cast<QRgb*>(out.scanLine(y - area.top())));
    forRunsIn(area, [&](int y, int first, int last) {
        showThroughPaper(row(picture, y) + first, row(m_faint, y) + first,
                         reinterpret_cast<QRgb*>(out.scanLine(y - area.top())) + (first - area.left()),
                         last - first + 1);
    });
}
