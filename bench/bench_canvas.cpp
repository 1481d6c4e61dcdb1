// The drawing window's costs where the child waits: Sprache when the window becomes active (twenty
// language-file reads and the relabelling), the canvas's cost per stroke segment (pen width 50 on a 1200 x
// 900 canvas, drawn and repainted through its dirty rectangle; also with a lesson step traced under the
// strokes) next to the same segment drawn the way Qt's Scribble example draws it, the cost of the undo copy
// a press takes on a 2400 x 1800 canvas, and a whole stroke through the drawing window's pointer handlers
// (press, twenty moves, release, events handled).
#include "core/Allgemein.h"
#include "core/Resources.h"
#include "draw/DrawingCanvas.h"
#include "draw/frmDraw.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

const QSize Canvas(1200, 900);
constexpr int PenWidth = 50;

// Points around an ellipse, 20 pixels apart: a child's stroke at pointer rate.
QPointF pathPoint(int step) {
    const double angle = step * 0.05;
    return QPointF(600 + 400 * std::cos(angle), 450 + 300 * std::sin(angle));
}

// Scribble: an antialiased ARGB32 image; each move draws the segment and updates its bounding box.
class ScribbleArea : public QWidget {
public:
    ScribbleArea() {
        setAttribute(Qt::WA_StaticContents);
        image = QImage(Canvas, QImage::Format_RGB32);
        image.fill(qRgb(255, 255, 255));
    }
    void drawLineTo(const QPointF& endPoint) {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::blue, PenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setRenderHint(QPainter::Antialiasing);
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

// Argument 1: with a lesson step traced under the strokes.
void BM_CanvasSegmentWidth50(benchmark::State& state) {
    DrawingCanvas canvas;
    canvas.resize(Canvas);
    canvas.setDrawWidth(PenWidth);
    canvas.setForeColor(0xFF0000);
    if (state.range(0) != 0)
        canvas.setTracing(Resources::LoadResPicture(112, Resources::PictureKind::Bitmap)
                              .copy(0, 1200, 400, 300)
                              .convertToFormat(QImage::Format_RGB32));
    canvas.show();
    QApplication::processEvents();
    int step = 0;
    canvas.Line(pathPoint(0), pathPoint(0));
    for (auto _ : state) {
        canvas.LineTo(pathPoint(++step));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CanvasSegmentWidth50)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ScribbleSegmentWidth50(benchmark::State& state) {
    ScribbleArea area;
    area.resize(Canvas);
    area.show();
    QApplication::processEvents();
    int step = 0;
    area.lastPoint = pathPoint(0);
    for (auto _ : state) {
        area.drawLineTo(pathPoint(++step));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ScribbleSegmentWidth50)->Unit(benchmark::kMicrosecond);

// The undo copy of a press after a stroke of the given length in segments: only what the stroke touched
// is copied. Length 0 stands for a whole new picture loaded since the last press.
void BM_UndoCopyOnPress2400x1800(benchmark::State& state) {
    DrawingCanvas canvas;
    canvas.resize(2400, 1800);
    canvas.setDrawWidth(20);
    QImage picture(2400, 1800, QImage::Format_RGB32);
    picture.fill(qRgb(200, 220, 240));
    const int segments = static_cast<int>(state.range(0));
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (segments == 0)
            canvas.paintPicture(picture, canvas.rect());
        canvas.Line(pathPoint(step) * 2, pathPoint(step) * 2);
        for (int i = 0; i < segments; ++i)
            canvas.LineTo(pathPoint(++step) * 2);
        state.ResumeTiming();
        canvas.takeUndoCopy();
    }
}
BENCHMARK(BM_UndoCopyOnPress2400x1800)->Arg(20)->Arg(120)->Arg(0)->Unit(benchmark::kMicrosecond);

frmDraw* shownDrawingWindow() {
    ProgramFolder::setPath(QStringLiteral(PROGRAM_DIR));
    Allgemein::LangFile[1] = QStringLiteral(PROGRAM_DIR "/english.lng");
    Allgemein::LangIndex = 1;
    Allgemein::PenWidth = 5;
    frmDraw* window = frmDraw::instance();
    window->show();
    QApplication::processEvents();
    return window;
}

void BM_Sprache(benchmark::State& state) {
    frmDraw* window = shownDrawingWindow();
    for (auto _ : state)
        window->Sprache();
}
BENCHMARK(BM_Sprache)->Unit(benchmark::kMicrosecond);

// Everything a stroke costs the user-interface thread, including what its end sets going.
void BM_StrokeThroughDrawingWindow(benchmark::State& state) {
    frmDraw* window = shownDrawingWindow();
    window->picBild->setDrawWidth(PenWidth);
    int step = 0;
    for (auto _ : state) {
        const QPointF start = pathPoint(step) * 0.5;
        window->picBild_MouseDown(1, 0, float(start.x()), float(start.y()));
        for (int i = 0; i < 20; ++i) {
            const QPointF to = pathPoint(++step) * 0.5;
            window->picBild_MouseMove(1, 0, float(to.x()), float(to.y()));
            QApplication::processEvents();
        }
        window->picBild_MouseUp(1, 0, 0, 0);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StrokeThroughDrawingWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the program keeps for itself between sessions goes to a folder of this run, not the user's.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
