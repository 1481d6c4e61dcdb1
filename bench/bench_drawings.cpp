// SPDX-License-Identifier: GPL-3.0-or-later
// The child's drawings on the disk, on three screens. Saving a drawing as large as the canvas the way the
// save command does (24-bit bitmap made in memory, written to a new file, put on the disk, renamed over
// the old one): into a folder on a RAM file system, where the final fsync has nothing to wait for, and
// into one on this machine's disk. The gallery: the lesson viewer's file panel listing 10, 1 000 and
// 10 000 drawings in pics/ (with the longest time the user-interface thread was busy at a stretch), and
// showing a picked drawing in the viewer.
#include "ScreenSizes.h"
#include "draw/DrawingFile.h"
#include "lessons/frmPreview.h"
#include "platform/ProgramFolder.h"
#include "support/Parts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

// A drawing with strokes all over, as large as the canvas on the benchmark's screen.
QImage fullDrawing(int64_t screenHeight) {
    QImage drawing(part<DrawingCanvas>(drawingWindowOn(screenHeight), "picBild")->size(),
                   QImage::Format_RGB32);
    drawing.fill(Qt::white);
    QPainter painter(&drawing);
    painter.setPen(QPen(Qt::darkGreen, 50, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int x = 0; x < drawing.width(); x += 80)
        painter.drawLine(x, 0, drawing.width() - x, drawing.height());
    return drawing;
}

// A program folder of its own whose pics/ the drawings go to; back to the real one at the end.
class DrawingsHere {
public:
    explicit DrawingsHere(const QString& folder)
        : m_pics(folder + QStringLiteral("/pics")), m_programFolder(ProgramFolder::pathSeam, folder) {
        QDir().mkpath(m_pics);
    }
    const QString& pics() const { return m_pics; }

private:
    QString m_pics;
    decltype(ProgramFolder::pathSeam)::Scope m_programFolder;
};

// Argument disk 0: a folder on the RAM file system; 1: on the machine's disk.
void BM_SaveDrawing(benchmark::State& state) {
    const QImage drawing = fullDrawing(state.range(0));
    const QTemporaryDir folder(state.range(1) ? QDir::tempPath() + QStringLiteral("/bench-XXXXXX")
                                              : QStringLiteral("/dev/shm/bench-XXXXXX"));
    const DrawingsHere here(folder.path());
    for (auto _ : state)
        DrawingFile::save(drawing, QStringLiteral("Blume.bmp"));
    state.counters["MiB"] = double(QFileInfo(here.pics() + QStringLiteral("/Blume.bmp")).size()) / (1 << 20);
}
BENCHMARK(BM_SaveDrawing)
    ->ArgNames({"screen", "disk"})
    ->ArgsProduct({{1080, 1440, 2160}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Program folders holding `count` small drawings each, made once for all runs.
QString folderWithDrawings(int count) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    std::unique_ptr<QTemporaryDir>& folder = folders[count];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        const QString pics = folder->path() + QStringLiteral("/pics/");
        QDir().mkpath(pics);
        QImage(40, 30, QImage::Format_RGB32).save(pics + QStringLiteral("first.bmp"));
        for (int i = 1; i < count; ++i)
            QFile::copy(pics + QStringLiteral("first.bmp"), pics + QStringLiteral("Zeichnung %1.bmp").arg(i));
    }
    return folder->path();
}

frmPreview* shownViewer() {
    drawingWindowOn(1080);
    frmPreview* viewer = frmPreview::instance();
    viewer->show();
    QApplication::processEvents();
    return viewer;
}

// From the gallery command until every drawing is listed, events handled as the program's loop would;
// the longest block also counts the 300 ms after, while the list lays the names out.
void BM_ListDrawings(benchmark::State& state) {
    frmPreview* viewer = shownViewer();
    const int count = static_cast<int>(state.range(0));
    const DrawingsHere here(folderWithDrawings(count));
    part<FileListBox>(viewer, "filPics")->setPath(here.pics());
    qint64 longestBlock = 0;
    QElapsedTimer busy;
    const auto handleEvents = [&] {
        busy.restart();
        QApplication::processEvents();
        longestBlock = std::max(longestBlock, busy.nsecsElapsed());
    };
    for (auto _ : state) {
        busy.start();
        viewer->showFilePanel();
        longestBlock = std::max(longestBlock, busy.nsecsElapsed());
        while (part<FileListBox>(viewer, "filPics")->ListCount() < count)
            handleEvents();
        state.PauseTiming();
        QElapsedTimer after;
        after.start();
        while (after.elapsed() < 300)
            handleEvents();
        state.ResumeTiming();
    }
    state.counters["longest_block_ms"] = double(longestBlock) / 1e6;
}
BENCHMARK(BM_ListDrawings)
    ->ArgName("drawings")
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A click on another name of the list: the drawing read, checked, decoded and shown in the viewer.
void BM_ShowPickedDrawing(benchmark::State& state) {
    const QImage drawing = fullDrawing(state.range(0));
    frmPreview* viewer = shownViewer();
    const QTemporaryDir folder;
    const DrawingsHere here(folder.path());
    DrawingFile::save(drawing, QStringLiteral("Aster.bmp"));
    DrawingFile::save(drawing, QStringLiteral("Mohn.bmp"));
    part<FileListBox>(viewer, "filPics")->setPath(here.pics());
    viewer->showFilePanel();
    while (part<FileListBox>(viewer, "filPics")->ListCount() < 2)
        QApplication::processEvents();
    int row = 0;
    for (auto _ : state) {
        part<FileListBox>(viewer, "filPics")->setCurrentRow(row);
        part<PictureBox>(viewer, "picPreview")->repaint();
        row = 1 - row;
    }
}
BENCHMARK(BM_ShowPickedDrawing)->Apply(onThreeScreens)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    return runWindowBenchmarks(argc, argv);
}
