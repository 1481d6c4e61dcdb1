// SPDX-License-Identifier: GPL-3.0-or-later
// Resident memory over a long session on the drawing window as it opens on a 3840 x 2160 screen: 10 000
// strokes of twenty segments through the window's pointer handlers, a lesson switch after every twentieth
// stroke (500) and a save after every hundredth (100), after a warm-up of a tenth of that. A program of its
// own rather than a benchmark: the figure is one reading after one long run, and no other measurement's
// allocations share its heap. It prints the settled resident size (from /proc/self/statm) after the warm-up
// and after every tenth of the session, and the growth.
#include "ScreenSizes.h"
#include "draw/DrawingFile.h"
#include "lessons/frmPreview.h"
#include "support/Parts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

double residentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1 << 20) : 0;
}

// The resident size once the session rests: the recovery file's write of the last drawing (due at most a
// second after the last stroke, and holding a copy of the canvas while it runs) is done, and the memory the
// allocator keeps from freed canvas copies is handed back, so one copy more or less in flight at the moment
// of reading does not count as growth.
double settledResidentMiB() {
    QElapsedTimer resting;
    resting.start();
    while (resting.elapsed() < 1500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    malloc_trim(0);
    return residentMiB();
}

class Session {
public:
    explicit Session(frmDraw* window) : m_window(window), m_viewer(frmPreview::instance()) {}

    void run(int strokes) {
        for (int i = 1; i <= strokes; ++i) {
            stroke();
            if (i % 20 == 0)
                m_viewer->bzlButton_Click(7);
            if (i % 100 == 0)
                DrawingFile::save(part<DrawingCanvas>(m_window, "picBild")->Image(),
                                  QStringLiteral("Sitzung.bmp"));
        }
    }

private:
    QPointF point() {
        const QSize canvas = part<DrawingCanvas>(m_window, "picBild")->size();
        const double angle = ++m_step * 0.037;
        return QPointF(canvas.width() * (0.5 + 0.4 * std::cos(angle)),
                       canvas.height() * (0.5 + 0.4 * std::sin(angle * 1.3)));
    }

    void stroke() {
        const QPointF start = point();
        m_window->picBild_MouseDown(1, 0, float(start.x()), float(start.y()));
        for (int i = 0; i < 20; ++i) {
            const QPointF to = point();
            m_window->picBild_MouseMove(1, 0, float(to.x()), float(to.y()));
            QApplication::processEvents();
        }
        m_window->picBild_MouseUp(1, 0, 0, 0);
        QApplication::processEvents();
    }

    frmDraw* m_window;
    frmPreview* m_viewer;
    int m_step = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const BenchHome home;
    QApplication app(argc, argv);
    frmDraw* window = drawingWindowOn(2160);
    part<DrawingCanvas>(window, "picBild")->setDrawWidth(50);
    // The saves go to pics/ in a program folder of this run.
    const auto programFolder = ProgramFolder::pathSeam.replace(home.dir.path());
    Session session(window);
    session.run(1000);
    const double start = settledResidentMiB();
    std::printf("after warm-up   %8.1f MiB\n", start);
    for (int tenth = 1; tenth <= 10; ++tenth) {
        session.run(1000);
        std::printf("after %5d strokes %8.1f MiB\n", tenth * 1000, settledResidentMiB());
    }
    std::printf("growth          %8.1f MiB\n", settledResidentMiB() - start);
    return 0;
}
