// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer handling of kmoSlider and the widget events that feed the host notifications.
#include "color/kmoSlider.h"

#include "base/MouseCodes.h"
#include "errors/ErrorTrap.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Clamps a thumb coordinate to the track, Min end first as the pointer handler checks it.
float clampToTrack(float p, float last) {
    if (p < 0)
        return 0;
    if (p > last)
        return last;
    return p;
}
} // namespace

void kmoSlider::UserControl_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    ErrorTrap trap(QStringLiteral("UserControl_MouseDown"), moduleName(), errors());
    const auto disabled = trap.condition(10, [&] { return m_Enabled == 0; });
    if (!disabled || *disabled)
        return;
    const auto otherButton = trap.condition(20, [&] { return Button != LeftButton; });
    if (!otherButton || *otherButton)
        return;
    if (!trap(30, [&] { m_Dragging = -1; }))
        return;
    const auto onThumb = trap.condition(40, [&] {
        const float right = m_Slider.left + m_Slider.width();
        const float bottom = m_Slider.top + m_Slider.height();
        return m_Slider.left <= X && X < right && m_Slider.top <= Y && Y < bottom;
    });
    if (!onThumb)
        return;
    const bool carried = *onThumb ? trap.run({{50, [&] { m_GrabX = X - m_Slider.left; }},
                                              {60, [&] { m_GrabY = Y - m_Slider.top; }}})
                                  : trap.run({{70, [&] { m_GrabX = m_Slider.width() / 2; }},
                                              {80, [&] { m_GrabY = m_Slider.height() / 2; }},
                                              {90, [&] { UserControl_MouseMove(Button, Shift, X, Y); }}});
    if (carried)
        trap(100, [&] { emit MouseDown(Shift); });
}

void kmoSlider::UserControl_MouseMove(int16_t, int16_t, float X, float Y) {
    ErrorTrap trap(QStringLiteral("UserControl_MouseMove"), moduleName(), errors());
    const auto dragging = trap.condition(10, [&] { return m_Dragging != 0; });
    if (!dragging || !*dragging)
        return;
    if (m_Orientation == Horizontal) {
        if (!trap(20, [&] { m_Slider.left = clampToTrack(X - m_GrabX, ScaleWidth() - m_Slider.width()); }))
            return;
    } else if (m_Orientation == Vertical) {
        if (!trap(30, [&] { m_Slider.top = clampToTrack(Y - m_GrabY, ScaleHeight() - m_Slider.height()); }))
            return;
    }
    trap(40, [&] { setValue(GetValue()); });
}

void kmoSlider::UserControl_MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    ErrorTrap trap(QStringLiteral("UserControl_MouseUp"), moduleName(), errors());
    const auto inside = trap.condition(10, [&] {
        return Button == LeftButton && X >= 0 && X < ScaleWidth() && Y >= 0 && Y < ScaleHeight();
    });
    if (!inside)
        return;
    if (*inside && !trap(20, [&] { emit Click(); }))
        return;
    const auto dragging = trap.condition(30, [&] { return m_Dragging != 0; });
    if (!dragging)
        return;
    if (*dragging && !trap(40, [&] { emit MouseUp(Shift); }))
        return;
    trap(50, [&] { m_Dragging = 0; });
}

// The focus is drawn on the screen only, never into the persistent image.
void kmoSlider::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_surface, event->rect());
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void kmoSlider::resizeEvent(QResizeEvent*) {
    UserControl_Resize();
}

void kmoSlider::showEvent(QShowEvent*) {
    UserControl_Show();
}

void kmoSlider::mousePressEvent(QMouseEvent* event) {
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    UserControl_MouseDown(p.button, p.shift, p.x, p.y);
}

void kmoSlider::mouseMoveEvent(QMouseEvent* event) {
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    UserControl_MouseMove(p.button, p.shift, p.x, p.y);
}

void kmoSlider::mouseReleaseEvent(QMouseEvent* event) {
    const MouseCodes::Pointer p = MouseCodes::pointer(*event);
    UserControl_MouseUp(p.button, p.shift, p.x, p.y);
}
