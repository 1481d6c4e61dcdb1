// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawFixture.h"

#include "core/Allgemein.h"
#include "draw/TraceLayer.h"

#include <QPainter>
#include <QTest>
#include <cmath>

namespace {

using Command = frmDraw::Command;

const QRgb Pen = qRgb(0xC0, 0x00, 0x00);
const QRgb White = qRgb(0xFF, 0xFF, 0xFF);

class CanvasTest : public DrawTest {
protected:
    void stroke(std::initializer_list<QPoint> points, Qt::MouseButton button = Qt::LeftButton) {
        auto it = points.begin();
        QTest::mousePress(canvas, button, {}, *it);
        for (++it; it != points.end(); ++it)
            QTest::mouseMove(canvas, *it);
        QTest::mouseRelease(canvas, button, {}, *(points.end() - 1));
    }
    int coloured() const { return count(canvas->Image(), canvas->Image().rect(), Pen); }
};

class DotWidth : public CanvasTest, public ::testing::WithParamInterface<int> {};

TEST_P(DotWidth, AClickLeavesARoundDotOfThePenWidthAndNothingOutsideIt) {
    const int width = GetParam();
    Allgemein::PenWidth = static_cast<int16_t>(width);
    open();
    const QPoint centre(100, 100);
    stroke({centre});
    const QImage image = canvas->Image();
    const double radius = width / 2.0;
    for (int y = centre.y() - width - 3; y <= centre.y() + width + 3; ++y)
        for (int x = centre.x() - width - 3; x <= centre.x() + width + 3; ++x) {
            const double distance = std::hypot(x - centre.x(), y - centre.y());
            if (distance > radius + 1) {
                EXPECT_EQ(image.pixel(x, y), White) << "outside the dot at " << x << "," << y;
            } else if (distance < radius - 1) {
                EXPECT_EQ(image.pixel(x, y), Pen) << "inside the dot at " << x << "," << y;
            }
        }
    const double area = M_PI * radius * radius;
    EXPECT_GE(coloured(), std::max(1.0, 0.6 * area));
    EXPECT_LE(coloured(), 1.5 * area + 2);
    EXPECT_EQ(
        coloured(),
        count(image, QRect(centre - QPoint(width, width), QSize(2 * width, 2 * width) + QSize(1, 1)), Pen));
}

INSTANTIATE_TEST_SUITE_P(Widths, DotWidth, ::testing::Values(1, 5, 12, 50));

TEST_F(CanvasTest, WidthOneGivesOnePixelLines) {
    Allgemein::PenWidth = 1;
    open();
    stroke({{20, 30}, {120, 30}});
    const QImage image = canvas->Image();
    EXPECT_EQ(count(image, QRect(20, 30, 101, 1), Pen), 101);
    EXPECT_EQ(coloured(), 101) << "nothing above or below the line";
}

class Buttons : public CanvasTest, public ::testing::WithParamInterface<Qt::MouseButton> {};

TEST_P(Buttons, EveryMouseButtonDraws) {
    open();
    stroke({{50, 50}, {90, 50}}, GetParam());
    EXPECT_EQ(canvas->Image().pixel(70, 50), Pen);
    EXPECT_EQ(state<int16_t>(window, "StrokeActive"), 0) << "the release ends the stroke";
}

INSTANTIATE_TEST_SUITE_P(Table, Buttons,
                         ::testing::Values(Qt::LeftButton, Qt::RightButton, Qt::MiddleButton));

TEST_F(CanvasTest, MovingWithoutAButtonDrawsNothing) {
    open();
    for (int x = 10; x < 300; x += 7)
        QTest::mouseMove(canvas, QPoint(x, x / 2));
    EXPECT_EQ(coloured(), 0);
    EXPECT_EQ(state<int16_t>(window, "StrokeActive"), 0);
}

TEST_F(CanvasTest, ADragLeavingTheCanvasIsClippedAtTheEdgeAndGoesOnWhenItComesBack) {
    Allgemein::PenWidth = 3;
    open(QSize(1000, 750));
    // Made smaller, the canvas keeps a picture larger than itself: the pen must still stop at its edge.
    window->setFixedSize(800, 600);
    const int w = canvas->width();
    stroke({{w - 30, 50}, {w + 40, 50}, {w + 40, 120}, {w - 20, 120}});
    const QImage image = canvas->Image();
    EXPECT_EQ(image.size(), canvas->size());
    EXPECT_EQ(image.pixel(w - 1, 50), Pen) << "the stroke runs to the edge";
    EXPECT_EQ(image.pixel(w - 10, 120), Pen) << "the stroke goes on after coming back";
    window->setFixedSize(1000, 750);
    EXPECT_EQ(count(canvas->Image(), QRect(w + 2, 0, 60, 200), Pen), 0)
        << "nothing was drawn beyond the edge";
}

TEST_F(CanvasTest, TheFirstStrokeEnablesUndoAndUndoRestoresThePixelsFromBeforeThePress) {
    open();
    EXPECT_EQ(window->button(Command::Undo).Enabled(), 0);
    stroke({{10, 10}, {200, 150}});
    EXPECT_NE(window->button(Command::Undo).Enabled(), 0);
    const QImage afterFirst = canvas->Image();
    stroke({{30, 200}, {250, 20}});
    canvas->restoreUndoCopy();
    EXPECT_EQ(canvas->Image(), afterFirst);
    // After an undo the next stroke's copy is again the picture as it stands, not an older one.
    stroke({{300, 300}, {320, 10}});
    canvas->restoreUndoCopy();
    EXPECT_EQ(canvas->Image(), afterFirst);
}

TEST_F(CanvasTest, APictureLoadedOntoTheCanvasIsInTheNextUndoCopy) {
    open();
    QImage loaded(40, 30, QImage::Format_RGB32);
    loaded.fill(qRgb(0, 200, 0));
    canvas->paintPicture(loaded, canvas->rect());
    const QImage before = canvas->Image();
    stroke({{100, 100}});
    EXPECT_EQ(canvas->undoCopy(), before);
    canvas->restoreUndoCopy();
    EXPECT_EQ(canvas->Image(), before);
}

TEST_F(CanvasTest, ResizingNeitherScalesNorCutsTheDrawing) {
    open();
    const QPoint nearCorner(canvas->width() - 8, canvas->height() - 8);
    stroke({{12, 12}});
    stroke({nearCorner});
    window->setFixedSize(500, 380);
    ASSERT_LT(canvas->width(), nearCorner.x());
    EXPECT_EQ(canvas->Image().pixel(12, 12), Pen) << "anchored at the top-left corner";
    window->setFixedSize(800, 600);
    EXPECT_EQ(canvas->Image().pixel(12, 12), Pen);
    EXPECT_EQ(canvas->Image().pixel(nearCorner), Pen) << "what lay beyond the smaller canvas is kept";
    EXPECT_EQ(coloured(), 2 * count(canvas->Image(), QRect(4, 4, 17, 17), Pen)) << "two equal dots, unscaled";
}

// A canvas grown beyond what memory holds (here 2^20 pixels each way): the error window says so, and the
// drawing stays as it was.
TEST_F(CanvasTest, OutOfMemoryForAGrownCanvasGoesToTheErrorWindowAndKeepsTheDrawing) {
    open();
    stroke({{12, 12}});
    const QSize size = canvas->size();
    canvas->resize(1 << 20, 1 << 20);
    QTest::mousePress(canvas, Qt::LeftButton, {}, {40, 40});
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, {40, 40});
    ASSERT_GE(script->count(), 1);
    EXPECT_EQ(script->shown()[0].number, QStringLiteral("7 (Out of memory)"));
    canvas->resize(size);
    EXPECT_EQ(canvas->Image().pixel(12, 12), Pen);
}

TEST_F(CanvasTest, PenColourAndWidthTakeEffectWithTheNextSegment) {
    Allgemein::PenWidth = 1;
    open();
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(20, 40));
    QTest::mouseMove(canvas, QPoint(60, 40));
    canvas->setForeColor(0x00FF00);
    canvas->setDrawWidth(9);
    QTest::mouseMove(canvas, QPoint(100, 40));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(100, 40));
    const QImage image = canvas->Image();
    EXPECT_EQ(image.pixel(40, 40), Pen);
    EXPECT_EQ(image.pixel(40, 42), White);
    EXPECT_EQ(image.pixel(80, 40), qRgb(0, 0xFF, 0));
    EXPECT_EQ(image.pixel(80, 43), qRgb(0, 0xFF, 0));
}

// While tracing, a stroke repaints only its own area: any part of the canvas repainted alone shows what
// the whole canvas shows there, whether composed straight onto the window's image (scale 1) or in bands
// drawn at the screen's scale (scale 2, each pixel doubled).
struct TracedPart {
    QRect area;
    int scale;
};

class TracedArea : public CanvasTest, public ::testing::WithParamInterface<TracedPart> {};

TEST_P(TracedArea, ShowsWhatTheWholeCanvasShowsThere) {
    Allgemein::PenWidth = 9;
    open();
    QImage step(40, 30, QImage::Format_RGB32);
    step.fill(Qt::white);
    for (int x = 4; x < 36; ++x) {
        step.setPixel(x, x * 3 / 4, qRgb(0x20, 0x20, 0x20));
        step.setPixel(x + 5, x * 3 / 4, qRgb(0x20, 0x20, 0x20));
    }
    step.setPixel(30, 5, qRgb(0, 0x80, 0));
    canvas->setTracing(step);
    stroke({{20, 300}, {500, 20}});
    canvas->setForeColor(0xFFFFFF);
    stroke({{20, 20}, {600, 450}});
    const QImage whole = canvas->grab().toImage();
    ASSERT_EQ(whole.pixel(260, 160), Pen) << "the stroke covers the step";
    ASSERT_NE(whole.pixel(300, 225), White) << "the step shows where a white pen went over it";
    ASSERT_EQ(whole.pixel(335, 225), White) << "the paper between two of the step's lines";
    ASSERT_NE(whole.pixel(360, 225), White) << "and the line beyond it";
    const auto [given, scale] = GetParam();
    const QRect area = given.isNull() ? canvas->rect().adjusted(canvas->width() - 7, 0, 0, 0) : given;
    QImage part(area.size() * scale, QImage::Format_RGB32);
    part.setDevicePixelRatio(scale);
    canvas->render(&part, QPoint(), QRegion(area));
    EXPECT_EQ(part, whole.copy(area).scaled(area.size() * scale));
}

// Across the step's lines and the strokes, one pixel wide and high, and a strip at the right edge (null).
INSTANTIATE_TEST_SUITE_P(Table, TracedArea,
                         ::testing::Values(TracedPart{QRect(250, 150, 90, 80), 1},
                                           TracedPart{QRect(297, 100, 1, 200), 1},
                                           TracedPart{QRect(100, 76, 400, 1), 1},
                                           TracedPart{QRect(301, 224, 7, 5), 1}, TracedPart{QRect(), 1},
                                           TracedPart{QRect(250, 150, 90, 80), 2},
                                           TracedPart{QRect(301, 224, 7, 5), 2}, TracedPart{QRect(), 2}));

QImage laidOnPaper(const TraceLayer& layer) {
    QImage paper(layer.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    layer.showUnder(paper, QPoint(0, 0));
    return paper;
}

// A step changed in a part and laid anew there shows as the changed step laid whole, and only within the
// rectangle the layer gives: in the middle, along the bottom edge, in the right corner.
TEST(TraceLayerRedraw, ShowsAsTheChangedStepLaidWholeAndOnlyWhereItSays) {
    const QSize canvas(1003, 702);
    QImage step(400, 300, QImage::Format_RGB32);
    step.fill(Qt::white);
    QPainter(&step).drawEllipse(20, 20, 360, 260);
    for (const QRect& changed : {QRect(100, 80, 6, 6), QRect(0, 290, 400, 10), QRect(396, 0, 4, 4)}) {
        TraceLayer layer(step, canvas);
        QImage next = step;
        QPainter(&next).fillRect(changed, qRgb(226, 44, 44));
        const QRect area = layer.redraw(next, changed);
        QImage played = laidOnPaper(layer);
        EXPECT_EQ(played, laidOnPaper(TraceLayer(next, canvas))) << changed.x() << "," << changed.y();
        QImage before = laidOnPaper(TraceLayer(step, canvas));
        ASSERT_NE(played, before);
        QPainter(&played).fillRect(area, Qt::black);
        QPainter(&before).fillRect(area, Qt::black);
        EXPECT_EQ(played, before) << "outside " << area.x() << "," << area.y();
    }
}

} // namespace
