// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard handling of kmoSlider: the arrow keys move the thumb by one, Page Up and Page Down by a tenth
// of the range, Home and End to Min and Max. Up and Right lead towards Max in either orientation.
#include "color/kmoSlider.h"

#include "controls/PageKeys.h"

#include <QKeyEvent>
#include <algorithm>

// The page keys move the thumb while the slider has the keyboard, before they step through the lesson.
bool kmoSlider::event(QEvent* event) {
    return PageKeys::claim(event) || QWidget::event(event);
}

void kmoSlider::keyPressEvent(QKeyEvent* event) {
    const qint64 page = std::max<qint64>(1, (qint64(m_Max) - m_Min) / 10);
    qint64 wanted = m_Value;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        wanted += 1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        wanted -= 1;
        break;
    case Qt::Key_PageUp:
        wanted += page;
        break;
    case Qt::Key_PageDown:
        wanted -= page;
        break;
    case Qt::Key_Home:
        wanted = m_Min;
        break;
    case Qt::Key_End:
        wanted = m_Max;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_Enabled)
        setValue(static_cast<int32_t>(std::clamp<qint64>(wanted, m_Min, m_Max)));
}
