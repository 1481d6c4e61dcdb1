// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ImageControlAccessible.h"

#include "controls/ImageControl.h"

#include "base/AccessibleFactory.h"

ImageControlAccessible::ImageControlAccessible(ImageControl* control)
    : QAccessibleWidget(control, QAccessible::Button) {}

void ImageControlAccessible::install() {
    installAccessibleFactory<ImageControl, ImageControlAccessible>();
}

ImageControl* ImageControlAccessible::control() const {
    return static_cast<ImageControl*>(widget());
}

// Decided as it is asked: a flag becomes a choice after it was made.
QAccessible::Role ImageControlAccessible::role() const {
    return control()->isCheckable() ? QAccessible::RadioButton : QAccessible::Button;
}

QAccessible::State ImageControlAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (control()->isCheckable()) {
        s.checkable = true;
        s.checked = control()->isChecked();
    }
    return s;
}

QStringList ImageControlAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ImageControlAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (!widget()->isEnabled())
        return;
    // The context object drops the call if the control is gone by then.
    QMetaObject::invokeMethod(
        control(), [control = control()] { emit control->Click(); }, Qt::QueuedConnection);
}
