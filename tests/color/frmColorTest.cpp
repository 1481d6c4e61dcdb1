// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/frmColor.h"
#include "color/PenChoice.h"
#include "controls/OwnedWindow.h"
#include "core/Allgemein.h"
#include "core/Forms.h"
#include "draw/frmDraw.h"
#include "support/ErrorScript.h"
#include "support/Parts.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMap>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The window's design in pixels: client 626 x 169 (9390 x 2535 twips); the palette box at (24, 16)
// shows its 475 x 132 picture inside a border of 2 pixels; the slider at (520, 16), 18 x 137, Min 1 at
// the bottom, Max 50 at the top, its 16-pixel thumb on a track of 121 pixels.
constexpr int WindowTwipsWidth = 9390;
constexpr int WindowTwipsHeight = 2535;
const QPoint PaletteInBox(2, 2);
// The palette's 19 columns by 6 rows: the grey column on the right runs from white at the top to black at
// the bottom.
const QPoint WhitePatch(462, 10);
const QPoint BlackPatch(462, 120);

class ColorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Allgemein::SoundOn = 0;
        Allgemein::PenColor = 0x0000C0;
        Allgemein::PenWidth = 5;
        Allgemein::ColorWinOpen = 0;
        Allgemein::LangIndex = 0;
        home.installGermanAndEnglish();
    }

    void TearDown() override {
        for (QWidget* form : Forms::loaded())
            Forms::unload(form);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The drawing window, loaded and shown with pen width `width` on its canvas.
    DrawingCanvas* openCanvas(int16_t width) {
        Allgemein::PenWidth = width;
        drawing = frmDraw::instance();
        drawing->setFixedSize(800, 600);
        drawing->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(drawing));
        return part<DrawingCanvas>(drawing, "picBild");
    }

    // The colour window shown as the drawing window's colour command shows it (owned, when there is an
    // owner).
    frmColor* openColorWindow() {
        frmColor* window = frmColor::instance();
        Allgemein::ColorWinOpen = -1;
        OwnedWindow::show(window, drawing);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }

    static QRgb swatch(const frmColor* window) {
        return part<QLabel>(window, "lblFCol")->palette().color(QPalette::Window).rgb();
    }

    // The default position in pixels: 80 % of the free screen width across, half the window's height down.
    static QPoint defaultPixels() {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        const int left = qRound((screen.width() * 15 - WindowTwipsWidth) * 0.8);
        return {qRound(left / 15.0), qRound(1268 / 15.0)};
    }

    TempHome home;
    std::unique_ptr<ErrorScript> script = std::make_unique<ErrorScript>();
    frmDraw* drawing = nullptr;
};

struct LoadCase {
    int16_t penWidth;
    int announced;
    int16_t canvasWidth;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << "width " << c.penWidth;
}

class LoadingTheWidth : public ColorWindowTest, public ::testing::WithParamInterface<LoadCase> {};

// The slider's stored value is 5: only a different pen width announces a change.
TEST_P(LoadingTheWidth, AnnouncesOnlyAChangeOfTheSlidersStoredValue) {
    const LoadCase& c = GetParam();
    DrawingCanvas* canvas = openCanvas(3);
    Allgemein::PenWidth = c.penWidth;
    QSignalSpy chosen(&PenChoice::instance(), &PenChoice::WidthChosen);
    frmColor* window = frmColor::instance();
    EXPECT_EQ(chosen.count(), c.announced);
    EXPECT_EQ(part<kmoSlider>(window, "kmoSlider")->Value(), c.penWidth);
    EXPECT_EQ(part<QLabel>(window, "lblWidth")->text(), QString::number(c.penWidth));
    EXPECT_EQ(canvas->DrawWidth(), c.canvasWidth);
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, LoadingTheWidth,
                         ::testing::Values(LoadCase{5, 0, 3}, LoadCase{12, 1, 12}, LoadCase{50, 1, 50}),
                         [](const auto& row) { return "Width" + std::to_string(row.param.penWidth); });

struct BadWidthCase {
    int16_t penWidth;
    std::vector<const char*> procedures;
};

void PrintTo(const BadWidthCase& c, std::ostream* os) {
    *os << "width " << c.penWidth;
}

class LoadingABadWidth : public ColorWindowTest, public ::testing::WithParamInterface<BadWidthCase> {};

// The error window is answered "skip": the slider keeps the rejected value, and the canvas in turn
// refuses a width below 1.
TEST_P(LoadingABadWidth, ReachesTheErrorWindowAndTheWindowStillOpens) {
    const BadWidthCase& c = GetParam();
    openCanvas(3);
    Allgemein::PenWidth = c.penWidth;
    frmColor* window = openColorWindow();
    ASSERT_EQ(script->count(), static_cast<int>(c.procedures.size()));
    EXPECT_EQ(script->shown()[0].number, QStringLiteral("380 (Invalid property value)"));
    EXPECT_EQ(script->shown()[0].procedure, QStringLiteral("Value"));
    EXPECT_EQ(script->shown()[0].module, QStringLiteral("kmoSlider"));
    for (size_t i = 1; i < c.procedures.size(); ++i) {
        EXPECT_EQ(script->shown()[i].number, QStringLiteral("380 (Invalid property value)"));
        EXPECT_EQ(script->shown()[i].procedure, QString::fromLatin1(c.procedures[i]));
        EXPECT_EQ(script->shown()[i].module, QStringLiteral("frmColor"));
    }
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Widths, LoadingABadWidth,
                         ::testing::Values(BadWidthCase{0, {"Value", "kmoSlider_ValueChanged"}},
                                           BadWidthCase{51, {"Value"}}),
                         [](const auto& row) { return "Width" + std::to_string(row.param.penWidth); });

struct DragCase {
    const char* name;
    int toY;
    int16_t width;
};

void PrintTo(const DragCase& c, std::ostream* os) {
    *os << c.name;
}

class DraggingTheThumb : public ColorWindowTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DraggingTheThumb, SetsThePenWidthEverywhere) {
    const DragCase& c = GetParam();
    DrawingCanvas* canvas = openCanvas(5);
    frmColor* window = openColorWindow();
    kmoSlider* slider = part<kmoSlider>(window, "kmoSlider");
    // Width 5 puts the thumb's top at 121 - 121 x 4 / 49, about 111: grab it in its middle.
    const QPoint grab(9, 119);
    QTest::mousePress(slider, Qt::LeftButton, {}, grab);
    QTest::mouseMove(slider, QPoint(9, (grab.y() + c.toY) / 2));
    QTest::mouseMove(slider, QPoint(9, c.toY));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(9, c.toY));
    EXPECT_EQ(slider->Value(), c.width);
    EXPECT_EQ(Allgemein::PenWidth, c.width);
    EXPECT_EQ(part<QLabel>(window, "lblWidth")->text(), QString::number(c.width));
    EXPECT_EQ(canvas->DrawWidth(), c.width);
}

INSTANTIATE_TEST_SUITE_P(Ends, DraggingTheThumb,
                         ::testing::Values(DragCase{"ToTheTop", -200, 50}, DragCase{"ToTheBottom", 400, 1}),
                         [](const auto& row) { return std::string(row.param.name); });

struct PressCase {
    const char* name;
    Qt::MouseButton button;
    QPoint inBox;
    uint32_t color;
};

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << c.name;
}

class PressingThePalette : public ColorWindowTest, public ::testing::WithParamInterface<PressCase> {};

// Any button picks at once; the window moves only when the pointer moves with the button held.
TEST_P(PressingThePalette, PicksAtOnceAndMovesOnlyWithTheHeldButton) {
    const PressCase& c = GetParam();
    DrawingCanvas* canvas = openCanvas(5);
    frmColor* window = openColorWindow();
    const QPoint before = window->pos();
    QTest::mousePress(part<PictureBox>(window, "picCol"), c.button, {}, c.inBox);
    EXPECT_EQ(static_cast<uint32_t>(Allgemein::PenColor), c.color);
    EXPECT_EQ(canvas->ForeColor(), c.color);
    const QColor shown = QColor::fromRgb(swatch(window));
    EXPECT_EQ(static_cast<uint32_t>(shown.red() | shown.green() << 8 | shown.blue() << 16), c.color);
    EXPECT_EQ(window->pos(), before) << "a press alone does not move the window";

    QTest::mouseMove(part<PictureBox>(window, "picCol"), c.inBox + QPoint(40, 25));
    EXPECT_EQ(window->pos(), before + QPoint(40, 25));
    QTest::mouseRelease(part<PictureBox>(window, "picCol"), c.button, {}, c.inBox + QPoint(40, 25));
    QTest::mouseMove(part<PictureBox>(window, "picCol"), c.inBox);
    EXPECT_EQ(window->pos(), before + QPoint(40, 25)) << "the release ends the move";
    EXPECT_EQ(static_cast<uint32_t>(Allgemein::PenColor), c.color) << "moving picks nothing";
}

// A finger on the palette picks and moves the window as the mouse does.
TEST_F(ColorWindowTest, AFingerPicksAndMovesTheWindowAsTheMouseDoes) {
    openCanvas(5);
    frmColor* window = openColorWindow();
    QPointingDevice* screen = QTest::createTouchDevice();
    const QPoint before = window->pos();
    const QPoint on = part<PictureBox>(window, "picCol")->mapTo(window, BlackPatch + PaletteInBox);
    QTest::touchEvent(window, screen).press(0, on);
    EXPECT_EQ(static_cast<uint32_t>(Allgemein::PenColor), 0x000000u);
    QTest::touchEvent(window, screen).move(0, on + QPoint(40, 25));
    EXPECT_EQ(window->pos(), before + QPoint(40, 25));
    QTest::touchEvent(window, screen).release(0, on);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressingThePalette,
    ::testing::Values(PressCase{"RightButtonOnWhite", Qt::RightButton, WhitePatch + PaletteInBox, 0xFFFFFF},
                      PressCase{"LeftButtonOnBlack", Qt::LeftButton, BlackPatch + PaletteInBox, 0x000000},
                      PressCase{"TheBorderIsNoColour", Qt::LeftButton, QPoint(1, 1), 0x0000C0}),
    [](const auto& row) { return std::string(row.param.name); });

struct KeysCase {
    const char* name;
    const char* keys; // L, R, U, D: the arrow keys; " ": Space; "r": Return; "e": Enter
    QPoint cell;
    bool picks;
};

class PaletteKeys : public ColorWindowTest, public ::testing::WithParamInterface<KeysCase> {};

// Tab leads from the close button over the slider to the palette; the arrows move the focus mark over the
// 25 x 22 pixel cells and stop at the edges, and Space or Enter picks the marked colour as a click would.
TEST_P(PaletteKeys, ArrowsMoveAVisibleMarkAndSpaceOrEnterPicksItsColour) {
    const KeysCase& c = GetParam();
    DrawingCanvas* canvas = openCanvas(5);
    frmColor* window = openColorWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const QMap<char, Qt::Key> keys{{'L', Qt::Key_Left},  {'R', Qt::Key_Right}, {'U', Qt::Key_Up},
                                   {'D', Qt::Key_Down},  {' ', Qt::Key_Space}, {'r', Qt::Key_Return},
                                   {'e', Qt::Key_Enter}, {'\t', Qt::Key_Tab}};
    for (const char* key = "\t\t"; *key; ++key)
        QTest::keyClick(QApplication::focusWidget(), keys[*key]);
    ASSERT_TRUE(part<PictureBox>(window, "picCol")->hasFocus());
    for (const char* key = c.keys; *key; ++key)
        QTest::keyClick(QApplication::focusWidget(), keys[*key]);

    // The mark: a black outline on the cell's edge, a white one inside it.
    const QRect cell(PaletteInBox + QPoint(c.cell.x() * 25, c.cell.y() * 22), QSize(25, 22));
    const QImage shown = part<PictureBox>(window, "picCol")->grab().toImage();
    EXPECT_EQ(shown.pixel(cell.left(), cell.center().y()) & 0xFFFFFFu, 0x000000u);
    EXPECT_EQ(shown.pixel(cell.center().x(), cell.bottom() - 1) & 0xFFFFFFu, 0xFFFFFFu);
    const QRgb colour =
        QImage(QStringLiteral(":/art/frmColor/palette.png")).pixel(cell.center() - PaletteInBox);
    const uint32_t expected = c.picks ? qRed(colour) | qGreen(colour) << 8 | qBlue(colour) << 16 : 0x0000C0u;
    EXPECT_EQ(static_cast<uint32_t>(Allgemein::PenColor), expected);
    EXPECT_EQ(canvas->ForeColor(), expected);
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, PaletteKeys,
                         ::testing::Values(KeysCase{"RightRightDownSpace", "RRD ", {2, 1}, true},
                                           KeysCase{"EdgesStopTheMark", "LUr", {0, 0}, true},
                                           KeysCase{
                                               "PastTheBottomEdgeThenOnAndEnter", "DDDDDDRUe", {1, 4}, true},
                                           KeysCase{"ArrowsAlonePickNothing", "DR", {1, 1}, false}),
                         [](const auto& row) { return std::string(row.param.name); });

struct DefaultCase {
    QSize screenTwips;
    QPoint position;
};

void PrintTo(const DefaultCase& c, std::ostream* os) {
    *os << c.screenTwips.width() << " x " << c.screenTwips.height() << " twips";
}

class DefaultPosition : public ::testing::TestWithParam<DefaultCase> {};

// Top: 2535 x 0.5 = 1267.5, an exact half, goes to the even 1268.
TEST_P(DefaultPosition, IsEightyPercentOfTheFreeWidthAndHalfTheWindowsHeight) {
    EXPECT_EQ(frmColor::defaultPosition(GetParam().screenTwips, QSize(WindowTwipsWidth, WindowTwipsHeight)),
              GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Screens, DefaultPosition,
                         ::testing::Values(DefaultCase{{19200, 15360}, {7848, 1268}},
                                           DefaultCase{{12000, 9000}, {2088, 1268}},
                                           DefaultCase{{9000, 6000}, {-312, 1268}}));

struct StoredCase {
    const char* name;
    const char* left;
    const char* top;
    // -1 stands for the default coordinate, -2 for the last one that keeps the window on the screen.
    QPoint position;
    const char* report;
};

void PrintTo(const StoredCase& c, std::ostream* os) {
    *os << c.name;
}

class StoredPosition : public ColorWindowTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredPosition, IsUsedExactlyWhenItLiesOnAScreen) {
    const StoredCase& c = GetParam();
    if (c.left)
        home.storeOption(QStringLiteral("CLeft"), QString::fromLatin1(c.left));
    if (c.top)
        home.storeOption(QStringLiteral("CTop"), QString::fromLatin1(c.top));
    frmColor* window = frmColor::instance();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const auto expected = [&](int coordinate, int fallback, int last) {
        return coordinate == -1 ? fallback : coordinate == -2 ? last : coordinate;
    };
    EXPECT_EQ(window->pos(), QPoint(expected(c.position.x(), defaultPixels().x(), screen.width() - 626),
                                    expected(c.position.y(), defaultPixels().y(), screen.height() - 169)));
    if (c.report) {
        ASSERT_EQ(script->count(), 1);
        EXPECT_EQ(script->shown()[0].number, QString::fromLatin1(c.report));
        EXPECT_EQ(script->shown()[0].procedure, QStringLiteral("Form_Load"));
        EXPECT_EQ(script->shown()[0].module, QStringLiteral("frmColor"));
    } else {
        EXPECT_EQ(script->count(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredPosition,
    ::testing::Values(StoredCase{"None", nullptr, nullptr, {-1, -1}, nullptr},
                      StoredCase{"OnTheScreen", "1500", "900", {100, 60}, nullptr},
                      StoredCase{"LeftIsNoNumber", "abc", "900", {-1, 60}, "13 (Type mismatch)"},
                      StoredCase{"FromALargerDesktop", "300000", "900", {-2, 60}, nullptr},
                      StoredCase{"AboveAndLeftOfTheScreen", "-30000", "-30000", {0, 0}, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

// Closing only hides the window; its place is written when it unloads and used again by the next load.
TEST_F(ColorWindowTest, CloseAndReopenKeepThePlaceWhichIsWrittenOnlyOnUnload) {
    frmColor* window = openColorWindow();
    const QPoint start = window->pos();
    EXPECT_EQ(start, defaultPixels());
    const QPoint freeSpot(10, 160);
    QTest::mousePress(window, Qt::LeftButton, {}, freeSpot);
    QTest::mouseMove(window, freeSpot + QPoint(-30, 20));
    QTest::mouseRelease(window, Qt::LeftButton, {}, freeSpot + QPoint(-30, 20));
    const QPoint moved = start + QPoint(-30, 20);
    ASSERT_EQ(window->pos(), moved);

    QTest::mouseClick(part<QWidget>(window, "bzlButton", 0), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Allgemein::ColorWinOpen, 0);
    EXPECT_TRUE(Forms::loaded().contains(window)) << "hidden, still loaded";
    EXPECT_EQ(Allgemein::ReadOption(QStringLiteral("CLeft"), QStringLiteral("none")), QStringLiteral("none"));

    EXPECT_EQ(openColorWindow(), window);
    EXPECT_EQ(window->pos(), moved);
    EXPECT_EQ(Allgemein::ReadOption(QStringLiteral("CTop"), QStringLiteral("none")), QStringLiteral("none"));

    ASSERT_TRUE(Forms::unload(window));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Allgemein::ReadOption(QStringLiteral("CLeft"), {}), QString::number(moved.x() * 15));
    EXPECT_EQ(Allgemein::ReadOption(QStringLiteral("CTop"), {}), QString::number(moved.y() * 15));
    EXPECT_EQ(frmColor::instance()->pos(), moved) << "the next start";
    EXPECT_EQ(script->count(), 0);
}

// A stroke drawn after picking a patch and a width has that colour and that width.
TEST_F(ColorWindowTest, AStrokeTakesThePickedColourAndWidth) {
    DrawingCanvas* canvas = openCanvas(5);
    frmColor* window = openColorWindow();
    const QPoint patch(37, 54); // column 1, row 2 of the palette
    const QRgb patchColor = QImage(QStringLiteral(":/art/frmColor/palette.png")).pixel(patch);
    QTest::mouseClick(part<PictureBox>(window, "picCol"), Qt::LeftButton, {}, patch + PaletteInBox);
    // A press off the thumb centres it under the pointer: at y 102 its top is 94, (121 - 94) / 121 x 49 + 1
    // rounds to 12.
    QTest::mouseClick(part<kmoSlider>(window, "kmoSlider"), Qt::LeftButton, {}, QPoint(9, 102));
    ASSERT_EQ(Allgemein::PenWidth, 12);

    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(canvas, QPoint(200, 100));
    QTest::mouseMove(canvas, QPoint(300, 100));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(300, 100));
    const QImage picture = canvas->Image();
    for (int y : {95, 100, 105})
        EXPECT_EQ(picture.pixel(200, y) & 0xFFFFFFu, patchColor & 0xFFFFFFu) << "y " << y;
    for (int y : {92, 108})
        EXPECT_EQ(picture.pixel(200, y) & 0xFFFFFFu, 0xFFFFFFu) << "y " << y;
    EXPECT_EQ(script->count(), 0);
}

// Around the slider (L 520, T 16, W 18, H 137): a dark outline from (L - 1, T - 1) to (L + W + 1, T + H + 1),
// then a white one from (L - 2, T - 2) to (L + W, T + H), drawn over it where they cross.
TEST_F(ColorWindowTest, PaintsTwoOutlinesAroundTheSlider) {
    frmColor* window = openColorWindow();
    const QImage picture = window->grab().toImage();
    ASSERT_EQ(picture.size(), QSize(626, 169));
    const QRgb dark = qRgb(0x40, 0x40, 0x00);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    struct Pixel {
        QPoint at;
        QRgb color;
    };
    const std::vector<Pixel> pixels{
        {{519, 15}, dark},   {{539, 15}, dark},   {{539, 154}, dark}, {{519, 80}, dark},  {{539, 80}, dark},
        {{530, 15}, dark},   {{530, 154}, dark},  {{518, 14}, white}, {{538, 14}, white}, {{518, 153}, white},
        {{538, 153}, white}, {{518, 80}, white},  {{538, 80}, white}, {{530, 14}, white}, {{530, 153}, white},
        {{538, 15}, white},  {{519, 153}, white},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(picture.pixel(p.at) & 0xFFFFFFu, p.color & 0xFFFFFFu) << p.at.x() << "," << p.at.y();
}

} // namespace
