// SPDX-License-Identifier: GPL-3.0-or-later
// Press and release of a panel button (KDE 2, Custom colours, 49x33, one Wingdings symbol) drawn by the
// loaded button library, against Qt's own QPushButton with the Fusion style; then the cost of a pointer move
// that leaves the look unchanged, and of hovering.
//
// The two press/release loops do the same work, so their ratio compares the painting: each widget sits at
// the same place in a shown window of its own, receives the same press and release through the application,
// and every look it paints reaches the window's backing store before the next event. QPushButton repaints at
// once on both events; the Brizel button paints its face image at once and asks for an update, which the
// posted events delivered after each event bring to the screen (its release already repaints at once). Both
// draw the same glyph of the library's embedded symbol font at 18 pt, so neither pays for a font fallback the
// other avoids. "screen_paints_per_iteration" counts the paint events that reached each widget: 2 on both
// sides.
#include "controls/KeyedPropertyBag.h"

#include <brizel/BrizelLoader.h>
#include <brizel/IBrizel.h>

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QSize PanelButton(49, 33);
const QPoint Centre(24, 16);

brizel::BrizelFactory* factory() {
    static brizel::BrizelFactory* loaded = brizel::loadBrizelFactory(QStringLiteral(BRIZEL_LIBRARY));
    return loaded;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    quint64 count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A shown window holding one button at (20, 20).
struct Stage {
    PaintCounter screenPaints;
    QWidget window;
    QWidget* widget = nullptr;

    void place(QWidget* button) {
        widget = button;
        window.resize(200, 100);
        widget->setGeometry(QRect(QPoint(20, 20), PanelButton));
        widget->installEventFilter(&screenPaints);
        window.show();
        QApplication::processEvents();
    }
    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    // The event, then all it posted (the update request among it) delivered as the event loop would. Only
    // delivering everything empties Qt's queue of posted events; delivering one kind leaves a hole per
    // event there, and each later delivery walks them all.
    void sendAndFlush(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
        send(type, button, held, Centre);
        QCoreApplication::sendPostedEvents();
    }
    void pressAndRelease(benchmark::State& state) {
        const quint64 before = screenPaints.count;
        for (auto _ : state) {
            sendAndFlush(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
            sendAndFlush(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        }
        state.counters["screen_paints_per_iteration"] =
            benchmark::Counter(double(screenPaints.count - before) / double(state.iterations()));
    }
};

struct PanelHost : Stage, brizel::BrizelContainer {
    brizel::IBrizel* control = nullptr;

    PanelHost() {
        QWidget* button = factory()->createControl(&window);
        control = qobject_cast<brizel::IBrizel*>(button);
        control->setContainer(this);
        control->ReadProperties(KeyedPropertyBag::fromText(
            QStringLiteral("btype=14\ncoltype=2\nbcol=12632256\nfcol=0\nfont=Wingdings,18,0,0,0,2\ntx=%1\n")
                .arg(QChar(0x3C))));
        place(button);
    }
    uint32_t ParentBackColor() const override { return brizel::rgb(192, 192, 192); }
    uint32_t ParentForeColor() const override { return 0; }
};

void BM_BrizelPanelButtonUpDown(benchmark::State& state) {
    PanelHost host;
    host.pressAndRelease(state);
}
BENCHMARK(BM_BrizelPanelButtonUpDown);

void BM_QPushButtonFusionUpDown(benchmark::State& state) {
    static const QStringList symbolFamilies = QFontDatabase::applicationFontFamilies(
        QFontDatabase::addApplicationFont(QStringLiteral(SYMBOL_FONT)));
    if (symbolFamilies.isEmpty()) {
        state.SkipWithError("cannot load " SYMBOL_FONT);
        return;
    }
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    Stage stage;
    auto* button = new QPushButton(QString::fromUcs4(U"\U0001F5AB"), &stage.window);
    button->setStyle(fusion.get());
    button->setFont(QFont(symbolFamilies.first(), 18));
    stage.place(button);
    stage.pressAndRelease(state);
}
BENCHMARK(BM_QPushButtonFusionUpDown);

void BM_BrizelPointerMoveSameLook(benchmark::State& state) {
    PanelHost host;
    QCursor::setPos(host.widget->mapToGlobal(Centre));
    host.send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Centre);
    const quint64 before = host.control->PaintCount();
    for (auto _ : state)
        host.send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Centre + QPoint(state.iterations() % 3, 0));
    state.counters["repaints"] = benchmark::Counter(double(host.control->PaintCount() - before));
}
BENCHMARK(BM_BrizelPointerMoveSameLook);

// 100 ms of the event loop with the pointer resting over the button (the 3 ms poll runs) or elsewhere
// (no timer runs): the CPU column against the 100 ms of wall time is what hovering costs.
void idleLoop(benchmark::State& state, bool pointerOver) {
    PanelHost host;
    QCursor::setPos(pointerOver ? host.widget->mapToGlobal(Centre)
                                : host.window.mapToGlobal(QPoint(190, 90)));
    host.send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, pointerOver ? Centre : QPoint(-5, -5));
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
    }
    state.counters["repaints"] = benchmark::Counter(double(host.control->PaintCount()));
}

void BM_BrizelHovered100ms(benchmark::State& state) {
    idleLoop(state, true);
}
BENCHMARK(BM_BrizelHovered100ms)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_BrizelPointerElsewhere100ms(benchmark::State& state) {
    idleLoop(state, false);
}
BENCHMARK(BM_BrizelPointerElsewhere100ms)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!factory()) {
        std::fprintf(stderr, "cannot load %s\n", BRIZEL_LIBRARY);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
