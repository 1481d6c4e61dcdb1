// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's costs where the child waits, on three screens (the window as large as it opens
// there): one resize step (layout, stretched background, repaint; the drawing kept), a full repaint of
// the canvas, a stroke segment of pen width 50 drawn and repainted through its dirty rectangle (also with
// a lesson step traced under it) next to the same segment drawn the way Qt's Scribble example draws it
// with the canvas's aliased pen, and the undo copy a press takes after a long stroke. Also Sprache when the
// window becomes active (twenty language-file reads and the relabelling) and a whole stroke through the
// window's pointer handlers (press, twenty moves, release, events handled), also while the lesson viewer
// plays a step along on the canvas.
#include "ScreenSizes.h"
#include "core/Resources.h"
#include "draw/DrawingCanvas.h"
#include "draw/frmDraw.h"
#include "lessons/frmPreview.h"
#include "support/Parts.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int PenWidth = 50;

// Points around an ellipse over the middle of the canvas, 20 pixels apart: a child's stroke at pointer
// rate.
QPointF pathPoint(int step, QSize canvas) {
    const double rx = canvas.width() / 3.0;
    const double ry = canvas.height() / 3.0;
    const double angle = step * 20.0 / rx;
    return QPointF(canvas.width() / 2.0 + rx * std::cos(angle), canvas.height() / 2.0 + ry * std::sin(angle));
}

// The drawing window as it opens on the benchmark's screen, with a drawing over the whole canvas.
DrawingCanvas* canvasOnScreen(const benchmark::State& state) {
    DrawingCanvas* canvas = part<DrawingCanvas>(drawingWindowOn(state.range(0)), "picBild");
    QImage drawing(canvas->size(), QImage::Format_RGB32);
    drawing.fill(qRgb(200, 220, 240));
    canvas->setTracing({});
    canvas->paintPicture(drawing, canvas->rect());
    canvas->setDrawWidth(PenWidth);
    canvas->setForeColor(0xFF0000);
    canvas->takeUndoCopy();
    QApplication::processEvents();
    return canvas;
}

// Argument traced 1: with a lesson step traced under the drawing, laid out before the timing starts.
void traceIfAsked(DrawingCanvas* canvas, const benchmark::State& state) {
    if (state.range(1) == 0)
        return;
    canvas->setTracing(Resources::LoadResPicture(112, Resources::PictureKind::Bitmap)
                           .copy(0, 1200, 400, 300)
                           .convertToFormat(QImage::Format_RGB32));
    canvas->repaint();
}

// Scribble: an image the size of the canvas; each move draws the segment with the canvas's pen (aliased,
// round caps and joins) and updates its bounding box.
class ScribbleArea : public QWidget {
public:
    explicit ScribbleArea(QSize size) {
        setAttribute(Qt::WA_StaticContents);
        image = QImage(size, QImage::Format_RGB32);
        image.fill(qRgb(255, 255, 255));
    }
    void drawLineTo(const QPointF& endPoint) {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::blue, PenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(lastPoint, endPoint);
        const int rad = (PenWidth / 2) + 2;
        update(QRectF(lastPoint, endPoint).toRect().normalized().adjusted(-rad, -rad, +rad, +rad));
        lastPoint = endPoint;
    }
    QPointF lastPoint;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect dirtyRect = event->rect();
        painter.drawImage(dirtyRect, image, dirtyRect);
    }

private:
    QImage image;
};

// Window sizes alternate between the size on the screen and one a drag step smaller.
void BM_ResizeStep(benchmark::State& state) {
    frmDraw* window = shownDrawingWindow();
    const QSize large = drawingWindowSizeOn(state.range(0));
    const QSize sizes[] = {large, large - QSize(16, 12)};
    window->setFixedSize(large);
    QApplication::processEvents();
    int next = 1;
    for (auto _ : state) {
        window->setFixedSize(sizes[next]);
        QApplication::processEvents();
        next = 1 - next;
    }
    state.counters["canvas_width"] = part<DrawingCanvas>(window, "picBild")->width();
}
BENCHMARK(BM_ResizeStep)->Apply(onThreeScreens)->Unit(benchmark::kMillisecond);

void BM_CanvasRepaint(benchmark::State& state) {
    DrawingCanvas* canvas = canvasOnScreen(state);
    traceIfAsked(canvas, state);
    for (auto _ : state)
        canvas->repaint();
    state.counters["canvas_width"] = canvas->width();
}
BENCHMARK(BM_CanvasRepaint)
    ->ArgNames({"screen", "traced"})
    ->ArgsProduct({{1080, 1440, 2160}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_CanvasSegmentWidth50(benchmark::State& state) {
    DrawingCanvas* canvas = canvasOnScreen(state);
    traceIfAsked(canvas, state);
    int step = 0;
    canvas->Line(pathPoint(0, canvas->size()), pathPoint(0, canvas->size()));
    for (auto _ : state) {
        canvas->LineTo(pathPoint(++step, canvas->size()));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CanvasSegmentWidth50)
    ->ArgNames({"screen", "traced"})
    ->ArgsProduct({{1080, 1440, 2160}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_ScribbleSegmentWidth50(benchmark::State& state) {
    const QSize size = canvasOnScreen(state)->size();
    ScribbleArea area(size);
    area.resize(size);
    area.show();
    QApplication::processEvents();
    int step = 0;
    area.lastPoint = pathPoint(0, size);
    for (auto _ : state) {
        area.drawLineTo(pathPoint(++step, size));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ScribbleSegmentWidth50)->Apply(onThreeScreens)->Unit(benchmark::kMicrosecond);

// The undo copy of a press after a stroke of the given length in segments (120: once around the canvas);
// length 0 stands for a whole new picture opened since the last press.
void BM_UndoCopyOnPress(benchmark::State& state) {
    DrawingCanvas* canvas = canvasOnScreen(state);
    QImage picture(canvas->size(), QImage::Format_RGB32);
    picture.fill(qRgb(240, 220, 200));
    const int segments = static_cast<int>(state.range(1));
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (segments == 0)
            canvas->paintPicture(picture, canvas->rect());
        canvas->Line(pathPoint(step, canvas->size()), pathPoint(step, canvas->size()));
        for (int i = 0; i < segments; ++i)
            canvas->LineTo(pathPoint(++step, canvas->size()));
        state.ResumeTiming();
        canvas->takeUndoCopy();
    }
}
BENCHMARK(BM_UndoCopyOnPress)
    ->ArgNames({"screen", "segments"})
    ->ArgsProduct({{1080, 1440, 2160}, {120, 0}})
    ->Unit(benchmark::kMicrosecond);

void BM_Sprache(benchmark::State& state) {
    frmDraw* window = shownDrawingWindow();
    for (auto _ : state)
        window->Sprache();
}
BENCHMARK(BM_Sprache)->Unit(benchmark::kMicrosecond);

// Argument traced 1: the lesson viewer's step 3 of lesson 1 is traced on the canvas; playing 1: the viewer
// plays that step over and over, along on the canvas when traced. The counter tells how many of its frames
// reached the canvas.
class PlayAlong {
public:
    explicit PlayAlong(const benchmark::State& state)
        : m_traced(state.range(1) != 0), m_playing(state.range(2) != 0) {
        m_viewer = frmPreview::instance();
        if (m_traced)
            m_viewer->bzlButton_Click(frmPreview::Command::TraceSwitch);
        m_viewer->bzlButton_Click(frmPreview::Command::StepOn);
        m_viewer->bzlButton_Click(frmPreview::Command::StepOn);
        QObject::connect(m_viewer, &frmPreview::tracingPlayed, &m_counting, [this] { ++m_frames; });
    }
    ~PlayAlong() {
        if (state<bool>(m_viewer, "playing"))
            m_viewer->bzlButton_Click(frmPreview::Command::ShowHow);
        if (m_traced)
            m_viewer->bzlButton_Click(frmPreview::Command::TraceSwitch);
        m_viewer->bzlButton_Click(frmPreview::Command::StepBack);
        m_viewer->bzlButton_Click(frmPreview::Command::StepBack);
    }
    PlayAlong(const PlayAlong&) = delete;
    PlayAlong& operator=(const PlayAlong&) = delete;

    void keepPlaying() {
        if (m_playing && !state<bool>(m_viewer, "playing"))
            m_viewer->bzlButton_Click(frmPreview::Command::ShowHow);
    }
    int frames() const { return m_frames; }

private:
    const bool m_traced;
    const bool m_playing;
    frmPreview* m_viewer;
    QObject m_counting;
    int m_frames = 0;
};

// Everything a stroke costs the user-interface thread, including what its end sets going, and with a
// lesson played along on the canvas meanwhile.
void BM_StrokeThroughDrawingWindow(benchmark::State& state) {
    DrawingCanvas* canvas = canvasOnScreen(state);
    frmDraw* window = frmDraw::instance();
    PlayAlong play(state);
    int step = 0;
    for (auto _ : state) {
        play.keepPlaying();
        const QPointF start = pathPoint(step, canvas->size());
        window->picBild_MouseDown(1, 0, float(start.x()), float(start.y()));
        for (int i = 0; i < 20; ++i) {
            const QPointF to = pathPoint(++step, canvas->size());
            window->picBild_MouseMove(1, 0, float(to.x()), float(to.y()));
            QApplication::processEvents();
        }
        window->picBild_MouseUp(1, 0, 0, 0);
        QApplication::processEvents();
    }
    state.counters["played_frames"] = play.frames();
}
BENCHMARK(BM_StrokeThroughDrawingWindow)
    ->ArgNames({"screen", "traced", "playing"})
    ->ArgsProduct({{1080, 1440, 2160}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    return runWindowBenchmarks(argc, argv);
}
