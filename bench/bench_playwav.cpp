// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Allgemein.h"
#include "platform/ProgramFolder.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <benchmark/benchmark.h>
#include <chrono>

// PlayWAV returns at once: it loads the resource, decodes it and leaves the start of the output to the
// event loop. Run under tests/sound/with-null-sink.sh to measure with a sound device present.

namespace {

std::string deviceLabel() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    return device.isNull() ? "no sound device" : "sound device: " + device.description().toStdString();
}

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The call itself. Between calls the event loop runs (untimed), so every call meets a playing sound; with
// a device that opens a stream each time, hence the short minimum time.
void BM_PlayWAV(benchmark::State& state) {
    const auto id = static_cast<Sound>(state.range(0));
    for (auto _ : state) {
        state.SetIterationTime(secondsOf([id] { Allgemein::PlayWAV(id); }));
        QCoreApplication::processEvents();
    }
    state.SetLabel(deviceLabel());
}
BENCHMARK(BM_PlayWAV)
    ->DenseRange(101, 107)
    ->UseManualTime()
    ->MinTime(0.05)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// What the event loop spends afterwards: stopping the sound playing and opening the output stream.
void BM_OutputStart(benchmark::State& state) {
    for (auto _ : state) {
        Allgemein::PlayWAV(Sound::Click);
        state.SetIterationTime(secondsOf([] { QCoreApplication::processEvents(); }));
    }
    state.SetLabel(deviceLabel());
}
BENCHMARK(BM_OutputStart)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // PlayWAV plays through the sound module in the program folder.
    const auto programFolder = ProgramFolder::pathSeam.replace(QStringLiteral(PROGRAM_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
