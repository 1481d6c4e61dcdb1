// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/frmPreview.h"

#include "base/MouseCodes.h"
#include "base/VbConvert.h"
#include "controls/CommandKey.h"
#include "controls/Twips.h"
#include "core/Allgemein.h"
#include "core/Resources.h"
#include "errors/ErrorTrap.h"
#include "formats/PictureFile.h"
#include "lessons/DrawingsFolder.h"
#include "lessons/StepPlayer.h"
#include "platform/ScreenPlacement.h"
#include "platform/WindowSystemPosition.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <brizel/AccessibleHints.h>
#include <limits>

using namespace Allgemein;

namespace {

const QString Module = QStringLiteral("frmPreview");
constexpr int PanelCount = 3;
constexpr int StepPanel = 0;
constexpr int LessonPanel = 1;
constexpr int FilePanel = 2;
constexpr int FinishedBand = 5;
constexpr int LastStep = 5;
// A lesson bitmap is six bands of this size stacked from top to bottom.
constexpr QSize BandSize(400, 300);
constexpr QSize FullPreview(400, 300);
constexpr QSize HalfPreview(200, 150);
// The window is this much wider and higher than its preview: margins, and the panels below.
constexpr QSize AroundPreview(40, 120);
// The default place: this share of the drawing window's width in from its left edge, and above its panel
// by this many times the viewer's own height.
constexpr double DefaultIndent = 0.08;
constexpr double DefaultRise = 1.1;
constexpr int FirstLessonBitmap = 100;
// The play's pen is the canvas pointer.
const QString PenPicture = QStringLiteral(":/cursor/101.png");

QPointer<QWidget>& drawingWindow() {
    static QPointer<QWidget> window;
    return window;
}

QPointer<QWidget>& drawingPanel() {
    static QPointer<QWidget> panel;
    return panel;
}

} // namespace

frmPreview* frmPreview::instance() {
    return loadedInstance<frmPreview>();
}

const StoredForm& frmPreview::design() {
    static const StoredForm form = StoredForm::load(QStringLiteral(":/forms/frmPreview.frm"));
    return form;
}

void frmPreview::setDrawingWindow(QWidget* window, QWidget* panel) {
    drawingWindow() = window;
    drawingPanel() = panel;
}

frmPreview::frmPreview()
    : ProgramWindow(QStringLiteral("frmPreview"), Qt::Tool | Qt::FramelessWindowHint),
      m_player(new StepPlayer(QImage(PenPicture), this)) {
    ErrorTrap trap(QStringLiteral("Form_Load"), Module);
    trap(0, [this] { createControls(); });
    nameControls();
    createShortcuts();
}

void frmPreview::createControls() {
    const StoredForm& form = design();
    const KeyedPropertyBag& window = form.control(QStringLiteral("frmPreview"));
    setFixedSize(Twips::toPixelsX(StoredForm::number(window, QStringLiteral("clientwidth"))),
                 Twips::toPixelsY(StoredForm::number(window, QStringLiteral("clientheight"))));

    const KeyedPropertyBag& preview = form.control(QStringLiteral("picPreview"));
    picPreview = new PictureBox(this);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    picPreview->setBackColor(StoredForm::color(preview, QStringLiteral("backcolor"), Qt::white));
    picPreview->setGeometry(Twips::toPixels(StoredForm::twipsRect(preview)));
    picPreview->installEventFilter(this);

    const KeyedPropertyBag& grid = form.control(QStringLiteral("imgGitter"));
    imgGitter = new GridOverlay(picPreview, picPreview->size(),
                                StoredForm::color(grid, QStringLiteral("forecolor"), Qt::black),
                                StoredForm::number(grid, QStringLiteral("spacing")),
                                StoredForm::number(grid, QStringLiteral("linewidth")));
    imgGitter->setObjectName(QStringLiteral("imgGitter"));
    imgGitter->setGeometry(picPreview->rect());

    createPanels(form);
    const KeyedPropertyBag& list = form.control(QStringLiteral("filPics"));
    filPics = new FileListBox(picPanel[FilePanel]);
    filPics->setObjectName(QStringLiteral("filPics"));
    filPics->setGeometry(Twips::toPixels(StoredForm::twipsRect(list)));
    filPics->setPattern(text(list, "pattern"));
    connect(filPics, &FileListBox::Click, this, &frmPreview::filPics_Click);

    bzlButton.create(
        form, QStringLiteral("bzlButton"),
        [this, &form](int16_t index) {
            const QString panel = text(form.control(QStringLiteral("bzlButton(%1)").arg(index)), "container");
            return picPanel.at(static_cast<size_t>(panel.section(u'(', 1).section(u')', 0, 0).toInt()));
        },
        [this](int16_t index) { bzlButton_Click(index); });

    connect(m_player, &StepPlayer::frame, this,
            [this](const QImage& picture) { paintPreview(picture, true); });
    connect(m_player, &StepPlayer::strokeStarted, this, [] { sound(Sound::Pen); });
    connect(m_player, &StepPlayer::linesDrawn, this, [this](const QImage& lines, const QRect& changed) {
        if (TraceOn)
            emit tracingPlayed(lines, changed);
    });
    connect(m_player, &StepPlayer::finished, this, [this] { showBand(m_shownBand); });
}

void frmPreview::createPanels(const StoredForm& form) {
    for (int i = 0; i < PanelCount; ++i) {
        const QString name = QStringLiteral("picPanel(%1)").arg(i);
        const KeyedPropertyBag& bag = form.control(name);
        auto* panel = new PictureBox(this);
        panel->setObjectName(name);
        panel->setBackColor(StoredForm::color(bag, QStringLiteral("backcolor"), Qt::white));
        panel->resize(Twips::toPixels(StoredForm::twipsRect(bag)).size());
        panel->setVisible(StoredForm::number(bag, QStringLiteral("visible"), -1) != 0);
        panel->installEventFilter(this);
        picPanel[static_cast<size_t>(i)] = panel;
    }
}

// What a screen reader says of the window and the controls without a text of their own; the buttons are
// named by the tooltips the drawing window gives them. The lesson panel and the file panel are named as
// the buttons that open them.
void frmPreview::nameControls() {
    ErrorTrap trap(QStringLiteral("nameControls"), Module);
    trap.run({
        {10, [this] { setAccessibleName(GetLang(Text::Lessons)); }},
        {20, [this] { picPreview->setAccessibleName(GetLang(Text::LessonPicture)); }},
        {30, [this] { imgGitter->setAccessibleName(GetLang(Text::Grid)); }},
        {40, [this] { picPanel[StepPanel]->setAccessibleName(GetLang(Text::Steps)); }},
        {50, [this] { picPanel[LessonPanel]->setAccessibleName(GetLang(Text::ChooseFlowerTip)); }},
        {60, [this] { picPanel[FilePanel]->setAccessibleName(GetLang(Text::OpenTip)); }},
        {70, [this] { filPics->setAccessibleName(GetLang(Text::SavedDrawings)); }},
        {80, [this] { describePicture(); }},
    });
}

// Which flower and step the picture shows, or which drawing, in the program's language.
void frmPreview::describePicture() {
    if (m_shownBand < 0) {
        picPreview->setAccessibleDescription(QFileInfo(m_chosenDrawing).completeBaseName());
        return;
    }
    const int lesson = std::clamp<int>(LessonNo, 1, std::max<int>(m_lessonCount, 1));
    QString flower = GetLang(static_cast<Text>(static_cast<int>(Text::FirstFlower) + lesson - 1));
    if (flower.isEmpty())
        flower = QString::number(lesson);
    picPreview->setAccessibleDescription(
        GetLang(Text::LessonStep)
            .arg(flower, QString::number(m_shownBand + 1), QString::number(LastStep + 1)));
}

// One line per button, in the order of their indices.
const frmPreview::CommandTable& frmPreview::commands() {
    static constexpr CommandTable table{{
        {Command::StepBack, &frmPreview::stepBack, Text::BackTip, QKeyCombination(Qt::Key_PageUp)},
        {Command::ChooseLesson, &frmPreview::chooseLesson, Text::ChooseFlowerTip},
        {Command::StepOn, &frmPreview::stepOn, Text::NextTip, QKeyCombination(Qt::Key_PageDown)},
        {Command::GridSwitch, &frmPreview::switchGrid, Text::GridTip},
        {Command::SizeSwitch, &frmPreview::switchSize, Text::SizeTip},
        {Command::LessonBefore, &frmPreview::lessonBefore, Text::BackTip},
        // The two OK buttons say "OK" in every language.
        {Command::TakeLesson, &frmPreview::takeLesson, std::nullopt},
        {Command::NextLesson, &frmPreview::nextLesson, Text::NextTip},
        {Command::TakeDrawing, &frmPreview::takeDrawing, std::nullopt},
        {Command::TraceSwitch, &frmPreview::switchTracing, Text::TracingTip},
        {Command::ShowHow, &frmPreview::showHow, Text::ShowHowTip},
    }};
    static_assert(coversEveryButton(table, CommandCount));
    return table;
}

QKeySequence frmPreview::shortcutOf(Command command) {
    return commands()[static_cast<size_t>(command)].shortcut();
}

bool frmPreview::labelButtons(ErrorTrap& trap, int firstLine) {
    for (const auto& line : commands())
        if (!trap(firstLine + 10 * static_cast<int>(line.command), [&] {
                labelCommandButton(buttonWidget(line.command),
                                   line.tip ? GetLang(*line.tip) : QStringLiteral("OK"), line.shortcut());
            }))
            return false;
    return true;
}

// Page Up and Page Down step through the lesson from any window of the program, as the step panel's
// buttons do, while that panel is shown and the button could be clicked.
void frmPreview::createShortcuts() {
    CommandKey::addAll(
        this, commands(), [this](Command command) { return buttonWidget(command); },
        [this](Command command) {
            if (picPanel[StepPanel]->isVisibleTo(this) && button(command).Enabled())
                bzlButton_Click(command);
        });
}

void frmPreview::Form_Load() {
    ErrorTrap trap(QStringLiteral("Form_Load"), Module);
    QPoint place;
    trap.run({
        {10,
         [this] {
             button(Command::StepBack).setEnabled(VbConvert::False);
             button(Command::TraceSwitch).setValue(TraceOn ? VbConvert::True : VbConvert::False);
             showSwitches();
         }},
        {20, [this] { filPics->setPath(DrawingsFolder::path()); }},
        {30, [this] { loadLesson(); }},
        {40, [&] { place = defaultPosition(); }},
        {45, [&] { place = whollyOnScreen(place); }},
        {50,
         [&] {
             PreviewLeft = VbConvert::toLong(ReadOption(QStringLiteral("PLeft"), QString::number(place.x())));
             PreviewTop = VbConvert::toLong(ReadOption(QStringLiteral("PTop"), QString::number(place.y())));
             move(Twips::toPixelsX(PreviewLeft), Twips::toPixelsY(PreviewTop));
             keepOnScreen();
         }},
        {60, [this] { ResizePreview(); }},
        {70, [this] { showPanel(StepPanel); }},
        {80, [] { sound(Sound::NewPicture); }},
    });
}

// Beside the drawing window's panel: a little in from its left edge, above the panel.
QPoint frmPreview::defaultPosition() const {
    const QWidget* window = drawingWindow();
    const QWidget* panel = drawingPanel();
    const double windowWidth = window ? window->width() * Twips::perPixelX() : 0.0;
    const double panelTop = panel ? panel->y() * Twips::perPixelY() : 0.0;
    return QPoint(VbConvert::toLong(windowWidth * DefaultIndent),
                  VbConvert::toLong(panelTop - height() * Twips::perPixelY() * DefaultRise));
}

// The default place, made for a full-size screen, can lie partly above a small or scaled one (at 200 % a
// laptop's screen is 800 pixels high): a first start shows the viewer wholly on the screen.
QPoint frmPreview::whollyOnScreen(QPoint twips) const {
    const QRect frame(QPoint(Twips::toPixelsX(twips.x()), Twips::toPixelsY(twips.y())),
                      frameGeometry().size());
    const QPoint place =
        ScreenPlacement::withinReach(frame, ScreenPlacement::screens(), std::numeric_limits<int>::max());
    if (place == frame.topLeft())
        return twips;
    return {VbConvert::toLong(place.x() * Twips::perPixelX()),
            VbConvert::toLong(place.y() * Twips::perPixelY())};
}

// A place outside every screen (a stored one from a larger desktop, or the default above a drawing
// window on a small screen) would leave the viewer out of reach: it moves onto the nearest screen.
void frmPreview::keepOnScreen() {
    move(ScreenPlacement::reachable(frameGeometry(), ScreenPlacement::screens()));
}

void frmPreview::Form_Activate() {
    ErrorTrap trap(QStringLiteral("Form_Activate"), Module);
    trap.run({
        {10, [this] { readLessonCount(); }},
        {20,
         [this] {
             // A stored lesson the program no longer has is brought to the nearest one there is.
             const int16_t lesson = std::clamp<int16_t>(LessonNo, 1, std::max<int16_t>(m_lessonCount, 1));
             if (lesson != LessonNo) {
                 LessonNo = lesson;
                 bzlButton_Click(Command::ChooseLesson);
             }
         }},
    });
}

void frmPreview::readLessonCount() {
    m_lessonCount = VbConvert::toInteger(Resources::LoadResString(Resources::LessonCountString));
}

// The bitmap of LessonNo; before the first activation has brought a lesson the program does not have
// into range, the nearest lesson there is.
void frmPreview::loadLesson() {
    if (m_lessonCount == 0)
        readLessonCount();
    const int lesson = std::clamp<int>(LessonNo, 1, std::max<int>(m_lessonCount, 1));
    m_lesson = Resources::LoadResPicture(FirstLessonBitmap + lesson, Resources::PictureKind::Bitmap);
    m_strokes = LessonStrokes::parse(Resources::lessonStrokes(FirstLessonBitmap + lesson));
}

void frmPreview::ResizePreview() {
    ErrorTrap trap(QStringLiteral("ResizePreview"), Module);
    trap.run({
        {10, [this] { picPreview->resize(PreviewSize ? FullPreview : HalfPreview); }},
        {20,
         [this] {
             imgGitter->setGeometry(QRect(QPoint(0, 0), picPreview->size()));
             imgGitter->setVisible(GridOn != 0);
         }},
        {30,
         [this] {
             WindowSystemPosition::settle(this);
             setFixedSize(picPreview->size() + AroundPreview);
         }},
    });
}

void frmPreview::Form_Resize() {
    ErrorTrap trap(QStringLiteral("Form_Resize"), Module);
    if (!trap.run({
            {10,
             [this] {
                 m_background = Resources::stretchedPicture(
                     text(design().control(QStringLiteral("imgBG")), "picture"), size(), devicePixelRatioF());
                 update();
             }},
            {20, [this] { showBand(StepNo); }},
        }))
        return;
    for (int i = 0; i < PanelCount; ++i) {
        PictureBox* panel = picPanel[static_cast<size_t>(i)];
        if (!trap(30, [&] {
                // Truncating division: in half size the panels stick out on both sides.
                panel->move((width() - panel->width()) / 2, picPreview->y() + picPreview->height());
                paintPanel(panel);
            }))
            return;
    }
}

// The panel shows the window's background that lies under it.
void frmPreview::paintPanel(PictureBox* panel) {
    QPixmap picture = panel->blankPicture();
    QPainter painter(&picture);
    painter.drawPixmap(-panel->pos(), m_background);
    painter.end();
    panel->picture() = std::move(picture);
    panel->update();
}

// Band `band` of the lesson bitmap, stretched to the preview's inner size. The bitmap and the band kept
// for tracing stay in their palette format, a quarter of their size in colours. Whatever shows the
// picture ends a play.
void frmPreview::showBand(int band) {
    m_player->stop();
    m_band = bandPicture(band);
    paintPreview(m_band, picPreview->size() != BandSize);
    m_shownBand = band;
    enable(Command::ShowHow, !m_strokes.ofStep(band + 1).isEmpty());
    describePicture();
    if (TraceOn)
        emit tracingChanged(m_band);
}

QImage frmPreview::bandPicture(int band) const {
    return m_lesson.copy(QRect(QPoint(0, BandSize.height() * band), BandSize));
}

void frmPreview::paintPreview(const QImage& picture, bool smooth) {
    QPixmap shown = picPreview->blankPicture();
    QPainter painter(&shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(picPreview->rect(), picture);
    painter.end();
    picPreview->picture() = std::move(shown);
    picPreview->update();
}

QImage frmPreview::tracing() const {
    return TraceOn ? m_band : QImage();
}

void frmPreview::showPicture(const QImage& picture) {
    m_player->stop();
    paintPreview(picture, true);
    m_shownBand = -1;
    describePicture();
}

void frmPreview::filPics_Click() {
    ErrorTrap trap(QStringLiteral("filPics_Click"), Module);
    trap.run({
        {10, [this] { chooseDrawing(filPics->FileName()); }},
        {20,
         [this] {
             // A name whose file has gone since the listing only records the name.
             if (QFileInfo::exists(m_chosenDrawing))
                 showPicture(PictureFile::load(m_chosenDrawing));
         }},
    });
}

void frmPreview::chooseDrawing(const QString& nameOrPath) {
    m_chosenDrawing = DrawingsFolder::resolve(nameOrPath);
}

void frmPreview::bzlButton_Click(Command command) {
    bzlButton_Click(static_cast<int16_t>(command));
}

// An index that names no command does nothing.
void frmPreview::bzlButton_Click(int16_t Index) {
    ErrorTrap trap(QStringLiteral("bzlButton_Click"), Module);
    if (Index >= 0 && Index < CommandCount)
        (this->*commands()[static_cast<size_t>(Index)].run)(trap);
}

void frmPreview::enable(Command command, bool on) {
    button(command).setEnabled(VbConvert::fromBool(on));
}

void frmPreview::browse(int16_t lesson) {
    LessonNo = lesson;
    loadLesson();
}

void frmPreview::stepBack(ErrorTrap& trap) {
    trap.run({
        {10, [] { sound(Sound::Click); }},
        {20,
         [this] {
             if (StepNo > 0) {
                 --StepNo;
                 showBand(StepNo);
                 if (StepNo == 0)
                     enable(Command::StepBack, false);
                 else
                     enable(Command::StepOn, true);
             }
         }},
    });
}

void frmPreview::chooseLesson(ErrorTrap& trap) {
    trap.run({
        {10, [this] { showBand(FinishedBand); }},
        {20, [this] { showPanel(LessonPanel); }},
        {30, [] { sound(Sound::NewPicture); }},
        {40, [] { StepNo = 0; }},
        {50, [this] { enable(Command::StepBack, false); }},
        {60, [this] { enable(Command::StepOn, true); }},
    });
}

void frmPreview::stepOn(ErrorTrap& trap) {
    trap.run({
        {10, [] { sound(Sound::Pen); }},
        {20,
         [this] {
             if (StepNo <= LastStep - 1) {
                 ++StepNo;
                 showBand(StepNo);
                 if (StepNo > LastStep - 1)
                     enable(Command::StepOn, false);
                 else
                     enable(Command::StepBack, true);
             }
         }},
    });
}

void frmPreview::switchGrid(ErrorTrap& trap) {
    trap.run({
        {10, [] { sound(Sound::Toggle); }},
        {20, [] { GridOn = static_cast<int16_t>(~GridOn); }},
        {30,
         [this] {
             imgGitter->setVisible(GridOn != 0);
             showSwitches();
         }},
    });
}

void frmPreview::switchSize(ErrorTrap& trap) {
    trap.run({
        {10, [] { sound(Sound::Forward); }},
        {20, [] { PreviewSize = static_cast<int16_t>(~PreviewSize); }},
        {30,
         [this] {
             ResizePreview();
             showSwitches();
         }},
    });
}

// The grid and the size show what they switch; a screen reader is told it as the switches' state (on:
// the grid shown, the picture at full size).
void frmPreview::showSwitches() {
    buttonWidget(Command::GridSwitch)->setProperty(brizel::AccessibleHints::SwitchOn, GridOn != 0);
    buttonWidget(Command::SizeSwitch)->setProperty(brizel::AccessibleHints::SwitchOn, PreviewSize != 0);
}

void frmPreview::lessonBefore(ErrorTrap& trap) {
    trap.run({
        {10, [] { sound(Sound::Back); }},
        {20, [this] { browse(LessonNo - 1 < 1 ? m_lessonCount : static_cast<int16_t>(LessonNo - 1)); }},
        {30, [this] { showBand(FinishedBand); }},
    });
}

void frmPreview::takeLesson(ErrorTrap& trap) {
    trap.run({
        {10, [] { sound(Sound::Toggle); }},
        {20, [] { SaveConfig(); }},
        {30, [this] { loadLesson(); }},
        {40, [this] { showBand(0); }},
        {50, [this] { showPanel(StepPanel); }},
    });
}

void frmPreview::nextLesson(ErrorTrap& trap) {
    trap.run({
        {10, [] { sound(Sound::Forward); }},
        {20, [this] { browse(LessonNo + 1 > m_lessonCount ? 1 : static_cast<int16_t>(LessonNo + 1)); }},
        {30, [this] { showBand(FinishedBand); }},
    });
}

void frmPreview::takeDrawing(ErrorTrap& trap) {
    trap.run({
        {10,
         [this] {
             if (!m_chosenDrawing.isEmpty()) {
                 sound(Sound::NewPicture);
                 emit pictureLoaded(PictureFile::load(m_chosenDrawing));
             }
         }},
        {20, [this] { showPanel(StepPanel); }},
        {30, [this] { showBand(StepNo); }},
    });
}

void frmPreview::switchTracing(ErrorTrap& trap) {
    trap.run({
        {10, [] { sound(Sound::Toggle); }},
        {20, [] { TraceOn = static_cast<int16_t>(~TraceOn); }},
        {30, [this] { button(Command::TraceSwitch).setValue(TraceOn ? VbConvert::True : VbConvert::False); }},
        {40, [this] { emit tracingChanged(tracing()); }},
    });
}

// The step shown is drawn again from the one before it (step 1 from an empty page); a click while it
// plays shows the step at once.
void frmPreview::showHow(ErrorTrap& trap) {
    trap(10, [this] {
        if (m_shownBand < 0)
            return;
        if (m_player->isPlaying()) {
            showBand(m_shownBand);
            return;
        }
        QImage before =
            m_shownBand > 0 ? bandPicture(m_shownBand - 1) : QImage(BandSize, QImage::Format_RGB32);
        if (m_shownBand == 0)
            before.fill(Qt::white);
        m_player->play(before, m_strokes.ofStep(m_shownBand + 1));
    });
}

bool frmPreview::isPlaying() const {
    return m_player->isPlaying();
}

void frmPreview::showFilePanel() {
    ErrorTrap trap(QStringLiteral("showFilePanel"), Module);
    trap.run({
        {10, [this] { filPics->Refresh(); }},
        {20, [this] { showPanel(FilePanel); }},
    });
}

// The panels share one place: the one shown is the only one, or its buttons would lie under another's.
void frmPreview::showPanel(int panel) {
    for (int i = 0; i < PanelCount; ++i)
        picPanel.at(static_cast<size_t>(i))->setVisible(i == panel);
}

brizel::IBrizel& frmPreview::button(Command command) const {
    return bzlButton[static_cast<int>(command)];
}

QWidget* frmPreview::buttonWidget(Command command) const {
    return bzlButton.widget(static_cast<int>(command));
}

// Any mouse button moves the window, as dragging its title would. The drag starts where the press was, not
// where the system's cursor is: a finger on a touch screen does not move it everywhere.
void frmPreview::Form_MouseDown(int16_t Button, int16_t, float, float) {
    ErrorTrap trap(QStringLiteral("Form_MouseDown"), Module);
    trap(10, [&] { m_drag.begin(this, m_pressedAt, MouseCodes::qtButton(Button)); });
}

void frmPreview::picPanel_MouseDown(int16_t, int16_t Button, int16_t Shift, float X, float Y) {
    Form_MouseDown(Button, Shift, X, Y);
}

void frmPreview::picPreview_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    Form_MouseDown(Button, Shift, X, Y);
}

void frmPreview::Form_Unload() {
    ErrorTrap trap(QStringLiteral("Form_Unload"), Module);
    WindowSystemPosition::settle(this);
    trap.run({
        {10,
         [this] {
             PreviewLeft = VbConvert::toLong(x() * Twips::perPixelX());
             WriteOption(QStringLiteral("PLeft"), QString::number(PreviewLeft));
         }},
        {20,
         [this] {
             PreviewTop = VbConvert::toLong(y() * Twips::perPixelY());
             WriteOption(QStringLiteral("Ptop"), QString::number(PreviewTop));
         }},
    });
}

void frmPreview::closeEvent(QCloseEvent* event) {
    m_player->stop();
    Form_Unload();
    unload(event);
}

// The preview and the panels pass a press on to the window, which then moves.
bool frmPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    const auto* press = static_cast<QMouseEvent*>(event);
    m_pressedAt = press->globalPosition();
    const MouseCodes::Pointer p = MouseCodes::pointer(*press);
    if (watched == picPreview) {
        picPreview_MouseDown(p.button, p.shift, p.x, p.y);
        return true;
    }
    for (int i = 0; i < PanelCount; ++i)
        if (watched == picPanel[static_cast<size_t>(i)]) {
            picPanel_MouseDown(static_cast<int16_t>(i), p.button, p.shift, p.x, p.y);
            return true;
        }
    return QWidget::eventFilter(watched, event);
}

void frmPreview::mousePressEvent(QMouseEvent* event) {
    m_pressedAt = event->globalPosition();
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    Form_MouseDown(p.button, p.shift, p.x, p.y);
}

void frmPreview::mouseMoveEvent(QMouseEvent* event) {
    m_drag.follow(event->globalPosition());
}

void frmPreview::mouseReleaseEvent(QMouseEvent*) {
    m_drag.end();
}

void frmPreview::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_background);
}

void frmPreview::resizeEvent(QResizeEvent*) {
    Form_Resize();
}
