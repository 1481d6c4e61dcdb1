#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

// A lesson step laid faintly on white paper, stretched over the canvas's 4:3 area, for the child to trace.
// It knows where on each row it is not white, so laying it under a drawing costs nothing where the step
// has no lines.
class TraceLayer {
public:
    TraceLayer() = default;
    TraceLayer(const QImage& step, QSize canvas);

    QSize size() const { return m_faint.size(); }
    const QImage& image() const { return m_faint; }

    // The smallest rectangle holding every pixel of `area` where the layer is not white; empty where the
    // step has no line in the area.
    QRect tracedPart(const QRect& area) const;
    // Writes `area` of `picture` to `out` from its top-left corner, the layer showing wherever the picture
    // is white paper; the strokes cover it. `area` lies within both the picture and the layer.
    void showUnder(const QImage& picture, const QRect& area, QImage& out) const;

private:
    struct Run {
        int first;
        int last;
    };
    void findRuns();
    template <class Visit> void forRunsIn(const QRect& area, Visit visit) const;

    QImage m_faint;
    // The runs of row y are m_runs[m_rowStart[y]] up to m_runs[m_rowStart[y + 1]], left to right.
    std::vector<Run> m_runs;
    std::vector<size_t> m_rowStart;
};
