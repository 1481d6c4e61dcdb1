// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/kmoSliderAccessible.h"

#include "color/kmoSlider.h"

#include "base/AccessibleFactory.h"

#include <algorithm>

kmoSliderAccessible::kmoSliderAccessible(kmoSlider* slider)
    : QAccessibleWidget(slider, QAccessible::Slider) {}

void kmoSliderAccessible::install() {
    installAccessibleFactory<kmoSlider, kmoSliderAccessible>();
}

void kmoSliderAccessible::valueChanged(kmoSlider* slider) {
    QAccessibleValueChangeEvent event(slider, slider->Value());
    QAccessible::updateAccessibility(&event);
}

kmoSlider* kmoSliderAccessible::slider() const {
    return static_cast<kmoSlider*>(widget());
}

void* kmoSliderAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString kmoSliderAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return QString::number(slider()->Value());
    return QAccessibleWidget::text(t);
}

// The slider's own Enabled, not the widget's: a disabled slider stays an enabled widget.
QAccessible::State kmoSliderAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (!slider()->Enabled())
        s.disabled = true;
    return s;
}

QVariant kmoSliderAccessible::currentValue() const {
    return slider()->Value();
}

// A value out of range goes to the nearer end, as a drag past the end does.
void kmoSliderAccessible::setCurrentValue(const QVariant& value) {
    if (!slider()->Enabled())
        return;
    const qint64 wanted = value.toLongLong();
    slider()->setValue(static_cast<int32_t>(std::clamp<qint64>(wanted, slider()->Min(), slider()->Max())));
}

QVariant kmoSliderAccessible::maximumValue() const {
    return slider()->Max();
}

QVariant kmoSliderAccessible::minimumValue() const {
    return slider()->Min();
}

QVariant kmoSliderAccessible::minimumStepSize() const {
    return 1;
}
