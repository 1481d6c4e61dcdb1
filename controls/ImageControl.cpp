// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ImageControl.h"

#include "controls/FocusMark.h"
#include "controls/ImageControlAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

// Only Tab gives it the focus: a click takes effect without leaving a mark behind.
ImageControl::ImageControl(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::TabFocus);
    ImageControlAccessible::install();
}

void ImageControl::setChecked(bool checked) {
    if (m_checkable && m_checked == checked)
        return;
    m_checkable = true;
    m_checked = checked;
    QAccessible::State changed;
    changed.checkable = true;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ImageControl::joinTabOrder(QWidget* previous, std::span<ImageControl* const> controls) {
    std::vector<ImageControl*> ordered;
    std::copy_if(controls.begin(), controls.end(), std::back_inserter(ordered),
                 [](const ImageControl* control) { return control != nullptr; });
    std::stable_sort(ordered.begin(), ordered.end(), [](const ImageControl* a, const ImageControl* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (ImageControl* control : ordered) {
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void ImageControl::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ImageControl::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void ImageControl::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat())
        emit Click();
    else
        QLabel::keyPressEvent(event);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit Click();
}

void ImageControl::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    FocusMark::draw(painter, rect());
}
