// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewFixture.h"

#include "controls/Twips.h"
#include "core/Allgemein.h"
#include "core/Forms.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <array>
#include <optional>
#include <vector>

namespace {

using Allgemein::LessonNo;
using Allgemein::StepNo;

constexpr QRgb Orange = qRgb(255, 182, 47);

QString storedOption(const TempHome& home, const QString& key) {
    return home.userSettings()->value(QStringLiteral("Optionen/") + key).toString();
}

using Command = frmPreview::Command;

struct BrowseCase {
    int16_t lesson;
    Command button;
    int16_t expected;
};

class Browse : public PreviewTest, public ::testing::WithParamInterface<BrowseCase> {};

// Browsing shows each lesson's finished picture exactly as the lesson bitmap holds it; only taking the
// lesson stores it, and shows its first step.
TEST_P(Browse, WrapsAroundAndOnlyTakingTheLessonStoresIt) {
    const BrowseCase& c = GetParam();
    LessonNo = c.lesson;
    open();
    click(Command::ChooseLesson);
    ASSERT_TRUE(part<PictureBox>(window, "picPanel", 1)->isVisible());
    click(c.button);
    EXPECT_EQ(LessonNo, c.expected);
    EXPECT_EQ(shown(), band(c.expected, 5));
    EXPECT_TRUE(part<PictureBox>(window, "picPanel", 1)->isVisible());
    EXPECT_TRUE(storedOption(home, QStringLiteral("Image")).isEmpty());
    click(Command::TakeLesson);
    // Lesson 1 is the default, which the user's settings do not keep.
    EXPECT_EQ(storedOption(home, QStringLiteral("Image")),
              c.expected == 1 ? QString() : QString::number(c.expected));
    EXPECT_EQ(shown(), band(c.expected, 0));
    EXPECT_TRUE(part<PictureBox>(window, "picPanel", 0)->isVisible());
    EXPECT_FALSE(part<PictureBox>(window, "picPanel", 1)->isVisible());
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Browse,
                         ::testing::Values(BrowseCase{1, Command::LessonBefore, 42},
                                           BrowseCase{42, Command::NextLesson, 1},
                                           BrowseCase{17, Command::LessonBefore, 16},
                                           BrowseCase{17, Command::NextLesson, 18}));

struct ActivationCase {
    int16_t stored;
    int16_t expected;
    bool lessonPanel;
};

class Activation : public PreviewTest, public ::testing::WithParamInterface<ActivationCase> {};

// A stored lesson the program does not have loads without an error and is brought into range when the
// window becomes active, which then offers the lessons with that one's finished picture.
TEST_P(Activation, BringsAStoredLessonIntoRange) {
    const ActivationCase& c = GetParam();
    LessonNo = c.stored;
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(state<int16_t>(window, "lessonCount"), 42);
    EXPECT_EQ(LessonNo, c.expected);
    EXPECT_EQ(part<PictureBox>(window, "picPanel", 1)->isVisible(), c.lessonPanel);
    EXPECT_EQ(part<PictureBox>(window, "picPanel", 0)->isVisible(), !c.lessonPanel);
    EXPECT_EQ(shown(), band(c.expected, c.lessonPanel ? 5 : 0));
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Activation,
                         ::testing::Values(ActivationCase{43, 42, true}, ActivationCase{0, 1, true},
                                           ActivationCase{7, 7, false}));

TEST_F(PreviewTest, StepButtonsFollowTheStepFromFirstToLastAndBack) {
    struct Step {
        Command button;
        int16_t step;
        bool previous;
        bool next;
    };
    // The sixth "next" and the sixth "previous" meet a disabled button and change nothing.
    const std::array<Step, 12> walk{{{Command::StepOn, 1, true, true},
                                     {Command::StepOn, 2, true, true},
                                     {Command::StepOn, 3, true, true},
                                     {Command::StepOn, 4, true, true},
                                     {Command::StepOn, 5, true, false},
                                     {Command::StepOn, 5, true, false},
                                     {Command::StepBack, 4, true, true},
                                     {Command::StepBack, 3, true, true},
                                     {Command::StepBack, 2, true, true},
                                     {Command::StepBack, 1, true, true},
                                     {Command::StepBack, 0, false, true},
                                     {Command::StepBack, 0, false, true}}};
    LessonNo = 9;
    open();
    EXPECT_FALSE(enabled(Command::StepBack));
    EXPECT_TRUE(enabled(Command::StepOn));
    for (size_t i = 0; i < walk.size(); ++i) {
        SCOPED_TRACE(testing::Message()
                     << "click " << i + 1 << " on button " << static_cast<int>(walk[i].button));
        click(walk[i].button);
        EXPECT_EQ(StepNo, walk[i].step);
        EXPECT_EQ(enabled(Command::StepBack), walk[i].previous);
        EXPECT_EQ(enabled(Command::StepOn), walk[i].next);
        EXPECT_EQ(shown(), band(9, walk[i].step));
        EXPECT_EQ(enabled(Command::ShowHow), walk[i].step < 5) << "the finished picture adds no lines";
    }
}

TEST_F(PreviewTest, TakingALessonShowsItsFirstBandButKeepsStepAndStepButtons) {
    open();
    click(Command::ChooseLesson);
    StepNo = 3;
    window->button(Command::StepBack).setEnabled(-1);
    window->button(Command::StepOn).setEnabled(0);
    click(Command::TakeLesson);
    EXPECT_EQ(shown(), band(1, 0));
    EXPECT_EQ(StepNo, 3);
    EXPECT_TRUE(enabled(Command::StepBack));
    EXPECT_FALSE(enabled(Command::StepOn));
}

int redPixels(const QImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) == qRgb(226, 44, 44);
    return count;
}

struct PlayCase {
    int16_t lesson;
    int16_t steps; // clicks on "next" before the play
};

class Play : public PreviewTest, public ::testing::WithParamInterface<PlayCase> {};

// Pixels white in `page` that `picture` does not show white.
int coveredPaper(const QImage& picture, const QImage& page) {
    int count = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            count += page.pixel(x, y) == qRgb(255, 255, 255) && picture.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

// The play starts on the step before (an empty page for the first) with its lines grey and only the pen
// over it, its red lines grow, and it ends on the step's picture exactly as the lesson bitmap holds it.
TEST_P(Play, GrowsRedLinesOverTheStepBeforeAndEndsOnTheStep) {
    const PlayCase& c = GetParam();
    LessonNo = c.lesson;
    open();
    for (int i = 0; i < c.steps; ++i)
        click(Command::StepOn);
    ASSERT_TRUE(enabled(Command::ShowHow));
    QImage start(400, 300, QImage::Format_RGB32);
    start.fill(Qt::white);
    if (c.steps > 0)
        start = band(c.lesson, c.steps - 1);
    click(Command::ShowHow);
    ASSERT_TRUE(state<bool>(window, "playing"));
    EXPECT_LE(coveredPaper(shown(), start), 24 * 24) << "the pen, 24 pixels square";
    // Every step before has more red than this; the play has drawn hardly any yet.
    EXPECT_LT(redPixels(shown()), 100) << "the lines before are grey";
    int red = 0;
    for (int growth = 0; growth < 2; ++growth) {
        const int before = red;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            red = redPixels(shown());
            return red > before + 40 || !state<bool>(window, "playing");
        }));
        EXPECT_TRUE(state<bool>(window, "playing")) << "growth " << growth;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !state<bool>(window, "playing"); }, 6000));
    EXPECT_EQ(shown(), band(c.lesson, c.steps));
    EXPECT_EQ(StepNo, c.steps);
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Play,
                         ::testing::Values(PlayCase{1, 0}, PlayCase{9, 3}, PlayCase{42, 4}, PlayCase{20, 1}));

// A play held up longer than it lasts (a busy machine) goes on from where it was: it never jumps to its end.
TEST_F(PreviewTest, APlayHeldUpGoesOnWhereItWas) {
    LessonNo = 9;
    open();
    click(Command::ShowHow);
    QThread::msleep(4500);
    QTest::qWait(60);
    EXPECT_TRUE(state<bool>(window, "playing"));
    EXPECT_NE(shown(), band(9, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !state<bool>(window, "playing"); }, 6000));
    EXPECT_EQ(shown(), band(9, 0));
}

struct Interruption {
    Command button;
    int16_t step;
    int band;
};

class Interrupt : public PreviewTest, public ::testing::WithParamInterface<Interruption> {};

// Whatever else the viewer is asked to show stops the play of step 3 and shows it at once: the step the
// button switches to, the same step on a second click, the finished picture of the lesson choice.
TEST_P(Interrupt, StopsThePlayAndShowsTheNewPictureAtOnce) {
    const Interruption& row = GetParam();
    LessonNo = 9;
    open();
    click(Command::StepOn);
    click(Command::StepOn);
    click(Command::ShowHow);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown() != band(9, 2); }));
    ASSERT_TRUE(state<bool>(window, "playing"));
    click(row.button);
    EXPECT_FALSE(state<bool>(window, "playing"));
    EXPECT_EQ(StepNo, row.step);
    EXPECT_EQ(shown(), band(9, row.band));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(), band(9, row.band)) << "no frame after the stop";
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Interrupt,
                         ::testing::Values(Interruption{Command::StepOn, 3, 3},
                                           Interruption{Command::StepBack, 1, 1},
                                           Interruption{Command::ShowHow, 2, 2},
                                           Interruption{Command::ChooseLesson, 0, 5}));

struct SizeCase {
    int16_t previewSize;
    QSize window;
    std::array<int, 3> panelLefts;
    int panelTop;
    int gridSpacing;
};

class Size : public PreviewTest, public ::testing::WithParamInterface<SizeCase> {};

// In half size the panels stick out on both sides; their lefts come from truncating division. The grid
// is scaled with the preview: its lines come every 25 pixels, one pixel wide.
TEST_P(Size, PlacesPanelsAndScalesTheGrid) {
    const SizeCase& c = GetParam();
    Allgemein::PreviewSize = c.previewSize;
    Allgemein::GridOn = -1;
    open();
    EXPECT_EQ(window->size(), c.window);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(part<PictureBox>(window, "picPanel", i)->pos(), QPoint(c.panelLefts[i], c.panelTop))
            << "panel " << i;
    const QImage preview = shown();
    const int lineWidth = c.gridSpacing / 25;
    const auto onLine = [&](int at, int length) {
        return at % c.gridSpacing < lineWidth && at >= c.gridSpacing && at < length;
    };
    for (int x = 0; x < preview.width(); ++x)
        EXPECT_EQ(preview.pixel(x, 10) == Orange, onLine(x, preview.width())) << "x " << x;
    for (int y = 0; y < preview.height(); ++y)
        EXPECT_EQ(preview.pixel(10, y) == Orange, onLine(y, preview.height())) << "y " << y;
}

INSTANTIATE_TEST_SUITE_P(Table, Size,
                         ::testing::Values(SizeCase{0, QSize(240, 270), {-4, -4, -8}, 166, 25},
                                           SizeCase{-1, QSize(440, 420), {95, 95, 91}, 316, 50}));

TEST_F(PreviewTest, TheSizeButtonSwitchesBetweenFullAndHalfSize) {
    open();
    click(Command::SizeSwitch);
    EXPECT_EQ(Allgemein::PreviewSize, 0);
    EXPECT_EQ(window->size(), QSize(240, 270));
    EXPECT_EQ(part<PictureBox>(window, "picPreview")->size(), QSize(200, 150));
    click(Command::SizeSwitch);
    EXPECT_EQ(window->size(), QSize(440, 420));
    EXPECT_EQ(shown(), band(1, 0));
}

struct OpenCase {
    const char* picName;
    bool opened;
};

class OpenDrawing : public PreviewTest, public ::testing::WithParamInterface<OpenCase> {};

// Without a chosen drawing the button only goes back to the step panel; a bare name is a drawing in the
// drawings folder.
TEST_P(OpenDrawing, SwitchesBackAndOpensTheChosenDrawing) {
    const OpenCase& c = GetParam();
    QImage drawing(640, 480, QImage::Format_RGB32);
    drawing.fill(Qt::blue);
    saveDrawing(QStringLiteral("Tulpe.bmp"), drawing);
    open();
    QSignalSpy opened(window, &frmPreview::pictureLoaded);
    window->showFilePanel();
    ASSERT_TRUE(part<PictureBox>(window, "picPanel", 2)->isVisible());
    ASSERT_FALSE(part<PictureBox>(window, "picPanel", 0)->isVisible());
    window->chooseDrawing(
        QString::fromUtf8(c.picName).replace(QStringLiteral("<pics>"), home.programFolder() + "/pics"));
    click(Command::TakeDrawing);
    ASSERT_EQ(opened.count(), c.opened ? 1 : 0);
    if (c.opened) {
        EXPECT_EQ(opened[0][0].value<QImage>().size(), QSize(640, 480));
    }
    EXPECT_TRUE(part<PictureBox>(window, "picPanel", 0)->isVisible());
    EXPECT_FALSE(part<PictureBox>(window, "picPanel", 2)->isVisible());
    EXPECT_EQ(shown(), band(1, 0));
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, OpenDrawing,
                         ::testing::Values(OpenCase{"", false}, OpenCase{"Tulpe.bmp", true},
                                           OpenCase{"<pics>/Tulpe.bmp", true}));

// The ways the viewer changes its panel: the viewer's commands that show the lesson panel, take the lesson
// and open the drawing, and the drawing window's gallery command.
struct PanelSwitch {
    const char* name;
    std::optional<Command> command; // none: the gallery command
    int panel;
};
const PanelSwitch kSwitches[] = {{"lessons", Command::ChooseLesson, 1},
                                 {"take", Command::TakeLesson, 0},
                                 {"gallery", std::nullopt, 2},
                                 {"open", Command::TakeDrawing, 0}};

using PanelCase = std::vector<PanelSwitch>;

// Every pair of switches, and the sequence that once left the lesson panel's buttons over the step panel.
std::vector<PanelCase> panelCases() {
    std::vector<PanelCase> cases{{kSwitches[0], kSwitches[2], kSwitches[3]}};
    for (const PanelSwitch& first : kSwitches)
        for (const PanelSwitch& second : kSwitches)
            cases.push_back({first, second});
    return cases;
}

// The first widget a mouse press is delivered to.
class PressReceiver : public QObject {
public:
    QWidget* widget = nullptr;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && !widget && watched->isWidgetType())
            widget = static_cast<QWidget*>(watched);
        return false;
    }
};

class Panels : public PreviewTest, public ::testing::WithParamInterface<PanelCase> {};

// Only the panel of the last switch shows, and a click where the step panel's "previous step" and the
// lesson panel's "previous lesson" lie reaches the button of the panel shown (on the file panel, the list).
TEST_P(Panels, OnlyTheLastSwitchesPanelShowsAndTakesTheClicks) {
    const PanelCase& switches = GetParam();
    open();
    for (const PanelSwitch& s : switches)
        if (!s.command)
            window->showFilePanel();
        else
            window->bzlButton_Click(*s.command);
    const int panel = switches.back().panel;
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(part<PictureBox>(window, "picPanel", i)->isVisible(), static_cast<int>(i) == panel)
            << "panel " << i;

    const std::array<QWidget*, 3> receivers{window->buttonWidget(Command::StepBack),
                                            window->buttonWidget(Command::LessonBefore),
                                            part<FileListBox>(window, "filPics")};
    const QPoint at = receivers[0]->mapTo(window, receivers[0]->rect().center());
    PressReceiver pressed;
    qApp->installEventFilter(&pressed);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    qApp->removeEventFilter(&pressed);
    const QWidget* expected = receivers[static_cast<size_t>(panel)];
    ASSERT_NE(pressed.widget, nullptr);
    EXPECT_TRUE(pressed.widget == expected || expected->isAncestorOf(pressed.widget))
        << "the press went to " << pressed.widget->objectName().toStdString() << " of "
        << pressed.widget->parentWidget()->objectName().toStdString();
    EXPECT_EQ(script->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Panels, ::testing::ValuesIn(panelCases()), [](const auto& row) {
    std::string name;
    for (const PanelSwitch& s : row.param) {
        if (!name.empty())
            name += '_';
        name += s.name;
    }
    return name;
});

// Also a folder of more than a thousand names; a listing asked for while another is still being read
// replaces it.
TEST_F(PreviewTest, TheFileListShowsTheBitmapsSortedWithoutRegardToCaseAndRefreshes) {
    const auto create = [&](const QString& name) {
        QFile(home.programFolder() + "/pics/" + name).open(QIODevice::WriteOnly);
    };
    for (const char* name : {"rose.BMP", "Aster.bmp", "lilie.bmp", "notes.txt", "tulpe.bmpx"})
        create(QString::fromLatin1(name));
    open();
    FileListBox* list = part<FileListBox>(window, "filPics");
    const auto listed = [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !list->isListing(); }));
        QStringList names;
        for (int i = 0; i < list->ListCount(); ++i)
            names << list->List(i);
        return names;
    };
    window->showFilePanel();
    EXPECT_EQ(listed(), QStringList({"Aster.bmp", "lilie.bmp", "rose.BMP"}));
    create(QStringLiteral("Mohn.bmp"));
    window->showFilePanel();
    EXPECT_EQ(listed().value(2), QStringLiteral("Mohn.bmp"));
    for (int i = 0; i < 1200; ++i)
        create(QStringLiteral("Zeichnung %1.bmp").arg(i, 4, 10, QLatin1Char('0')));
    window->showFilePanel();
    const QStringList many = listed();
    ASSERT_EQ(many.size(), 1204);
    EXPECT_EQ(many.value(3), QStringLiteral("rose.BMP"));
    EXPECT_EQ(many.value(4), QStringLiteral("Zeichnung 0000.bmp"));
    EXPECT_EQ(many.last(), QStringLiteral("Zeichnung 1199.bmp"));
    window->showFilePanel();
    list->setPattern(QStringLiteral("rose*"));
    EXPECT_EQ(listed(), QStringList({"rose.BMP"}));
}

struct PlaceCase {
    const char* name;
    const char* left;
    const char* top;
    int drawingWidth;
    int panelTop;
    QPoint expected;
};

class Place : public PreviewTest, public ::testing::WithParamInterface<PlaceCase> {};

// The stored place, else beside the drawing window's panel (8 % in from its left, 1.1 window heights
// above the panel), moved onto the screen when it lies outside every screen. The offscreen screen is
// 800 x 600 pixels; a pixel is 15 twips.
TEST_P(Place, ComesFromTheSettingsOrTheDrawingWindow) {
    const PlaceCase& c = GetParam();
    if (*c.left)
        home.storeOption(QStringLiteral("PLeft"), QString::fromLatin1(c.left));
    if (*c.top)
        home.storeOption(QStringLiteral("PTop"), QString::fromLatin1(c.top));
    QWidget drawingWindow;
    drawingWindow.resize(c.drawingWidth, 600);
    QWidget panel(&drawingWindow);
    panel.move(24, c.panelTop);
    frmPreview::setDrawingWindow(&drawingWindow, &panel);
    open();
    EXPECT_EQ(window->pos(), c.expected);
    EXPECT_EQ(script->count(), 0);
}

// Default: left 1000 * 15 * 0.08 = 1200 twips; top 500 * 15 - 6390 * 1.1 = 471 twips = 31.4 pixels.
INSTANTIATE_TEST_SUITE_P(
    Table, Place,
    ::testing::Values(PlaceCase{"stored", "3000", "1500", 1000, 500, QPoint(200, 100)},
                      PlaceCase{"default", "", "", 1000, 500, QPoint(80, 31)},
                      PlaceCase{"default above the screen", "", "", 1000, 20, QPoint(80, 0)},
                      PlaceCase{"stored left of the screen", "-15000", "1500", 1000, 500, QPoint(0, 100)},
                      PlaceCase{"stored partly on the screen", "-3000", "-1500", 1000, 500,
                                QPoint(-200, -100)}),
    [](const testing::TestParamInfo<PlaceCase>& row) {
        return QString::fromLatin1(row.param.name).replace(QLatin1Char(' '), QLatin1Char('_')).toStdString();
    });

// A finger on the preview moves the viewer as a mouse drag does, by as much as the finger moved.
TEST_F(PreviewTest, AFingerMovesTheViewerByItsSurface) {
    open();
    QPointingDevice* screen = QTest::createTouchDevice();
    const QPoint before = window->pos();
    const QPoint on =
        window->findChild<QWidget*>(QStringLiteral("picPreview"))->mapTo(window, QPoint(50, 50));
    QTest::touchEvent(window, screen).press(0, on);
    QTest::touchEvent(window, screen).move(0, on + QPoint(40, 25));
    EXPECT_EQ(window->pos(), before + QPoint(40, 25));
    QTest::touchEvent(window, screen).release(0, on);
    EXPECT_EQ(script->count(), 0);
}

// The top is read as "PTop" and written as "Ptop"; the store takes both for one entry.
TEST_F(PreviewTest, TheTopIsReadAsPTopAndWrittenAsPtopIntoOneEntry) {
    home.storeOption(QStringLiteral("PLeft"), QStringLiteral("3000"));
    home.storeOption(QStringLiteral("PTop"), QStringLiteral("1500"));
    open();
    ASSERT_EQ(window->pos(), QPoint(200, 100));
    window->move(300, 240);
    ASSERT_TRUE(Forms::unload(window));
    const QStringList stored = home.storedSettings();
    QStringList tops;
    for (const QString& line : stored)
        if (line.startsWith(QStringLiteral("Optionen/ptop="), Qt::CaseInsensitive))
            tops << line.section(u'=', 1);
    EXPECT_EQ(tops, QStringList{QStringLiteral("3600")}) << stored.join(u' ').toStdString();
    EXPECT_EQ(storedOption(home, QStringLiteral("PLeft")), QStringLiteral("4500"));
}

} // namespace
