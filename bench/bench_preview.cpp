// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson viewer's two everyday costs, measured through its buttons on the shown window: showing a band
// (cut from the lesson bitmap, stretched to the preview, repainted) when the child steps, and switching
// lessons (the next lesson's 400 x 1800 RLE8 bitmap decoded, its finished band shown and repainted).
#include "core/Allgemein.h"
#include "lessons/frmPreview.h"
#include "platform/ProgramFolder.h"
#include "support/Parts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

frmPreview* shownViewer(int16_t previewSize) {
    Allgemein::PreviewSize = previewSize;
    frmPreview* viewer = frmPreview::instance();
    viewer->ResizePreview();
    viewer->show();
    QApplication::processEvents();
    return viewer;
}

// Arg 1: full size (400 x 300, the band copied as it is); 0: half size (smoothly shrunk to 200 x 150).
void BM_ShowBand(benchmark::State& state) {
    frmPreview* viewer = shownViewer(state.range(0) ? -1 : 0);
    auto direction = frmPreview::Command::StepOn;
    for (auto _ : state) {
        if (Allgemein::StepNo == 5)
            direction = frmPreview::Command::StepBack;
        else if (Allgemein::StepNo == 0)
            direction = frmPreview::Command::StepOn;
        viewer->bzlButton_Click(direction);
        part<PictureBox>(viewer, "picPreview")->repaint();
    }
}
BENCHMARK(BM_ShowBand)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_SwitchLesson(benchmark::State& state) {
    frmPreview* viewer = shownViewer(-1);
    viewer->bzlButton_Click(frmPreview::Command::ChooseLesson);
    for (auto _ : state) {
        viewer->bzlButton_Click(frmPreview::Command::NextLesson);
        part<PictureBox>(viewer, "picPreview")->repaint();
    }
}
BENCHMARK(BM_SwitchLesson)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The viewer's buttons come from the button library in the program folder; its settings go to a
    // folder of their own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    const auto programFolder = ProgramFolder::pathSeam.replace(QStringLiteral(PROGRAM_DIR));
    Allgemein::SoundOn = 0;
    Allgemein::GridOn = -1;
    Allgemein::LessonNo = 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
