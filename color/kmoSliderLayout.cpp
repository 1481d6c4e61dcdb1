// SPDX-License-Identifier: GPL-3.0-or-later
// Layout and painting of kmoSlider: fitting the size, placing the thumb, the rail and the redraw.
#include "color/kmoSlider.h"

#include "base/VbConvert.h"
#include "controls/Twips.h"
#include "errors/ErrorTrap.h"
#include "platform/SystemColors.h"

#include <QPainter>
#include <optional>

namespace {

// Edge codes of the drawn rail looks 0 to 4.
std::optional<int> edgeOfRailStyle(int32_t railStyle) {
    switch (railStyle) {
    case 0:
        return Edge3D::Sunken;
    case 1:
        return Edge3D::Raised;
    case 2:
        return Edge3D::SunkenOuter;
    case 3:
        return Edge3D::RaisedInner;
    case 4:
        return 0;
    default:
        return std::nullopt;
    }
}

int32_t roundToLong(double value) {
    return VbConvert::toLong(value);
}
} // namespace

void kmoSlider::UserControl_Resize() {
    ErrorTrap trap(QStringLiteral("UserControl_Resize"), moduleName(), errors());
    trap.resumeNext();
    if (m_Orientation == Horizontal || m_Orientation == Vertical) {
        const float W = m_Slider.width();
        const float H = m_Slider.height();
        const float RW = m_iRailPicture.width();
        const float RH = m_iRailPicture.height();
        if (hasPictureRail() && m_Orientation == Horizontal) {
            trap(10, [&] { setOuterWidth(RW + 4); });
            trap(20, [&] { setOuterHeight(H < RH ? RH : H); });
        } else if (hasPictureRail()) {
            trap(30, [&] { setOuterHeight(RH + 4); });
            trap(40, [&] { setOuterWidth(W < RW ? RW : W); });
        } else if (m_Orientation == Horizontal) {
            if (width() == 0)
                trap(50, [&] { setOuterWidth(W); });
            trap(60, [&] { setOuterHeight(H); });
        } else {
            if (height() == 0)
                trap(70, [&] { setOuterHeight(H); });
            trap(80, [&] { setOuterWidth(W); });
        }
        trap(90, [&] { placeAcrossTrack(); });
        trap(100, [&] { placeAlongTrack(); });
        trap(110, [&] { computeRailRect(); });
    }
    trap(120, [&] { Refresh(); });
}

// The host sees its size in twips; the widget keeps pixels.
void kmoSlider::setOuterWidth(float pixels) {
    const double twips = static_cast<double>(pixels) * m_TppX;
    resize(Twips::toPixelsX(twips), height());
}

void kmoSlider::setOuterHeight(float pixels) {
    const double twips = static_cast<double>(pixels) * m_TppY;
    resize(width(), Twips::toPixelsY(twips));
}

void kmoSlider::placeAcrossTrack() {
    const float W = m_Slider.width();
    const float H = m_Slider.height();
    if (m_Orientation == Horizontal) {
        const float RH = m_iRailPicture.height();
        m_Slider.top = hasPictureRail() && H < RH ? (RH - H) / 2 : 0;
    } else {
        const float RW = m_iRailPicture.width();
        m_Slider.left = hasPictureRail() && W < RW ? (RW - W) / 2 : 0;
    }
}

// A groove four pixels wide from two pixels before the thumb's centre at the Min end to two pixels
// past it at the Max end.
void kmoSlider::computeRailRect() {
    const float W = m_Slider.width();
    const float H = m_Slider.height();
    Edge3D::Rect rect;
    if (m_Orientation == Horizontal) {
        rect.top = roundToLong((H - 4) / 2);
        rect.bottom = rect.top + 4;
        rect.left = roundToLong(W / 2 - 2);
        rect.right = roundToLong(ScaleWidth() - W + rect.left + 4);
    } else {
        rect.top = roundToLong(H / 2 - 2);
        rect.bottom = roundToLong(ScaleHeight() - H + rect.top + 4);
        rect.left = roundToLong((W - 4) / 2);
        rect.right = rect.left + 4;
    }
    m_RailRect = rect;
}

void kmoSlider::Refresh() {
    ErrorTrap trap(QStringLiteral("Refresh"), moduleName(), errors());
    ++m_refreshCount;
    if (!trap(10, [&] { clearSurface(); }))
        return;
    trap.resumeNext();
    if (!m_surface.isNull()) { // a control of width or height 0 has nothing to draw on
        trap(20, [&] { drawRail(); });
        trap(30, [&] { drawThumb(); });
    }
    update();
}

void kmoSlider::clearSurface() {
    const QColor color = SystemColors::translate(m_BackColor);
    if (m_surface.size() != size())
        m_surface = QImage(size(), QImage::Format_RGB32);
    m_surface.fill(color);
}

void kmoSlider::drawRail() {
    QPainter painter(&m_surface);
    if (m_RailStyle != PictureRail) {
        if (const auto edge = edgeOfRailStyle(m_RailStyle))
            Edge3D::drawEdge(painter, m_RailRect, *edge);
        return;
    }
    if (!m_iRailPicture.hasPicture())
        return;
    const QImage& rail = m_iRailPicture.picture()->image();
    if (m_Orientation == Horizontal)
        painter.drawImage(2, roundToLong((ScaleHeight() - m_iRailPicture.height()) / 2), rail);
    else if (m_Orientation == Vertical)
        painter.drawImage(roundToLong((ScaleWidth() - m_iRailPicture.width()) / 2), 2, rail);
}

void kmoSlider::drawThumb() {
    if (!m_Slider.hasPicture())
        return;
    QPainter painter(&m_surface);
    painter.drawImage(roundToLong(m_Slider.left), roundToLong(m_Slider.top), m_Slider.picture()->image());
}
