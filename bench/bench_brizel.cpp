// Repaint cost of a panel button (KDE 2, Custom colours, 49x33, one Wingdings symbol) drawn by the loaded
// button library, next to Qt's own QPushButton with the Fusion style rendered into an image, and the
// cost of a pointer move that leaves the look unchanged.
#include "platform/KeyedPropertyBag.h"

#include <brizel/BrizelLoader.h>
#include <brizel/IBrizel.h>

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QSize PanelButton(49, 33);

brizel::BrizelFactory* factory() {
    static brizel::BrizelFactory* loaded = brizel::loadBrizelFactory(QStringLiteral(BRIZEL_LIBRARY));
    return loaded;
}

struct PanelHost : brizel::BrizelContainer {
    QWidget window;
    QWidget* widget = nullptr;
    brizel::IBrizel* control = nullptr;

    PanelHost() {
        window.resize(200, 100);
        widget = factory()->createControl(&window);
        control = qobject_cast<brizel::IBrizel*>(widget);
        control->setContainer(this);
        control->ReadProperties(KeyedPropertyBag::fromText(
            QStringLiteral("btype=14\ncoltype=2\nbcol=12632256\nfcol=0\nfont=Wingdings,18,0,0,0,2\ntx=%1\n")
                .arg(QChar(0x3C))));
        widget->setGeometry(QRect(QPoint(20, 20), PanelButton));
        window.show();
        QApplication::processEvents();
    }
    uint32_t ParentBackColor() const override { return brizel::rgb(192, 192, 192); }
    uint32_t ParentForeColor() const override { return 0; }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
};

void BM_BrizelPanelButtonUpDown(benchmark::State& state) {
    PanelHost host;
    const QPoint centre(24, 16);
    const quint64 before = host.control->PaintCount();
    for (auto _ : state) {
        host.send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, centre);
        host.send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, centre);
    }
    state.SetItemsProcessed(int64_t(host.control->PaintCount() - before));
    state.counters["paints_per_iteration"] =
        benchmark::Counter(double(host.control->PaintCount() - before) / double(state.iterations()));
}
BENCHMARK(BM_BrizelPanelButtonUpDown);

void BM_QPushButtonFusionUpDown(benchmark::State& state) {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPushButton button(QString(QChar(0x1F5AB)));
    button.setStyle(fusion.get());
    button.setFont(QFont(QStringLiteral("DejaVu Sans"), 18));
    button.resize(PanelButton);
    QImage image(PanelButton, QImage::Format_RGB32);
    for (auto _ : state) {
        button.setDown(true);
        button.render(&image);
        button.setDown(false);
        button.render(&image);
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_QPushButtonFusionUpDown);

void BM_BrizelPointerMoveSameLook(benchmark::State& state) {
    PanelHost host;
    const QPoint centre(24, 16);
    QCursor::setPos(host.widget->mapToGlobal(centre));
    host.send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, centre);
    const quint64 before = host.control->PaintCount();
    for (auto _ : state)
        host.send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, centre + QPoint(state.iterations() % 3, 0));
    state.counters["repaints"] = benchmark::Counter(double(host.control->PaintCount() - before));
}
BENCHMARK(BM_BrizelPointerMoveSameLook);

// 100 ms of the event loop with the pointer resting over the button (the 3 ms poll runs) or elsewhere
// (no timer runs): the CPU column against the 100 ms of wall time is what hovering costs.
void idleLoop(benchmark::State& state, bool pointerOver) {
    PanelHost host;
    const QPoint centre(24, 16);
    QCursor::setPos(pointerOver ? host.widget->mapToGlobal(centre)
                                : host.window.mapToGlobal(QPoint(190, 90)));
    host.send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, pointerOver ? centre : QPoint(-5, -5));
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
