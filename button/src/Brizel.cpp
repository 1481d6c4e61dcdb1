// SPDX-License-Identifier: GPL-3.0-or-later
#include "Brizel.h"

#include "AccessKey.h"
#include "BrizelAccessible.h"
#include "FacePainter.h"
#include "ShapeRegion.h"
#include "SystemColors.h"
#include "UnlistedButtonTypes.h"
#include "frmAbout.h"

#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <atomic>
#include <cmath>

namespace brizel {

namespace {

std::atomic<int> liveCount{0};

bool isTrue(VBool value) {
    return value != False;
}

} // namespace

Brizel::Brizel(QWidget* parent) : QWidget(parent) {
    ++liveCount;
    setObjectName(QStringLiteral("Brizel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_overTimer.setObjectName(QStringLiteral("OverTimer"));
    m_overTimer.setParent(this);
    m_overTimer.setInterval(3);
    connect(&m_overTimer, &QTimer::timeout, this, &Brizel::OverTimerTick);
    InstallBrizelAccessibility();
    FollowHost(this);
    m_paintEnabled = true;
}

Brizel::~Brizel() {
    m_paintEnabled = false;
    --liveCount;
}

int Brizel::liveControls() {
    return liveCount.load();
}

void Brizel::mark() {
    if (m_container)
        m_container->PropertyChanged(*this);
}

void Brizel::setBackColor(OleColor value) {
    m_backColor = value;
    if (!userMode())
        m_backOver = value;
    ApplyColorScheme();
    repaintLast();
    mark();
}

void Brizel::setForeColor(OleColor value) {
    m_foreColor = value;
    if (!userMode())
        m_foreOver = value;
    ApplyColorScheme();
    repaintLast();
    mark();
}

void Brizel::setBackOver(OleColor value) {
    m_backOver = value;
    ApplyColorScheme();
    repaintLast();
    mark();
}

void Brizel::setForeOver(OleColor value) {
    m_foreOver = value;
    ApplyColorScheme();
    repaintLast();
    mark();
}

void Brizel::setMaskColor(OleColor value) {
    m_maskColor = value;
    ApplyColorScheme();
    repaintLast();
    mark();
}

void Brizel::setSoftBevel(VBool value) {
    m_softBevel = value;
    ApplyColorScheme();
    repaintLast();
    mark();
}

void Brizel::setColorScheme(int32_t value) {
    m_colorScheme = value;
    ApplyColorScheme();
    PaintButton(Look::Up, true);
    mark();
}

void Brizel::setButtonType(int32_t value) {
    m_buttonType = value;
    if (!userMode() && value == int32_t(ButtonTypes::JavaMetal)) {
        QFont bold = font();
        bold.setBold(true);
        QWidget::setFont(bold);
    } else if (value == int32_t(ContainerPixels) && m_paintEnabled) {
        CaptureBackground();
    }
    ResizeStep();
    mark();
}

void Brizel::setCaption(const QString& value) {
    m_caption = value;
    UpdateAccessKey();
    LayoutCaption();
    PaintButton(Look::Up, true);
    NotifyAccessibleNameChanged(this);
    mark();
}

void Brizel::setEnabled(VBool value) {
    m_enabled = value;
    PaintButton(Look::Up, true);
    QWidget::setEnabled(isTrue(value));
    NotifyAccessibleStateChanged(this);
    mark();
}

void Brizel::setFont(const QFont& value) {
    QWidget::setFont(value);
    LayoutCaption();
    PaintButton(Look::Up, true);
    mark();
}

void Brizel::setFontBold(VBool value) {
    QFont changed = font();
    changed.setBold(isTrue(value));
    QWidget::setFont(changed);
    LayoutCaption();
    PaintButton(Look::Up, true);
}

void Brizel::setFontItalic(VBool value) {
    QFont changed = font();
    changed.setItalic(isTrue(value));
    QWidget::setFont(changed);
    LayoutCaption();
    PaintButton(Look::Up, true);
}

void Brizel::setFontUnderline(VBool value) {
    QFont changed = font();
    changed.setUnderline(isTrue(value));
    QWidget::setFont(changed);
    LayoutCaption();
    PaintButton(Look::Up, true);
}

int16_t Brizel::FontSize() const {
    return int16_t(std::lround(font().pointSizeF()));
}

void Brizel::setFontSize(int16_t value) {
    if (value <= 0)
        return;
    QFont changed = font();
    changed.setPointSize(value);
    QWidget::setFont(changed);
    LayoutCaption();
    PaintButton(Look::Up, true);
}

void Brizel::setFontName(const QString& value) {
    QFont changed = font();
    changed.setFamily(value);
    QWidget::setFont(changed);
    LayoutCaption();
    PaintButton(Look::Up, true);
}

void Brizel::setShowFocusRect(VBool value) {
    m_showFocusRect = value;
    repaintLast();
    mark();
}

void Brizel::setSpecialEffect(int32_t value) {
    m_specialEffect = value;
    repaintLast();
    mark();
}

void Brizel::setCheckBoxBehaviour(VBool value) {
    m_checkBoxBehaviour = value;
    repaintLast();
    NotifyAccessibleStateChanged(this);
    mark();
}

void Brizel::setMousePointer(int16_t value) {
    m_mousePointer = value;
    applyCursor();
    mark();
}

void Brizel::setMouseIcon(const Picture& value) {
    m_mouseIcon = value;
    applyCursor();
    mark();
}

int32_t Brizel::hwnd() const {
    return int32_t(effectiveWinId());
}

void Brizel::setPictureNormal(const Picture& value) {
    m_pictureNormal = value;
    MeasurePicture();
    LayoutCaption();
    repaintLast();
    mark();
}

void Brizel::setPictureOver(const Picture& value) {
    m_pictureOver = value;
    if (m_pointerOver)
        repaintLast();
    mark();
}

void Brizel::setPicturePosition(int32_t value) {
    m_picturePosition = value;
    mark();
    LayoutCaption();
    repaintLast();
}

void Brizel::setUseMaskColor(VBool value) {
    m_useMaskColor = value;
    if (!m_pictureNormal.isNull())
        repaintLast();
    mark();
}

void Brizel::setUseGreyscale(VBool value) {
    m_useGreyscale = value;
    if (!m_pictureNormal.isNull())
        repaintLast();
    mark();
}

void Brizel::setValue(VBool value) {
    m_value = value;
    if (isTrue(m_checkBoxBehaviour))
        PaintButton(Look::Up, true);
    NotifyAccessibleStateChanged(this);
    mark();
}

void Brizel::DisableRefresh() {
    m_paintEnabled = false;
}

void Brizel::Refresh() {
    if (ButtonTypes(m_buttonType) == ContainerPixels)
        CaptureBackground();
    ApplyColorScheme();
    LayoutCaption();
    m_paintEnabled = true;
    repaintLast();
}

void Brizel::About() {
    frmAbout::showAbout(window());
}

void Brizel::InitProperties() {
    m_maskColor = rgb(192, 192, 192);
    m_buttonType = int32_t(ButtonTypes::WindowsXP);
    m_caption = m_container ? m_container->DisplayName() : QString();
    m_enabled = True;
    QWidget::setEnabled(true);
    if (m_container)
        QWidget::setFont(m_container->Font());
    m_colorScheme = int32_t(ColorTypes::UseWindows);
    m_showFocusRect = True;
    m_mousePointer = 0;
    m_mouseIcon = {};
    m_softBevel = False;
    m_pictureNormal = {};
    m_pictureOver = {};
    m_picturePosition = int32_t(PicPositions::cbLeft);
    m_useMaskColor = True;
    m_useGreyscale = False;
    m_specialEffect = int32_t(fx::cbNone);
    m_checkBoxBehaviour = False;
    m_value = False;
    applyCursor();
    ApplyColorScheme();
    m_backColor = m_backOver = m_colors.FaceColor;
    m_foreColor = m_foreOver = m_colors.TextColor;
    m_maskColor = rgb(192, 192, 192);
    LayoutCaption();
}

void Brizel::AmbientChanged() {
    if (m_colorScheme == int32_t(ColorTypes::Custom))
        return;
    ApplyColorScheme();
    repaintLast();
}

void Brizel::ApplyColorScheme() {
    m_colors = colorsFor(m_backColor);
}

DerivedColors Brizel::colorsFor(OleColor backColor) const {
    ColorSchemeInput input;
    input.colorScheme = m_colorScheme;
    input.backColor = backColor;
    input.foreColor = m_foreColor;
    input.foreOver = m_foreOver;
    input.maskColor = m_maskColor;
    input.buttonType = m_buttonType;
    input.softBevel = isTrue(m_softBevel);
    if (m_container) {
        input.parentBackColor = m_container->ParentBackColor();
        input.parentForeColor = m_container->ParentForeColor();
    } else {
        const QPalette palette = parentWidget() ? parentWidget()->palette() : this->palette();
        input.parentBackColor = SystemColors::fromQRgb(palette.color(QPalette::Window).rgb());
        input.parentForeColor = SystemColors::fromQRgb(palette.color(QPalette::WindowText).rgb());
    }
    return brizel::ApplyColorScheme(input);
}

void Brizel::MeasurePicture() {
    const QSize size = brizel::MeasurePicture(m_pictureNormal.image);
    m_pictureWidth = size.width();
    m_pictureHeight = size.height();
}

void Brizel::LayoutCaption() {
    CaptionLayoutInput input;
    input.buttonWidth = m_buttonWidth;
    input.buttonHeight = m_buttonHeight;
    input.pictureWidth = m_pictureWidth;
    input.pictureHeight = m_pictureHeight;
    input.hasPicture = !m_pictureNormal.isNull() || !m_pictureOver.isNull();
    input.picturePosition = m_picturePosition;
    input.caption = m_caption;
    input.font = font();
    brizel::LayoutCaption(input, m_layout);
    input.font = bold(font());
    brizel::LayoutCaption(input, m_boldLayout);
}

QFont Brizel::bold(QFont font) {
    font.setBold(true);
    return font;
}

void Brizel::UpdateAccessKey() {
    m_accessKey = brizel::UpdateAccessKey(m_caption);
    m_accessShortcuts.clear();
    if (m_accessKey) {
        const QKeySequence keys[] = {QKeySequence(QStringLiteral("Alt+") + *m_accessKey),
                                     QKeySequence(QString(*m_accessKey))};
        for (const QKeySequence& key : keys) {
            auto shortcut = std::make_unique<QShortcut>(key, this);
            connect(shortcut.get(), &QShortcut::activated, this, &Brizel::AccessKeyPressed);
            // Several controls sharing a key take the focus in turn, as the platform's dialogs do.
            connect(shortcut.get(), &QShortcut::activatedAmbiguously, this,
                    [this] { setFocus(Qt::ShortcutFocusReason); });
            m_accessShortcuts.push_back(std::move(shortcut));
        }
    }
    if (m_container)
        m_container->AccessKeyChanged(*this, m_accessKey.value_or(QChar()));
}

void Brizel::ResizeStep() {
    if (m_capturingBackground)
        return;
    updateGeometryState();
    LayoutCaption();
    if (m_buttonHeight != 0)
        PaintButton(Look::Up, true);
}

void Brizel::updateGeometryState() {
    m_buttonWidth = width();
    m_buttonHeight = height();
    const ButtonTypes type = ButtonTypes(m_buttonType);
    const int inset = (type >= ButtonTypes::SimpleFlat && type <= ButtonTypes::OvalFlat) ? 3
                      : type == ButtonTypes::KDE2                                        ? 5
                                                                                         : 4;
    m_focusRect = QRect(0, 0, m_buttonWidth, m_buttonHeight).adjusted(inset, inset, -inset, -inset);
    if (type == ButtonTypes::KDE2)
        m_focusRect.translate(1, 1);
    if (m_surface.size() != size())
        m_surface = QImage(size(), QImage::Format_RGB32);
    setMask(BuildShapeRegion(m_buttonType, m_buttonWidth, m_buttonHeight));
}

void Brizel::CaptureBackground() {
    QWidget* container = parentWidget();
    if (!container || width() <= 0 || height() <= 0)
        return;
    m_capturingBackground = true;
    const QRect area = geometry();
    resize(area.width(), 0);
    m_background = container->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    resize(area.size());
    m_capturingBackground = false;
}

void Brizel::applyCursor() {
    if (m_mousePointer == 99 && !m_mouseIcon.isNull()) {
        setCursor(QCursor(QPixmap::fromImage(m_mouseIcon.image)));
        return;
    }
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    if (m_mousePointer > 0 && m_mousePointer < int16_t(std::size(shapes)))
        setCursor(shapes[m_mousePointer]);
    else
        unsetCursor();
}

void Brizel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_surface, event->rect());
}

void Brizel::resizeEvent(QResizeEvent*) {
    ResizeStep();
}

void Brizel::showEvent(QShowEvent* event) {
    if (event->spontaneous())
        return;
    if (ButtonTypes(m_buttonType) == ContainerPixels && !m_backgroundCreated) {
        m_backgroundCreated = true;
        m_background = QImage(size(), QImage::Format_RGB32);
        CaptureBackground();
    }
    m_paintEnabled = true;
    ApplyColorScheme();
    PaintButton(Look::Up, true);
}

void Brizel::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        m_paintEnabled = false;
}

void Brizel::PaintButton(Look look, bool force) {
    if (FacePainter(*this).PaintButton(look, force)) {
        ++m_paintCount;
        update();
    }
}

} // namespace brizel
