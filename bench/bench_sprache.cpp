// What the drawing window pays each time it becomes active: Sprache reads twenty texts from the language
// file and puts them on the window, its menu and the lesson viewer's buttons.
#include "core/Allgemein.h"
#include "draw/frmDraw.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_Sprache(benchmark::State& state) {
    ProgramFolder::setPath(QStringLiteral(PROGRAM_DIR));
    Allgemein::LangFile[1] = QStringLiteral(PROGRAM_DIR "/english.lng");
    Allgemein::LangIndex = 1;
    Allgemein::PenWidth = 5;
    frmDraw* window = frmDraw::instance();
    window->show();
    QApplication::processEvents();
    for (auto _ : state)
        window->Sprache();
}
BENCHMARK(BM_Sprache)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
