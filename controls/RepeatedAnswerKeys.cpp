// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RepeatedAnswerKeys.h"

#include <QDialog>
#include <QKeyEvent>

namespace {
bool answersDialogs(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Space;
}
} // namespace

bool RepeatedAnswerKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!answersDialogs(key->key()))
        return false;
    bool repeated = key->isAutoRepeat();
    // Events sent straight to a window carry no time; only the server's own are compared.
    if (event->type() == QEvent::KeyRelease)
        m_releasedAt.insert(key->key(), key->timestamp());
    else if (key->timestamp() != 0 && m_releasedAt.value(key->key()) == key->timestamp())
        repeated = true;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return repeated && widget && qobject_cast<const QDialog*>(widget->window());
}
