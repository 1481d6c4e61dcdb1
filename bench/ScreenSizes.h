// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/StoredForm.h"
#include "controls/Twips.h"
#include "core/Allgemein.h"
#include "draw/frmDraw.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QSize>
#include <QSizeF>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

// Settings and what the program keeps between sessions go to a folder of this run, not the user's.
struct BenchHome {
    BenchHome() {
        qputenv("XDG_STATE_HOME", dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    }
    const QTemporaryDir dir;
};

// The main of a benchmark of the program's windows: headless, in a home of this run.
inline int runWindowBenchmarks(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const BenchHome home;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The three 16:9 screens measured, by their height: 1920 x 1080, 2560 x 1440 and 3840 x 2160.
inline void onThreeScreens(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("screen")->Arg(1080)->Arg(1440)->Arg(2160);
}

// The drawing window's size on a screen of that height: its design made as large as fits in nine tenths
// of the screen, as it opens there.
inline QSize drawingWindowSizeOn(int64_t screenHeight) {
    const QSizeF screen(screenHeight * 16.0 / 9.0, double(screenHeight));
    const KeyedPropertyBag& bag = frmDraw::design().control(QStringLiteral("frmDraw"));
    const QSizeF design(Twips::toPixelsX(StoredForm::number(bag, QStringLiteral("clientwidth"))),
                        Twips::toPixelsY(StoredForm::number(bag, QStringLiteral("clientheight"))));
    const double scale =
        std::min(0.9 * screen.width() / design.width(), 0.9 * screen.height() / design.height());
    return (design * scale).toSize();
}

// The drawing window shown (loaded with its buttons and the English texts of the program folder).
inline frmDraw* shownDrawingWindow() {
    static const auto programFolder = ProgramFolder::pathSeam.replace(QStringLiteral(PROGRAM_DIR));
    Allgemein::LangFile[1] = QStringLiteral(PROGRAM_DIR "/english.lng");
    Allgemein::LangIndex = 1;
    Allgemein::PenWidth = 5;
    Allgemein::SoundOn = 0;
    frmDraw* window = frmDraw::instance();
    window->show();
    QApplication::processEvents();
    return window;
}

// The drawing window shown as large as it opens on a screen of that height.
inline frmDraw* drawingWindowOn(int64_t screenHeight) {
    frmDraw* window = shownDrawingWindow();
    window->setFixedSize(drawingWindowSizeOn(screenHeight));
    QApplication::processEvents();
    return window;
}
