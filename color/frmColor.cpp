// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/frmColor.h"

#include "base/MouseCodes.h"
#include "base/VbConvert.h"
#include "base/VbError.h"
#include "color/PaletteAccessible.h"
#include "color/PenChoice.h"
#include "controls/Edge3D.h"
#include "controls/FocusMark.h"
#include "controls/Twips.h"
#include "core/Allgemein.h"
#include "core/Resources.h"
#include "errors/ErrPtnr.h"
#include "errors/ErrorTrap.h"
#include "errors/HandlerEdge.h"
#include "platform/ScreenPlacement.h"
#include "platform/SystemColors.h"
#include "platform/WindowSystemPosition.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcColor, "pinsola.color")

using namespace Allgemein;

namespace {

const QString Module = QStringLiteral("frmColor");
// Colours of the two outlines around the slider.
const QColor DarkOutline(0x40, 0x40, 0x00);
const QColor WhiteOutline(0xFF, 0xFF, 0xFF);
// The palette's sunken border, in pixels.
constexpr int PaletteBorder = 2;
// The default place: this share of the screen's free width across, this share of its own height down.
constexpr double DefaultAcross = 0.8;
constexpr double DefaultDown = 0.5;

// The outline of the rectangle with corners `from` and `to`, both corners' pixels included.
void outline(QPainter& painter, QPoint from, QPoint to, const QColor& color) {
    painter.setPen(QPen(color, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(from, QSize(to.x() - from.x(), to.y() - from.y())));
}

QSize primaryScreenTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize pixels = screen->geometry().size();
    return {VbConvert::toLong(pixels.width() * Twips::perPixelX()),
            VbConvert::toLong(pixels.height() * Twips::perPixelY())};
}
} // namespace

frmColor* frmColor::instance() {
    return loadedInstance<frmColor>();
}

const StoredForm& frmColor::design() {
    static const StoredForm form = StoredForm::load(QStringLiteral(":/forms/frmColor.frm"));
    return form;
}

QPoint frmColor::defaultPosition(QSize screenTwips, QSize windowTwips) {
    return {VbConvert::toLong((screenTwips.width() - windowTwips.width()) * DefaultAcross),
            VbConvert::toLong(windowTwips.height() * DefaultDown)};
}

frmColor::frmColor() : ProgramWindow(QStringLiteral("frmColor"), Qt::Tool | Qt::FramelessWindowHint) {
    ErrorTrap trap(QStringLiteral("Form_Load"), Module);
    trap(0, [this] { createControls(); });
    const KeyedPropertyBag& bag = design().control(QStringLiteral("frmColor"));
    setFixedSize(Twips::toPixelsX(StoredForm::number(bag, QStringLiteral("clientwidth"))),
                 Twips::toPixelsY(StoredForm::number(bag, QStringLiteral("clientheight"))));
    nameControls();
}

void frmColor::createControls() {
    const StoredForm& form = design();
    createLabels(form);
    bzlButton.create(form, QStringLiteral("bzlButton"), this,
                     [this](int16_t index) { bzlButton_Click(index); });
    // Made in the order Tab takes: the close button first, so it keeps the focus the window gives when it
    // becomes active, then the slider and the palette.
    createSlider(form);
    createPalette(form);
}

void frmColor::createPalette(const StoredForm& form) {
    const KeyedPropertyBag& bag = form.control(QStringLiteral("picCol"));
    picCol = new PictureBox(this);
    picCol->setObjectName(QStringLiteral("picCol"));
    picCol->setGeometry(Twips::toPixels(StoredForm::twipsRect(bag)));
    m_palette = Resources::picture(text(bag, "picture")).convertToFormat(QImage::Format_RGB32);
    const bool bordered = StoredForm::number(bag, QStringLiteral("borderstyle")) == 1;
    m_paletteOrigin = bordered ? QPoint(PaletteBorder, PaletteBorder) : QPoint(0, 0);
    QPixmap picture(picCol->size());
    picture.fill(picCol->backColor());
    QPainter painter(&picture);
    if (bordered)
        Edge3D::drawEdge(painter, {0, 0, picture.width(), picture.height()}, Edge3D::Sunken);
    painter.drawImage(m_paletteOrigin, m_palette);
    painter.end();
    m_paletteFace = picture;
    picCol->picture() = std::move(picture);
    m_grid = PaletteGrid(m_palette.size(), StoredForm::number(bag, QStringLiteral("gridcolumns"), 1),
                         StoredForm::number(bag, QStringLiteral("gridrows"), 1));
    // Tab reaches it; a click only picks, as it always did.
    picCol->setFocusPolicy(Qt::TabFocus);
    PaletteAccessible::install();
    picCol->setCursor(QCursor(QPixmap::fromImage(Resources::picture(text(bag, "mouseicon"))), 0, 0));
    picCol->installEventFilter(this);
}

void frmColor::createSlider(const StoredForm& form) {
    const KeyedPropertyBag& bag = form.control(QStringLiteral("kmoSlider"));
    kmoSlider = new ::kmoSlider(this);
    kmoSlider->setObjectName(QStringLiteral("kmoSlider"));
    kmoSlider->setGeometry(Twips::toPixels(StoredForm::twipsRect(bag)));
    kmoSlider->setContainer(this);
    kmoSlider->UserControl_ReadProperties(bag);
    connect(kmoSlider, &::kmoSlider::ValueChanged, this, &frmColor::kmoSlider_ValueChanged);
}

void frmColor::createLabels(const StoredForm& form) {
    const KeyedPropertyBag& width = form.control(QStringLiteral("lblWidth"));
    lblWidth = new QLabel(text(width, "caption"), this);
    lblWidth->setObjectName(QStringLiteral("lblWidth"));
    lblWidth->setAutoFillBackground(true);
    QPalette colours = lblWidth->palette();
    colours.setColor(QPalette::Window, StoredForm::color(width, QStringLiteral("backcolor"), Qt::black));
    colours.setColor(QPalette::WindowText, StoredForm::color(width, QStringLiteral("forecolor"), Qt::white));
    lblWidth->setPalette(colours);
    QFont font = StoredForm::font(width, lblWidth->font());
    font.setFamilies({font.family(), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    lblWidth->setFont(font);
    constexpr int Centred = 2;
    if (StoredForm::number(width, QStringLiteral("alignment")) == Centred)
        lblWidth->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblWidth->setGeometry(Twips::toPixels(StoredForm::twipsRect(width)));

    const KeyedPropertyBag& swatch = form.control(QStringLiteral("lblFCol"));
    lblFCol = new QLabel(this);
    lblFCol->setObjectName(QStringLiteral("lblFCol"));
    lblFCol->setAutoFillBackground(true);
    lblFCol->setGeometry(Twips::toPixels(StoredForm::twipsRect(swatch)));
    setSwatchColor(static_cast<uint32_t>(StoredForm::number(swatch, QStringLiteral("backcolor"))));
}

// What a screen reader says of the window and its controls. The width label is read as the number it
// shows; its description says what the number is. The close button shows a symbol: its tooltip names it.
void frmColor::nameControls() {
    ErrorTrap trap(QStringLiteral("nameControls"), Module);
    trap.run({
        {10, [this] { setAccessibleName(GetLang(Text::ColorWindowTip)); }},
        {20,
         [this] {
             picCol->setAccessibleName(GetLang(Text::Palette));
             picCol->setAccessibleDescription(GetLang(Text::PaletteHint));
         }},
        {30,
         [this] {
             const QString width = GetLang(Text::PenWidth);
             kmoSlider->setAccessibleName(width);
             lblWidth->setAccessibleDescription(width);
         }},
        {40,
         [this] {
             lblFCol->setAccessibleName(GetLang(Text::PenColor));
             setSwatchColor(m_swatchColor);
         }},
        {50, [this] { bzlButton.widget(0)->setToolTip(GetLang(Text::Close)); }},
    });
}

uint32_t frmColor::swatchColor() const {
    return m_swatchColor;
}

// The swatch keeps the colour value as given (a system colour stays one); it shows its colour, and a
// screen reader reads it out.
void frmColor::setSwatchColor(uint32_t rgb) {
    QPalette colours = lblFCol->palette();
    const QColor shown = SystemColors::translate(rgb);
    colours.setColor(QPalette::Window, shown);
    lblFCol->setPalette(colours);
    lblFCol->setAccessibleDescription(PaletteAccessible::colorName(SystemColorTable::fromQColor(shown)));
    m_swatchColor = rgb;
}

QSize frmColor::sizeInTwips() const {
    return {VbConvert::toLong(width() * Twips::perPixelX()),
            VbConvert::toLong(height() * Twips::perPixelY())};
}

void frmColor::Form_Load() {
    ErrorTrap trap(QStringLiteral("Form_Load"), Module);
    int32_t left = 0;
    int32_t top = 0;
    trap.run({
        {10, [] { sound(Sound::Open); }},
        {20, [this] { lblWidth->setText(QString::number(PenWidth)); }},
        {30, [this] { kmoSlider->setValue(PenWidth); }},
        {40, [this] { setSwatchColor(static_cast<uint32_t>(PenColor)); }},
        {50,
         [&] {
             const QPoint place = defaultPosition(primaryScreenTwips(), sizeInTwips());
             left = place.x();
             top = place.y();
         }},
        {60, [&] { left = VbConvert::toLong(ReadOption(QStringLiteral("CLeft"), QString::number(left))); }},
        {70, [&] { top = VbConvert::toLong(ReadOption(QStringLiteral("CTop"), QString::number(top))); }},
        {80, [&] { moveTo(left, top); }},
    });
}

// A place off every screen (a stored one from a larger desktop, or on a screen removed since) would leave
// the child without the window; it goes onto the nearest screen instead.
void frmColor::moveTo(int32_t left, int32_t top) {
    const QRect frame(QPoint(Twips::toPixelsX(left), Twips::toPixelsY(top)), size());
    const QPoint place = ScreenPlacement::reachable(frame, ScreenPlacement::screens());
    if (place != frame.topLeft())
        qCInfo(lcColor) << "position" << frame.topLeft() << "lies on no screen; moved to" << place;
    move(place);
}

void frmColor::kmoSlider_ValueChanged() {
    ErrorTrap trap(QStringLiteral("kmoSlider_ValueChanged"), Module);
    trap.run({
        {10,
         [this] {
             const int32_t value = kmoSlider->Value();
             if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
                 VbError::raise(VbErr::Overflow);
             PenWidth = static_cast<int16_t>(value);
         }},
        {20, [this] { lblWidth->setText(QString::number(PenWidth)); }},
        {30, [] { emit PenChoice::instance().WidthChosen(PenWidth); }},
    });
}

void frmColor::picCol_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    ErrorTrap trap(QStringLiteral("picCol_MouseDown"), Module);
    if (takePaletteColor(trap, QPointF(X, Y)))
        trap(40, [&] { Form_MouseDown(Button, Shift, X, Y); });
}

void frmColor::picCol_KeyDown(int key) {
    ErrorTrap trap(QStringLiteral("picCol_KeyDown"), Module);
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        takePaletteColor(trap, QRectF(m_grid.cellRect(m_markedCell)).center());
        return;
    }
    trap(40, [&] { markCell(m_grid.moved(m_markedCell, key)); });
}

uint32_t frmColor::paletteColor(QPoint cell) const {
    return SystemColorTable::fromQColor(m_palette.pixelColor(m_grid.cellRect(cell).center()));
}

QRect frmColor::paletteCellRect(QPoint cell) const {
    return m_grid.cellRect(cell).translated(m_paletteOrigin);
}

void frmColor::pickCell(QPoint cell) {
    ErrorTrap trap(QStringLiteral("pickCell"), Module);
    takePaletteColor(trap, QRectF(m_grid.cellRect(cell)).center());
}

void frmColor::markCell(QPoint cell) {
    m_markedCell = cell;
    picCol->setFocus(Qt::OtherFocusReason);
    showPaletteMark();
    PaletteAccessible::cellMarked(this, cell);
}

// The colour under `at` (palette pixels) becomes the pen colour, shown in the swatch and taken by the
// canvas; its cell is where the keys go on from. False when the procedure is to be left.
bool frmColor::takePaletteColor(ErrorTrap& trap, QPointF at) {
    return trap.run({
        {10,
         [&] {
             const QPoint pixel(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
             if (!m_palette.valid(pixel))
                 VbError::raise(VbErr::InvalidProcedureCall);
             PenColor = static_cast<int32_t>(SystemColorTable::fromQColor(m_palette.pixelColor(pixel)));
             m_markedCell = m_grid.cellAt(pixel);
             showPaletteMark();
             PaletteAccessible::cellPicked(this, m_markedCell);
         }},
        {20, [this] { setSwatchColor(static_cast<uint32_t>(PenColor)); }},
        {30, [] { emit PenChoice::instance().ColorPicked(static_cast<uint32_t>(PenColor)); }},
    });
}

// While the palette has the keyboard focus, the marked cell is framed.
void frmColor::showPaletteMark() {
    QPixmap picture = m_paletteFace;
    if (picCol->hasFocus()) {
        QPainter painter(&picture);
        FocusMark::draw(painter, m_grid.cellRect(m_markedCell).translated(m_paletteOrigin));
    }
    picCol->picture() = std::move(picture);
    picCol->update();
}

// The press moves the window while the button is held; where it was pressed does not matter.
void frmColor::Form_MouseDown(int16_t Button, int16_t, float, float) {
    ErrorTrap trap(QStringLiteral("Form_MouseDown"), Module);
    trap(10, [&] { m_drag.begin(this, m_pointer, MouseCodes::qtButton(Button)); });
}

// The window paints its picture once, when it gets its size: the background stretched over it and the
// two outlines that set the slider into the surface; paintEvent shows that picture.
void frmColor::Form_Resize() {
    ErrorTrap trap(QStringLiteral("Form_Resize"), Module);
    const QRect slider = kmoSlider->geometry();
    const int L = slider.x();
    const int T = slider.y();
    const int W = slider.width();
    const int H = slider.height();
    QPixmap picture(size());
    trap.run({
        {10,
         [&] {
             picture = Resources::stretchedPicture(text(design().control(QStringLiteral("imgBg")), "picture"),
                                                   size(), devicePixelRatioF());
         }},
        {20,
         [&] {
             QPainter painter(&picture);
             outline(painter, QPoint(L - 1, T - 1), QPoint(L + W + 1, T + H + 1), DarkOutline);
         }},
        {30,
         [&] {
             QPainter painter(&picture);
             outline(painter, QPoint(L - 2, T - 2), QPoint(L + W, T + H), WhiteOutline);
         }},
        {40,
         [&] {
             m_background = picture;
             update();
         }},
        {50, [this] { PenColor = static_cast<int32_t>(swatchColor()); }},
    });
}

void frmColor::bzlButton_Click(int16_t) {
    sound(Sound::Toggle);
    ColorWinOpen = 0;
    // Hidden, the window system no longer says where it was; the place it comes back to is Qt's.
    WindowSystemPosition::settle(this);
    hide();
}

// A store that cannot take the place is reported here: at the exit it may be the first write to fail.
void frmColor::Form_Unload() {
    ErrorTrap trap(QStringLiteral("Form_Unload"), Module);
    WindowSystemPosition::settle(this);
    trap.run({
        {10,
         [this] {
             ColorLeft = VbConvert::toLong(x() * Twips::perPixelX());
             WriteOption(QStringLiteral("CLeft"), QString::number(ColorLeft));
         }},
        {20,
         [this] {
             ColorTop = VbConvert::toLong(y() * Twips::perPixelY());
             WriteOption(QStringLiteral("CTop"), QString::number(ColorTop));
         }},
    });
}

int16_t frmColor::OnError(const QString& procedureName, const QString& moduleName) {
    return ErrPtnr::instance().OnError(procedureName, moduleName);
}

bool frmColor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != picCol)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* press = static_cast<QMouseEvent*>(event);
        m_pointer = press->globalPosition();
        const QPointF at = press->position() - m_paletteOrigin;
        // The border is no part of the palette: a press there only moves the window.
        if (QRectF(m_palette.rect()).contains(at)) {
            const MouseCodes::Pointer p = MouseCodes::pointer(*press, at);
            picCol_MouseDown(p.button, p.shift, p.x, p.y);
        } else {
            const MouseCodes::Pointer p = MouseCodes::pointer(*press, picCol->mapToParent(press->position()));
            Form_MouseDown(p.button, p.shift, p.x, p.y);
        }
        return true;
    }
    case QEvent::MouseMove:
        m_drag.follow(static_cast<QMouseEvent*>(event)->globalPosition());
        return true;
    case QEvent::MouseButtonRelease:
        m_drag.end();
        return true;
    case QEvent::KeyPress: {
        static constexpr int Keys[] = {Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,   Qt::Key_Down,
                                       Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (std::find(std::begin(Keys), std::end(Keys), key) == std::end(Keys))
            return false;
        picCol_KeyDown(key);
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        showPaletteMark();
        return false;
    default:
        return false;
    }
}

// Closing it through the window system is closing it with its button; it unloads only at program end.
void frmColor::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
        bzlButton_Click(0);
        return;
    }
    if (!HandlerEdge::run(this, [this] { Form_Unload(); })) {
        event->ignore();
        return;
    }
    unload(event);
}

void frmColor::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_background);
}

void frmColor::resizeEvent(QResizeEvent*) {
    Form_Resize();
}

void frmColor::mousePressEvent(QMouseEvent* event) {
    m_pointer = event->globalPosition();
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    Form_MouseDown(p.button, p.shift, p.x, p.y);
}

void frmColor::mouseMoveEvent(QMouseEvent* event) {
    m_drag.follow(event->globalPosition());
}

void frmColor::mouseReleaseEvent(QMouseEvent*) {
    m_drag.end();
}
