// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class kmoSlider;

// What a screen reader sees of the slider: a slider with its Min, Max and Value, which it can also set.
class kmoSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit kmoSliderAccessible(kmoSlider* slider);

    // Installs the interface for every kmoSlider, once.
    static void install();
    // Tells screen readers the new value.
    static void valueChanged(kmoSlider* slider);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    kmoSlider* slider() const;
};
