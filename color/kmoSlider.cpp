// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/kmoSlider.h"

#include "base/StoredValue.h"
#include "base/VbConvert.h"
#include "base/VbError.h"
#include "color/SliderMath.h"
#include "color/kmoSliderAccessible.h"
#include "controls/Twips.h"
#include "errors/Err.h"
#include "errors/ErrorTrap.h"
#include "platform/SystemColors.h"

#include <brizel/PropertyBag.h>

#include <QLoggingCategory>

namespace {
const QString BuiltInThumb = QStringLiteral(":/art/kmoSlider/thumb.png");
constexpr float EmptyThumbSize = 16;
} // namespace

Q_LOGGING_CATEGORY(lcSlider, "pinsola.slider")

namespace {
// A slider without a host has no one to ask: the error is logged and the failing procedure is left.
class Unhosted : public ErrorDispatcher {
public:
    int16_t OnError(const QString& procedureName, const QString& moduleName) override {
        qCWarning(lcSlider).noquote() << "error" << Err().Number << Err().Description << "in" << moduleName
                                      << procedureName << "line" << Err().Erl << "with no host to report to";
        return Cancel;
    }
};
} // namespace

kmoSlider::kmoSlider(QWidget* parent)
    : QWidget(parent), m_Slider(QSizeF(EmptyThumbSize, EmptyThumbSize)), m_iRailPicture(QSizeF(0, 0)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached with Tab only, so a click on it does not move the focus away from where it was.
    setFocusPolicy(Qt::TabFocus);
    m_Slider.setPicture(builtInThumb());
    UserControl_Initialize();
    kmoSliderAccessible::install();
    connect(this, &kmoSlider::ValueChanged, this, [this] { kmoSliderAccessible::valueChanged(this); });
}

ErrorDispatcher& kmoSlider::errors() {
    static Unhosted unhosted;
    if (m_container)
        return *m_container;
    return unhosted;
}

ControlPicture::Ref kmoSlider::builtInThumb() {
    return ControlPicture::fromText(BuiltInThumb);
}

void kmoSlider::UserControl_Initialize() {
    m_TppX = static_cast<int32_t>(VbConvert::roundHalfEven(Twips::perPixelX()));
    m_TppY = static_cast<int32_t>(VbConvert::roundHalfEven(Twips::perPixelY()));
}

void kmoSlider::UserControl_InitProperties() {
    ErrorTrap trap(QStringLiteral("UserControl_InitProperties"), moduleName(), errors());
    trap.run({{10, [&] { m_Enabled = VbConvert::True; }},
              {20, [&] { m_Orientation = Vertical; }},
              {30, [&] { m_RailStyle = 0; }},
              {40, [&] { m_Min = 0; }},
              {50, [&] { m_Max = 10; }},
              {60, [&] { m_Value = 0; }},
              {70, [&] { m_Range = 10; }},
              {80, [&] { m_LastValue = m_Value; }},
              {90, [&] { ResetSlider(); }}});
}

void kmoSlider::UserControl_ReadProperties(const brizel::PropertyBag& PropBag) {
    ErrorTrap trap(QStringLiteral("UserControl_ReadProperties"), moduleName(), errors());
    auto read = [&](const char* key, const QVariant& fallback) {
        return PropBag.readProperty(QLatin1String(key), fallback);
    };
    trap.run(
        {{10,
          [&] {
              const uint32_t color = StoredValue::toColor(read("BackColor", DefaultBackColor));
              SystemColors::translate(color);
              m_BackColor = color;
          }},
         {20, [&] { m_Enabled = StoredValue::toBoolean(read("Enabled", VbConvert::True)); }},
         {30, [&] { m_Orientation = StoredValue::toLong(read("Orientation", Vertical)); }},
         {40, [&] { m_RailStyle = StoredValue::toLong(read("RailStyle", 0)); }},
         {50, [&] { m_Min = StoredValue::toLong(read("Min", 0)); }},
         {60, [&] { m_Max = StoredValue::toLong(read("Max", 10)); }},
         {70, [&] { m_Value = StoredValue::toLong(read("Value", 0)); }},
         {80,
          [&] { m_Slider.setPicture(ControlPicture::fromText(read("SliderIcon", QString()).toString())); }},
         {90,
          [&] {
              m_iRailPicture.setPicture(ControlPicture::fromText(read("RailPicture", QString()).toString()));
          }},
         {100, [&] { computeRange(); }},
         {110, [&] { m_LastValue = m_Value; }},
         {120, [&] { m_Slider.left = horizontalPosition(m_Value); }},
         {130, [&] { m_Slider.top = verticalPosition(m_Value); }}});
}

void kmoSlider::UserControl_WriteProperties(brizel::PropertyBag& PropBag) {
    ErrorTrap trap(QStringLiteral("UserControl_WriteProperties"), moduleName(), errors());
    auto write = [&](const char* key, const QVariant& value, const QVariant& fallback) {
        PropBag.writeProperty(QLatin1String(key), value, fallback);
    };
    trap.run({{10,
               [&] {
                   write("BackColor", static_cast<int32_t>(m_BackColor),
                         static_cast<int32_t>(DefaultBackColor));
               }},
              {20, [&] { write("Enabled", m_Enabled, VbConvert::True); }},
              {30, [&] { write("SliderIcon", pictureText(m_Slider.picture()), QString()); }},
              {40, [&] { write("Orientation", m_Orientation, Vertical); }},
              {50, [&] { write("RailPicture", pictureText(m_iRailPicture.picture()), QString()); }},
              {60, [&] { write("RailStyle", m_RailStyle, 0); }},
              {70, [&] { write("Min", m_Min, 0); }},
              {80, [&] { write("Max", m_Max, 10); }},
              {90, [&] { write("Value", m_Value, 0); }}});
}

void kmoSlider::UserControl_Show() {
    Refresh();
}

void kmoSlider::setEnabled(int16_t New_Enabled) {
    m_Enabled = VbConvert::fromBool(New_Enabled != 0);
}

void kmoSlider::setBackColor(uint32_t New_BackColor) {
    SystemColors::translate(New_BackColor);
    m_BackColor = New_BackColor;
    Refresh();
}

void kmoSlider::setMax(int32_t New_Max) {
    ErrorTrap trap(QStringLiteral("Max"), moduleName(), errors());
    trap.run({{10,
               [&] {
                   if (New_Max <= m_Min)
                       VbError::raise(VbErr::InvalidPropertyValue);
               }},
              {20, [&] { m_Max = New_Max; }},
              {30, [&] { computeRange(); }}});
}

void kmoSlider::setMin(int32_t New_Min) {
    ErrorTrap trap(QStringLiteral("Min"), moduleName(), errors());
    trap.run({{10,
               [&] {
                   if (New_Min >= m_Max)
                       VbError::raise(VbErr::InvalidPropertyValue);
               }},
              {20, [&] { m_Min = New_Min; }},
              {30, [&] { setValue(New_Min); }},
              {40, [&] { computeRange(); }}});
}

void kmoSlider::setValue(int32_t New_Value) {
    ErrorTrap trap(QStringLiteral("Value"), moduleName(), errors());
    if (!trap.run({{10,
                    [&] {
                        if (New_Value < m_Min || New_Value > m_Max)
                            VbError::raise(VbErr::InvalidPropertyValue);
                    }},
                   {20, [&] { m_Value = New_Value; }}}))
        return;
    const auto unchanged = trap.condition(30, [&] { return m_Value == m_LastValue; });
    if (!unchanged || *unchanged)
        return;
    trap.run({{40,
               [&] {
                   if (!m_Dragging)
                       placeAlongTrack();
               }},
              {50, [&] { Refresh(); }},
              {60, [&] { m_LastValue = m_Value; }},
              {70, [&] { emit ValueChanged(); }},
              {80,
               [&] {
                   if (m_Value == m_Max)
                       emit ArrivedLast();
               }},
              {90, [&] {
                   if (m_Value == m_Min)
                       emit ArrivedFirst();
               }}});
}

kmoSlider& kmoSlider::operator=(int32_t New_Value) {
    setValue(New_Value);
    return *this;
}

void kmoSlider::setOrientation(int32_t New_Orientation) {
    ErrorTrap trap(QStringLiteral("Orientation"), moduleName(), errors());
    trap.run({{10, [&] { m_Orientation = New_Orientation; }},
              {20, [&] { ResetSlider(); }},
              {30, [&] { UserControl_Resize(); }}});
}

void kmoSlider::setRailStyle(int32_t New_RailStyle) {
    m_RailStyle = New_RailStyle;
    UserControl_Resize();
}

void kmoSlider::setSliderIcon(ControlPicture::Ref New_SliderIcon) {
    m_Slider.setPicture(std::move(New_SliderIcon));
    UserControl_Resize();
}

void kmoSlider::setRailPicture(ControlPicture::Ref New_RailPicture) {
    m_iRailPicture.setPicture(std::move(New_RailPicture));
    UserControl_Resize();
}

void kmoSlider::ResetSlider() {
    ErrorTrap trap(QStringLiteral("ResetSlider"), moduleName(), errors());
    if (m_Orientation == Horizontal) {
        trap(10, [&] { m_Slider.left = 0; });
    } else if (m_Orientation == Vertical) {
        trap.run({{20, [&] { m_Slider.left = 0; }},
                  {30, [&] { m_Slider.top = ScaleHeight() - m_Slider.height(); }}});
    }
}

void kmoSlider::computeRange() {
    m_Range = SliderMath::difference(m_Max, m_Min);
}

bool kmoSlider::hasPictureRail() const {
    return m_RailStyle == PictureRail && m_iRailPicture.hasPicture();
}

float kmoSlider::horizontalPosition(int32_t value) const {
    const double track = ScaleWidth() - m_Slider.width();
    return static_cast<float>(SliderMath::divide(track * SliderMath::difference(value, m_Min), m_Range));
}

float kmoSlider::verticalPosition(int32_t value) const {
    const double track = ScaleHeight() - m_Slider.height();
    return static_cast<float>(track -
                              SliderMath::divide(track * SliderMath::difference(value, m_Min), m_Range));
}

void kmoSlider::placeAlongTrack() {
    if (m_Orientation == Horizontal)
        m_Slider.left = horizontalPosition(m_Value);
    else if (m_Orientation == Vertical)
        m_Slider.top = verticalPosition(m_Value);
}

int32_t kmoSlider::GetValue() {
    ErrorTrap trap(QStringLiteral("GetValue"), moduleName(), errors());
    trap.resumeNext();
    int32_t v = 0;
    if (m_Orientation == Horizontal) {
        trap(10, [&] {
            const double track = ScaleWidth() - m_Slider.width();
            v = VbConvert::toLong(SliderMath::divide(m_Slider.left, track) * m_Range + m_Min);
        });
        trap(20, [&] { m_Slider.left = horizontalPosition(v); });
    } else if (m_Orientation == Vertical) {
        trap(30, [&] {
            const double track = ScaleHeight() - m_Slider.height();
            const double fromMin = ScaleHeight() - m_Slider.height() - m_Slider.top;
            v = VbConvert::toLong(SliderMath::divide(fromMin, track) * m_Range + m_Min);
        });
        trap(40, [&] { m_Slider.top = verticalPosition(v); });
    }
    return v;
}
