// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a picture of the drawing window (and, if asked, of the start screen, the colour window, the lesson
// viewer, the error window or the screen around them) as it shows itself: the real start-up, the start
// screen closed, the window set to the asked client size, optionally with a flower drawn on the canvas; the
// viewer on the asked step or panel. Run on an X display (tools/make-window-pictures.sh starts Xvfb for it).
#include "app/Main.h"
#include "color/frmColor.h"
#include "controls/OwnedWindow.h"
#include "core/Allgemein.h"
#include "draw/frmDraw.h"
#include "errors/ErrPtnr.h"
#include "errors/ErrorDispatcher.h"
#include "info/frmInfo.h"
#include "lessons/frmPreview.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <optional>

namespace {

// A flower drawn the way a child would with the pen: petals, a centre, a stem and a leaf.
void drawFlower(DrawingCanvas& canvas) {
    const QPointF centre(canvas.width() * 0.6, canvas.height() * 0.38);
    const double size = canvas.height() * 0.16;
    const auto stroke = [&](uint32_t colour, int16_t width, const QList<QPointF>& points) {
        canvas.setForeColor(colour);
        canvas.setDrawWidth(width);
        canvas.Line(points.first(), points.first());
        for (const QPointF& point : points)
            canvas.LineTo(point);
    };
    for (int petal = 0; petal < 8; ++petal) {
        QList<QPointF> outline;
        const double direction = petal * M_PI / 4;
        const QPointF middle = centre + QPointF(std::cos(direction), std::sin(direction)) * size * 0.95;
        for (int i = 0; i <= 36; ++i) {
            const double t = i * M_PI / 18;
            const double along = size * 0.65 * std::cos(t);
            const double across = size * 0.32 * std::sin(t);
            outline << middle + QPointF(std::cos(direction) * along - std::sin(direction) * across,
                                        std::sin(direction) * along + std::cos(direction) * across);
        }
        stroke(petal % 2 ? 0xDC5A96 : 0xB43C78, 6, outline);
    }
    QList<QPointF> middle;
    for (int i = 0; i <= 36; ++i)
        middle << centre + QPointF(std::cos(i * M_PI / 18), std::sin(i * M_PI / 18)) * size * 0.35;
    stroke(0x00C8F0, 14, middle);
    stroke(0x208A30, 9,
           {centre + QPointF(0, size * 1.6), centre + QPointF(size * 0.2, size * 3.2),
            centre + QPointF(size * 0.1, size * 3.8)});
    stroke(0x30B040, 7,
           {centre + QPointF(size * 0.2, size * 3.0), centre + QPointF(size * 1.1, size * 2.5),
            centre + QPointF(size * 1.5, size * 2.7), centre + QPointF(size * 0.25, size * 3.2)});
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pinsola"));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Takes a picture of Pinsola's drawing window."));
    options.addHelpOption();
    options.addOption(
        {QStringLiteral("size"), QStringLiteral("Client size in pixels."), QStringLiteral("WxH")});
    options.addOption(
        {QStringLiteral("out"), QStringLiteral("The PNG file to write."), QStringLiteral("file")});
    options.addOption({QStringLiteral("flower"), QStringLiteral("Draw a flower on the canvas first.")});
    options.addOption({QStringLiteral("color"), QStringLiteral("Also write a picture of the colour window."),
                       QStringLiteral("file")});
    options.addOption({QStringLiteral("preview"),
                       QStringLiteral("Also write a picture of the lesson viewer."), QStringLiteral("file")});
    options.addOption({QStringLiteral("info"), QStringLiteral("Also write a picture of the start screen."),
                       QStringLiteral("file")});
    options.addOption(
        {QStringLiteral("error"),
         QStringLiteral("Also write a picture of the error window, which the first drawing of the "
                        "file panel brings up when it is damaged."),
         QStringLiteral("file")});
    options.addOption({QStringLiteral("screen"),
                       QStringLiteral("Also write a picture of the screen under the drawing window."),
                       QStringLiteral("file")});
    options.addOption({QStringLiteral("step"), QStringLiteral("The viewer goes this many steps on."),
                       QStringLiteral("n"), QStringLiteral("0")});
    options.addOption(
        {QStringLiteral("panel"),
         QStringLiteral("The viewer's panel: 0 steps, 1 lessons, 2 drawings (the first one chosen)."),
         QStringLiteral("n"), QStringLiteral("0")});
    options.process(app);
    const QStringList size = options.value(QStringLiteral("size")).split(QLatin1Char('x'));
    if (size.size() != 2 || !options.isSet(QStringLiteral("out")))
        options.showHelp(2);

    Allgemein::Main();
    bool saved = true;
    if (options.isSet(QStringLiteral("info")))
        saved = frmInfo::instance()->grab().save(options.value(QStringLiteral("info")));
    frmInfo::instance()->close();
    // Choosing the damaged drawing in the file panel brings the error window up.
    std::optional<decltype(ErrPtnr::shownSeam)::Scope> shotOfErrorWindow;
    if (options.isSet(QStringLiteral("error")))
        shotOfErrorWindow.emplace(ErrPtnr::shownSeam, [&](ErrPtnr& errorWindow) {
            saved = errorWindow.grab().save(options.value(QStringLiteral("error"))) && saved;
            errorWindow.cmdContinue_Click(ErrorDispatcher::Cancel);
        });
    frmDraw* window = frmDraw::instance();
    window->setFixedSize(size[0].toInt(), size[1].toInt());
    window->move(0, 0);
    window->activateWindow();
    if (options.isSet(QStringLiteral("flower")))
        drawFlower(*window->findChild<DrawingCanvas*>(QStringLiteral("picBild")));
    if (options.isSet(QStringLiteral("color"))) {
        Allgemein::ColorWinOpen = -1;
        OwnedWindow::show(frmColor::instance(), window);
    }
    frmPreview* viewer = frmPreview::instance();
    for (int i = 0; i < options.value(QStringLiteral("step")).toInt(); ++i)
        viewer->bzlButton_Click(frmPreview::Command::StepOn);
    if (options.value(QStringLiteral("panel")) == QStringLiteral("1"))
        viewer->bzlButton_Click(frmPreview::Command::ChooseLesson);
    if (options.value(QStringLiteral("panel")) == QStringLiteral("2")) {
        viewer->showFilePanel();
        viewer->findChild<FileListBox*>(QStringLiteral("filPics"))->setCurrentRow(0);
    }
    QTimer::singleShot(1500, [&] {
        saved = window->grab().save(options.value(QStringLiteral("out"))) && saved;
        if (options.isSet(QStringLiteral("color")))
            saved = frmColor::instance()->grab().save(options.value(QStringLiteral("color"))) && saved;
        if (options.isSet(QStringLiteral("preview")))
            saved = viewer->grab().save(options.value(QStringLiteral("preview"))) && saved;
        if (options.isSet(QStringLiteral("screen")))
            saved = window->screen()
                        ->grabWindow(0, window->x(), window->y(), window->width(), window->height())
                        .save(options.value(QStringLiteral("screen"))) &&
                    saved;
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
