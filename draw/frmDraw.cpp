// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/frmDraw.h"

#include "base/VbConvert.h"
#include "color/PenChoice.h"
#include "color/frmColor.h"
#include "controls/ImageControl.h"
#include "controls/OwnedWindow.h"
#include "controls/Twips.h"
#include "core/Allgemein.h"
#include "core/Resources.h"
#include "draw/DrawLayout.h"
#include "draw/DrawingRecovery.h"
#include "draw/HelpFile.h"
#include "errors/ErrPtnr.h"
#include "errors/ErrorTrap.h"
#include "lessons/frmPreview.h"
#include "platform/ScreenPlacement.h"
#include "platform/WindowDestroyWatch.h"

#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <limits>
#include <optional>

Q_LOGGING_CATEGORY(lcDraw, "pinsola.draw")

using namespace Allgemein;

namespace {

const QString Module = QStringLiteral("frmDraw");
constexpr uint32_t Red = 0x0000FF;
// The panel shows the window's background shifted by this many twips to the left.
constexpr double PanelBackgroundShift = 150;
// The share of the screen the window takes at most, so it fits comfortably.
constexpr double ScreenShare = 0.9;
// How long the decoded background stays after its last use: longer than the steps of a resize.
constexpr int BackgroundKeptMs = 100;

QLabel* pictureLabel(QWidget* parent, const KeyedPropertyBag& bag) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(Resources::picture(ProgramWindow::text(bag, "picture"))));
    label->setGeometry(Twips::toPixels(StoredForm::twipsRect(bag)));
    return label;
}

} // namespace

frmDraw* frmDraw::instance() {
    return loadedInstance<frmDraw>();
}

const StoredForm& frmDraw::design() {
    static const StoredForm form = StoredForm::load(QStringLiteral(":/forms/frmDraw.frm"));
    return form;
}

// A fixed single border without title text, control box or minimize and maximize buttons: the exit
// button is the way out.
frmDraw::frmDraw()
    : ProgramWindow(QStringLiteral("frmDraw"),
                    Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QString::fromLatin1(AppTitle));
    m_backgroundKept.setSingleShot(true);
    m_backgroundKept.setInterval(BackgroundKeptMs);
    connect(&m_backgroundKept, &QTimer::timeout, this, [this] { m_background = QImage(); });
    ErrorTrap trap(QStringLiteral("Form_Load"), Module);
    trap(0, [this] { createControls(); });
    setFixedSize(initialClientSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    nameControls();
    // A window destroyed from outside leaves nothing to draw on: the program ends as after a confirmed
    // exit.
    connect(new WindowDestroyWatch(this), &WindowDestroyWatch::windowDestroyed, this, [this] {
        ErrorTrap unload(QStringLiteral("Form_Unload"), QStringLiteral("frmDraw"));
        endProgram(unload);
    });
    // The error window's End ends the program too, and a child can reach it as well as a grown-up.
    ErrPtnr::setEndConsent([] {
        ErrorTrap ending(QStringLiteral("ErrPtnr_End"), Module);
        return endAllowed(ending, &ErrPtnr::instance());
    });
}

void frmDraw::createControls() {
    const StoredForm& form = design();
    const KeyedPropertyBag& frame = form.control(QStringLiteral("lblRahmen"));
    lblRahmen = new QLabel(this);
    lblRahmen->setObjectName(QStringLiteral("lblRahmen"));
    lblRahmen->setAutoFillBackground(true);
    QPalette frameColours = lblRahmen->palette();
    frameColours.setColor(QPalette::Window, StoredForm::color(frame, QStringLiteral("backcolor"), Qt::white));
    lblRahmen->setPalette(frameColours);
    lblRahmen->setGeometry(Twips::toPixels(StoredForm::twipsRect(frame)));

    const KeyedPropertyBag& canvas = form.control(QStringLiteral("picBild"));
    picBild = new DrawingCanvas(this);
    picBild->setObjectName(QStringLiteral("picBild"));
    picBild->setGeometry(Twips::toPixels(StoredForm::twipsRect(canvas)));
    connect(picBild, &DrawingCanvas::MouseDown, this, &frmDraw::picBild_MouseDown);
    connect(picBild, &DrawingCanvas::MouseMove, this, &frmDraw::picBild_MouseMove);
    connect(picBild, &DrawingCanvas::MouseUp, this, &frmDraw::picBild_MouseUp);
    followPenChoice();
    m_recovery = new DrawingRecovery([this] { return picBild->Image(); }, this);

    const KeyedPropertyBag& panel = form.control(QStringLiteral("picPanel"));
    picPanel = new PictureBox(this);
    picPanel->setObjectName(QStringLiteral("picPanel"));
    picPanel->setBackColor(StoredForm::color(panel, QStringLiteral("backcolor"), Qt::white));
    picPanel->setGeometry(Twips::toPixels(StoredForm::twipsRect(panel)));
    picPanel->hide();

    createLogos(form);
    createLabels(form);
    imgLang = createFlags(form, picPanel, [this](int16_t index) { imgLang_Click(index); });
    createMenu(form);
    bzlButton.create(form, QStringLiteral("bzlButton"), picPanel,
                     [this](int16_t index) { bzlButton_Click(index); });
    // Tab leads through the ten buttons, then the flags.
    ImageControl::joinTabOrder(bzlButton.widget(bzlButton.count() - 1), imgLang);
    useHeavyFontForHelpButton();
    createShortcuts();
    frmPreview::setDrawingWindow(this, picPanel);
}

// The pen the child picks in the colour window reaches the canvas at once; the canvas starts with the
// program-wide pen (Form_Load), so a choice made before this window existed is not lost either.
void frmDraw::followPenChoice() {
    connect(&PenChoice::instance(), &PenChoice::ColorPicked, picBild, &DrawingCanvas::setForeColor);
    connect(&PenChoice::instance(), &PenChoice::WidthChosen, picBild, &DrawingCanvas::setDrawWidth);
}

void frmDraw::createLogos(const StoredForm& form) {
    for (size_t i = 0; i < imgLogo.size(); ++i) {
        const QString name = QStringLiteral("imgLogo(%1)").arg(i);
        const KeyedPropertyBag& bag = form.control(name);
        imgLogo[i] = pictureLabel(this, bag);
        imgLogo[i]->setObjectName(name);
        m_logoStretched[i] = StoredForm::number(bag, QStringLiteral("stretch")) != 0;
        imgLogo[i]->setScaledContents(m_logoStretched[i]);
        imgLogo[i]->setVisible(StoredForm::number(bag, QStringLiteral("visible"), -1) != 0);
    }
}

void frmDraw::createLabels(const StoredForm& form) {
    const KeyedPropertyBag& bag = form.control(QStringLiteral("lblCopyright"));
    lblCopyright = new QLabel(this);
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblCopyright->setFont(StoredForm::font(bag, font()));
    QPalette colours = lblCopyright->palette();
    colours.setColor(QPalette::WindowText, StoredForm::color(bag, QStringLiteral("forecolor"), Qt::black));
    lblCopyright->setPalette(colours);
    QFile caption(text(bag, "captionfile"));
    if (caption.open(QIODevice::ReadOnly))
        lblCopyright->setText(QString::fromUtf8(caption.readAll()).trimmed());
    QRect place = Twips::toPixels(StoredForm::twipsRect(bag));
    place.setWidth(std::max(place.width(), lblCopyright->sizeHint().width()));
    lblCopyright->setGeometry(place);
    lblCopyright->hide();
}

void frmDraw::createMenu(const StoredForm& form) {
    mnuHelp = new QMenu(text(form.control(QStringLiteral("mnuHelp")), "caption"), this);
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    const auto entry = [&](const char* name) {
        QAction* action = mnuHelp->addAction(text(form.control(QString::fromLatin1(name)), "caption"));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuHilfe = entry("mnuHilfe");
    mnuHelp->addSeparator();
    mnuEmail = entry("mnuEmail");
    mnuHelp->addSeparator();
    mnuUeber = entry("mnuUeber");
    // Queued: an entry picked through a screen reader gets its answer before the info window waits.
    connect(mnuHilfe, &QAction::triggered, this, &frmDraw::mnuHilfe_Click, Qt::QueuedConnection);
    connect(mnuEmail, &QAction::triggered, this, &frmDraw::mnuEmail_Click, Qt::QueuedConnection);
    connect(mnuUeber, &QAction::triggered, this, &frmDraw::mnuUeber_Click, Qt::QueuedConnection);
    // By the time the child picks the help entry the system has said whether it can show the CHM.
    connect(mnuHelp, &QMenu::aboutToShow, this, [] { HelpFile::askForChmViewer(); });
}

// The "?" is designed in Arial Black; where that font is missing, the heaviest sans serif stands in.
void frmDraw::useHeavyFontForHelpButton() {
    brizel::IBrizel& help = button(Command::HelpMenu);
    QFont font = help.Font();
    if (QFontDatabase::hasFamily(font.family()))
        return;
    font.setFamilies({font.family(), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setWeight(QFont::Black);
    help.setFont(font);
}

// What a screen reader says of the controls that show no text of their own; the buttons are named by
// their tooltips (Sprache), the labels with text by their text.
void frmDraw::nameControls() {
    ErrorTrap trap(QStringLiteral("nameControls"), Module);
    trap.run({
        {10,
         [this] {
             picBild->setAccessibleName(GetLang(Text::Canvas));
             picBild->setAccessibleDescription(GetLang(Text::CanvasHint));
         }},
        {20, [this] { lblRahmen->setAccessibleName(GetLang(Text::Frame)); }},
        {30, [this] { picPanel->setAccessibleName(GetLang(Text::Panel)); }},
        {40,
         [this] {
             const QString description = GetLang(Text::FlagHint);
             for (ImageControl* flag : imgLang)
                 if (flag)
                     flag->setAccessibleDescription(description);
         }},
        {50,
         [this] {
             const QString name = GetLang(Text::ProgramName);
             const QString description = GetLang(Text::Purpose);
             for (QLabel* logo : imgLogo) {
                 logo->setAccessibleName(name);
                 logo->setAccessibleDescription(description);
             }
         }},
        {60, [this] { mnuHelp->setAccessibleName(GetLang(Text::HelpMenu)); }},
    });
}

// The design size, made as large as fits comfortably on the screen so the child gets a big canvas.
QSize frmDraw::initialClientSize() const {
    const KeyedPropertyBag& bag = design().control(QStringLiteral("frmDraw"));
    const QSizeF designSize(Twips::toPixelsX(StoredForm::number(bag, QStringLiteral("clientwidth"))),
                            Twips::toPixelsY(StoredForm::number(bag, QStringLiteral("clientheight"))));
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return designSize.toSize();
    const QSizeF room = QSizeF(screen->availableGeometry().size()) * ScreenShare;
    const double scale = std::min(room.width() / designSize.width(), room.height() / designSize.height());
    return (designSize * std::max(scale, 1.0)).toSize().boundedTo(screen->availableGeometry().size());
}

void frmDraw::Form_Load() {
    ErrorTrap trap(QStringLiteral("Form_Load"), Module);
    // The printer's margins are read when a drawing is printed (bzlButton_Click): asking the printer here
    // would load the printing support on every start, for a command many sessions never use.
    trap.run({
        {40, [this] { picBild->setCursor(Resources::canvasCursor()); }},
        {50, [this] { button(Command::Undo).setEnabled(VbConvert::False); }},
        {60,
         [this] {
             if (SoundOn != VbConvert::True)
                 button(Command::SoundSwitch).setForeColor(Red);
             showSoundSwitch();
         }},
        {70,
         [this] {
             picBild->setForeColor(static_cast<uint32_t>(PenColor));
             picBild->setDrawWidth(PenWidth);
         }},
        // The drawing of a session that ended by accident comes back, with nothing to undo.
        {80,
         [this] {
             const QImage left = DrawingRecovery::leftDrawing();
             if (!left.isNull())
                 picBild->setPicture(left);
         }},
    });
}

// The picture is decoded when painting needs it and stretched only where it shows as the window paints:
// a window-sized copy stretched on every resize cost a 4K screen more than a frame.
const QImage& frmDraw::background() {
    if (m_background.isNull())
        m_background = Resources::picture(text(design().control(QStringLiteral("imgHinterg")), "picture"));
    m_backgroundKept.start();
    return m_background;
}

void frmDraw::drawBackground(QPainter& painter, QPoint origin) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(origin, size()), background());
}

// The panel shows the window's background behind it, shifted to the left, framed by a dark and a white
// outline that make it stand out like a raised board.
void frmDraw::paintPanel() {
    QPixmap picture = picPanel->blankPicture();
    QPainter painter(&picture);
    const QPoint source = picPanel->pos() + QPoint(Twips::toPixelsX(PanelBackgroundShift), 0);
    drawBackground(painter, -source);
    const int w = picPanel->width();
    const int h = picPanel->height();
    painter.setPen(QColor(0x40, 0x40, 0x00));
    // A one-pixel outline through both corners: its edges lie on the corners' rows and columns.
    painter.drawRect(2, 2, w - 3, h - 3);
    painter.setPen(Qt::white);
    painter.drawRect(0, 0, w - 3, h - 3);
    painter.end();
    picPanel->picture() = std::move(picture);
}

void frmDraw::placeLogos(double clientWidth, int16_t margin) {
    const double firstWidth = Twips::fromPixels(imgLogo[0]->geometry()).width();
    const bool shrink = DrawLayout::logosShrink(clientWidth, margin, firstWidth);
    for (size_t i = 0; i < imgLogo.size(); ++i) {
        const DrawLayout::Logo placed = DrawLayout::placeLogo(
            clientWidth, margin, {Twips::fromPixels(imgLogo[i]->geometry()), m_logoStretched[i]}, shrink);
        m_logoStretched[i] = placed.stretched;
        imgLogo[i]->setScaledContents(placed.stretched);
        Twips::place(imgLogo[i], placed.rect);
    }
}

void frmDraw::Form_Resize() {
    ErrorTrap trap(QStringLiteral("Form_Resize"), Module);
    const auto clientWidth = [this] { return width() * Twips::perPixelX(); };
    const auto clientHeight = [this] { return height() * Twips::perPixelY(); };
    int16_t m = 0;
    DrawLayout::Layout layout{};
    const auto computeLayout = [&] {
        layout =
            DrawLayout::compute(clientWidth(), clientHeight(), Twips::fromPixels(picPanel->geometry()).size(),
                                lblCopyright->height() * Twips::perPixelY());
    };
    trap.run({
        {10, [this] { background(); }},
        {20, [this] { update(); }},
        {30, [&] { m = DrawLayout::margin(clientWidth()); }},
        {40,
         [&] {
             computeLayout();
             Twips::place(picPanel, layout.panel);
         }},
        {50, [this] { paintPanel(); }},
        {60, [this] { picPanel->update(); }},
        {70, [this] { picPanel->show(); }},
        {80,
         [&] {
             picBild->hide();
             computeLayout();
             Twips::place(picBild, layout.canvas);
         }},
        {90, [this] { picBild->show(); }},
        {100, [&] { Twips::place(lblRahmen, layout.frame); }},
        {110, [this] { picBild->setForeColor(static_cast<uint32_t>(PenColor)); }},
        {120, [&] { placeLogos(clientWidth(), m); }},
        {130,
         [&] {
             computeLayout();
             lblCopyright->move(Twips::toPixelsX(layout.notice.x()), Twips::toPixelsY(layout.notice.y()));
             lblCopyright->show();
         }},
        {140, [this] { showLessonViewer(); }},
        {150,
         [this] {
             if (ColorWinOpen && !showColorWindow(true))
                 ColorWinOpen = VbConvert::False;
         }},
    });
}

// The lesson viewer, loaded on first use; a drawing opened in it is painted onto the canvas, and the
// step it shows is traced there while tracing is on.
frmPreview* frmDraw::lessonViewer() {
    frmPreview* viewer = frmPreview::instance();
    if (m_lessonViewer != viewer) {
        m_lessonViewer = viewer;
        connect(viewer, &frmPreview::pictureLoaded, this, &frmDraw::paintOpenedPicture);
        connect(viewer, &frmPreview::tracingChanged, picBild, &DrawingCanvas::setTracing);
        connect(viewer, &frmPreview::tracingPlayed, picBild, &DrawingCanvas::retrace);
        picBild->setTracing(viewer->tracing());
    }
    return viewer;
}

// Stretched over the whole drawing surface, whatever the drawing's own size.
void frmDraw::paintOpenedPicture(const QImage& picture) {
    picBild->paintPicture(picture, picBild->rect());
    m_recovery->changed();
}

// On a screen too small for the lesson viewer above the button panel (640 x 480, 800 x 600), the viewer
// would cover the panel and its flags: it goes beside the panel, at half size.
void frmDraw::showLessonViewer() {
    frmPreview* viewer = lessonViewer();
    const QRect panel = panelOnScreen();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int roomAbove = panel.top() - (screen ? screen->availableGeometry().top() : 0);
    if (PreviewSize && viewer->frameGeometry().intersects(panel) &&
        roomAbove < viewer->frameGeometry().height()) {
        PreviewSize = VbConvert::False;
        viewer->ResizePreview();
    }
    moveOffPanel(viewer, {panel});
    OwnedWindow::show(viewer, this);
}

// Opening by itself with the drawing window, the colour window keeps off the panel and the lesson viewer,
// or stays closed where the screen has no room for it; opened by its button it shows, off the panel where
// it can.
bool frmDraw::showColorWindow(bool byItself) {
    frmColor* window = frmColor::instance();
    keepOffCanvas(window);
    QList<QRect> keepClear = {panelOnScreen()};
    if (byItself && m_lessonViewer && m_lessonViewer->isVisible())
        keepClear.append(m_lessonViewer->frameGeometry());
    if (!moveOffPanel(window, keepClear) && byItself) {
        qCInfo(lcDraw)
            << "no room for the colour window beside the panel and the lesson viewer; it stays closed";
        return false;
    }
    OwnedWindow::show(window, this);
    return true;
}

QRect frmDraw::panelOnScreen() const {
    return {picPanel->mapToGlobal(QPoint(0, 0)), picPanel->size()};
}

bool frmDraw::moveOffPanel(QWidget* window, const QList<QRect>& keepClear) {
    const std::optional<QPoint> place =
        ScreenPlacement::clearOf(window->frameGeometry(), keepClear, ScreenPlacement::screens());
    if (place)
        window->move(*place);
    return place.has_value();
}

// The colour window's default place, made for a full-size screen, covers the top of the canvas on a
// small or scaled screen (at 200 % a laptop's screen is 800 pixels high): there it goes up above the
// canvas, as far as the screen allows. A place the child chose stays where it is.
void frmDraw::keepOffCanvas(QWidget* colorWindow) {
    if (!ReadOption(QStringLiteral("CTop"), QString()).isEmpty())
        return;
    const QRect canvas(picBild->mapToGlobal(QPoint(0, 0)), picBild->size());
    QRect frame = colorWindow->frameGeometry();
    if (!frame.intersects(canvas))
        return;
    frame.moveBottom(canvas.top() - 1);
    colorWindow->move(
        ScreenPlacement::withinReach(frame, ScreenPlacement::screens(), std::numeric_limits<int>::max()));
}

void frmDraw::Form_Activate() {
    Sprache();
}

void frmDraw::Sprache() {
    ErrorTrap trap(QStringLiteral("Sprache"), Module);
    for (const auto& line : commands())
        if (!trap(10 + 10 * static_cast<int>(line.command), [&] {
                labelCommandButton(buttonWidget(line.command), GetLang(*line.tip), line.shortcut());
            }))
            return;
    if (!trap.run({
            {110, [this] { mnuHelp->setTitle(GetLang(Text::HelpMenu)); }},
            {120, [this] { mnuHilfe->setText(GetLang(Text::HelpEntry)); }},
            {130, [this] { mnuUeber->setText(GetLang(Text::AboutEntry)); }},
        }))
        return;
    frmPreview* viewer = nullptr;
    if (!trap(140, [&] { viewer = frmPreview::instance(); }) || !viewer->labelButtons(trap, 140))
        return;
    trap(250, [this] {
        imgLogo[0]->setVisible(LangIndex == 0);
        imgLogo[1]->setVisible(LangIndex != 0);
    });
}

void frmDraw::picBild_MouseDown(int16_t, int16_t, float X, float Y) {
    ErrorTrap trap(QStringLiteral("picBild_MouseDown"), Module);
    trap.run({
        {10, [this] { picBild->takeUndoCopy(); }},
        {20,
         [this] {
             if (!button(Command::Undo).Enabled())
                 button(Command::Undo).setEnabled(VbConvert::True);
         }},
        {30, [] { sound(Sound::Pen); }},
        {40, [this] { StrokeActive = 1; }},
        {50, [&] { picBild->Line(QPointF(X, Y), QPointF(X, Y)); }},
    });
}

void frmDraw::picBild_MouseMove(int16_t, int16_t, float X, float Y) {
    if (StrokeActive == 1)
        picBild->LineTo(QPointF(X, Y));
}

void frmDraw::picBild_MouseUp(int16_t, int16_t, float, float) {
    if (StrokeActive == 1)
        m_recovery->changed();
    StrokeActive = 0;
}

void frmDraw::languageChanged() {
    nameControls();
    // The tooltips name their keys in Qt's words, which follow the language only now.
    Sprache();
}

// The desktop's close (Alt+F4, the window list) asks as the exit button does, and only a confirmed exit
// closes the window, through EndProgram's unload, which is not spontaneous.
void frmDraw::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
        Form_QueryUnload();
        return;
    }
    unload(event);
}

void frmDraw::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawBackground(painter, QPoint(0, 0));
}

void frmDraw::resizeEvent(QResizeEvent*) {
    Form_Resize();
}
